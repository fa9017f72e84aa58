// character_tables.cpp -- geometry tables A, B, C, draw orders and the three character definitions
#include "game/character_tables.h"

#include "assets/texture_loader.h"

// clang-format off
static const PartGeometry GEOMETRY_A[CHARACTER_PARTS] = {
    //   u,    v,   w,   h,   ax,   ay,     px,    py      part
    {    0,    0,   0,   0,    0,    0,      0,     0 },  // 0 no quad
    {    0,    0,  51,  81, 25.5, 40.5,      0,     0 },  // 1 body (root)
    {   58,    0,  39,  48,   23,   43,     -2,    39 },  // 2 head
    {   42,  102,  28,  25,    8,   13,   20.5,  21.5 },  // 3 back upper arm
    {  146,    0,  27,  66,   15,    3,      9,    -9 },  // 4 back forearm
    {    0,   95,  33,  32,   22,   15,  -21.5,  18.5 },  // 5 front upper arm
    {  107,    0,  30,  64,   14,    3,    -11,   -13 },  // 6 front forearm
    {  120,  103,  22,  24,    5,    4,      5,   -19 },  // 7 back thigh
    {   85,   94,  27,  33,    6,    3,      9,   -13 },  // 8 back shin
    {  120,  103,  22,  24,    5,    4,    -19,   -21 },  // 9 front thigh
    {   85,   94,  27,  33,    6,    3,      9,   -13 },  // 10 front shin
};

static const PartGeometry GEOMETRY_B[CHARACTER_PARTS] = {
    //   u,    v,   w,   h,   ax,   ay,     px,    py      part
    {    0,    0,   0,   0,    0,    0,      0,     0 },  // 0 no quad
    {    0,    0,  40,  65,   20, 32.5,      0,     0 },  // 1 body (root)
    {   52,    0,  22,  25,   10,   21,      3,    31 },  // 2 head
    {   28,   98,  15,  29,    7,    5,     16,  18.5 },  // 3 back upper arm
    {  123,    0,  21,  26,    4,    3,      0,   -23 },  // 4 back forearm
    {    0,   98,  20,  29,   10,    5,    -14,  14.5 },  // 5 front upper arm
    {   85,    0,  31,  25,    5,    2,     -4,   -20 },  // 6 front forearm
    {   58,  105,  19,  22,    9,    4,      6,   -27 },  // 7 back thigh
    {   91,   94,  25,  33,   11,    4,      1,   -15 },  // 8 back shin
    {   58,  105,  19,  22,    9,    4,      0,   -29 },  // 9 front thigh
    {   91,   94,  25,  33,   11,    4,      1,   -15 },  // 10 front shin
};

static const PartGeometry GEOMETRY_C[CHARACTER_PARTS] = {
    //   u,    v,   w,   h,   ax,   ay,     px,    py      part
    {    0,    0,   0,   0,    0,    0,      0,     0 },  // 0 no quad
    {    0,    0,  34,  56,   17,   28,      0,     0 },  // 1 body (root)
    {   45,    0,  33,  35,   18,   24,     -1,    28 },  // 2 head
    {   21,  111,   8,  16,    3,    4,      4,    22 },  // 3 back upper arm
    {  117,    0,  10,  24,    3,    3,      4,   -13 },  // 4 back forearm
    {    0,  113,  12,  14,    8,    4,    -11,    18 },  // 5 front upper arm
    {   92,    0,   9,  28,    6,    1,     -6,    -8 },  // 6 front forearm
    {   49,  103,  11,  24,    5,    3,      1,   -18 },  // 7 back thigh
    {  111,  100,  18,  27,    6,    3,      1,   -15 },  // 8 back shin
    {   49,  103,  11,  24,    5,    3,     -6,   -19 },  // 9 front thigh
    {   79,  100,  18,  27,    6,    3,      1,   -18 },  // 10 front shin
};

// Part numbers in drawing order; children (4, 6, 8, 10) come through their parents.
static const int DRAW_ORDER_A[CHARACTER_PARTS] = { 3, 7, 1, 2, 9, 5, -1, -1, -1, -1, -1 };
static const int DRAW_ORDER_B[CHARACTER_PARTS] = { 3, 7, 1, 2, 9, 5, -1, -1, -1, -1, -1 };
static const int DRAW_ORDER_C[CHARACTER_PARTS] = { 3, 7, 9, 2, 1, 5, -1, -1, -1, -1, -1 };

//                                                 geometry,    draw order,   colour,                  mask,                  vertical offset, animation set
const CharacterDefinition CHARACTER_A_DEFINITION = { GEOMETRY_A, DRAW_ORDER_A, TEXTURE_COLOUR_GENERAL, TEXTURE_MASK_GENERAL, -0.45f,          &ANIMATION_SET_A };  // the ape general
const CharacterDefinition CHARACTER_B_DEFINITION = { GEOMETRY_B, DRAW_ORDER_B, TEXTURE_COLOUR_CAPTAIN, TEXTURE_MASK_CAPTAIN, -0.25f,          &ANIMATION_SET_B };  // the captain
const CharacterDefinition CHARACTER_C_DEFINITION = { GEOMETRY_C, DRAW_ORDER_C, TEXTURE_COLOUR_HEROINE, TEXTURE_MASK_HEROINE, -0.5f,           &ANIMATION_SET_C };  // the slave heroine
// clang-format on
