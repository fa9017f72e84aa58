// message_box_fake.cpp -- records messages and quit requests so tests can see them
#include "common/message_box.h"
#include "common/message_box_fake.h"

#include <cstdio>

static MessageLog messageLog;  // cleared by tests

static void Record(const char *text, const char *caption, int icon) {
    std::snprintf(messageLog.lastText, sizeof messageLog.lastText, "%s", text);
    std::snprintf(messageLog.lastCaption, sizeof messageLog.lastCaption, "%s", caption);
    messageLog.lastIcon = icon;
    ++messageLog.count;
}

void ShowErrorMessage(const char *text, const char *caption) { Record(text, caption, MESSAGE_ICON_ERROR); }
void ShowInformationMessage(const char *text, const char *caption) { Record(text, caption, MESSAGE_ICON_INFORMATION); }
void RequestQuit() { ++messageLog.quitRequests; }

MessageLog &FakeMessageLog() { return messageLog; }
void ClearFakeMessageLog() { messageLog = MessageLog{}; }
