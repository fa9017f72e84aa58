// keyboard.h -- the key arrays both windows fill and every reader polls
#pragma once

// Windows virtual-key codes the game reads.
const int KEY_BACKSPACE = 0x08;
const int KEY_ENTER = 0x0D;
const int KEY_ESCAPE = 0x1B;
const int KEY_SPACE = 0x20;
const int KEY_LEFT = 0x25;
const int KEY_UP = 0x26;
const int KEY_RIGHT = 0x27;
const int KEY_DOWN = 0x28;

// Never reset: a key held across a phase change keeps its down flag.
extern unsigned char keyDown[256];
extern unsigned char keyPressed[256];

void KeyGoesDown(unsigned int key);  // auto-repeat of a held key adds no press
void KeyGoesUp(unsigned int key);
bool ConsumeKeyPress(unsigned int key);
