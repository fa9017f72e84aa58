// score_socket_win32.cpp -- the submission's socket layer over Winsock 1.1, always port 80
#include <windows.h>
// Winsock 1.1 (wsock32.dll): the only version a plain Windows 95 has.
#include <winsock.h>

#include "settings/score_socket.h"

static const unsigned short SCORE_SERVER_PORT = 80;

static SOCKET scoreSocket = INVALID_SOCKET;
static sockaddr_in serverAddress;

int StartScoreSockets() {
    WSADATA data;
    return WSAStartup(MAKEWORD(1, 1), &data);
}

void OpenScoreSocket() { scoreSocket = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP); }

bool LookUpScoreServer(const char *hostName) {
    const hostent *host = gethostbyname(hostName);
    if (host == nullptr || host->h_addrtype != AF_INET || host->h_addr_list[0] == nullptr) return false;
    ZeroMemory(&serverAddress, sizeof serverAddress);
    serverAddress.sin_family = AF_INET;
    serverAddress.sin_port = htons(SCORE_SERVER_PORT);
    CopyMemory(&serverAddress.sin_addr, host->h_addr_list[0], sizeof serverAddress.sin_addr);
    return true;
}

bool ConnectScoreSocket() {
    if (scoreSocket == INVALID_SOCKET) return false;
    return connect(scoreSocket, reinterpret_cast<const sockaddr *>(&serverAddress), sizeof serverAddress) == 0;
}

bool SendOnScoreSocket(const char *bytes, int length) {
    if (scoreSocket == INVALID_SOCKET) return false;
    return send(scoreSocket, bytes, length, 0) == length;
}

void CloseScoreSocket() {
    if (scoreSocket != INVALID_SOCKET) closesocket(scoreSocket);
    scoreSocket = INVALID_SOCKET;
}

void StopScoreSockets() { WSACleanup(); }
