// saver_windows_win32.h -- the Win32 procedures and handles of the saver window and the OpenGL window
#pragma once

#include <windows.h>

// The host (saver_host_win32.cpp).
void HostEntry();
int HostMain(HINSTANCE instance, const char *arguments);
int RunSaver(HWND parent);
INT_PTR ShowSettingsDialog(HWND parent);
void ChangePassword(HWND parent);
LRESULT CALLBACK SaverClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefaultSaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The close rules with the platform default given another window: the OpenGL
// window's own messages are closed over the saver window but handled by default
// as its own, so that its creation and sizing never touch the saver window.
LRESULT DefaultSaverProcFor(HWND closeWindow, HWND defaultWindow, UINT message, WPARAM wParam, LPARAM lParam);
BOOL CheckPasswordBeforeClose(HWND window);
void LoadPasswordVerifier();
void UnloadPasswordVerifier();
void SetSaverRunning(BOOL running);

// The game's side of the saver window (saver_window_win32.cpp): set while the
// saver window is created, released when it is destroyed; never reset otherwise.
struct GameWindows {
    HWND saverWindow;
    HWND glWindow;
    HDC glDeviceContext;
    HGLRC renderingContext;
    HPALETTE glPalette;
    HINSTANCE appInstance;
    // Set once the creation sequence has finished and cleared when teardown
    // starts: a paint outside that span (a failure message's modal loop) draws nothing.
    bool gameReady;
};

extern GameWindows gameWindows;

LRESULT CALLBACK GameSaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
HWND CreateGlWindow(int x, int y, int width, int height, HWND parent);

struct TimeOfDay {
    long seconds;
    long microseconds;
};
int GetTimeOfDay(TimeOfDay *time, void *ignored);

// The OpenGL window (gl_window_win32.cpp).
LRESULT CALLBACK GlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
