// game_state.h -- the six phases of the game and the per-frame phase update
#pragma once

const int STATE_TITLE = 0;
const int STATE_SELECT = 1;
const int STATE_INTRO = 2;
const int STATE_PLAY = 3;
const int STATE_LEVEL_COMPLETE = 4;
const int STATE_NAME_ENTRY = 5;

// Program-wide, never reset: the phase, when the timed phase began, the
// character choice (0 captain, 1 heroine, 2 ape general) and the typed name length.
extern int gameState;
extern float stateStartTime;
extern int selectedCharacter;
extern int nameLength;

void UpdateGameState();
