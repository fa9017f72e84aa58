// scene_setup.cpp -- texture slot table, display lists, default cast, lighting and overlay projection at set-up
#include "render/scene_setup.h"

#include "assets/bitmap_font.h"
#include "assets/display_lists.h"
#include "assets/slide_show.h"
#include "assets/texture_loader.h"
#include "common/gl.h"
#include "game/ape.h"
#include "game/character.h"
#include "game/player.h"
#include "game/rope_cage.h"
#include "render/gl_setup.h"
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

// In load order. TEXTURE_STILL holds bitmap 116 only until the slide show puts its first still there.
static const TextureSlotEntry textureTable[TEXTURE_SLOT_COUNT] = {
    // slot                      bitmap  width height  alpha mode
    {TEXTURE_LOGO,               101,    256,   32,   ALPHA_COLOUR_KEY},
    {TEXTURE_PORTRAIT_CAPTAIN,   128,     64,  128,   ALPHA_COLOUR_KEY},
    {TEXTURE_PORTRAIT_HEROINE,   127,     64,  128,   ALPHA_COLOUR_KEY},
    {TEXTURE_PORTRAIT_GENERAL,   129,     64,  128,   ALPHA_COLOUR_KEY},
    {TEXTURE_HIGHLIGHT,          130,    256,   64,   ALPHA_FROM_RED},
    {TEXTURE_COLOUR_GENERAL,     102,    256,  128,   ALPHA_COLOUR_KEY},
    {TEXTURE_COLOUR_CAPTAIN,     109,    256,  128,   ALPHA_COLOUR_KEY},
    {TEXTURE_COLOUR_HEROINE,     114,    256,  128,   ALPHA_COLOUR_KEY},
    {TEXTURE_MASK_GENERAL,       111,    256,  128,   ALPHA_OPAQUE},
    {TEXTURE_MASK_CAPTAIN,       112,    256,  128,   ALPHA_OPAQUE},
    {TEXTURE_MASK_HEROINE,       115,    256,  128,   ALPHA_OPAQUE},
    {TEXTURE_BARREL_SIDE,        104,     16,  128,   ALPHA_OPAQUE},
    {TEXTURE_BARREL_ENDS,        105,     64,   64,   ALPHA_OPAQUE},
    {TEXTURE_STONE,              106,    128,  128,   ALPHA_OPAQUE},
    {TEXTURE_FLAME,              107,      8,    8,   ALPHA_FROM_RED},
    {TEXTURE_POSTS,              108,     16,  128,   ALPHA_OPAQUE},
    {TEXTURE_CAGE,               110,    128,  128,   ALPHA_COLOUR_KEY},
    {TEXTURE_STILL,              116,    128,  256,   ALPHA_COLOUR_KEY},
    {TEXTURE_CRAWL_CAPTAIN,      131,    256,  512,   ALPHA_FROM_RED},
    {TEXTURE_CRAWL_HEROINE,      159,    256,  512,   ALPHA_FROM_RED},
    {TEXTURE_CRAWL_GENERAL,      160,    256,  512,   ALPHA_FROM_RED},
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
    for (uint32_t &slot : textures.slots) slot = TEXTURE_SLOT_EMPTY;
    for (const TextureSlotEntry &entry : textureTable)
        LoadTexture(entry.bitmapId, entry.slot, entry.width, entry.height, entry.alphaMode);

    BuildSceneLists();

    // The title screen's cast: the captain plays, the general throws, the heroine waits.
    InitPlayer(playerController, characterB);
    InitApe(apeController, characterA);
    InitCaptive(captiveController, characterC);

    if (settings.lightingFx)
        SetUpTorchLights();
    else
        SetUpFixedLight();

    LoadFont();
    CompileOverlayProjection(W(), H());
    SetUpSlideShow();
    BuildTickerTexts();
}

void ReleaseScene() { ReleaseTextures(); }
