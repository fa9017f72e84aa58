// tower_geometry.cpp -- display lists of the tower, barrel and cage; the rope, cage and torch pass
#include "render/tower_geometry.h"

#include <cmath>

#include "assets/display_lists.h"
#include "assets/texture_loader.h"
#include "common/gl.h"
#include "game/character.h"
#include "game/rope_cage.h"
#include "render/torches.h"
#include "settings/settings_store.h"

// ---------------------------------------------------------------- unit boxes

struct BoxFace {
    float normal[3];
    float corner[4][5];  // x, y, z, s, t in strip order
};

// Spans -1..1 on every axis; no back face, the tower is only seen from the front and above.
static const BoxFace frontFace = {
    { 0,  0,  1}, {{-1,  1,  1, 0, 0}, { 1,  1,  1, 1, 0}, {-1, -1,  1, 0, 1}, { 1, -1,  1, 1, 1}}};
static const BoxFace topFace = {
    { 0,  1,  0}, {{-1,  1, -1, 0, 0}, { 1,  1, -1, 1, 0}, {-1,  1,  1, 0, 1}, { 1,  1,  1, 1, 1}}};
static const BoxFace bottomFace = {
    { 0, -1,  0}, {{-1, -1, -1, 0, 0}, { 1, -1, -1, 1, 0}, {-1, -1,  1, 0, 1}, { 1, -1,  1, 1, 1}}};
static const BoxFace rightFace = {
    { 1,  0,  0}, {{ 1,  1,  1, 0, 0}, { 1,  1, -1, 1, 0}, { 1, -1,  1, 0, 1}, { 1, -1, -1, 1, 1}}};
static const BoxFace leftFace = {
    {-1,  0,  0}, {{-1,  1, -1, 0, 0}, {-1,  1,  1, 1, 0}, {-1, -1, -1, 0, 1}, {-1, -1,  1, 1, 1}}};

static void EmitFace(const BoxFace &face) {
    glNormal3fv(face.normal);
    glBegin(GL_TRIANGLE_STRIP);
    for (const float *c : face.corner) {
        glTexCoord2f(c[3], c[4]);
        glVertex3f(c[0], c[1], c[2]);
    }
    glEnd();
}

static void BuildBoxList(unsigned int list, bool withBottom) {
    glNewList(list, GL_COMPILE);
    if (settings.fullDetail) glEnable(GL_TEXTURE_2D);
    EmitFace(frontFace);
    EmitFace(topFace);
    if (withBottom) EmitFace(bottomFace);
    EmitFace(rightFace);
    EmitFace(leftFace);
    if (settings.fullDetail) glDisable(GL_TEXTURE_2D);
    glEndList();
}

static void DrawScaledBox(unsigned int list, float sx, float sy, float sz, int textureSlot) {
    glPushMatrix();
    glScalef(sx, sy, sz);
    if (settings.fullDetail) glBindTexture(GL_TEXTURE_2D, textures.slots[textureSlot]);
    glCallList(list);
    glPopMatrix();
}

void DrawTowerBox(float sx, float sy, float sz, int textureSlot) {
    DrawScaledBox(OPEN_BOX_LIST, sx, sy, sz, textureSlot);
}

void DrawClosedTowerBox(float sx, float sy, float sz, int textureSlot) {
    DrawScaledBox(CLOSED_BOX_LIST, sx, sy, sz, textureSlot);
}

// ---------------------------------------------------------------- the barrel

const int BARREL_MERIDIANS = 15;
const int BARREL_PROFILE_POINTS = 4;

// (radius, height), from the top rim down to the bottom rim.
static const float barrelProfile[BARREL_PROFILE_POINTS][2] = {
    {0.5f,  1.0f},
    {0.7f,  0.4f},
    {0.7f, -0.4f},
    {0.5f, -1.0f},
};
const float BARREL_SCALE = 0.9f;
const float BARREL_END_DISH = 0.05f;  // the ends' centres sit this far inside the rims

static Vec3 barrelSide[BARREL_MERIDIANS][BARREL_PROFILE_POINTS];
static Vec3 barrelRim[BARREL_MERIDIANS];
static Vec2 barrelCapCoord[BARREL_MERIDIANS];

static void ComputeBarrelPoints() {
    for (int n = 0; n < BARREL_MERIDIANS; ++n) {
        // Meridian 14 lands on 360 degrees and closes the circle.
        const double angle = n * (180.0 / 7.0) * 3.14159265358979323846 / 180.0;
        const float c = static_cast<float>(std::cos(angle));
        const float s = static_cast<float>(std::sin(angle));
        for (int i = 0; i < BARREL_PROFILE_POINTS; ++i) {
            const float r = barrelProfile[i][0];
            barrelSide[n][i] = Vec3{r * c, barrelProfile[i][1], -r * s};
        }
        const float rimRadius = barrelProfile[0][0];
        barrelRim[n] = Vec3{rimRadius * c, 0.0f, -rimRadius * s};
        barrelCapCoord[n] = Vec2{barrelRim[n].x + 0.5f, barrelRim[n].z + 0.5f};
    }
}

static void SideVertex(const Vec3 &p, float s) {
    glNormal3f(p.x, p.y, p.z);  // renormalised by GL
    glTexCoord2f(s, (p.y + 1.0f) * 0.5f);
    glVertex3f(p.x, p.y, p.z);
}

static void BuildBarrelList() {
    ComputeBarrelPoints();
    glNewList(BARREL_LIST, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, textures.slots[TEXTURE_BARREL_SIDE]);
    glEnable(GL_TEXTURE_2D);
    // Left in effect after the call: callers wrap the barrel in a pushed matrix.
    glScalef(BARREL_SCALE, BARREL_SCALE, BARREL_SCALE);
    // One stave texture per meridian segment.
    for (int n = 1; n < BARREL_MERIDIANS; ++n) {
        for (int i = 0; i + 1 < BARREL_PROFILE_POINTS; ++i) {
            glBegin(GL_TRIANGLE_STRIP);
            SideVertex(barrelSide[n][i], 1.0f);
            SideVertex(barrelSide[n - 1][i], 0.0f);
            SideVertex(barrelSide[n][i + 1], 1.0f);
            SideVertex(barrelSide[n - 1][i + 1], 0.0f);
            glEnd();
        }
    }
    glBindTexture(GL_TEXTURE_2D, textures.slots[TEXTURE_BARREL_ENDS]);
    const float rimTop = barrelProfile[0][1];
    glNormal3f(0.0f, 1.0f, 0.0f);
    glBegin(GL_TRIANGLE_FAN);
    glTexCoord2f(0.5f, 0.5f);
    glVertex3f(0.0f, rimTop - BARREL_END_DISH, 0.0f);
    for (int n = 0; n < BARREL_MERIDIANS; ++n) {
        glTexCoord2f(barrelCapCoord[n].x, barrelCapCoord[n].y);
        glVertex3f(barrelRim[n].x, rimTop, barrelRim[n].z);
    }
    glEnd();
    // The bottom runs round the other way with the same coordinates: its lid is mirrored.
    const float rimBottom = barrelProfile[BARREL_PROFILE_POINTS - 1][1];
    glNormal3f(0.0f, -1.0f, 0.0f);
    glBegin(GL_TRIANGLE_FAN);
    glTexCoord2f(0.5f, 0.5f);
    glVertex3f(0.0f, rimBottom + BARREL_END_DISH, 0.0f);
    for (int n = 0; n < BARREL_MERIDIANS; ++n) {
        const int m = BARREL_MERIDIANS - 1 - n;
        glTexCoord2f(barrelCapCoord[n].x, barrelCapCoord[n].y);
        glVertex3f(barrelRim[m].x, rimBottom, barrelRim[m].z);
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glEndList();
}

// ---------------------------------------------------------------- the cage

struct CageFace {
    float normal[3];
    float corner[4][3];
};

static const float cageStripCoords[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};

// From -1 to 1 in x and z, -1 to 1.75 in y, no bottom. The back's normal faces
// the viewer so the inside is lit.
static const CageFace cageRearFaces[3] = {
    {{0, 0, 1}, {{-1, 1.75f, -1}, { 1, 1.75f, -1}, {-1, -1, -1}, { 1, -1, -1}}},  // back
    {{0, 1, 0}, {{-1, 1.75f, -1}, { 1, 1.75f, -1}, {-1, 1.75f, 1}, { 1, 1.75f, 1}}},  // top
    {{1, 0, 0}, {{ 1, 1.75f,  1}, { 1, 1.75f, -1}, { 1, -1,  1}, { 1, -1, -1}}},  // right
};
static const CageFace cageFrontFaces[2] = {
    {{-1, 0, 0}, {{-1, 1.75f, -1}, {-1, 1.75f,  1}, {-1, -1, -1}, {-1, -1,  1}}},  // left
    {{ 0, 0, 1}, {{-1, 1.75f,  1}, { 1, 1.75f,  1}, {-1, -1,  1}, { 1, -1,  1}}},  // front
};

static void EmitCageFaces(const CageFace *faces, int count) {
    for (int f = 0; f < count; ++f) {
        glNormal3fv(faces[f].normal);
        glBegin(GL_TRIANGLE_STRIP);
        for (int v = 0; v < 4; ++v) {
            glTexCoord2fv(cageStripCoords[v]);
            glVertex3fv(faces[f].corner[v]);
        }
        glEnd();
    }
}

static void BuildCageLists() {
    // The rear list leaves texturing on: the captive is drawn between the two parts.
    glNewList(CAGE_REAR_LIST, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, textures.slots[TEXTURE_CAGE]);
    glEnable(GL_TEXTURE_2D);
    EmitCageFaces(cageRearFaces, 3);
    glEndList();

    glNewList(CAGE_FRONT_LIST, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, textures.slots[TEXTURE_CAGE]);
    glEnable(GL_TEXTURE_2D);
    EmitCageFaces(cageFrontFaces, 2);
    glDisable(GL_TEXTURE_2D);
    glEndList();
}

// ---------------------------------------------------------------- the tower

struct TowerBlock {
    Vec3 centre;
    Vec3 halfExtent;
};

static const TowerBlock towerBlocks[] = {
    //   centre x,  y,     z        half-extents x, y, z
    {{ 0.0f,  0.0f,  0.0f}, {8.0f, 1.5f, 1.0f}},  // floor slab 1
    {{ 0.0f,  3.0f, -2.0f}, {8.0f, 1.5f, 1.0f}},  // floor slab 2
    {{ 0.0f,  6.0f, -4.0f}, {8.0f, 1.5f, 1.0f}},  // floor slab 3a
    {{ 0.0f,  6.0f, -6.0f}, {8.0f, 1.5f, 1.0f}},  // floor slab 3b
    {{-3.5f,  9.0f, -6.0f}, {4.5f, 1.5f, 1.0f}},  // floor slab 4
    {{-2.5f,  0.0f,  1.5f}, {5.5f, 1.5f, 0.5f}},  // front block 0
    {{ 2.5f,  3.0f, -0.5f}, {5.5f, 1.5f, 0.5f}},  // front block 1
    {{-2.5f,  6.0f, -2.5f}, {5.5f, 1.5f, 0.5f}},  // front block 2
    {{-1.0f,  9.0f, -4.5f}, {2.0f, 1.5f, 0.5f}},  // front block 3
};

struct StairPlacement {
    Vec3 origin;
    bool mirrored;
};

// Flight k fills the gap in front block k and climbs toward its origin.
static const StairPlacement stairFlights[] = {
    //   origin x,  y,     z      mirrored
    {{ 3.0f,  0.0f,  1.5f}, false},  // flight 0
    {{-3.0f,  3.0f, -0.5f}, true},   // flight 1
    {{ 3.0f,  6.0f, -2.5f}, false},  // flight 2
    {{-3.0f,  9.0f, -4.5f}, true},   // flight 3
};

static const TowerBlock topPlate = {{4.5f, 15.0f, -6.0f}, {3.6f, 0.25f, 1.5f}};

static const Vec3 cornerPostCentres[] = {
    //  x       y       z
    {1.1f, 11.25f, -4.75f},
    {1.1f, 11.25f, -7.25f},
    {7.9f, 11.25f, -4.75f},
    {7.9f, 11.25f, -7.25f},
};
static const Vec3 cornerPostHalfExtent = {0.125f, 3.8f, 0.125f};

// Two barrels side by side on the top plate and one on top of them.
static const Vec3 stackedBarrels[] = {
    //  x       y       z
    {6.25f, 16.15f, -5.5f},
    {7.55f, 16.15f, -5.5f},
    {6.9f,  17.95f, -5.5f},
};

const int STAIR_STEPS = 5;
const float STEP_HALF_HEIGHT = 0.25f;
const float STEP_HALF_DEPTH = 0.5f;
const float LOWEST_STEP_HALF_WIDTH = 1.25f;

void DrawStairFlight(bool mirrored) {
    glPushMatrix();
    if (mirrored) glScalef(-1.0f, 1.0f, 1.0f);
    // Every step starts at local x 0; each is half a unit higher and a quarter narrower.
    glTranslatef(LOWEST_STEP_HALF_WIDTH, -1.5f + STEP_HALF_HEIGHT, 0.0f);
    float halfWidth = LOWEST_STEP_HALF_WIDTH;
    for (int step = 0; step < STAIR_STEPS; ++step) {
        if (step > 0) {
            glTranslatef(-0.25f, 2.0f * STEP_HALF_HEIGHT, 0.0f);
            halfWidth -= 0.25f;
        }
        DrawTowerBox(halfWidth, STEP_HALF_HEIGHT, STEP_HALF_DEPTH, TEXTURE_STONE);
    }
    glPopMatrix();
}

static void DrawBlockAt(const TowerBlock &block, bool closed, int slot) {
    glPushMatrix();
    glTranslatef(block.centre.x, block.centre.y, block.centre.z);
    if (closed)
        DrawClosedTowerBox(block.halfExtent.x, block.halfExtent.y, block.halfExtent.z, slot);
    else
        DrawTowerBox(block.halfExtent.x, block.halfExtent.y, block.halfExtent.z, slot);
    glPopMatrix();
}

static void BuildTowerList() {
    glNewList(TOWER_LIST, GL_COMPILE);
    if (settings.fullDetail)
        glColor3f(1.0f, 1.0f, 1.0f);
    else
        glColor3f(0.75f, 0.5f, 0.4f);  // sandstone without its texture
    for (const TowerBlock &block : towerBlocks) DrawBlockAt(block, false, TEXTURE_STONE);
    for (const StairPlacement &flight : stairFlights) {
        glPushMatrix();
        glTranslatef(flight.origin.x, flight.origin.y, flight.origin.z);
        DrawStairFlight(flight.mirrored);
        glPopMatrix();
    }
    DrawBlockAt(topPlate, true, TEXTURE_STONE);
    if (!settings.fullDetail) glColor3f(0.75f, 0.5f, 0.0f);  // bronze posts without their texture
    for (const Vec3 &centre : cornerPostCentres) DrawBlockAt(TowerBlock{centre, cornerPostHalfExtent}, true, TEXTURE_POSTS);
    glColor3f(1.0f, 1.0f, 1.0f);
    for (const Vec3 &at : stackedBarrels) {
        glPushMatrix();
        glTranslatef(at.x, at.y, at.z);
        glCallList(BARREL_LIST);
        glPopMatrix();
    }
    glEndList();
}

void BuildSceneLists() {
    BuildSconceAndPlaceTorches();
    BuildBarrelList();
    BuildBoxList(OPEN_BOX_LIST, false);
    BuildBoxList(CLOSED_BOX_LIST, true);
    BuildCageLists();
    BuildTowerList();
    glLineWidth(1.0f);
    glHint(GL_LINE_SMOOTH_HINT, GL_DONT_CARE);
    ropeCage.cagePosition = CAGE_REST_POSITION;
}

// ---------------------------------------------------------------- per frame

void DrawCageLine() {
    const Vec3 &cage = ropeCage.cagePosition;
    glBegin(GL_LINES);
    glVertex3f(cage.x, ROPE_ANCHOR.y, cage.z);
    glVertex3f(cage.x, cage.y + ropeCage.ropeDrop + CAGE_ROOF, cage.z);
    glEnd();
}

static void CallListAtCage(unsigned int list) {
    glPushMatrix();
    glTranslatef(ropeCage.cagePosition.x, ropeCage.cagePosition.y + ropeCage.ropeDrop, ropeCage.cagePosition.z);
    glCallList(list);
    glPopMatrix();
}

void DrawCageRearPart() {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    CallListAtCage(CAGE_REAR_LIST);
}

void DrawCageFrontPart() {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    CallListAtCage(CAGE_FRONT_LIST);
    glDisable(GL_BLEND);
}

void DrawRopeCageAndTorches() {
    glPushMatrix();
    glTranslatef(ROPE_ANCHOR.x, ROPE_ANCHOR.y, ROPE_ANCHOR.z);
    DrawRope();
    glPopMatrix();

    DrawCageLine();
    DrawCageRearPart();
    // The captive stays where it was placed; the cage rises away from it.
    if (captiveController.character) {
        glPushMatrix();
        glScalef(CHARACTER_SCALE, CHARACTER_SCALE, CHARACTER_SCALE);
        DrawCharacter(*captiveController.character);
        glPopMatrix();
    }
    DrawCageFrontPart();

    for (Torch &torch : torches) {
        UpdateTorch(torch);
        DrawTorch(torch);
    }
}
