// frame_input.cpp -- the frame's inputs and the press consumption rule
#include "common/frame_input.h"

FrameInput frameInput;

bool ConsumeKeyPress(unsigned int key) {
    key &= 0xFF;
    if (!frameInput.keyDown[key] || !frameInput.keyPressed[key]) return false;
    frameInput.keyPressed[key] = 0;
    return true;
}
