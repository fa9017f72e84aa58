// message_log.h -- the native build's record of shown messages (tests only)
#pragma once

const int MESSAGE_ICON_ERROR = 16;
const int MESSAGE_ICON_INFORMATION = 64;

struct MessageLog {
    int count;
    int quitRequests;
    int lastIcon;
    char lastText[512];
    char lastCaption[128];
};

MessageLog &NativeMessageLog();
void ClearNativeMessageLog();
