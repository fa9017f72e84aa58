// random.h -- the one random generator every choice of the game draws from
#pragma once

#include <cstdint>

// Linear congruential: state = state * 214013 + 2531011 (mod 2^32),
// result = (state >> 16) & 0x7FFF. Identical on every build, so native tests
// and the Windows saver draw the same numbers. Unseeded state is 1.
const int RANDOM_MAX = 0x7FFF;

void SeedRandom(uint32_t seed);
int Random();                 // 0 .. 32767
uint32_t RandomState();       // for tests and replays
