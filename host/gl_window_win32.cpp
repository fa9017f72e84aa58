// gl_window_win32.cpp -- GlWindowProc: frames on paint, the frame timer, palette messages and keys
#include <windows.h>

#include "host/frame_pacing_win32.h"
#include "host/game_calls.h"
#include "host/saver_windows_win32.h"

static const UINT_PTR FRAME_TIMER_ID = 1;
static const UINT FRAME_TIMER_MILLISECONDS = 33;
static UINT_PTR frameTimerId;

static LRESULT RealizeGlPalette() {
    if (!gameWindows.glPalette) return 0;
    UnrealizeObject(gameWindows.glPalette);
    SelectPalette(gameWindows.glDeviceContext, gameWindows.glPalette, FALSE);
    RealizePalette(gameWindows.glDeviceContext);
    return 1;
}

LRESULT CALLBACK GlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        frameTimerId = SetTimer(window, FRAME_TIMER_ID, FRAME_TIMER_MILLISECONDS, nullptr);
        return 0;
    case WM_DESTROY:
        if (frameTimerId) KillTimer(window, frameTimerId);
        frameTimerId = 0;
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        // The window is never validated after a frame, so the next paint comes
        // as soon as the queue is empty. Before the game exists (a creation
        // failure's message box) there is nothing to draw.
        if (!gameWindows.gameReady) {
            ValidateRect(window, nullptr);
            return 0;
        }
        // A paint before the next frame time waits for it or for input, and
        // returns so that input is handled before the frame.
        if (!FrameDue()) return 0;
        if (!RunFrame()) return DefaultSaverProc(gameWindows.saverWindow, WM_KEYDOWN, VK_ESCAPE, 0);
        SwapBuffers(gameWindows.glDeviceContext);
        return 0;
    case WM_KEYDOWN:
        KeyGoesDown(static_cast<unsigned int>(wParam));
        return 0;
    case WM_KEYUP:
        KeyGoesUp(static_cast<unsigned int>(wParam));
        return 0;
    case WM_TIMER:
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_QUERYNEWPALETTE:
        return RealizeGlPalette();
    case WM_PALETTECHANGED:
        if (reinterpret_cast<HWND>(wParam) == window) return 0;
        return RealizeGlPalette();
    case WM_KILLFOCUS:
        ReleaseAllKeys();
        [[fallthrough]];
    default: {
        // Closing input over this window closes the saver window; the platform
        // default for this window's own messages stays with this window, except
        // a close, which belongs to the saver window.
        const HWND saver = gameWindows.saverWindow;
        return DefaultSaverProcFor(saver, message == WM_CLOSE ? saver : window, message, wParam, lParam);
    }
    }
}
