// settings_dialog_win32.h -- the settings dialog the host shows in settings mode
#pragma once

#include <windows.h>

const int SETTINGS_DIALOG_ID = 2003;

// Control ids of dialog 2003 besides IDOK and IDCANCEL.
const int FULL_DETAIL_CHECK_ID = 1000;
const int LIGHTING_FX_CHECK_ID = 1001;
const int SUBMIT_BUTTON_ID = 1002;
const int HIGH_SCORE_LINE_ID = 1003;

// The dialog needs no window classes of its own; answers TRUE.
BOOL RegisterDialogClasses(HANDLE instance);
INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
