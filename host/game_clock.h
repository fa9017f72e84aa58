// game_clock.h -- now and dt, and the clock a port must provide
#pragma once

// Read once per drawn frame; never reset. dt is 1.0 before the first frame.
extern float now;
extern float dt;

// Provided by clock_win32.cpp (performance counter, millisecond-timer
// fallback) and clock_native.cpp (a scripted clock for tests and the runner).
void InitClock();
double ClockSeconds();
