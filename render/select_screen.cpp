// select_screen.cpp -- the character select screen with its slide-in
#include "assets/bitmap_font.h"
#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "common/gl.h"
#include "game/game_state.h"
#include "render/gl_setup.h"
#include "render/screens_hud.h"


struct SelectRow {
    int portraitSlot;
    float slideDirection;  // +1 enters from the right, -1 from the left
    const char *name;
};

static const SelectRow selectRows[3] = {
    // portrait                 from   name
    {TEXTURE_PORTRAIT_CAPTAIN,  1.0f,  "Capt. Cade Morrow"},
    {TEXTURE_PORTRAIT_HEROINE,  -1.0f, "Iselle the human slave"},
    {TEXTURE_PORTRAIT_GENERAL,  1.0f,  "General Vashk, evil Ape"},
};

void DrawCentredQuad(float width, float height) {
    const float hx = width * 0.5f, hy = height * 0.5f;
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-hx, hy);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(hx, hy);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(hx, -hy);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-hx, -hy);
    glEnd();
}

void DrawSelectScreen() {
    if (overlay.selectSlide < 1.0f) {
        overlay.selectSlide += frameInput.dt;
        if (overlay.selectSlide > 1.0f) overlay.selectSlide = 1.0f;
    }
    const float w = static_cast<float>(W());
    const float h = static_cast<float>(H());
    const float half = static_cast<float>(H() - 380) / 2.0f;
    const float hidden = 1.0f - overlay.selectSlide;

    for (int r = 0; r < 3; ++r) {
        const SelectRow &row = selectRows[r];
        const float y = h - 60.0f - 120.0f * static_cast<float>(r) - half;
        const float offset = row.slideDirection * w * hidden;
        glPushMatrix();
        glEnable(GL_BLEND);
        glColor4f(0.0f, 0.5f, 1.0f, 1.0f);
        glBindTexture(GL_TEXTURE_2D, textures.slots[TEXTURE_HIGHLIGHT]);
        glEnable(GL_TEXTURE_2D);
        if (r == flow.selectedCharacter) {
            glPushMatrix();
            glTranslatef(w * 0.5f + offset, y, 0.0f);
            DrawCentredQuad(500.0f, 140.0f);
            glPopMatrix();
        }
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        glBindTexture(GL_TEXTURE_2D, textures.slots[row.portraitSlot]);
        glTranslatef(w * 0.5f - 168.0f + offset, y, 0.0f);
        DrawCentredQuad(80.0f, 160.0f);
        glTranslatef(50.0f, 0.0f, 0.0f);
        DrawText3D(row.name, 15.0f, 1.0f);
        glPopMatrix();
    }

    glPushMatrix();
    glTranslatef(w * 0.5f - 168.0f, h + 15.0f - overlay.selectSlide * half, 0.0f);
    DrawText3D("Select your character:", 15.0f, 1.0f);
    glPopMatrix();
}
