// game_window.h -- the portable half of the saver window: start-up and teardown of the game
#pragma once

struct ClientRect {
    int left, top, right, bottom;
};

// Client rectangle of the saver window, read once at creation; right is the
// drawing width W and bottom the drawing height H.
extern ClientRect clientRect;

inline int W() { return clientRect.right; }
inline int H() { return clientRect.bottom; }

// Program-wide records built once at program start, before any window
// exists and before the generator is seeded: characters, barrels, torches, sparks.
void ConstructProgramRecords();

// Creation sequence after the OpenGL context is current: settings, seed,
// fixed GL state with InitScene, projection, clock. The Win32 window and the
// headless runner both call it.
void GameStartup(int width, int height, unsigned int wallClockSeconds);
// Teardown before the context goes: ReleaseScene.
void GameShutdown();

void InitGlState();
void SetProjection(int width, int height);
