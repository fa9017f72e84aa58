// clock_fake.h -- control of the scripted clock (native build only)
#pragma once

void SetScriptedClock(double seconds);
void AdvanceScriptedClock(double seconds);
