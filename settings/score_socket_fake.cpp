// score_socket_fake.cpp -- the submission's socket layer over POSIX sockets, lookups kept local
#include "settings/score_socket.h"
#include "settings/score_socket_fake.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

static FakeScoreSocketLog socketLog;
static char localServerName[256];
static uint16_t localServerPort;
static int startupError;
static int failSendsFrom;

static int scoreSocket = -1;
static sockaddr_in serverAddress;

void SetFakeScoreServer(const char *hostName, uint16_t port) {
    std::snprintf(localServerName, sizeof localServerName, "%s", hostName ? hostName : "");
    localServerPort = port;
}

void SetFakeStartupError(int code) { startupError = code; }
void FailFakeSendsFrom(int sendNumber) { failSendsFrom = sendNumber; }
FakeScoreSocketLog &FakeScoreSockets() { return socketLog; }

void ResetFakeScoreSockets() {
    socketLog = FakeScoreSocketLog{};
    localServerName[0] = '\0';
    localServerPort = 0;
    startupError = 0;
    failSendsFrom = 0;
}

int StartScoreSockets() {
    if (startupError != 0) return startupError;
    ++socketLog.startups;
    return 0;
}

void OpenScoreSocket() {
    ++socketLog.opens;
    scoreSocket = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
}

bool LookUpScoreServer(const char *hostName) {
    if (localServerName[0] == '\0' || std::strcmp(hostName, localServerName) != 0) return false;
    in_addr address{};
    if (inet_pton(AF_INET, hostName, &address) != 1) address.s_addr = htonl(INADDR_LOOPBACK);
    serverAddress = sockaddr_in{};
    serverAddress.sin_family = AF_INET;
    serverAddress.sin_port = htons(localServerPort);
    serverAddress.sin_addr = address;
    return true;
}

bool ConnectScoreSocket() {
    ++socketLog.connects;
    if (scoreSocket < 0) return false;
    return connect(scoreSocket, reinterpret_cast<const sockaddr *>(&serverAddress), sizeof serverAddress) == 0;
}

bool SendOnScoreSocket(const char *bytes, int length) {
    ++socketLog.sends;
    if (failSendsFrom > 0 && socketLog.sends >= failSendsFrom) return false;
    if (scoreSocket < 0) return false;
    // MSG_NOSIGNAL: a peer that has gone away is a failed send, not a killed process.
    const ssize_t sent = send(scoreSocket, bytes, static_cast<size_t>(length), MSG_NOSIGNAL);
    return sent == length;
}

void CloseScoreSocket() {
    ++socketLog.closes;
    if (scoreSocket >= 0) close(scoreSocket);
    scoreSocket = -1;
}

void StopScoreSockets() { ++socketLog.stops; }
