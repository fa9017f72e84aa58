// dialog_probe_win32.cpp -- prints a top-level window's controls so Wine tests can read and click them
//
// Usage: kvrn_dialog_probe <window title>
// Exit code 0 with one line per control:
//   id|class|style hex|check state|centre x|centre y|text
// where the centre is in screen coordinates; exit code 1 when no visible
// window has that title or the window does not answer.
#include <windows.h>

#include <cstdio>

static BOOL CALLBACK PrintControl(HWND control, LPARAM) {
    char className[64] = "";
    char text[256] = "";
    GetClassNameA(control, className, sizeof className);
    GetWindowTextA(control, text, sizeof text);
    RECT rect;
    GetWindowRect(control, &rect);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    // A window of another process: never wait on it for long.
    DWORD_PTR check = 0;
    if (SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &check) == 0) return FALSE;
    // A line break in a text would split the record: it goes out as the unit separator 0x1F (and the
    // tests drop every '\r').
    for (char *c = text; *c != '\0'; ++c)
        if (*c == '\n') *c = '\x1f';
    std::printf("%d|%s|%08lX|%d|%ld|%ld|%s\n", GetDlgCtrlID(control), className, static_cast<unsigned long>(style),
                static_cast<int>(check), (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, text);
    return TRUE;
}

int main(int argc, char **argv) {
    if (argc != 2) return 2;
    HWND window = FindWindowA(nullptr, argv[1]);
    if (window == nullptr || !IsWindowVisible(window)) return 1;
    const bool complete = EnumChildWindows(window, PrintControl, 0) != FALSE;
    std::fflush(stdout);
    return complete ? 0 : 1;
}
