// clock_win32.cpp -- game clock from the performance counter, or the millisecond timer
#include <windows.h>
#include <mmsystem.h>

#include "host/game_clock.h"

// Cleared when the clock starts; one per process.
static struct {
    LONGLONG frequency;
    float resolution;
    DWORD millisecondStart;
    bool usePerformanceCounter;
    LONGLONG counterStart;
} gameClock;

void InitClock() {
    gameClock = {};
    LARGE_INTEGER frequency;
    if (QueryPerformanceFrequency(&frequency) && frequency.QuadPart != 0) {
        LARGE_INTEGER counter;
        QueryPerformanceCounter(&counter);
        gameClock.usePerformanceCounter = true;
        gameClock.frequency = frequency.QuadPart;
        gameClock.counterStart = counter.QuadPart;
        gameClock.resolution = static_cast<float>(1.0 / static_cast<double>(frequency.QuadPart));
    } else {
        gameClock.usePerformanceCounter = false;
        gameClock.millisecondStart = timeGetTime();
        gameClock.resolution = 0.001f;
        gameClock.frequency = 1000;
    }
}

double ClockSeconds() {
    if (gameClock.usePerformanceCounter) {
        LARGE_INTEGER counter;
        QueryPerformanceCounter(&counter);
        const LONGLONG elapsed = counter.QuadPart - gameClock.counterStart;
        return static_cast<double>(elapsed) * static_cast<double>(gameClock.resolution);
    }
    const DWORD elapsed = timeGetTime() - gameClock.millisecondStart;  // survives one wrap
    return static_cast<double>(elapsed) * static_cast<double>(gameClock.resolution);
}
