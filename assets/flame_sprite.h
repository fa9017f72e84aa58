// flame_sprite.h -- the flame sprite: one textured square for the torches' flames and the slide show's sparks
#pragma once

// Sprites are sent in batches, one draw for many: a software renderer spends
// far more on each draw than on the few pixels of a sprite.
// Binds and enables the flame texture and opens a batch of triangles.
void BeginFlameSprites();
// The sprite's two triangles centred on (x, y, z), 0.2 units square, in the
// current colour; only between BeginFlameSprites and EndFlameSprites.
void AddFlameSprite(float x, float y, float z);
// Ends the batch and disables texturing.
void EndFlameSprites();
