// game_clock.h -- the clock a port must provide
#pragma once

// Provided by clock_win32.cpp (performance counter, millisecond-timer
// fallback) and clock_fake.cpp (a scripted clock for tests and the runner).
void InitClock();
double ClockSeconds();
