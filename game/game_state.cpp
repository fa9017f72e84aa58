// game_state.cpp -- the phase machine
#include "game/game_state.h"

int gameState = STATE_TITLE;
float stateStartTime = 0.0f;
int selectedCharacter = 0;
int nameLength = 0;

void UpdateGameState() {}
