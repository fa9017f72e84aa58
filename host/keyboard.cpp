// keyboard.cpp -- key-down, key-up and press consumption rules
#include "host/keyboard.h"

unsigned char keyDown[256];
unsigned char keyPressed[256];

void KeyGoesDown(unsigned int key) {
    key &= 0xFF;
    if (keyDown[key]) return;
    keyDown[key] = 1;
    keyPressed[key] = 1;
}

void KeyGoesUp(unsigned int key) { keyDown[key & 0xFF] = 0; }

bool ConsumeKeyPress(unsigned int key) {
    key &= 0xFF;
    if (!keyDown[key] || !keyPressed[key]) return false;
    keyPressed[key] = 0;
    return true;
}
