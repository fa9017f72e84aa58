// character_drawing.cpp -- paper-doll drawing with mask and colour passes and the barrel in the hand
#include "assets/display_lists.h"
#include "assets/texture_loader.h"
#include "common/gl.h"
#include "game/character.h"

static const GLfloat FULL_EMISSION[4] = {1.0f, 1.0f, 1.0f, 1.0f};
static const GLfloat NO_EMISSION[4] = {0.0f, 0.0f, 0.0f, 1.0f};

static bool HasChild(int part) { return part == 3 || part == 5 || part == 7 || part == 9; }
static bool IsChild(int part) { return part == 4 || part == 6 || part == 8 || part == 10; }

static void PartStrip(const CharacterRecord &record, int part) {
    glBegin(GL_TRIANGLE_STRIP);
    glNormal3f(0.0f, 0.0f, 1.0f);
    for (int corner = 0; corner < 4; ++corner) {
        glTexCoord2f(record.texCoord[part][corner].x, record.texCoord[part][corner].y);
        glVertex3f(record.vertex[part][corner].x, record.vertex[part][corner].y, 0.0f);
    }
    glEnd();
}

static void DrawPart(const CharacterRecord &record, int part) {
    // The root's pivot holds the position and its rotation is already applied.
    if (part != 1) {
        glTranslatef(record.pivot[part].x, record.pivot[part].y, 0.0f);
        glRotatef(record.value[part], 0.0f, 0.0f, 1.0f);
    }
    if (HasChild(part)) {
        // The forearm or shin first, so the parent covers the joint.
        glPushMatrix();
        DrawPart(record, part + 1);
        glPopMatrix();
    }
    // Mask pass darkens the background into a silhouette; colour pass lays the colour into it.
    glBlendFunc(GL_DST_COLOR, GL_ZERO);
    BindTextureSlot(record.maskSlot);
    PartStrip(record, part);
    glBlendFunc(GL_ONE, GL_ONE);
    BindTextureSlot(record.colourSlot);
    PartStrip(record, part);

    if (record.holdingObject && part == 6) {
        glDisable(GL_BLEND);
        glTranslatef(0.0f, -1.5f / CHARACTER_SCALE, -0.15f / CHARACTER_SCALE);
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
        glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
        glScalef(1.0f / CHARACTER_SCALE, 1.0f / CHARACTER_SCALE, 1.0f / CHARACTER_SCALE);
        // The barrel is lit like the scene.
        glMaterialfv(GL_FRONT, GL_EMISSION, NO_EMISSION);
        glCallList(BARREL_LIST);
        BindTextureSlot(record.colourSlot);
        glEnable(GL_TEXTURE_2D);
        glMaterialfv(GL_FRONT, GL_EMISSION, FULL_EMISSION);
        glEnable(GL_BLEND);
    }
}

void DrawCharacter(const CharacterRecord &record) {
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glMaterialfv(GL_FRONT, GL_EMISSION, FULL_EMISSION);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);

    glPushMatrix();
    glTranslatef(record.pivot[1].x, record.pivot[1].y + record.verticalDrawOffset / CHARACTER_SCALE + record.value[0],
                 record.z);
    if (record.facingLeft) glScalef(-1.0f, 1.0f, 1.0f);
    glRotatef(record.value[1], 0.0f, 0.0f, 1.0f);
    for (int slot = 0; slot < CHARACTER_PARTS; ++slot) {
        const int part = static_cast<int>(record.drawOrder[slot]);
        if (part < 0 || part >= CHARACTER_PARTS || IsChild(part)) continue;
        glPushMatrix();
        DrawPart(record, part);
        glPopMatrix();
    }
    glPopMatrix();

    glMaterialfv(GL_FRONT, GL_EMISSION, NO_EMISSION);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}
