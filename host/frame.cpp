// frame.cpp -- frame order and clock arithmetic
#include "common/frame_input.h"
#include "game/game_state.h"
#include "game/player.h"
#include "host/game_calls.h"
#include "host/game_clock.h"
#include "render/frame_renderer.h"

bool RunFrame() {
    UpdateGameState();
    PlayStep();
    if (frameInput.keyDown[KEY_ESCAPE]) return false;
    // dt comes from the full readings: two floats a few days into a run differ
    // only in steps of 1/64 s, which would make every animation judder.
    const double reading = ClockSeconds();
    frameInput.now = static_cast<float>(reading);
    frameInput.dt = static_cast<float>(reading - frameInput.previousReading);
    frameInput.previousReading = reading;
    RenderFrame();
    return true;
}
