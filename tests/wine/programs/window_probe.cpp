// window_probe.cpp -- test helper: reports windows of the Win32 session and posts messages to them
//   window_probe find CLASS TITLE      -> "HWND visible topmost left top right bottom screenWidth screenHeight owner"
//   window_probe children HWND         -> one line per child: "HWND class|title left top right bottom"
//   window_probe post HWND MSG WPARAM LPARAM
//   window_probe settext HWND TEXT     sends WM_SETTEXT; prints the window's text afterwards
//   window_probe foreground            -> the foreground window's handle
//   window_probe help HWND             sends WM_HELP with a HELPINFO (context id 4321, mouse at 12,34)
// Exit code 0 when the window was found (or posted to), 1 otherwise.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static HWND ParseWindow(const char *text) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(std::strtoul(text, nullptr, 0))));
}

static unsigned long Number(HWND window) { return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)); }

static BOOL CALLBACK PrintChild(HWND child, LPARAM parent) {
    if (GetParent(child) != reinterpret_cast<HWND>(parent)) return TRUE;  // direct children only
    char className[128] = "", title[128] = "";
    GetClassNameA(child, className, sizeof className);
    GetWindowTextA(child, title, sizeof title);
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT *>(&rect), 2);
    std::printf("%lu %s|%s %ld %ld %ld %ld\n", Number(child), className, title, rect.left, rect.top, rect.right,
                rect.bottom);
    return TRUE;
}

int main(int argc, char **argv) {
    if (argc >= 4 && std::strcmp(argv[1], "find") == 0) {
        const HWND window = FindWindowA(argv[2], argv[3]);
        if (!window) {
            std::printf("none\n");
            return 1;
        }
        RECT rect = {};
        GetWindowRect(window, &rect);
        const LONG_PTR extended = GetWindowLongPtrA(window, GWL_EXSTYLE);
        std::printf("%lu %d %d %ld %ld %ld %ld %d %d %lu\n", Number(window), IsWindowVisible(window) ? 1 : 0,
                    (extended & WS_EX_TOPMOST) ? 1 : 0, rect.left, rect.top, rect.right, rect.bottom,
                    GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), Number(GetWindow(window, GW_OWNER)));
        return 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "children") == 0) {
        const HWND parent = ParseWindow(argv[2]);
        if (!IsWindow(parent)) return 1;
        EnumChildWindows(parent, PrintChild, reinterpret_cast<LPARAM>(parent));
        return 0;
    }
    if (argc >= 6 && std::strcmp(argv[1], "post") == 0) {
        return PostMessageA(ParseWindow(argv[2]), static_cast<UINT>(std::strtoul(argv[3], nullptr, 0)),
                            static_cast<WPARAM>(std::strtoull(argv[4], nullptr, 0)),
                            static_cast<LPARAM>(std::strtoll(argv[5], nullptr, 0))) == FALSE;
    }
    if (argc >= 4 && std::strcmp(argv[1], "settext") == 0) {
        const HWND window = ParseWindow(argv[2]);
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3]), SMTO_ABORTIFHUNG, 10000,
                                 &result))
            return 1;
        char title[128] = "";
        GetWindowTextA(window, title, sizeof title);
        std::printf("%s\n", title);
        return 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "help") == 0) {
        const HWND window = ParseWindow(argv[2]);
        HELPINFO help = {sizeof help, HELPINFO_WINDOW, 0, window, 4321, {12, 34}};
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(window, WM_HELP, 0, reinterpret_cast<LPARAM>(&help), SMTO_ABORTIFHUNG, 10000,
                                   &result) == 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "foreground") == 0) {
        std::printf("%lu\n", Number(GetForegroundWindow()));
        return 0;
    }
    std::fprintf(stderr, "usage: window_probe find CLASS TITLE | children HWND | post HWND MSG W L | settext HWND TEXT | foreground | help HWND\n");
    return 2;
}
