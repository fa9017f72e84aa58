// saver_host.cpp -- switch parsing, the close rules and the password timing, free of the platform
#include "host/saver_host.h"

#include "settings/registry.h"

SaverHostState saverHost;

uint32_t ParseWindowHandle(const char *text) {
    uint32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) value = value * 10u + static_cast<uint32_t>(*text - '0');
    return value;
}

static const char *SkipBlanks(const char *text) {
    while (*text == ' ') ++text;
    return text;
}

SaverSwitch ParseSaverSwitch(const char *arguments, bool isWin95Family) {
    const char *cursor = arguments;
    while (*cursor == ' ' || *cursor == '-' || *cursor == '/') ++cursor;
    const signed char letter = static_cast<signed char>(*cursor);
    const char *rest = *cursor ? cursor + 1 : cursor;
    switch (letter) {
    case 0:
        return SaverSwitch{SAVER_MODE_SETTINGS, 0, false};
    case 'S':
    case 's':
        return SaverSwitch{SAVER_MODE_FULL_SCREEN, 0, false};
    case 'P':
    case 'p':
    case 'L':
    case 'l': {
        const uint32_t window = ParseWindowHandle(SkipBlanks(rest));
        if (window == 0) return SaverSwitch{SAVER_MODE_REFUSE, 0, false};
        return SaverSwitch{SAVER_MODE_PREVIEW, window, false};
    }
    case 'C':
    case 'c': {
        // Only a colon introduces the owner; "c 123" means the foreground window.
        const uint32_t window = *rest == ':' ? ParseWindowHandle(rest + 1) : 0;
        return SaverSwitch{SAVER_MODE_SETTINGS, window, true};
    }
    case 'A':
    case 'a':
        if (!isWin95Family) return SaverSwitch{SAVER_MODE_REFUSE, 0, false};
        return SaverSwitch{SAVER_MODE_CHANGE_PASSWORD, ParseWindowHandle(SkipBlanks(rest)), true};
    default:
        return SaverSwitch{SAVER_MODE_REFUSE, 0, false};
    }
}

const char *SkipProgramName(const char *commandLine) {
    const char *cursor = commandLine;
    if (*cursor == '"') {
        ++cursor;
        while (*cursor && *cursor != '"') ++cursor;
        if (*cursor == '"') ++cursor;
    } else if (static_cast<unsigned char>(*cursor) > ' ') {
        while (static_cast<unsigned char>(*cursor) > ' ') ++cursor;
    }
    while (*cursor && static_cast<unsigned char>(*cursor) <= ' ') ++cursor;
    return cursor;
}

static uint32_t Distance(int32_t a, int32_t b) {
    // |a - b| without signed overflow, as the unsigned sum expects
    return a > b ? static_cast<uint32_t>(a) - static_cast<uint32_t>(b) : static_cast<uint32_t>(b) - static_cast<uint32_t>(a);
}

static SaverAction CommonTail(const SaverHostState &host, unsigned int message, SaverAction action) {
    if (host.autoPlayQueryMessage != 0 && message == host.autoPlayQueryMessage) {
        action.postClose = true;
        action.answer = ANSWER_VALUE;
        action.value = host.verifierLoaded ? 1 : 0;
    }
    return action;
}

SaverAction DecideDefaultSaverAction(SaverHostState &host, unsigned int message, uintptr_t wParam, ScreenPoint cursor) {
    SaverAction action = {false, false, ANSWER_DEFAULT, 0};
    if (host.isPreview || host.isClosing) return CommonTail(host, message, action);
    if (message == MSG_CLOSE) {
        if (host.isWin95Family) action.answer = ANSWER_PASSWORD;
        return action;
    }
    if (message == VerifyPasswordMessage) {
        if (host.isWin95Family) action.answer = ANSWER_VERIFIER;
        return CommonTail(host, message, action);
    }
    if (host.isCheckingPassword) return CommonTail(host, message, action);

    switch (message) {
    case MSG_SHOWWINDOW:
        action.hideCursor = wParam != 0;
        break;
    case MSG_ACTIVATEAPP:
        action.postClose = wParam == 0;
        break;
    case MSG_SETCURSOR:
        action.hideCursor = true;
        action.answer = ANSWER_VALUE;
        action.value = 1;
        return action;
    case MSG_POWER:
        action.postClose = wParam == PWR_CRITICAL_RESUME;
        break;
    case MSG_KEYDOWN:
    case MSG_SYSKEYDOWN:
    case MSG_LBUTTONDOWN:
    case MSG_RBUTTONDOWN:
    case MSG_MBUTTONDOWN:
    case MSG_POWERBROADCAST:
        action.postClose = true;
        break;
    case MSG_MOUSEMOVE: {
        const uint32_t moved = Distance(cursor.x, host.mouseAnchor.x) + Distance(cursor.y, host.mouseAnchor.y);
        if (moved > MOUSE_MOVE_THRESHOLD) {
            action.postClose = true;
            host.mouseAnchor = cursor;
        }
        break;
    }
    default:
        break;
    }
    return CommonTail(host, message, action);
}

bool PasswordCheckTooSoon(uint32_t lastCheckTicks, uint32_t nowTicks) {
    return lastCheckTicks != NO_PASSWORD_CHECK_YET && nowTicks - lastCheckTicks < PASSWORD_RETRY_MILLISECONDS;
}

int BeginPasswordCheck(SaverHostState &host, uint32_t nowTicks) {
    if (host.isCheckingPassword || host.isClosing) return PASSWORD_REFUSE;
    if (!host.verifierLoaded) {
        host.isClosing = 1;
        return PASSWORD_MAY_CLOSE;
    }
    if (PasswordCheckTooSoon(host.lastPasswordCheckTicks, nowTicks)) return PASSWORD_REFUSE;
    host.isCheckingPassword = 1;
    return PASSWORD_ASK;
}

bool EndPasswordCheck(SaverHostState &host, intptr_t verifierResult, uint32_t ticksAfterCheck) {
    host.isClosing = verifierResult != 0 ? 1 : 0;
    host.isCheckingPassword = 0;
    host.lastPasswordCheckTicks = ticksAfterCheck;
    return host.isClosing == 0;
}

bool PasswordFlagIsSet(uint32_t type, const uint8_t *data, uint32_t size) {
    bool nonZero = false;
    if (type == REGISTRY_TYPE_DWORD || type == REGISTRY_TYPE_BINARY) {
        if (size > 4) return false;
        for (uint32_t i = 0; i < size; ++i) nonZero = nonZero || data[i] != 0;
        return nonZero;
    }
    if (type != REGISTRY_TYPE_SZ) return false;
    uint32_t length = 0;
    while (length < size && data[length] != 0) ++length;
    for (uint32_t i = 0; i < length; ++i) {
        if (data[i] < '0' || data[i] > '9') return false;
        nonZero = nonZero || data[i] != '0';
    }
    return nonZero;
}
