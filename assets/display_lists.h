// display_lists.h -- the fixed display-list numbers, never allocated at run time
#pragma once

const unsigned int ORTHO_OVERLAY_LIST = 1;
const unsigned int TOWER_LIST = 2;
const unsigned int BARREL_LIST = 3;
const unsigned int OPEN_BOX_LIST = 4;
const unsigned int SCONCE_LIST = 6;
const unsigned int CLOSED_BOX_LIST = 7;
const unsigned int CAGE_REAR_LIST = 8;
const unsigned int CAGE_FRONT_LIST = 9;
const unsigned int SLIDE_QUAD_LIST = 10;
const unsigned int CRAWL_PLANE_LIST = 11;
const unsigned int TICKER_GAME_OVER_LIST = 12;
const unsigned int TICKER_HIGH_SCORE_LIST = 13;
const unsigned int TICKER_SUBMIT_LIST = 14;
const unsigned int TICKER_CREDITS_LIST = 15;
const unsigned int TICKER_PRESS_SPACE_LIST = 16;
const unsigned int TICKER_HOW_TO_PLAY_LIST = 17;
const unsigned int GLYPH_QUAD_LIST = 18;
