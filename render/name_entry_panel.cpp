// name_entry_panel.cpp -- the banner and the ten-place name field of a new high score
#include "assets/bitmap_font.h"
#include "assets/texture_loader.h"
#include "common/gl.h"
#include "render/gl_setup.h"
#include "render/screens_hud.h"
#include "settings/settings_store.h"

void DrawNameEntryPanel() {
    glPushMatrix();
    glTranslatef(static_cast<float>((W() - 200) / 2), static_cast<float>((H() - 100) / 2), 0.0f);

    glPushMatrix();
    glColor4f(1.0f, 0.25f, 0.25f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, textures.slots[TEXTURE_HIGHLIGHT]);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glTranslatef(100.0f, 0.0f, 0.0f);
    DrawCentredQuad(400.0f, 80.0f);
    glPopMatrix();

    glPushMatrix();
    glTranslatef(-65.0f, 20.0f, 0.0f);
    DrawText3D("New High Score! Enter you're name:", 10.0f, 1.0f);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(-40.0f, -20.0f, 0.0f);
    DrawText3D("Press enter when you're done!", 10.0f, 1.0f);
    glPopMatrix();

    // Each typed glyph's quad lies in front of the dash at its place, so the
    // depth test leaves a dash only on the free places of the field.
    char name[HIGH_SCORE_NAME_SIZE];
    int length = 0;
    while (length < 10 && settings.highScoreName[length] != 0) {
        name[length] = settings.highScoreName[length];
        ++length;
    }
    name[length] = 0;
    glEnable(GL_DEPTH_TEST);
    glPushMatrix();
    glTranslatef(10.0f, 0.0f, 0.0f);
    DrawText3D(name, 20.0f, 1.0f);
    glTranslatef(0.0f, 0.0f, -0.2f);
    DrawText3D("----------", 20.0f, 1.0f);
    glPopMatrix();
    glDisable(GL_DEPTH_TEST);  // the ticker below stays flat

    glPopMatrix();
}
