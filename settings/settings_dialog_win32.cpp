// settings_dialog_win32.cpp -- SettingsDialogProc and the class-registration hook
#include "settings/settings_dialog_win32.h"

#include <shellapi.h>

#include <cstdio>

#include "settings/score_submission.h"
#include "settings/settings_store.h"

static const int HIGH_SCORE_LINE_SIZE = 80;

BOOL RegisterDialogClasses(HANDLE) { return TRUE; }

static void ShowSettings(HWND dialog) {
    char line[HIGH_SCORE_LINE_SIZE];
    std::snprintf(line, sizeof line, "Current high score is %d by %s!", static_cast<int>(settings.highScore),
                  settings.highScoreName);
    SetDlgItemTextA(dialog, HIGH_SCORE_LINE_ID, line);
    CheckDlgButton(dialog, FULL_DETAIL_CHECK_ID, settings.fullDetail ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, LIGHTING_FX_CHECK_ID, settings.lightingFx ? BST_CHECKED : BST_UNCHECKED);
}

// The check box has already toggled its own mark; the option follows the mark,
// so the two stay in step however the click arrived.
static uint8_t CheckMark(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0; }

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        LoadSettings();
        ShowSettings(dialog);
        return TRUE;  // the dialog manager sets the default focus
    }
    if (message != WM_COMMAND) return FALSE;

    switch (LOWORD(wParam)) {
    case IDOK:
        SaveSettings();
        EndDialog(dialog, 1);
        break;
    case IDCANCEL:
        EndDialog(dialog, 1);
        break;
    case FULL_DETAIL_CHECK_ID:
        settings.fullDetail = CheckMark(dialog, FULL_DETAIL_CHECK_ID);
        break;
    case LIGHTING_FX_CHECK_ID:
        settings.lightingFx = CheckMark(dialog, LIGHTING_FX_CHECK_ID);
        break;
    case SUBMIT_BUTTON_ID:
        SubmitHighScore(settings.highScore, settings.highScoreName, settings.highScoreCharacter);
        // Opened whether the submission went out, failed or was refused.
        ShellExecuteA(nullptr, "open", HIGH_SCORE_PAGE_ADDRESS, nullptr, nullptr, SW_RESTORE);
        break;
    default:
        break;
    }
    return TRUE;
}
