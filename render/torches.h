// torches.h -- eight wall torches: flames, sconces and flickering lights
#pragma once

// Program start, before the generator is seeded: flames reset and spawned, flicker 1.5.
void ConstructTorches();
