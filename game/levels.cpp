// levels.cpp -- roles, new game, level start and game over
#include "game/levels.h"

#include <cstdio>

#include "assets/flying_text.h"
#include "assets/slide_show.h"
#include "common/frame_input.h"
#include "game/ape.h"
#include "game/game_state.h"
#include "game/player.h"
#include "game/rope_cage.h"
#include "render/screens_hud.h"  // upward: a new game, a level and a game over restart the ticker
#include "settings/settings_store.h"

struct RoleAssignment {
    CharacterRecord *player;
    CharacterRecord *ape;
    CharacterRecord *captive;
    int crawlSlot;
};

// clang-format off
static const RoleAssignment ROLES[3] = {
    // player,       ape (thrower),  captive,       crawl texture              choice
    { &characterB,   &characterA,    &characterC,   TEXTURE_CRAWL_CAPTAIN },  // 0 the captain
    { &characterC,   &characterA,    &characterB,   TEXTURE_CRAWL_HEROINE },  // 1 the slave heroine
    { &characterA,   &characterC,    &characterB,   TEXTURE_CRAWL_GENERAL },  // 2 the ape general
};
// clang-format on

static const RoleAssignment &Roles(int choice) { return ROLES[choice >= 0 && choice < 3 ? choice : 0]; }

void AssignRoles(int choice) {
    const RoleAssignment &roles = Roles(choice);
    InitPlayer(playerController, *roles.player);
    InitApe(apeController, *roles.ape);
    InitCaptive(captiveController, *roles.captive);
}

void NewGame(int choice) {
    AssignRoles(choice);
    intro.crawlTextureSlot = Roles(choice).crawlSlot;
    RestartTicker(TICKER_PRESS_SPACE);
    flow.gameState = STATE_INTRO;
}

void StartLevel(int choice) {
    const int32_t lives = playerController.lives;
    const double score = playerController.score;
    const int32_t level = playerController.level;
    AssignRoles(choice);
    playerController.lives = lives;
    playerController.score = score;
    playerController.level = level;

    char text[32];
    std::snprintf(text, sizeof text, "Level %d", static_cast<int>(level));
    SpawnFlyingText(gameMessage, text, -3.0f, 0.0f, -10.0f, 4.0f);
    ClearLowObjects();
    CageReset();
    flow.stateStartTime = frameInput.now;
    flow.gameState = STATE_PLAY;
}

void GameOver() {
    flow.stateStartTime = frameInput.now;
    RestartTicker(TICKER_HIGH_SCORE);
    SpawnFlyingText(gameMessage, "Game Over", -4.0f, 0.0f, -10.0f, 4.0f);
    if (static_cast<double>(settings.highScore) < playerController.score) {
        settings.scoreSubmitted = 0;
        flow.nameLength = 0;
        flow.gameState = STATE_NAME_ENTRY;
        RestartTicker(TICKER_SUBMIT);
    } else {
        flow.gameState = STATE_TITLE;
    }
}
