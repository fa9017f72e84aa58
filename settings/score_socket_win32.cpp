// score_socket_win32.cpp -- the submission's socket layer over Winsock 1.1, always port 80, connecting within 8 s
#include <windows.h>
// Winsock 1.1 (wsock32.dll): the only version a plain Windows 95 has.
#include <winsock.h>

#include "settings/score_socket.h"

static const unsigned short SCORE_SERVER_PORT = 80;
static const long CONNECT_LIMIT_SECONDS = 8;

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

// A server that drops packets would hold a blocking connect, and the dialog
// with it, for the system's whole retry time (21 s and more). The connection is
// started without blocking and given CONNECT_LIMIT_SECONDS; the socket then
// blocks again for the sends.
bool ConnectScoreSocket() {
    if (scoreSocket == INVALID_SOCKET) return false;
    u_long nonBlocking = 1;
    if (ioctlsocket(scoreSocket, FIONBIO, &nonBlocking) != 0) return false;
    bool connected =
        connect(scoreSocket, reinterpret_cast<const sockaddr *>(&serverAddress), sizeof serverAddress) == 0;
    if (!connected && WSAGetLastError() == WSAEWOULDBLOCK) {
        fd_set writable, failed;  // Winsock reports a refused connection among the failed ones
        FD_ZERO(&writable);
        FD_ZERO(&failed);
        FD_SET(scoreSocket, &writable);
        FD_SET(scoreSocket, &failed);
        timeval limit = {CONNECT_LIMIT_SECONDS, 0};
        int error = 0;
        int length = sizeof error;
        connected = select(0, nullptr, &writable, &failed, &limit) == 1 && FD_ISSET(scoreSocket, &writable) &&
                    getsockopt(scoreSocket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char *>(&error), &length) == 0 &&
                    error == 0;
    }
    nonBlocking = 0;
    return connected && ioctlsocket(scoreSocket, FIONBIO, &nonBlocking) == 0;
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
