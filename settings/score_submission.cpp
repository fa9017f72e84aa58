// score_submission.cpp -- SubmitHighScore: the GET request, its connection and its messages
#include "settings/score_submission.h"

#include <cstdio>
#include <cstring>

#include "common/message_box.h"
#include "settings/score_socket.h"

static const char ALREADY_SUBMITTED_TEXT[] = "You've already submitted this score! Beat the score and try again!";
static const char ALREADY_SUBMITTED_CAPTION[] = "Trying to cheat?";
static const char WINSOCK_INIT_CAPTION[] = "Winsock Init Error";
static const char DNS_ERROR_TEXT[] =
    "Error looking up host address!\nMake sure you're connected to the internet and try again.";
static const char DNS_ERROR_CAPTION[] = "DNS Error";
static const char CONNECTION_ERROR_TEXT[] =
    "Connection error!\nMake sure you're connected to the internet and try again.";
static const char CONNECTION_ERROR_CAPTION[] = "Error";
static const char USER_AGENT_AND_END[] = "User-Agent: Kvrn PSS v1.0\r\n\r\n";

struct WinsockStartupError {
    int code;
    const char *text;
};

static const WinsockStartupError WINSOCK_STARTUP_ERRORS[] = {
    // code   text
    {10091, "WSASYSNOTREADY!\nMake sure you're connected to the internet and try again."},
    {10092, "WSAVERNOTSUPPORTED!\nMake sure you're connected to the internet and try again."},
    {10036, "WSAEINPROGRESS!\nMake sure you're connected to the internet and try again."},
    {10067, "WSAEPROCLIM!\nMake sure you're connected to the internet and try again."},
    {10014, "WSAEFAULT!\nMake sure you're connected to the internet and try again."},
};

const char *WinsockStartupMessage(int errorCode) {
    for (const WinsockStartupError &error : WINSOCK_STARTUP_ERRORS)
        if (error.code == errorCode) return error.text;
    return nullptr;
}

void PercentEncodeName(const char *name, char (&encoded)[ENCODED_NAME_SIZE]) {
    static const char HEX_DIGITS[] = "0123456789ABCDEF";
    int out = 0;
    for (int i = 0; i < HIGH_SCORE_NAME_SIZE - 1 && name[i] != '\0'; ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                                c == '-' || c == '.' || c == '_' || c == '~';
        if (unreserved) {
            encoded[out++] = static_cast<char>(c);
        } else {
            encoded[out++] = '%';
            encoded[out++] = HEX_DIGITS[c >> 4];
            encoded[out++] = HEX_DIGITS[c & 0x0F];
        }
    }
    encoded[out] = '\0';
}

bool ConnectToScoreServer() {
    char hostName[SCORE_HOST_NAME_SIZE] = {};
    std::strncpy(hostName, KVRN_SCORE_HOST, SCORE_HOST_NAME_SIZE - 1);

    const int startupError = StartScoreSockets();
    if (startupError != 0) {
        // Winsock never started, so there is nothing to clean up.
        const char *text = WinsockStartupMessage(startupError);
        if (text != nullptr) ShowErrorMessage(text, WINSOCK_INIT_CAPTION);
        return false;
    }
    OpenScoreSocket();
    if (!LookUpScoreServer(hostName)) {
        ShowErrorMessage(DNS_ERROR_TEXT, DNS_ERROR_CAPTION);
        CloseScoreConnection();
        return false;
    }
    if (!ConnectScoreSocket()) {
        ShowErrorMessage(CONNECTION_ERROR_TEXT, CONNECTION_ERROR_CAPTION);
        CloseScoreConnection();
        return false;
    }
    return true;
}

void CloseScoreConnection() {
    CloseScoreSocket();
    StopScoreSockets();
}

bool SendLine(const char *text) { return SendOnScoreSocket(text, static_cast<int>(std::strlen(text))); }

void SubmitHighScore(int32_t score, const char *name, int32_t character) {
    if (settings.scoreSubmitted != 0) {
        ShowErrorMessage(ALREADY_SUBMITTED_TEXT, ALREADY_SUBMITTED_CAPTION);
        return;
    }
    if (!ConnectToScoreServer()) return;

    // A name edited in the registry may hold blanks, "&", "#" or line breaks;
    // encoded, it can neither break the request nor add parameters to it.
    char encodedName[ENCODED_NAME_SIZE];
    PercentEncodeName(name, encodedName);
    char requestLine[REQUEST_LINE_SIZE];
    std::snprintf(requestLine, sizeof requestLine, "GET /kvrn/addscore.php?name=%s&score=%d&ch=%d HTTP/1.1\r\n",
                  encodedName, static_cast<int>(score), static_cast<int>(character));
    char hostLine[SCORE_HOST_NAME_SIZE + 8];
    std::snprintf(hostLine, sizeof hostLine, "Host: %.255s\r\n", KVRN_SCORE_HOST);

    // The request counts only when all three parts went out; otherwise the
    // player is told and may try again.
    const bool sent = SendLine(requestLine) && SendLine(hostLine) && SendLine(USER_AGENT_AND_END);
    CloseScoreConnection();
    if (!sent) {
        ShowErrorMessage(CONNECTION_ERROR_TEXT, CONNECTION_ERROR_CAPTION);
        return;
    }
    settings.scoreSubmitted = 1;
    SaveSubmittedFlag();
}
