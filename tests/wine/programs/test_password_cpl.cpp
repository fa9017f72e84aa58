// test_password_cpl.cpp -- test helper built as PASSWORD.CPL: a password verifier that answers from a file
// Beside the DLL, "password_answer.txt" holds one word: "accept", "refuse", "refuse-again" (refuse, and
// post a second close request to the saver before answering, which must be turned away unasked), or "box"
// (show a modal window titled "Password" that takes the keyboard focus, as the system's password box
// does, and refuse once it is closed). Each call appends the word it answered to "password_calls.txt".
#include <windows.h>

#include <cstdio>
#include <cstring>

static HMODULE thisModule;

static void FileBesideModule(const char *name, char *path, size_t size) {
    char module[MAX_PATH] = "";
    GetModuleFileNameA(thisModule, module, sizeof module);
    char *slash = std::strrchr(module, '\\');
    if (slash) slash[1] = 0;
    std::snprintf(path, size, "%s%s", module, name);
}

// Keys typed into the box are ignored; closing it (WM_CLOSE) ends the check.
static void RunPasswordBox(HWND saver) {
    WNDCLASSA boxClass = {};
    boxClass.lpfnWndProc = DefWindowProcA;
    boxClass.hInstance = thisModule;
    boxClass.lpszClassName = "KvrnPasswordBox";
    RegisterClassA(&boxClass);
    const HWND box = CreateWindowExA(WS_EX_TOPMOST, "KvrnPasswordBox", "Password", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                     100, 100, 240, 120, saver, nullptr, thisModule, nullptr);
    EnableWindow(saver, FALSE);  // modal, as a dialog box is
    SetForegroundWindow(box);
    SetFocus(box);
    MSG message;
    while (IsWindow(box) && GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    EnableWindow(saver, TRUE);
    SetForegroundWindow(saver);
}

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND saver) {
    char path[MAX_PATH + 32];
    FileBesideModule("password_answer.txt", path, sizeof path);
    char answer[32] = "refuse";
    if (FILE *file = std::fopen(path, "r")) {
        if (std::fscanf(file, "%31s", answer) != 1) std::strcpy(answer, "refuse");
        std::fclose(file);
    }
    FileBesideModule("password_calls.txt", path, sizeof path);
    if (FILE *file = std::fopen(path, "a")) {
        std::fprintf(file, "%s\n", answer);
        std::fclose(file);
    }
    if (std::strcmp(answer, "refuse-again") == 0) PostMessageA(saver, WM_CLOSE, 0, 0);
    if (std::strcmp(answer, "box") == 0) RunPasswordBox(saver);
    return std::strcmp(answer, "accept") == 0;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) thisModule = instance;
    return TRUE;
}
