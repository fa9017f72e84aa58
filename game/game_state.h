// game_state.h -- the six phases of the game and the per-frame phase update
#pragma once

const int STATE_TITLE = 0;
const int STATE_SELECT = 1;
const int STATE_INTRO = 2;
const int STATE_PLAY = 3;
const int STATE_LEVEL_COMPLETE = 4;
const int STATE_NAME_ENTRY = 5;

// The phase machine's state; never reset while the program runs.
struct GameFlow {
    int gameState = STATE_TITLE;
    float stateStartTime = 0.0f;  // when the timed phase began
    int selectedCharacter = 0;    // 0 captain, 1 heroine, 2 ape general
    int nameLength = 0;           // characters typed in name entry, 0..10
};

extern GameFlow flow;

void UpdateGameState();
