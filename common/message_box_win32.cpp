// message_box_win32.cpp -- message boxes and the quit request on Windows
#include <windows.h>

#include "common/message_box.h"

void ShowErrorMessage(const char *text, const char *caption) { MessageBoxA(nullptr, text, caption, MB_ICONERROR); }

void ShowInformationMessage(const char *text, const char *caption) {
    MessageBoxA(nullptr, text, caption, MB_ICONINFORMATION);
}

void RequestQuit() { PostQuitMessage(0); }
