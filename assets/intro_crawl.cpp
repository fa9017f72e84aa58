// intro_crawl.cpp -- the story text that recedes on a tilted plane during the intro
#include "assets/display_lists.h"
#include "assets/slide_show.h"
#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "common/gl.h"

IntroCrawl intro;

void BuildCrawlPlaneList() {
    // The text's top row (t = 0) lies at the far edge, so it reads from far to near.
    glNewList(CRAWL_PLANE_LIST, GL_COMPILE);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-10.0f, 0.0f, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(10.0f, 0.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(10.0f, 0.0f, -40.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-10.0f, 0.0f, -40.0f);
    glEnd();
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEndList();
}

void DrawIntroCrawl() {
    intro.crawlPosition -= 1.5f * frameInput.dt;
    if (intro.crawlPosition < -20.0f) intro.crawlAlpha -= frameInput.dt;  // no lower bound; GL clamps the colour

    // A slot number from outside the table would read past it; fall back to the first story.
    const int chosen = intro.crawlTextureSlot;
    const int slot = chosen >= 0 && chosen < TEXTURE_SLOT_COUNT ? chosen : TEXTURE_CRAWL_CAPTAIN;
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, -33.0f);
    glRotatef(25.0f, 1.0f, 0.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, intro.crawlPosition);
    glColor4f(0.25f, 0.5f, 1.0f, intro.crawlAlpha);
    glBindTexture(GL_TEXTURE_2D, textures.slots[slot]);
    glCallList(CRAWL_PLANE_LIST);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}
