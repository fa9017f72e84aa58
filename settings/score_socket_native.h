// score_socket_native.h -- knobs and counters of the native socket layer, for tests
#pragma once

#include <cstdint>

// The native lookup never asks a name server: a dotted IPv4 address stands for
// itself, and the one name set here resolves to 127.0.0.1. Every other name
// fails as an unknown host. Connections go to the port set here.
void SetNativeScoreServer(const char *hostName, uint16_t port);

// Start-up answers this error code instead of 0 (0 restores success).
void SetNativeStartupError(int code);
// Sends from the given 1-based call on fail (0: none fail).
void FailNativeSendsFrom(int sendNumber);

struct NativeScoreSocketLog {
    int startups;   // successful start-ups
    int stops;      // clean-ups
    int opens;
    int closes;
    int connects;   // connection attempts
    int sends;      // send calls, failed ones included
};

NativeScoreSocketLog &NativeScoreSockets();
// Clears the counters and the knobs (no server name, port 0, no faults).
void ResetNativeScoreSockets();
