// ape.cpp -- the ape's fetch-and-throw cycle and the barrels' motion
#include "game/ape.h"

ApeController apeController;
ThrownObject thrownObjects[THROWN_OBJECT_COUNT];

void InitApe(ApeController &controller, CharacterRecord &record) {
    controller.state = 0;
    controller.throwTimer = 1000.0f;
    controller.character = &record;
    controller.currentObject = nullptr;
}
void ApeStep(ApeController &) {}
void ObjectMove(ThrownObject &) {}
void ObjectStep(ThrownObject &) {}
void DrawObject(const ThrownObject &) {}
void ClearLowObjects() {}
void InitObjectPool() {}
