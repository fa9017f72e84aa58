// keyboard.cpp -- key messages into the key arrays
#include "host/game_calls.h"

#include "common/frame_input.h"

void KeyGoesDown(unsigned int key) {
    key &= 0xFF;
    if (frameInput.keyDown[key]) return;
    frameInput.keyDown[key] = 1;
    frameInput.keyPressed[key] = 1;
}

void KeyGoesUp(unsigned int key) { frameInput.keyDown[key & 0xFF] = 0; }
