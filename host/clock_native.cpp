// clock_native.cpp -- the scripted clock of native tests and the headless runner
#include "host/game_clock.h"
#include "host/native_clock.h"

static double scriptedSeconds = 0.0;

void InitClock() { scriptedSeconds = 0.0; }
double ClockSeconds() { return scriptedSeconds; }
void SetScriptedClock(double seconds) { scriptedSeconds = seconds; }
void AdvanceScriptedClock(double seconds) { scriptedSeconds += seconds; }
