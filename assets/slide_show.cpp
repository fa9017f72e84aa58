// slide_show.cpp -- the slide show record, the start of a still, its opacity over time and the backdrop
#include "assets/slide_show.h"

#include "assets/display_lists.h"
#include "assets/particle_field.h"
#include "assets/point_map_source.h"
#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "common/gl.h"
#include "common/random.h"

SlideShow slideShow;

static bool InHistory(int index) {
    for (int i = 0; i < SLIDE_HISTORY; ++i)
        if (slideShow.slideHistory[i] == index) return true;
    return false;
}

int ChooseNextSlide() {
    // Slides 0 and 1 open the show in order. Only at the opening: once the
    // random order has come round to slide 0, slide 1 is not forced after it,
    // which could repeat one of the four stills before.
    const bool opening = slideShow.current < 0 || (slideShow.current == 0 && slideShow.slideHistory[0] < 0);
    int next;
    if (!opening) {
        // Terminates: at most four of the eighteen rows are excluded.
        do {
            next = Random() % SLIDE_COUNT;
        } while (InHistory(next));
    } else {
        next = slideShow.current + 1;  // the first two stills always come in order
    }
    for (int i = SLIDE_HISTORY - 1; i > 0; --i) slideShow.slideHistory[i] = slideShow.slideHistory[i - 1];
    slideShow.slideHistory[0] = slideShow.current;
    return next;
}

void StorePointMap(SlideShow &show, const uint8_t *rgb, int bytesPerPixel, int width, int height) {
    show.lastPointIndex = -1;
    if (rgb == nullptr || bytesPerPixel < 3 || width <= 0 || height <= 0) return;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            if (show.lastPointIndex >= SLIDE_POINT_LIMIT - 1) return;
            const uint8_t *pixel = rgb + (static_cast<long>(y) * width + x) * bytesPerPixel;
            if (pixel[0] != 255 || pixel[1] != 0 || pixel[2] != 0) continue;
            ++show.lastPointIndex;
            show.points[show.lastPointIndex] = {static_cast<float>(x) - static_cast<float>(width) * 0.5f,
                                                static_cast<float>(y) - static_cast<float>(height) * 0.5f};
        }
    }
}

void StartNextStill() {
    const int next = ChooseNextSlide();
    const SlideRow &row = slideTable[next];
    slideShow.current = next;
    slideShow.width = row.width;
    slideShow.height = row.height;
    slideShow.startTime = frameInput.now;
    slideShow.active = 1;

    // The backdrop binds whatever TEXTURE_STILL holds when it draws, so the fresh
    // name from the loader is the one shown.
    if (textures.slots[TEXTURE_STILL] != TEXTURE_SLOT_EMPTY) {
        const GLuint old = textures.slots[TEXTURE_STILL];
        glDeleteTextures(1, &old);
    }
    LoadTexture(static_cast<int>(row.colourBitmap & 0xFFFFu), TEXTURE_STILL, row.width, row.height,
                ALPHA_COLOUR_KEY);

    const PointMapPixels map = ReadPointMapPixels(static_cast<int>(row.pointMapBitmap & 0xFFFFu), row.width,
                                                  row.height);
    StorePointMap(slideShow, map.rgb, map.bytesPerPixel, map.width, map.height);

    SpawnFlyingText(slideShow.caption, row.caption, row.captionX, row.captionY, 0.25f, 8.0f);
}

static void BuildSlideQuadList() {
    // No bind inside: the texture in TEXTURE_STILL changes with every still.
    glNewList(SLIDE_QUAD_LIST, GL_COMPILE);
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-1.0f, 1.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(1.0f, 1.0f, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(1.0f, -1.0f, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-1.0f, -1.0f, 0.0f);
    glEnd();
    glEndList();
}

void SetUpSlideShow() {
    for (int i = 0; i < PARTICLE_COUNT; ++i) particleField[i].index = i;
    // A fresh show on every rendering context: opening order, nothing faded in.
    slideShow.current = -1;
    slideShow.slideAlpha = 0.0f;
    for (int32_t &shown : slideShow.slideHistory) shown = -1;
    StartNextStill();
    BuildSlideQuadList();
    BuildCrawlPlaneList();
}

void SlideShowStep(bool onTitle, float overviewFactor) {
    const float e = frameInput.now - slideShow.startTime;
    if (slideShow.active) {
        if (e > 20.0f || !onTitle) {
            ReleaseFlyingText(slideShow.caption);
            if (slideShow.slideAlpha < 0.0f)
                slideShow.active = 0;
            else
                slideShow.slideAlpha -= 0.5f * frameInput.dt;
        } else if (e > 10.0f) {
            // Pulse with the first spark's glow.
            const float glow = particleField[0].glow;
            if (slideShow.slideAlpha < glow) slideShow.slideAlpha += 0.5f * frameInput.dt;
            if (slideShow.slideAlpha > glow) slideShow.slideAlpha -= 0.5f * frameInput.dt;
        } else if (e > 7.0f && slideShow.slideAlpha < 1.0f) {
            slideShow.slideAlpha += 0.5f * frameInput.dt;
        }
    }
    if (!slideShow.active && onTitle && overviewFactor > 0.0f && e > 30.0f) StartNextStill();
}

void DrawBackdrop(float cameraZ) {
    const float e = frameInput.now - slideShow.startTime;
    glDisable(GL_LIGHTING);
    glPushMatrix();
    glNormal3f(0.0f, -1.0f, 0.0f);
    // Cancels the overview's tilt, so at full overview the still faces the viewer.
    glRotatef(45.0f, 1.0f, 0.0f, 0.0f);
    glTranslatef(0.0f, -cameraZ - 4.0f, -33.0f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);

    if (e < 23.0f && slideShow.slideAlpha > 0.0f) {
        glColor4f(1.0f, 1.0f, 1.0f, slideShow.slideAlpha);
        glPushMatrix();
        glScalef(static_cast<float>(slideShow.width) * 0.05f, static_cast<float>(slideShow.height) * 0.05f, 0.0f);
        glBindTexture(GL_TEXTURE_2D, textures.slots[TEXTURE_STILL]);
        glCallList(SLIDE_QUAD_LIST);
        glPopMatrix();
    }

    for (Particle &spark : particleField) StepParticle(spark);
    DrawParticles(particleField, PARTICLE_COUNT);

    if (e < 23.0f) DrawFlyingText(slideShow.caption);

    glPopMatrix();
    // Hand the tower pass the usual state whichever of the above ran.
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
}
