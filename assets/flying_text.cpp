// flying_text.cpp -- spawn, step, draw and release of flying letters
#include "assets/flying_text.h"

FlyingText gameMessage;

void SpawnFlyingText(FlyingText &, const char *, float, float, float, float) {}
void DrawFlyingText(FlyingText &) {}
void ReleaseFlyingText(FlyingText &) {}
