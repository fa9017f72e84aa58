// saver_host_win32.cpp -- entry point, screen-saver modes, saver window class, close rules and password paths
#include <windows.h>

#include <cstdint>

#include "host/game_calls.h"
#include "host/saver_host.h"
#include "host/saver_windows_win32.h"
#include "settings/settings_dialog_win32.h"

static const char SAVER_CLASS_NAME[] = "WindowsScreenSaverClass";
static const char FULL_SCREEN_TITLE[] = "Screen Saver";
static const char PREVIEW_TITLE[] = "Preview";
static const int SAVER_ICON_ID = 100;
static const UINT SET_SCREEN_SAVER_RUNNING = 97;  // SPI_SETSCREENSAVERRUNNING

typedef BOOL(WINAPI *VerifyScreenSavePwdFunction)(HWND);
typedef DWORD(WINAPI *PwdChangePasswordFunction)(LPCSTR, HWND, DWORD, LPVOID);
typedef HANDLE(WINAPI *ImmAssociateContextFunction)(HWND, HANDLE);

static HINSTANCE hostInstance;
static HMODULE passwordLibrary;
static VerifyScreenSavePwdFunction passwordVerifier;
static HMODULE inputMethodModule;
static ImmAssociateContextFunction associateInputContext;
static HANDLE detachedInputContext;

static HWND WindowFromNumber(uint32_t number) {
    // Window handles are 32-bit values, sign-extended on 64-bit Windows.
    return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(number)));
}

static ScreenPoint CursorPosition() {
    POINT point = {0, 0};
    GetCursorPos(&point);
    return ScreenPoint{point.x, point.y};
}

static void HideCursor() { SetCursor(nullptr); }

// Shows the saver's settings, password or saver according to the switch.
static int RunMode(const char *arguments) {
    const SaverSwitch choice = ParseSaverSwitch(arguments, saverHost.isWin95Family != 0);
    switch (choice.mode) {
    case SAVER_MODE_FULL_SCREEN:
        return RunSaver(nullptr);
    case SAVER_MODE_PREVIEW: {
        const HWND parent = WindowFromNumber(choice.window);
        if (!IsWindow(parent)) return EXIT_REFUSED;
        return RunSaver(parent);
    }
    case SAVER_MODE_SETTINGS: {
        HWND owner = nullptr;
        if (choice.ownerFromForeground) {
            owner = WindowFromNumber(choice.window);
            if (choice.window == 0 || !IsWindow(owner)) owner = GetForegroundWindow();
        }
        return static_cast<int>(ShowSettingsDialog(owner));
    }
    case SAVER_MODE_CHANGE_PASSWORD: {
        HWND parent = WindowFromNumber(choice.window);
        if (choice.window == 0 || !IsWindow(parent)) parent = GetForegroundWindow();
        ChangePassword(parent);
        return 0;
    }
    default:
        return EXIT_REFUSED;
    }
}

// The fault guard. GCC has no structured exception blocks, so the guard is
// the process's top-level filter: it gives the desktop its screen-saver state
// back and lets the platform's own fault handling go on.
static LPTOP_LEVEL_EXCEPTION_FILTER previousFaultFilter;

static LONG WINAPI HostFaultFilter(EXCEPTION_POINTERS *fault) {
    SetSaverRunning(FALSE);
    if (previousFaultFilter) return previousFaultFilter(fault);
    return EXCEPTION_CONTINUE_SEARCH;
}

int HostMain(HINSTANCE instance, const char *arguments) {
    previousFaultFilter = SetUnhandledExceptionFilter(HostFaultFilter);
    hostInstance = instance;
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    saverHost.isWin95Family = GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ? 1 : 0;
#pragma GCC diagnostic pop
    ConstructProgramRecords();
    const int exitCode = RunMode(arguments);
    SetUnhandledExceptionFilter(previousFaultFilter);
    return exitCode;
}

void HostEntry() {
    const char *arguments = SkipProgramName(GetCommandLineA());
    ExitProcess(static_cast<UINT>(HostMain(GetModuleHandleA(nullptr), arguments)));
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HostEntry();
    return 0;
}

int RunSaver(HWND parent) {
    WNDCLASSA saverClass = {};
    saverClass.style = CS_OWNDC | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    saverClass.lpfnWndProc = SaverClassProc;
    saverClass.hInstance = hostInstance;
    saverClass.hIcon = LoadIconA(hostInstance, MAKEINTRESOURCEA(SAVER_ICON_ID));
    saverClass.hCursor = nullptr;
    saverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    saverClass.lpszClassName = SAVER_CLASS_NAME;

    int x = 0, y = 0, width = 0, height = 0;
    DWORD style, extendedStyle;
    const char *title;
    if (parent) {
        RECT client = {};
        GetClientRect(parent, &client);
        width = client.right;
        height = client.bottom;
        style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
        extendedStyle = 0;
        title = PREVIEW_TITLE;
        saverHost.isPreview = 1;
    } else {
        const HDC screen = GetDC(nullptr);
        RECT box = {};
        GetClipBox(screen, &box);
        ReleaseDC(nullptr, screen);
        x = box.left;
        y = box.top;
        width = box.right - box.left;
        height = box.bottom - box.top;
        style = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        extendedStyle = WS_EX_TOPMOST;
        title = FULL_SCREEN_TITLE;
        const HWND running = FindWindowA(SAVER_CLASS_NAME, FULL_SCREEN_TITLE);
        if (running && IsWindow(running)) {
            SetForegroundWindow(running);
            return 0;
        }
        LoadPasswordVerifier();
    }
    saverHost.autoPlayQueryMessage = saverHost.isWin95Family ? RegisterWindowMessageA("QueryCancelAutoPlay") : 0;

    HWND window = nullptr;
    if (RegisterClassA(&saverClass))
        window = CreateWindowExA(extendedStyle, SAVER_CLASS_NAME, title, style, x, y, width, height, parent, nullptr,
                                 hostInstance, nullptr);
    // A saver that could not open its window has not run: say so by the exit code.
    int exitCode = EXIT_REFUSED;
    if (window) {
        if (!parent) SetForegroundWindow(window);
        MSG message = {};
        // GetMessageA answers -1 on a failure, which must end the loop as well.
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        exitCode = static_cast<int>(message.wParam);
    }
    UnloadPasswordVerifier();
    return exitCode;
}

INT_PTR ShowSettingsDialog(HWND parent) {
    if (!RegisterDialogClasses(hostInstance)) return 0;
    return DialogBoxParamA(hostInstance, MAKEINTRESOURCEA(SETTINGS_DIALOG_ID), parent, SettingsDialogProc, 0);
}

void ChangePassword(HWND parent) {
    const HMODULE library = LoadLibraryA("MPR.DLL");
    if (!library) return;
    const auto change =
        reinterpret_cast<PwdChangePasswordFunction>(reinterpret_cast<void *>(GetProcAddress(library, "PwdChangePasswordA")));
    if (change) change("SCRSAVE", parent, 0, nullptr);
    FreeLibrary(library);
}

void SetSaverRunning(BOOL running) {
    if (!saverHost.isWin95Family) return;
    UINT previous = 0;
    SystemParametersInfoA(SET_SCREEN_SAVER_RUNNING, static_cast<UINT>(running), &previous, 0);
}

void LoadPasswordVerifier() {
    if (!saverHost.isWin95Family) return;
    if (passwordLibrary) UnloadPasswordVerifier();
    HKEY desktop = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &desktop) != ERROR_SUCCESS) return;
    BYTE usePassword[PASSWORD_FLAG_READ_BYTES] = {};
    DWORD size = sizeof usePassword, type = 0;
    if (RegQueryValueExA(desktop, "ScreenSaveUsePassword", nullptr, &type, usePassword, &size) == ERROR_SUCCESS &&
        PasswordFlagIsSet(type, usePassword, size)) {
        passwordLibrary = LoadLibraryA("PASSWORD.CPL");
        if (passwordLibrary) {
            passwordVerifier = reinterpret_cast<VerifyScreenSavePwdFunction>(
                reinterpret_cast<void *>(GetProcAddress(passwordLibrary, "VerifyScreenSavePwd")));
            if (passwordVerifier) {
                saverHost.verifierLoaded = true;
                SetSaverRunning(TRUE);
            } else {
                UnloadPasswordVerifier();
            }
        }
    }
    RegCloseKey(desktop);
}

void UnloadPasswordVerifier() {
    if (!saverHost.isWin95Family) return;
    if (passwordLibrary) {
        FreeLibrary(passwordLibrary);
        passwordLibrary = nullptr;
    }
    if (passwordVerifier) {
        passwordVerifier = nullptr;
        saverHost.verifierLoaded = false;
        SetSaverRunning(FALSE);
    }
}

BOOL CheckPasswordBeforeClose(HWND window) {
    const int step = BeginPasswordCheck(saverHost, GetTickCount());
    if (step == PASSWORD_REFUSE) return FALSE;
    if (step == PASSWORD_MAY_CLOSE) return TRUE;
    const LRESULT verdict = SendMessageA(window, VerifyPasswordMessage, 0, 0);
    if (EndPasswordCheck(saverHost, verdict, GetTickCount())) {
        HideCursor();
        ReleaseAllKeys();  // Escape let go in the password box stays down otherwise, and asks again
    }
    return saverHost.isClosing;
}

LRESULT DefaultSaverProcFor(HWND closeWindow, HWND defaultWindow, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool needsCursor = message == WM_MOUSEMOVE || message == WM_CLOSE;
    const SaverAction action =
        DecideDefaultSaverAction(saverHost, message, wParam, needsCursor ? CursorPosition() : ScreenPoint{0, 0});
    if (action.hideCursor) HideCursor();
    if (action.postClose) PostMessageA(closeWindow, WM_CLOSE, 0, 0);
    switch (action.answer) {
    case ANSWER_VALUE:
        return action.value;
    case ANSWER_PASSWORD:
        if (!CheckPasswordBeforeClose(closeWindow)) {
            saverHost.mouseAnchor = CursorPosition();
            return 0;
        }
        break;
    case ANSWER_VERIFIER:
        return passwordVerifier ? passwordVerifier(closeWindow) : 1;
    default:
        break;
    }
    return DefWindowProcA(defaultWindow, message, wParam, lParam);
}

LRESULT DefaultSaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultSaverProcFor(window, window, message, wParam, lParam);
}

LRESULT CALLBACK SaverClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        // Only an input method that is already loaded is detached; none is loaded for it.
        inputMethodModule = GetModuleHandleA("IMM32.DLL");
        if (inputMethodModule) {
            associateInputContext = reinterpret_cast<ImmAssociateContextFunction>(
                reinterpret_cast<void *>(GetProcAddress(inputMethodModule, "ImmAssociateContext")));
            if (associateInputContext) detachedInputContext = associateInputContext(window, nullptr);
        }
        saverHost.mouseAnchor = CursorPosition();
        if (!saverHost.isPreview) HideCursor();
        break;
    case WM_DESTROY:
        if (inputMethodModule && associateInputContext && detachedInputContext)
            associateInputContext(window, detachedInputContext);
        PostQuitMessage(0);
        break;
    case WM_SETTEXT:
        return 0;
    case WM_PAINT:
        if (saverHost.isClosing) return DefWindowProcA(window, message, wParam, lParam);
        if (!saverHost.isPreview) HideCursor();
        break;
    case WM_HELP:
    case WM_CONTEXTMENU:
        if (saverHost.isPreview) {
            const HWND parent = GetParent(window);
            // WM_HELP's lParam points to its HELPINFO, which only a sent message
            // carries (posting it fails); the context menu stays posted.
            if (parent && IsWindow(parent)) {
                if (message == WM_HELP)
                    SendMessageA(parent, message, reinterpret_cast<WPARAM>(parent), lParam);
                else
                    PostMessageA(parent, message, reinterpret_cast<WPARAM>(parent), lParam);
            }
            return 1;
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (saverHost.isClosing) return DefWindowProcA(window, message, wParam, lParam);
        break;
    case WM_SYSCOMMAND:
        if (!saverHost.isPreview && (wParam == SC_NEXTWINDOW || wParam == SC_PREVWINDOW || wParam == SC_SCREENSAVE))
            return 0;
        break;
    case WM_TIMER:
        if (saverHost.isClosing) return 0;
        Sleep(0);
        break;
    default:
        break;
    }
    return GameSaverProc(window, message, wParam, lParam);
}
