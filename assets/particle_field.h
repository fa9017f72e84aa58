// particle_field.h -- the 200 sparks of the backdrop
#pragma once

// Program start, before any window exists (draws from the unseeded generator).
void ConstructParticleField();
