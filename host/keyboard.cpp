// keyboard.cpp -- key messages into the key arrays
#include "host/game_calls.h"

#include <cstring>

#include "common/frame_input.h"

void KeyGoesDown(unsigned int key) {
    key &= 0xFF;
    if (frameInput.keyDown[key]) return;
    frameInput.keyDown[key] = 1;
    frameInput.keyPressed[key] = 1;
}

void KeyGoesUp(unsigned int key) { frameInput.keyDown[key & 0xFF] = 0; }

void ReleaseAllKeys() {
    std::memset(frameInput.keyDown, 0, sizeof frameInput.keyDown);
    std::memset(frameInput.keyPressed, 0, sizeof frameInput.keyPressed);
}
