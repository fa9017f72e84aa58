// frame_pacing.h -- when the next frame is due: the display's frame time, the wait before a frame,
// and whether a swap interval the driver accepted really holds frames to the display
#pragma once

// One per saver window, reset by StartPacing when its rendering context is ready.
struct FramePacer {
    double period;        // seconds per frame: the display's refresh
    double nextFrame;     // when the next frame is due, on the pacing clock
    bool waitForFrames;   // false while the swap interval holds the frames
    int checkedFrames;    // frames counted in the current check of the swap interval
    double checkStart;    // when that check began
};

extern FramePacer framePacer;

// Frames a swap interval is checked over, and how much faster than the refresh they
// may come before the swap interval counts as ignored.
const int SWAP_CHECK_FRAMES = 30;
const double SWAP_IGNORED_FRACTION = 0.75;

// Seconds per frame for the refresh rate a device reports; 0 and 1 mean the
// hardware default, taken as 60 Hz.
double RefreshPeriod(int verticalRefresh);

void StartPacing(FramePacer &pacer, double period, bool swapIntervalSet, double time);
// Whole milliseconds to wait before the next frame; 0 when it is due.
unsigned int MillisecondsBeforeFrame(const FramePacer &pacer, double time);
// A frame starts at this time: schedules the one after it.
void FrameStarts(FramePacer &pacer, double time);
