// message_box_fake.h -- what the fake message box recorded (native build, for tests)
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

MessageLog &FakeMessageLog();
void ClearFakeMessageLog();
