// frame.cpp -- frame order and clock arithmetic
#include "host/frame.h"

#include "game/game_state.h"
#include "game/player.h"
#include "host/game_clock.h"
#include "host/keyboard.h"
#include "render/frame_renderer.h"

float now = 0.0f;
float dt = 1.0f;
static float previousReading = 0.0f;

bool RunFrame() {
    UpdateGameState();
    PlayStep();
    if (keyDown[KEY_ESCAPE]) return false;
    const float reading = static_cast<float>(ClockSeconds());
    now = reading;
    dt = reading - previousReading;
    previousReading = reading;
    RenderFrame();
    return true;
}

float PreviousClockReading() { return previousReading; }

void ResetFrameClockForTests() {
    now = 0.0f;
    dt = 1.0f;
    previousReading = 0.0f;
}
