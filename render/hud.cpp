// hud.cpp -- level, score and life icons over play
#include <cstdio>

#include "assets/bitmap_font.h"
#include "assets/texture_loader.h"
#include "common/gl.h"
#include "game/player.h"
#include "render/gl_setup.h"
#include "render/screens_hud.h"

// The HUD is laid out on a strip this wide, centred on the window.
const int HUD_STRIP_WIDTH = 626;

static void DrawLifeIcon(const CharacterRecord &record) {
    static const float corner[4][2] = {{-15.0f, 15.0f}, {15.0f, 15.0f}, {-15.0f, -15.0f}, {15.0f, -15.0f}};
    glBegin(GL_TRIANGLE_STRIP);
    glNormal3f(0.0f, 0.0f, 1.0f);
    for (int k = 0; k < 4; ++k) {
        glTexCoord2f(record.texCoord[2][k].x, record.texCoord[2][k].y);
        glVertex2f(corner[k][0], corner[k][1]);
    }
    glEnd();
}

void FormatScoreLine(char *text, int size, double score) {
    std::snprintf(text, static_cast<size_t>(size), "Score:%5d", static_cast<int>(ScoreAsInteger(score)));
}

void DrawHud() {
    // Not restored: the overlay projection is loaded afresh every frame.
    glTranslatef(static_cast<float>((W() - HUD_STRIP_WIDTH) / 2), 0.0f, 0.0f);
    const float top = static_cast<float>(H());
    char text[32];

    std::snprintf(text, sizeof text, "Level %d", static_cast<int>(playerController.level));
    glPushMatrix();
    glTranslatef(50.0f, top - 16.0f, 0.0f);
    DrawText3D(text, 16.0f, 1.0f);
    glPopMatrix();

    FormatScoreLine(text, sizeof text, playerController.score);
    glPushMatrix();
    glTranslatef(400.0f, top - 16.0f, 0.0f);
    DrawText3D(text, 16.0f, 1.0f);
    glPopMatrix();

    const CharacterRecord *record = playerController.character;
    if (record == nullptr) return;
    glEnable(GL_TEXTURE_2D);
    static const float unlit[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, unlit);
    for (int i = 0; i < playerController.lives; ++i) {
        glPushMatrix();
        glTranslatef(250.0f + 30.0f * static_cast<float>(i), top - 20.0f, 0.0f);
        glEnable(GL_BLEND);
        // The mask darkens the background where the figure will be ...
        glBlendFunc(GL_DST_COLOR, GL_ZERO);
        BindTextureSlot(record->maskSlot);
        DrawLifeIcon(*record);
        // ... and the colour pass adds the figure on top.
        glBlendFunc(GL_ONE, GL_ONE);
        BindTextureSlot(record->colourSlot);
        DrawLifeIcon(*record);
        glDisable(GL_BLEND);
        glPopMatrix();
    }
}
