// frame.h -- the one frame function the Win32 paint and the headless runner call
#pragma once

// Runs UpdateGameState, PlayStep, then (unless Escape is held) reads the
// clock and renders. Returns false when Escape cut the frame short: the
// caller then asks the host to close instead of swapping buffers.
bool RunFrame();

// Tests: the clock reading of the previous drawn frame.
float PreviousClockReading();
void ResetFrameClockForTests();
