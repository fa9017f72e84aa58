// replay.h -- deterministic replays: key events and time steps run through the real frame function
#pragma once

// Native build only (it drives the scripted clock). The same calls the Win32
// window procedures make for keys, then RunFrame as the paint does.
void ReplayKeyDown(int key);
void ReplayKeyUp(int key);
// Advances the scripted clock by frameSeconds and runs one frame, count times.
// Returns false if a frame was cut short by a held Escape.
bool ReplayFrames(int count, double frameSeconds);
// Runs frames of frameSeconds until at least the given seconds have passed.
bool ReplaySeconds(double seconds, double frameSeconds);

// A script, one command a line ('#' starts a comment):
//   down KEY | up KEY | tap KEY   (tap: down, one frame, up)
//   frames N | seconds S | fps F (frame step, default 30) | seed N
//   shot NAME                     (the callback gets NAME; the runner writes a PNG)
// KEY is SPACE, LEFT, RIGHT, UP, DOWN, ENTER, BACKSPACE, ESCAPE, a letter or a
// digit, or a decimal virtual-key code. Returns false on a line it cannot read
// and sets the line number in *failedLine.
typedef void (*ReplayShotCallback)(const char *name);
bool RunReplayScript(const char *script, ReplayShotCallback shot, int *failedLine);
int ParseReplayKey(const char *name);  // -1 when unknown
