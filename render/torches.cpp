// torches.cpp -- torch records, flames, lights
#include "render/torches.h"

void ConstructTorches() {}
