// settings_dialog_win32.h -- the settings dialog the host shows in settings mode
#pragma once

#include <windows.h>

const int SETTINGS_DIALOG_ID = 2003;

// The dialog needs no window classes of its own; answers TRUE.
BOOL RegisterDialogClasses(HANDLE instance);
INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
