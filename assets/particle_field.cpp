// particle_field.cpp -- spawn, step and construction of the sparks
#include "assets/particle_field.h"

void ConstructParticleField() {}
