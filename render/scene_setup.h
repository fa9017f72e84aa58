// scene_setup.h -- the scene's set-up and release with a current rendering context
#pragma once

// Textures, display lists, the title screen's cast, the lights, the font, the
// overlay projection, the slide show and the ticker texts.
void InitScene();
void ReleaseScene();
