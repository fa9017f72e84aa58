// scene_setup.cpp -- texture slot table, display lists, default cast, lighting and overlay projection at set-up
#include "render/scene_setup.h"

#include "assets/bitmap_font.h"
#include "assets/slide_show.h"
#include "assets/texture_loader.h"
#include "common/gl.h"
#include "game/ape.h"
#include "game/character.h"
#include "game/player.h"
#include "game/rope_cage.h"
#include "host/game_window.h"
#include "render/screens_hud.h"
#include "render/torches.h"
#include "render/tower_geometry.h"
#include "settings/settings_store.h"

struct TextureSlotEntry {
    int slot;
    int bitmapId;
    int width, height;
    int alphaMode;
};

// In load order. Slot 17 holds bitmap 116 only until the slide show puts its first still there.
static const TextureSlotEntry textureTable[TEXTURE_SLOT_COUNT] = {
    // slot  bitmap  width height  alpha mode          used for
    {  0,    101,    256,   32,   ALPHA_COLOUR_KEY},  // logo of the credits ticker
    { 13,    128,     64,  128,   ALPHA_COLOUR_KEY},  // portrait, character 0
    { 14,    127,     64,  128,   ALPHA_COLOUR_KEY},  // portrait, character 1
    { 15,    129,     64,  128,   ALPHA_COLOUR_KEY},  // portrait, character 2
    { 16,    130,    256,   64,   ALPHA_FROM_RED},    // highlight bar and name-entry banner
    {  1,    102,    256,  128,   ALPHA_COLOUR_KEY},  // colour atlas, character 2
    {  2,    109,    256,  128,   ALPHA_COLOUR_KEY},  // colour atlas, character 0
    {  3,    114,    256,  128,   ALPHA_COLOUR_KEY},  // colour atlas, character 1
    {  4,    111,    256,  128,   ALPHA_OPAQUE},      // mask atlas, character 2
    {  5,    112,    256,  128,   ALPHA_OPAQUE},      // mask atlas, character 0
    {  6,    115,    256,  128,   ALPHA_OPAQUE},      // mask atlas, character 1
    {  7,    104,     16,  128,   ALPHA_OPAQUE},      // barrel side
    {  8,    105,     64,   64,   ALPHA_OPAQUE},      // barrel ends
    {  9,    106,    128,  128,   ALPHA_OPAQUE},      // tower boxes and stair flights
    { 10,    107,      8,    8,   ALPHA_FROM_RED},    // flame sprite and sparks
    { 11,    108,     16,  128,   ALPHA_OPAQUE},      // corner posts
    { 12,    110,    128,  128,   ALPHA_COLOUR_KEY},  // cage bars
    { 17,    116,    128,  256,   ALPHA_COLOUR_KEY},  // the slide show's still
    { 18,    131,    256,  512,   ALPHA_FROM_RED},    // intro crawl, character 0
    { 19,    159,    256,  512,   ALPHA_FROM_RED},    // intro crawl, character 1
    { 20,    160,    256,  512,   ALPHA_FROM_RED},    // intro crawl, character 2
};

static void CompileOverlayProjection(int width, int height) {
    // The size at set-up stays compiled in: a saver window never changes size.
    glNewList(ORTHO_OVERLAY_LIST, GL_COMPILE);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEndList();
}

void InitScene() {
    for (uint32_t &slot : textureSlots) slot = TEXTURE_SLOT_EMPTY;
    for (const TextureSlotEntry &entry : textureTable)
        LoadTexture(entry.bitmapId, entry.slot, entry.width, entry.height, entry.alphaMode);

    BuildSceneLists();

    // The title screen's cast: the captain plays, the general throws, the heroine waits.
    InitPlayer(playerController, characterB);
    InitApe(apeController, characterA);
    InitCaptive(captiveController, characterC);

    if (lightingFx)
        SetUpTorchLights();
    else
        SetUpFixedLight();

    LoadFont();
    CompileOverlayProjection(W(), H());
    SetUpSlideShow();
    BuildTickerTexts();
}

void ReleaseScene() { ReleaseTextures(); }
