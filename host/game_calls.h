// game_calls.h -- every call a host makes into the game: the Win32 windows, the headless runner and tests alike
#pragma once

// Program start, before any window exists and before the generator is
// seeded: the characters, barrels, torches and sparks.
void ConstructProgramRecords();

// Once the OpenGL context is current: keeps the drawing size, loads the
// settings, seeds the generator, sets the fixed GL state with the scene, the
// projection, and starts the clock.
void GameStartup(int width, int height, unsigned int wallClockSeconds);

// One frame, for every paint: the phase update and the play step, then
// (unless Escape is held) the clock reading and the drawing. Returns false
// when Escape cut the frame short: the host then closes instead of swapping.
bool RunFrame();

// Before the context goes: the textures are released.
void GameShutdown();

// Key messages (WM_KEYDOWN, WM_KEYUP) of either window; auto-repeat of a
// held key adds no press.
void KeyGoesDown(unsigned int key);
void KeyGoesUp(unsigned int key);
// The saver lost the keyboard focus, or a password check was refused: every
// key counts as released, since key-ups that went to another window (the
// password box) never come here.
void ReleaseAllKeys();
