// frame_input.h -- the frame's inputs every layer reads: the game clock and the key arrays
#pragma once

#include <cstdint>

// Windows virtual-key codes the game reads.
const int KEY_BACKSPACE = 0x08;
const int KEY_ENTER = 0x0D;
const int KEY_ESCAPE = 0x1B;
const int KEY_SPACE = 0x20;
const int KEY_LEFT = 0x25;
const int KEY_UP = 0x26;
const int KEY_RIGHT = 0x27;
const int KEY_DOWN = 0x28;

// Never reset while the program runs: the host writes the clock once per
// drawn frame and the key arrays on every key message, and a key held across
// a phase change keeps its down flag. While the play step runs its fixed
// steps, now and dt are those of the step (game/player.h).
struct FrameInput {
    float now = 0.0f;              // seconds since the clock started
    float dt = 1.0f;               // seconds between the last two readings; 1.0 before the first frame
    double previousReading = 0.0;  // the clock reading of the previous drawn frame, at the clock's precision
    uint8_t keyDown[256] = {};
    uint8_t keyPressed[256] = {};
};

extern FrameInput frameInput;

// True when the key is down and its press not yet taken; takes the press.
bool ConsumeKeyPress(unsigned int key);
