// preview_host.cpp -- test helper: a window like the desktop's preview box, for the saver's /p switch
//   preview_host WIDTH HEIGHT   prints the decimal handle of its window (client area WIDTH x HEIGHT),
//   then runs until closed.
// Help and context-menu requests that reach it are appended to "preview_host_messages.txt" in the
// working directory: "help WPARAM_IS_SELF CONTEXT_ID X Y" and "contextmenu WPARAM_IS_SELF LPARAM".
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

static LRESULT CALLBACK PreviewHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int toSelf = wParam == reinterpret_cast<WPARAM>(window) ? 1 : 0;
    if (message == WM_HELP || message == WM_CONTEXTMENU) {
        if (FILE *file = std::fopen("preview_host_messages.txt", "a")) {
            const HELPINFO *help = reinterpret_cast<const HELPINFO *>(lParam);
            if (message == WM_HELP)
                std::fprintf(file, "help %d %lu %ld %ld\n", toSelf, static_cast<unsigned long>(help->dwContextId),
                             help->MousePos.x, help->MousePos.y);
            else
                std::fprintf(file, "contextmenu %d %ld\n", toSelf, static_cast<long>(lParam));
            std::fclose(file);
        }
        return TRUE;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int main(int argc, char **argv) {
    if (argc != 3) return 2;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA hostClass = {};
    hostClass.lpfnWndProc = PreviewHostProc;
    hostClass.hInstance = instance;
    hostClass.lpszClassName = "KvrnPreviewHost";
    if (!RegisterClassA(&hostClass)) return 1;
    RECT frame = {0, 0, std::atoi(argv[1]), std::atoi(argv[2])};
    const DWORD style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    AdjustWindowRect(&frame, style, FALSE);
    const HWND window = CreateWindowExA(0, "KvrnPreviewHost", "Preview Host", style, 40, 40, frame.right - frame.left,
                                        frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    std::printf("%lu\n", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)));
    std::fflush(stdout);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
