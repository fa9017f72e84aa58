// pacing_probe.cpp -- test helper: the OpenGL window's own procedure and frame pacing around a stand-in
// frame that notes when it started and whether the space bar was down. A second thread presses or
// releases the space bar (real keyboard input) 1 to 10 ms after a frame has started, while the next
// one is not yet due, and notes when.
//   pacing_probe PRESSES  -> "inputs=N during_wait=W missed=M frames=F"
// An input sent during a wait is missed when the first frame that started after it did not see it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "common/frame_input.h"
#include "host/frame_pacing.h"
#include "host/frame_pacing_win32.h"
#include "host/game_calls.h"
#include "host/saver_windows_win32.h"

// What the OpenGL window's procedure uses of the saver window's side.
GameWindows gameWindows;
LRESULT DefaultSaverProcFor(HWND, HWND defaultWindow, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(defaultWindow, message, wParam, lParam);
}
LRESULT DefaultSaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

static const int MAX_FRAMES = 20000, MAX_INPUTS = 200;
static double frameTimes[MAX_FRAMES], inputTimes[MAX_INPUTS];
static bool frameSawSpace[MAX_FRAMES];
static volatile LONG frameCount;
static int inputs, presses;
static HANDLE frameEvent;

static double Seconds() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool RunFrame() {
    const LONG frame = frameCount;
    if (frame < MAX_FRAMES) {
        frameTimes[frame] = Seconds();
        frameSawSpace[frame] = frameInput.keyDown[KEY_SPACE];
        InterlockedIncrement(&frameCount);
    }
    SetEvent(frameEvent);
    return true;
}

// Waits for a frame that started after the given time; false if none comes within 10 s.
static bool FrameAfter(double time) {
    for (;;) {
        const LONG frame = InterlockedCompareExchange(&frameCount, 0, 0);
        if (frame >= MAX_FRAMES) return false;
        if (frame > 0 && frameTimes[frame - 1] > time) return true;
        if (WaitForSingleObject(frameEvent, 10000) != WAIT_OBJECT_0) return false;
    }
}

static DWORD WINAPI PressSpace(LPVOID) {
    double last = Seconds();
    for (; inputs < MAX_INPUTS && inputs < presses; ++inputs) {
        if (!FrameAfter(last)) break;
        Sleep(1 + inputs % 10);  // into the wait for the next frame
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VK_SPACE;
        input.ki.dwFlags = inputs % 2 ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &input, sizeof input);
        last = inputTimes[inputs] = Seconds();
    }
    FrameAfter(last);
    PostMessageA(gameWindows.saverWindow, WM_CLOSE, 0, 0);
    return 0;
}

int main(int argc, char **argv) {
    presses = argc > 1 ? std::atoi(argv[1]) : 40;
    frameEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = GlWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "KvrnPacingProbe";
    if (!RegisterClassA(&windowClass)) return 1;
    gameWindows.saverWindow = CreateWindowExA(0, "KvrnPacingProbe", "Pacing Probe", WS_POPUP | WS_VISIBLE, 0, 0, 200, 150, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    if (!gameWindows.saverWindow) return 1;
    SetForegroundWindow(gameWindows.saverWindow);
    SetFocus(gameWindows.saverWindow);
    gameWindows.glDeviceContext = GetDC(gameWindows.saverWindow);
    StartFramePacing(gameWindows.glDeviceContext);  // no rendering context: pacing by waiting
    gameWindows.gameReady = true;
    const HANDLE presser = CreateThread(nullptr, 0, PressSpace, nullptr, 0, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    WaitForSingleObject(presser, INFINITE);
    StopFramePacing();

    const int frames = frameCount;
    int duringWait = 0, missed = 0;
    for (int i = 0, next = 0; i < inputs; ++i) {  // inputs come in time order, so next only moves on
        while (next < frames && frameTimes[next] <= inputTimes[i]) ++next;
        if (next == 0 || next == frames) {
            ++missed;
            continue;
        }
        // An input sent as the next frame fell due may race its paint; one sent during the wait may not.
        if (inputTimes[i] >= frameTimes[next - 1] + framePacer.period) continue;
        ++duringWait;
        if (frameSawSpace[next] != (i % 2 == 0)) ++missed;
    }
    std::printf("inputs=%d during_wait=%d missed=%d frames=%d\n", inputs, duringWait, missed, frames);
    return 0;
}
