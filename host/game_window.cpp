// game_window.cpp -- the portable half of the saver window: program records, start-up and teardown
#include "assets/particle_field.h"
#include "common/random.h"
#include "game/ape.h"
#include "game/character.h"
#include "host/game_calls.h"
#include "host/game_clock.h"
#include "render/gl_setup.h"
#include "render/scene_setup.h"
#include "render/torches.h"
#include "settings/settings_store.h"

void ConstructProgramRecords() {
    ConstructCharacters();
    InitObjectPool();
    ConstructTorches();
    ConstructParticleField();
}

void GameStartup(int width, int height, unsigned int wallClockSeconds) {
    clientRect = ClientRect{0, 0, width, height};
    LoadSettings();
    SeedRandom(wallClockSeconds);
    InitGlState();
    SetProjection(width, height);
    InitClock();
}

void GameShutdown() { ReleaseScene(); }
