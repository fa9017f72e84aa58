// saver_host.h -- the saver host's state and its portable decisions: switches, close rules, password timing
#pragma once

#include <cstdint>

// What the command line asks for.
const int SAVER_MODE_SETTINGS = 0;         // settings dialog
const int SAVER_MODE_FULL_SCREEN = 1;
const int SAVER_MODE_PREVIEW = 2;          // child of the window in `window`
const int SAVER_MODE_CHANGE_PASSWORD = 3;  // Windows 95 family only
const int SAVER_MODE_REFUSE = 4;           // exit code -1, nothing shown

const int EXIT_REFUSED = -1;
const int EXIT_NO_GL_WINDOW = 1;

struct SaverSwitch {
    int mode;
    uint32_t window;           // the handle read from the text, 0 when there is none
    bool ownerFromForeground;  // a missing or invalid handle means the foreground window
};

// Decimal digits from the first character on, stopping at the first
// non-digit; no sign, no blanks; empty gives 0; wraps modulo 2^32.
uint32_t ParseWindowHandle(const char *text);

// The switch the desktop puts on the command line (after the program name).
// A preview handle of 0 is refused here; whether a non-zero handle names a
// window is the platform's question.
SaverSwitch ParseSaverSwitch(const char *arguments, bool isWin95Family);

// The argument text of a whole command line: the program name (quoted or
// not) and the blanks after it are skipped.
const char *SkipProgramName(const char *commandLine);

// Messages the close rules look at (Win32 numbers).
const unsigned int MSG_CREATE = 0x0001;
const unsigned int MSG_DESTROY = 0x0002;
const unsigned int MSG_SETTEXT = 0x000C;
const unsigned int MSG_CLOSE = 0x0010;
const unsigned int MSG_PAINT = 0x000F;
const unsigned int MSG_SHOWWINDOW = 0x0018;
const unsigned int MSG_ACTIVATEAPP = 0x001C;
const unsigned int MSG_SETCURSOR = 0x0020;
const unsigned int MSG_POWER = 0x0048;
const unsigned int MSG_HELP = 0x0053;
const unsigned int MSG_CONTEXTMENU = 0x007B;
const unsigned int MSG_KEYDOWN = 0x0100;
const unsigned int MSG_KEYUP = 0x0101;
const unsigned int MSG_SYSKEYDOWN = 0x0104;
const unsigned int MSG_SYSCOMMAND = 0x0112;
const unsigned int MSG_TIMER = 0x0113;
const unsigned int MSG_MOUSEMOVE = 0x0200;
const unsigned int MSG_LBUTTONDOWN = 0x0201;
const unsigned int MSG_RBUTTONDOWN = 0x0204;
const unsigned int MSG_MBUTTONDOWN = 0x0207;
const unsigned int MSG_POWERBROADCAST = 0x0218;
const unsigned int VerifyPasswordMessage = 0x8000;  // WM_APP

const uintptr_t PWR_CRITICAL_RESUME = 3;
const uint32_t MOUSE_MOVE_THRESHOLD = 4;
const uint32_t PASSWORD_RETRY_MILLISECONDS = 200;
const uint32_t NO_PASSWORD_CHECK_YET = 0xFFFFFFFFu;

struct ScreenPoint {
    int32_t x, y;
};

// Process-wide host state, touched only by the thread of the message loop;
// never reset while the program runs.
struct SaverHostState {
    int isWin95Family = 0;
    int isPreview = 0;
    int isClosing = 0;
    int isCheckingPassword = 0;
    bool verifierLoaded = false;
    unsigned int autoPlayQueryMessage = 0;  // 0: none registered
    ScreenPoint mouseAnchor = {0, 0};
    uint32_t lastPasswordCheckTicks = NO_PASSWORD_CHECK_YET;
};

extern SaverHostState saverHost;

// What DefaultSaverProc does with one message. The platform side performs the
// actions in the order of the fields, then answers as `answer` says.
const int ANSWER_DEFAULT = 0;   // the platform's default window procedure
const int ANSWER_VALUE = 1;     // return `value`
const int ANSWER_PASSWORD = 2;  // WM_CLOSE: ask CheckPasswordBeforeClose; 0 keeps the saver (anchor reset, answer 0), else default
const int ANSWER_VERIFIER = 3;  // the verifier's result for the window, or 1 without one

struct SaverAction {
    bool hideCursor;
    bool postClose;  // post WM_CLOSE with zero parameters to the window
    int answer;
    intptr_t value;
};

// The close rules. `cursor` is the cursor position now (read by the caller
// for WM_MOUSEMOVE and WM_CLOSE); the mouse anchor is moved here.
SaverAction DecideDefaultSaverAction(SaverHostState &host, unsigned int message, uintptr_t wParam, ScreenPoint cursor);

// "ScreenSaveUsePassword", read with a buffer of PASSWORD_FLAG_READ_BYTES:
// a number of one to four bytes (REG_DWORD, or REG_BINARY), zero-extended, or
// a string of decimal digits (REG_SZ) read as that number, so "0" is off.
// Anything else, an empty value included, means no password.
const uint32_t PASSWORD_FLAG_READ_BYTES = 16;
bool PasswordFlagIsSet(uint32_t type, const uint8_t *data, uint32_t size);

// The 200 ms rule: a close request this soon after the end of the previous
// password check is refused without asking again. Tick counts wrap.
bool PasswordCheckTooSoon(uint32_t lastCheckTicks, uint32_t nowTicks);

// CheckPasswordBeforeClose in two halves around the verifier, which only the
// platform can run. BeginPasswordCheck answers what to do now.
const int PASSWORD_REFUSE = 0;      // answer 0 without asking
const int PASSWORD_MAY_CLOSE = 1;   // no verifier: closing is allowed (isClosing set)
const int PASSWORD_ASK = 2;         // isCheckingPassword set: run the verifier, then EndPasswordCheck
int BeginPasswordCheck(SaverHostState &host, uint32_t nowTicks);
// Stores the verifier's result; answers true when the cursor must be hidden again.
bool EndPasswordCheck(SaverHostState &host, intptr_t verifierResult, uint32_t ticksAfterCheck);
