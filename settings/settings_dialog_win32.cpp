// settings_dialog_win32.cpp -- SettingsDialogProc and the class-registration hook
#include "settings/settings_dialog_win32.h"

BOOL RegisterDialogClasses(HANDLE) { return TRUE; }

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND) {
        const int id = LOWORD(wParam);
        if (id == IDOK || id == IDCANCEL) EndDialog(dialog, 1);
        return TRUE;
    }
    return FALSE;
}
