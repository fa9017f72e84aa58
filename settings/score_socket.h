// score_socket.h -- the sockets the high-score submission uses, one TCP connection at a time
#pragma once

// The seam holds the one socket and the server address between the calls.
// Windows: Winsock 1.1 against port 80. Native: POSIX sockets; lookups never
// leave the machine (see score_socket_fake.h), so tests talk to a local server.

// Starts the socket layer (WSAStartup, version 1.1): 0, or the start-up error code.
int StartScoreSockets();
// Creates the TCP socket; a failure shows up when connecting.
void OpenScoreSocket();
// Looks the host name up and keeps its first IPv4 address as the server address.
bool LookUpScoreServer(const char *hostName);
// Connects the socket to the server address; Windows gives up after 8 s.
bool ConnectScoreSocket();
// One send call with flags 0; true only when every byte was taken.
bool SendOnScoreSocket(const char *bytes, int length);
// closesocket
void CloseScoreSocket();
// WSACleanup
void StopScoreSockets();
