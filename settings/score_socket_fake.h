// score_socket_fake.h -- knobs and counters of the native build's socket layer, for tests
#pragma once

#include <cstdint>

// The lookup never asks a name server: only the one name set here resolves,
// a dotted IPv4 address to itself and any other name to 127.0.0.1. Every
// other name fails as an unknown host, whatever the build's score host is.
// Connections go to the port set here.
void SetFakeScoreServer(const char *hostName, uint16_t port);

// Start-up answers this error code instead of 0 (0 restores success).
void SetFakeStartupError(int code);
// Sends from the given 1-based call on fail (0: none fail).
void FailFakeSendsFrom(int sendNumber);

struct FakeScoreSocketLog {
    int startups;   // successful start-ups
    int stops;      // clean-ups
    int opens;
    int closes;
    int connects;   // connection attempts
    int sends;      // send calls, failed ones included
};

FakeScoreSocketLog &FakeScoreSockets();
// Clears the counters and the knobs (no server name, port 0, no faults).
void ResetFakeScoreSockets();
