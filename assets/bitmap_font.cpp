// bitmap_font.cpp -- glyph textures, the glyph quad and DrawText3D
#include "assets/bitmap_font.h"

#include "assets/display_lists.h"
#include "assets/texture_loader.h"
#include "common/gl.h"

namespace {

const int FONT_BITMAP = 113;
const int FONT_STRIP_WIDTH = 1536;
const int GLYPH_SIDE = 16;
const int FIRST_GLYPH_CODE = 32;

}  // namespace

void LoadFont() {
    LoadTextureStrip(FONT_BITMAP, FONT_STRIP_WIDTH, GLYPH_SIDE, GLYPH_SIDE, GLYPH_COUNT, ALPHA_FROM_RED);

    // One unit quad centred on the origin, the glyph's top row (t = 0) at its upper edge.
    glNewList(GLYPH_QUAD_LIST, GL_COMPILE);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-0.5f, -0.5f, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(0.5f, -0.5f, 0.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-0.5f, 0.5f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(0.5f, 0.5f, 0.0f);
    glEnd();
    glEndList();
}

void DrawText3D(const char *text, float size, float alpha) {
    const GLfloat glow[4] = {1.0f, 1.0f, 1.0f, alpha};
    glMaterialfv(GL_FRONT, GL_EMISSION, glow);
    glColor4f(1.0f, 1.0f, 1.0f, alpha);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    for (int i = 0; text != nullptr && text[i] != '\0'; ++i) {
        // char may be signed: codes above 127 arrive negative. Only codes
        // 33..127 have glyphs; the space and anything outside draw nothing
        // but still take their place in the line.
        int code = static_cast<unsigned char>(text[i]);
        if (code <= FIRST_GLYPH_CODE || code >= FIRST_GLYPH_CODE + GLYPH_COUNT) continue;
        glPushMatrix();
        glTranslatef(static_cast<float>(i) * size, 0.0f, 0.0f);
        glBindTexture(GL_TEXTURE_2D, textures.glyphs[code - FIRST_GLYPH_CODE]);
        glScalef(size, size, size);
        glCallList(GLYPH_QUAD_LIST);
        glPopMatrix();
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    const GLfloat none[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glMaterialfv(GL_FRONT, GL_EMISSION, none);
}
