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
    const float reading = static_cast<float>(ClockSeconds());
    frameInput.now = reading;
    frameInput.dt = reading - frameInput.previousReading;
    frameInput.previousReading = reading;
    RenderFrame();
    return true;
}
