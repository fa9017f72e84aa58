// frame_pacing.cpp -- frame-time arithmetic of the pacing: refresh period, time left, schedule, swap-interval check
#include "host/frame_pacing.h"

FramePacer framePacer;

static const int DEFAULT_REFRESH_HZ = 60;

double RefreshPeriod(int verticalRefresh) {
    return 1.0 / (verticalRefresh > 1 ? verticalRefresh : DEFAULT_REFRESH_HZ);
}

void StartPacing(FramePacer &pacer, double period, bool swapIntervalSet, double time) {
    pacer = FramePacer{period, time, !swapIntervalSet, 0, time};
}

unsigned int MillisecondsBeforeFrame(const FramePacer &pacer, double time) {
    if (!pacer.waitForFrames) return 0;
    const double left = pacer.nextFrame - time;
    // More than two frames left means the clock went back: the frame is due, and it mends the schedule.
    return left >= 0.001 && left <= 2 * pacer.period ? static_cast<unsigned int>(left * 1000.0) : 0;
}

void FrameStarts(FramePacer &pacer, double time) {
    if (pacer.waitForFrames) {
        // A late frame moves the schedule instead of bringing a burst of frames to catch up.
        pacer.nextFrame += pacer.period;
        if (pacer.nextFrame < time) pacer.nextFrame = time;
        if (pacer.nextFrame > time + 2 * pacer.period) pacer.nextFrame = time + pacer.period;
        return;
    }
    if (pacer.checkedFrames == 0) pacer.checkStart = time;
    if (++pacer.checkedFrames <= SWAP_CHECK_FRAMES) return;
    // SWAP_CHECK_FRAMES intervals have passed since checkStart.
    if (time - pacer.checkStart < SWAP_CHECK_FRAMES * pacer.period * SWAP_IGNORED_FRACTION) {
        pacer.waitForFrames = true;
        pacer.nextFrame = time + pacer.period;
    }
    pacer.checkedFrames = 1;  // this frame opens the next check
    pacer.checkStart = time;
}
