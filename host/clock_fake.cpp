// clock_fake.cpp -- the scripted clock of tests, the headless runner and the benchmark
#include "host/clock_fake.h"
#include "host/game_clock.h"

static double scriptedSeconds = 0.0;

void InitClock() { scriptedSeconds = 0.0; }
double ClockSeconds() { return scriptedSeconds; }
void SetScriptedClock(double seconds) { scriptedSeconds = seconds; }
void AdvanceScriptedClock(double seconds) { scriptedSeconds += seconds; }
