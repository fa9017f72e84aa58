// player.cpp -- player control, hit test, deaths and the play step
#include "game/player.h"

PlayerController playerController;

void InitPlayer(PlayerController &controller, CharacterRecord &record) {
    controller.lives = 3;
    controller.score = 0.0;
    controller.level = 1;
    controller.dying = 0;
    controller.character = &record;
}

void PlayStep() {}

int32_t ScoreAsInteger(double score) {
    if (!(score == score)) return 0;
    if (score >= 2147483647.0) return 2147483647;
    if (score <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int32_t>(score);
}
