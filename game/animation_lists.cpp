// animation_lists.cpp -- keyframe and cyclic lists L1..L29 and the three fifteen-slot animation sets
#include "game/character_tables.h"

// clang-format off
// Keyframe rows: part (or event), target, window start, duration.
static const KeyframeEntry L1[] = {
    { 7, -20, 0, 0.15f }, { 8, -60, 0, 0.15f }, { 9, -20, 0, 0.15f }, { 10, 20, 0, 0.15f },
    { 3,   5, 0, 0.15f }, { 5,  -5, 0, 0.15f }, { 4,   0, 0, 0.15f }, {  6,  0, 0, 0.15f },
    { 2,   0, 0, 0.15f }, { 0,   0, 0, 0.15f }, { EVENT_CHAIN, 0, 0.15f, 0 },
};
static const KeyframeEntry L3[] = {
    { 7, 0, 0, 0.25f }, { 8, 0, 0, 0.25f }, { 9, 0, 0, 0.25f }, { 10, 0, 0, 0.25f },
    { 3, 0, 0, 0.25f }, { 5, 0, 0, 0.25f }, { 4, 0, 0, 0.25f }, {  6, 0, 0, 0.25f },
    { 2, 0, 0, 0.25f }, { 0, 0, 0, 0.25f }, { EVENT_CHAIN, 0, 0.25f, 0 },
};
static const KeyframeEntry L5[] = {
    { 7, -20, 0, 0.1f  }, { 8, -60, 0, 0.1f  }, { 9, -20, 0, 0.1f }, { 10, 20, 0, 0.1f },
    { 3,   5, 0, 0.15f }, { 5,  -5, 0, 0.15f }, { 4,   0, 0, 0.1f }, {  6,  0, 0, 0.1f },
    { 2,   0, 0, 0.1f  }, { 0,   0, 0, 0.1f  }, { EVENT_CHAIN, 0, 0.1f, 0 },
};
static const KeyframeEntry L9[] = {
    { 7,  0, 0, 0.25f }, { 8,  0, 0, 0.25f }, { 9, 0, 0, 0.25f }, { 10, 0, 0, 0.25f },
    { 3, 65, 0, 0.25f }, { 5, 65, 0, 0.25f },
    { 4,  0, 0, 0.25f }, { 6,  0, 0, 0.25f }, { 2, 0, 0, 0.25f }, {  0, 0, 0, 0.25f },
    { EVENT_SHOW_OBJECT, 0, 0, 0.25f }, { EVENT_CHAIN, 0, 0.25f, 0 },
};
static const KeyframeEntry L10[] = {
    { 3, 200, 0, 0.4f }, { 5, 180, 0, 0.4f },
};
static const KeyframeEntry L11[] = {
    { 7, 0, 0, 0.5f }, { 8,   0, 0, 0.5f }, { 9, 0, 0, 0.5f }, { 10,  0, 0, 0.5f },
    { 3, 0, 0, 0.5f }, { 5,   0, 0, 0.5f }, { 4, -20, 0, 0.5f }, { 6, -20, 0, 0.5f },
    { 2, 20, 0, 0.5f }, { 1, 450, 0, 0.5f }, { 0, -40, 0, 0.5f },
};
static const KeyframeEntry L12[] = {
    { 7,  0, 0, 0.5f }, { 8,    0, 0, 0.5f  }, { 9, 0, 0, 0.5f }, { 10,  0, 0, 0.5f },
    { 3,  0, 0, 0.5f }, { 5,    0, 0, 0.5f  }, { 4, -20, 0, 0.5f }, { 6, -20, 0, 0.5f },
    { 2, 20, 0, 0.5f }, { 1, -270, 0, 0.75f }, { 0, -220, 0, 0.75f },
};
static const KeyframeEntry L13[] = {
    { 7, -20, 0, 0.1f  }, { 8,  0, 0, 0.1f  }, { 9, 0, 0, 0.1f }, { 10, 0, 0, 0.1f },
    { 3,   0, 0, 0.15f }, { 5, 10, 0, 0.15f }, { 4, 0, 0, 0.1f }, {  6, 70, 0, 0.1f },
    { 2,   0, 0, 0.1f  }, { 0,  0, 0, 0.1f  }, { EVENT_CHAIN, 0, 0.1f, 0 },
};
static const KeyframeEntry L14[] = {
    { 7, 0, 0, 0.25f }, { 8, 0, 0, 0.25f }, { 9, 0, 0, 0.25f }, { 10, 0, 0, 0.25f },
    { 2, 0, 0, 0.25f }, { 0, 0, 0, 0.25f }, { EVENT_CHAIN, 0, 0.25f, 0 },
};
static const KeyframeEntry L15[] = {
    { 7, 0, 0, 0.15f }, { 8, -30, 0, 0.15f }, { 9, 0, 0, 0.15f }, { 10, -20, 0, 0.15f },
    { 3, 5, 0, 0.15f }, { 5,  -5, 0, 0.15f }, { 4, 0, 0, 0.15f }, {  6,   0, 0, 0.15f },
    { 2, 0, 0, 0.15f }, { 0,   0, 0, 0.15f }, { EVENT_CHAIN, 0, 0.15f, 0 },
};
static const KeyframeEntry L17[] = {
    { 7, -20, 0, 0.1f  }, { 8,  0, 0, 0.1f  }, { 9,  0, 0, 0.1f }, { 10,  0, 0, 0.1f },
    { 3,   5, 0, 0.15f }, { 5, -5, 0, 0.15f }, { 4, 20, 0, 0.1f }, {  6, 20, 0, 0.1f },
    { 2,   0, 0, 0.1f  }, { 0,  0, 0, 0.1f  }, { EVENT_CHAIN, 0, 0.1f, 0 },
};
static const KeyframeEntry L21[] = {
    { 3, 200, 0, 0.4f }, { 5, 180, 0, 0.4f }, { 4, -50, 0, 0.4f }, { 6, -50, 0, 0.4f },
};
static const KeyframeEntry L22[] = {
    { 7, 0, 0, 0.5f }, { 8,   0, 0, 0.5f }, { 9, 0, 0, 0.5f }, { 10,  0, 0, 0.5f },
    { 3, 0, 0, 0.5f }, { 5,   0, 0, 0.5f }, { 4, -20, 0, 0.5f }, { 6, -20, 0, 0.5f },
    { 2, 20, 0, 0.5f }, { 1, 450, 0, 0.5f }, { 0, -60, 0, 0.5f },
};
static const KeyframeEntry L23[] = {
    { 7,  0, 0, 0.5f }, { 8,    0, 0, 0.5f  }, { 9, 0, 0, 0.5f }, { 10,  0, 0, 0.5f },
    { 3,  0, 0, 0.5f }, { 5,    0, 0, 0.5f  }, { 4, -20, 0, 0.5f }, { 6, -20, 0, 0.5f },
    { 2, 20, 0, 0.5f }, { 1, -270, 0, 0.75f }, { 0, -230, 0, 0.75f },
};
static const KeyframeEntry L24[] = {
    { 7, -20, 0, 0.1f  }, { 8,  0, 0, 0.1f  }, { 9,  0, 0, 0.1f }, { 10,   0, 0, 0.1f },
    { 3, -10, 0, 0.15f }, { 5, 40, 0, 0.15f }, { 4, 10, 0, 0.1f }, {  6, -10, 0, 0.1f },
    { 2,   0, 0, 0.1f  }, { 0,  0, 0, 0.1f  }, { EVENT_CHAIN, 0, 0.1f, 0 },
};
static const KeyframeEntry L25[] = {
    { 7,  0, 0, 0.15f }, { 8, -50, 0, 0.15f }, { 9, 0, 0, 0.15f }, { 10, -20, 0, 0.15f },
    { 3, 10, 0, 0.15f }, { 5,   0, 0, 0.15f }, { 4, 0, 0, 0.15f }, {  6,  20, 0, 0.15f },
    { 2,  0, 0, 0.15f }, { 0,   0, 0, 0.15f }, { EVENT_CHAIN, 0, 0.15f, 0 },
};
static const KeyframeEntry L27[] = {
    { 7, 0, 0, 0.5f }, { 8,  0, 0, 0.5f }, { 9, 0, 0, 0.5f }, { 10, 0, 0, 0.5f },
    { 3, 0, 0, 0.5f }, { 5,  0, 0, 0.5f }, { 4, 0, 0, 0.5f }, {  6, 0, 0, 0.5f },
    { 2, 20, 0, 0.5f }, { 1, 450, 0, 0.5f }, { 0, -45, 0, 0.5f },
};
static const KeyframeEntry L28[] = {
    { 7,  0, 0, 0.5f }, { 8,    0, 0, 0.5f  }, { 9, 0, 0, 0.5f }, { 10,  0, 0, 0.5f },
    { 3,  0, 0, 0.5f }, { 5,    0, 0, 0.5f  }, { 4, -20, 0, 0.5f }, { 6, -20, 0, 0.5f },
    { 2, 20, 0, 0.5f }, { 1, -270, 0, 0.75f }, { 0, -210, 0, 0.75f },
};
static const KeyframeEntry L29[] = {
    { 7, -20, 0, 0.1f  }, { 8,  0, 0, 0.1f  }, { 9,  0, 0, 0.1f }, { 10,  0, 0, 0.1f },
    { 3,  10, 0, 0.15f }, { 5, 70, 0, 0.15f }, { 4, 30, 0, 0.1f }, {  6, 20, 0, 0.1f },
    { 2,   0, 0, 0.1f  }, { 0,  0, 0, 0.1f  }, { EVENT_CHAIN, 0, 0.1f, 0 },
};

// Cyclic rows: part (or end of cycle), amplitude, offset, half period, phase, inverted (1 = one minus sine).
static const CyclicEntry L2[] = {
    {  7,  50,  -20, 0.5f,   0,     0 }, { 8, 40, -20, 0.5f, -0.25f, 0 },
    {  9,  50,  -70, 0.5f,   0,     1 }, { 10, 40, -60, 0.5f, -0.25f, 1 },
    {  3,  25,  -20, 0.5f,   0,     1 }, { 5, 25,  -5, 0.5f,  0,     0 },
    {  0, 2.5f,   0, 0.25f,  0,     0 },
};
static const CyclicEntry L4[] = {
    {  2,   5,    0, 1,      0,     0 },
};
static const CyclicEntry L6[] = {
    {  7,  50,  -20, 1.2f,   0,     0 }, { 8, 40, -20, 1.2f, 0, 0 },
    {  9,  50,  -60, 1.2f,   0,     1 }, { 10, 40, -60, 1.2f, 0, 1 },
    {  0,  85,    0, 1.2f,   0,     0 }, { EVENT_END_OF_CYCLE, 0, 0, 1.2f, 0, 0 },
};
static const CyclicEntry L7[] = {
    {  7,  40,   10, 0.5f,   0,     0 }, { 8, 40, -50, 0.5f, 0, 1 },
    {  9,  40,  -10, 0.5f,   0,     1 }, { 10, 40, -30, 0.5f, 0, 0 },
    {  3,  25,  -20, 0.5f,   0,     1 }, { 5, 25,  -5, 0.5f, 0, 0 },
};
static const CyclicEntry L8[] = {
    {  7,  20,  -20, 0.5f,   0,     1 }, { 8, 20, -20, 0.5f, 0, 0 },
    {  9,  20,  -20, 0.5f,   0,     0 }, { 10, 20, -20, 0.5f, 0, 1 },
    {  3,  25,  -20, 0.5f,   0,     1 }, { 5, 25,  -5, 0.5f, 0, 0 },
};
static const CyclicEntry L16[] = {
    {  7,  50,    0, 0.5f,   0,     0 }, { 8, 40, -30, 0.5f, -0.25f, 0 },
    {  9,  50,  -50, 0.5f,   0,     1 }, { 10, 40, -80, 0.5f, -0.25f, 1 },
    {  3,  25,  -20, 0.5f,   0,     1 }, { 5, 25,  -5, 0.5f,  0,     0 },
    {  0, 2.5f,   0, 0.25f,  0,     0 },
};
static const CyclicEntry L18[] = {
    {  7,  60,    0, 1.2f,   0,     0 }, { 8, 40, -40, 1.2f, 0, 0 },
    {  9,  60,  -60, 1.2f,   0,     1 }, { 10, 40, -40, 1.2f, 0, 1 },
    {  0,  85,    0, 1.2f,   0,     0 }, { EVENT_END_OF_CYCLE, 0, 0, 1.2f, 0, 0 },
};
static const CyclicEntry L19[] = {
    {  7,  35,   10, 0.5f,   0,     0 }, { 8, 30, -50, 0.5f, 0, 1 },
    {  9,  35,  -10, 0.5f,   0,     1 }, { 10, 30, -30, 0.5f, 0, 0 },
    {  3,  25,  -20, 0.5f,   0,     1 }, { 5, 25,  -5, 0.5f, 0, 0 },
};
static const CyclicEntry L26[] = {
    {  7,  50,    0, 0.5f,   0,     0 }, { 8, 40, -30, 0.5f, -0.25f, 0 },
    {  9,  50,  -50, 0.5f,   0,     1 }, { 10, 40, -80, 0.5f, -0.25f, 1 },
    {  3,  25,  -10, 0.5f,   0,     1 }, { 5, 25,   5, 0.5f,  0,     0 },
    {  0, 2.5f,   0, 0.25f,  0,     0 },
};

template <typename Entry, int N>
constexpr int32_t Count(const Entry (&)[N]) { return N; }

#define KEYFRAME(list, nextSlot) { Count(list), MODE_KEYFRAME, 0.0f, list, nextSlot }
#define CYCLIC(list, nextSlot)   { Count(list), MODE_CYCLIC,   0.0f, list, nextSlot }

//  slot: meaning                         set A                                 set B                                 set C
const AnimationSet ANIMATION_SET_A = {{
    /*  0 run: ease into the stride */    KEYFRAME(L1,  &ANIMATION_SET_A.slots[1]),
    /*  1 run cycle */                    CYCLIC(L2,    nullptr),
    /*  2 stand: ease to rest */          KEYFRAME(L3,  &ANIMATION_SET_A.slots[3]),
    /*  3 stand cycle */                  CYCLIC(L4,    nullptr),
    /*  4 jump take-off */                KEYFRAME(L5,  &ANIMATION_SET_A.slots[5]),
    /*  5 jump arc */                     CYCLIC(L6,    &ANIMATION_SET_A.slots[2]),
    /*  6 climb cycle */                  CYCLIC(L7,    nullptr),
    /*  7 (unused) */                     CYCLIC(L8,    nullptr),
    /*  8 pick up */                      KEYFRAME(L9,  &ANIMATION_SET_A.slots[9]),
    /*  9 lift overhead */                KEYFRAME(L10, nullptr),
    /* 10 death when hit */               KEYFRAME(L11, nullptr),
    /* 11 death by falling */             KEYFRAME(L12, nullptr),
    /* 12 rope jump take-off */           KEYFRAME(L13, &ANIMATION_SET_A.slots[13]),
    /* 13 rope jump arc */                CYCLIC(L6,    &ANIMATION_SET_A.slots[14]),
    /* 14 hang */                         KEYFRAME(L14, &ANIMATION_SET_A.slots[3]),
}};

const AnimationSet ANIMATION_SET_B = {{
    /*  0 run: ease into the stride */    KEYFRAME(L15, &ANIMATION_SET_B.slots[1]),
    /*  1 run cycle */                    CYCLIC(L16,   nullptr),
    /*  2 stand: ease to rest */          KEYFRAME(L3,  &ANIMATION_SET_B.slots[3]),
    /*  3 stand cycle */                  CYCLIC(L4,    nullptr),
    /*  4 jump take-off */                KEYFRAME(L17, &ANIMATION_SET_B.slots[5]),
    /*  5 jump arc */                     CYCLIC(L18,   &ANIMATION_SET_B.slots[2]),
    /*  6 climb cycle */                  CYCLIC(L19,   nullptr),
    /*  7 (unused) */                     CYCLIC(L8,    nullptr),
    /*  8 pick up */                      KEYFRAME(L9,  &ANIMATION_SET_B.slots[9]),  // L20, as L9
    /*  9 lift overhead */                KEYFRAME(L21, nullptr),
    /* 10 death when hit */               KEYFRAME(L22, nullptr),
    /* 11 death by falling */             KEYFRAME(L23, nullptr),
    /* 12 rope jump take-off */           KEYFRAME(L24, &ANIMATION_SET_B.slots[13]),
    /* 13 rope jump arc */                CYCLIC(L18,   &ANIMATION_SET_B.slots[14]),
    /* 14 hang */                         KEYFRAME(L14, &ANIMATION_SET_B.slots[3]),
}};

const AnimationSet ANIMATION_SET_C = {{
    /*  0 run: ease into the stride */    KEYFRAME(L25, &ANIMATION_SET_C.slots[1]),
    /*  1 run cycle */                    CYCLIC(L26,   nullptr),
    /*  2 stand: ease to rest */          KEYFRAME(L3,  &ANIMATION_SET_C.slots[3]),
    /*  3 stand cycle */                  CYCLIC(L4,    nullptr),
    /*  4 jump take-off */                KEYFRAME(L17, &ANIMATION_SET_C.slots[5]),
    /*  5 jump arc */                     CYCLIC(L18,   &ANIMATION_SET_C.slots[2]),
    /*  6 climb cycle */                  CYCLIC(L19,   nullptr),
    /*  7 (unused) */                     CYCLIC(L8,    nullptr),
    /*  8 pick up */                      KEYFRAME(L9,  &ANIMATION_SET_C.slots[9]),  // L20, as L9
    /*  9 lift overhead */                KEYFRAME(L21, nullptr),
    /* 10 death when hit */               KEYFRAME(L27, nullptr),
    /* 11 death by falling */             KEYFRAME(L28, nullptr),
    /* 12 rope jump take-off */           KEYFRAME(L29, &ANIMATION_SET_C.slots[13]),
    /* 13 rope jump arc */                CYCLIC(L18,   &ANIMATION_SET_C.slots[14]),
    /* 14 hang */                         KEYFRAME(L14, &ANIMATION_SET_C.slots[3]),
}};
// clang-format on
