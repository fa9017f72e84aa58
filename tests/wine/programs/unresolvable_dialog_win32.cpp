// unresolvable_dialog_win32.cpp -- the settings dialog alone, built against a host name that never resolves
#include <windows.h>

#include "settings/settings_dialog_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (!RegisterDialogClasses(instance)) return 0;
    return static_cast<int>(
        DialogBoxParamA(instance, MAKEINTRESOURCEA(SETTINGS_DIALOG_ID), nullptr, SettingsDialogProc, 0));
}
