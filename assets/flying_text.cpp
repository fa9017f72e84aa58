// flying_text.cpp -- spawn, step, draw and release of flying letters
#include "assets/flying_text.h"

#include <cstring>

#include "assets/display_lists.h"
#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "common/gl.h"

FlyingText gameMessage;

static const float FADE_IN_DISTANCE = 3.0f;
static const float FLY_IN_SPEED = 2.0f;
static const float FLY_AWAY_SPEED = 3.0f;

static int LettersInUse(const FlyingText &effect) {
    return effect.count < FLYING_TEXT_LETTERS ? effect.count : FLYING_TEXT_LETTERS;
}

void SpawnFlyingText(FlyingText &effect, const char *text, float x, float y, float z, float depth) {
    effect.startTime = frameInput.now;
    effect.position = Vec3{x, y, z};
    effect.active = 1;
    const size_t length = text ? std::strlen(text) : 0;
    effect.count = length > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int32_t>(length);
    for (int i = 0; i < LettersInUse(effect); ++i) {
        FlyingLetter &letter = effect.letters[i];
        letter.character = static_cast<int8_t>(text[i]);
        letter.x = static_cast<float>(i);
        letter.y = 0.0f;
        letter.z = static_cast<float>(i) + depth;
        letter.release = 0.0f;
        letter.alpha = 0.0f;
    }
}

static void StepLetter(FlyingLetter &letter) {
    if (letter.release < 1.0f) {
        if (letter.z < FADE_IN_DISTANCE) {
            if (letter.alpha < 1.0f)
                letter.alpha += frameInput.dt;
            else
                letter.alpha = 1.0f;
        }
        if (letter.z > 0.0f)
            letter.z -= FLY_IN_SPEED * frameInput.dt;
        else
            letter.z = 0.0f;
    } else {
        if (letter.alpha > 0.0f) letter.alpha -= frameInput.dt;
        letter.z += FLY_AWAY_SPEED * frameInput.dt;
    }
}

void DrawFlyingText(FlyingText &effect) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef(effect.position.x, effect.position.y, effect.position.z);
    for (int i = 0; i < LettersInUse(effect); ++i) {
        FlyingLetter &letter = effect.letters[i];
        StepLetter(letter);
        // Codes outside the font (control bytes, bytes above 127) have no glyph: not drawn.
        const int glyph = letter.character - 32;  // glyph k is character code 32 + k
        if (!(letter.alpha > 0.0f) || glyph < 0 || glyph >= GLYPH_COUNT) continue;
        glPushMatrix();
        glTranslatef(letter.x, letter.y, letter.z);
        glColor4f(1.0f, 1.0f, 1.0f, letter.alpha);
        glBindTexture(GL_TEXTURE_2D, textures.glyphs[glyph]);
        glCallList(GLYPH_QUAD_LIST);
        glPopMatrix();
    }
    glPopMatrix();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

void ReleaseFlyingText(FlyingText &effect) {
    for (int i = 0; i < LettersInUse(effect); ++i) effect.letters[i].release = 1.0f;
}
