// flame_sprite.cpp -- the flame sprite's corners and its batches
#include "assets/flame_sprite.h"

#include "assets/texture_loader.h"
#include "common/gl.h"

struct SpriteCorner {
    float s, t;  // texture
    float x, y;  // offset from the centre
};

// The two triangles of a strip over the corners top left, top right, bottom
// left, bottom right, in the order the strip draws them.
static const SpriteCorner FLAME_SPRITE_CORNERS[6] = {
    //  s     t      x       y
    {0.0f, 0.0f, -0.1f,  0.1f},
    {1.0f, 0.0f,  0.1f,  0.1f},
    {0.0f, 1.0f, -0.1f, -0.1f},
    {0.0f, 1.0f, -0.1f, -0.1f},
    {1.0f, 0.0f,  0.1f,  0.1f},
    {1.0f, 1.0f,  0.1f, -0.1f},
};

void BeginFlameSprites() {
    glBindTexture(GL_TEXTURE_2D, textures.slots[TEXTURE_FLAME]);
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_TRIANGLES);
}

void AddFlameSprite(float x, float y, float z) {
    for (const SpriteCorner &corner : FLAME_SPRITE_CORNERS) {
        glTexCoord2f(corner.s, corner.t);
        glVertex3f(x + corner.x, y + corner.y, z);
    }
}

void EndFlameSprites() {
    glEnd();
    glDisable(GL_TEXTURE_2D);
}
