// scene_setup.cpp -- texture slots, display lists and lighting at set-up
#include "render/scene_setup.h"

void InitScene() {}
void ReleaseScene() {}
