// slide_show.h -- the stills behind the tower and the intro crawl
#pragma once

#include <cstdint>

#include "assets/flying_text.h"
#include "assets/texture_loader.h"

// One still: its picture, its point map (pure red pixels mark the places the
// sparks gather to), their common size, and the caption with its place in
// backdrop units (ten pixels of the still each, y up).
struct SlideRow {
    uint32_t colourBitmap;    // low 16 bits: resource id
    uint32_t pointMapBitmap;  // low 16 bits: resource id
    int32_t width, height;
    const char *caption;
    float captionX, captionY;
};

const int SLIDE_COUNT = 18;
const int SLIDE_HISTORY = 4;
const int SLIDE_POINT_LIMIT = 200;

extern const SlideRow slideTable[SLIDE_COUNT];

struct SlidePoint {
    float x, y;  // pixels from the picture's centre, y downwards
};

// A fresh show on every rendering context (the scene set-up); never reset otherwise.
struct SlideShow {
    float slideAlpha = 0.0f;  // not reset when a new still starts
    SlidePoint points[SLIDE_POINT_LIMIT] = {};
    int32_t lastPointIndex = -1;  // -1 when the point map has none
    int32_t current = -1;         // row of slideTable, -1 before the first still
    int32_t width = 0, height = 0;
    float startTime = 0.0f;
    uint8_t active = 0;  // from the start of a still until it has faded out
    FlyingText caption = {};
    // The slides shown before the current one, newest first; -1 when unused.
    int32_t slideHistory[SLIDE_HISTORY] = {-1, -1, -1, -1};
};

extern SlideShow slideShow;

// Reset per game: every new game starts its crawl from the far end.
struct IntroCrawl {
    float crawlPosition = 57.5f;
    float crawlAlpha = 1.0f;
    int crawlTextureSlot = TEXTURE_CRAWL_CAPTAIN;
};

extern IntroCrawl intro;

void SetUpSlideShow();
// onTitle: the game shows the title screen; overviewFactor: the camera's overview tilt (0..1).
void SlideShowStep(bool onTitle, float overviewFactor);
// cameraZ: the camera's distance, so that the backdrop keeps its place behind the tower.
void DrawBackdrop(float cameraZ);
void DrawIntroCrawl();

// Picks the next still (the first two in order, then at random but never one
// of the four before the current one), loads it into TEXTURE_STILL, reads its point
// map and spawns its caption.
void StartNextStill();
// The row-choice rule alone: returns the next index and shifts the history.
int ChooseNextSlide();

// Stores the pure red pixels of a point map, column by column, at most
// SLIDE_POINT_LIMIT of them. rgb: bytesPerPixel bytes a pixel starting with
// red, green, blue; rows of width pixels one after another, row 0 at the top.
void StorePointMap(SlideShow &show, const uint8_t *rgb, int bytesPerPixel, int width, int height);

// Compiles CRAWL_PLANE_LIST; called by the set-up.
void BuildCrawlPlaneList();
