// particle_field.h -- the 200 sparks of the backdrop
#pragma once

#include <cstdint>

const int PARTICLE_COUNT = 200;

struct Particle {
    float x, y;     // backdrop units: ten pixels of a still each, y up
    float glow;     // brightness and opacity; above 0 while the spark lives, may pass 1.0
    float speed;    // change of glow per second
    float accel;    // change of speed per second
    int32_t index;  // the spark's number, set by the slide show's set-up
};

extern Particle particleField[PARTICLE_COUNT];

// Program start, before any window exists (draws from the unseeded generator).
void ConstructParticleField();

// A new place and a new life: a point of the showing still's point map for
// sparks numbered within it, a random place otherwise.
void SpawnParticle(Particle &spark);

// One frame of a spark's life, scaled by dt; a spark that has faded out is
// spawned again in the same frame.
void StepParticle(Particle &spark);

// Each spark a flame sprite tinted by its glow, all in one batch; blending is the caller's.
void DrawParticles(const Particle *sparks, int count);
