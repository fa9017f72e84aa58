// test_password_cpl.cpp -- test helper built as PASSWORD.CPL: a password verifier that answers from a file
// Beside the DLL, "password_answer.txt" holds one word: "accept", "refuse", or "refuse-again" (refuse, and
// post a second close request to the saver before answering, which must be turned away unasked). Each call
// appends the word it answered to "password_calls.txt".
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
    return std::strcmp(answer, "accept") == 0;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) thisModule = instance;
    return TRUE;
}
