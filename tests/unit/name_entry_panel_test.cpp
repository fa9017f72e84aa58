// name_entry_panel_test.cpp -- the dashes of the name field show only on its free places
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "assets/bitmap_font.h"
#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "game/game_state.h"
#include "render/screens_hud.h"
#include "settings/settings_store.h"
#include "tests/support/scene_harness.h"

namespace {

const int WIDTH = 640, HEIGHT = 480;
const int FIELD_LEFT = (WIDTH - 200) / 2;  // the field's ten 20-pixel places start here
const int FIELD_Y = (HEIGHT - 100) / 2;

class NameEntryPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenTestScene(TestSceneOptions{WIDTH, HEIGHT}));
        textures.slots[TEXTURE_HIGHLIGHT] = SolidTexture(255, 255, 255, 0);  // a clear banner, so only the field shows
        flow.gameState = STATE_NAME_ENTRY;
        overlay.tickerX = 5000.0f;  // the ticker off to the right
        frameInput.dt = 0.0f;
    }
    void TearDown() override { CloseTestScene(); }
    // Lit pixels of each of the field's ten places and of three more to its right, as the panel draws them, or
    // with the given name drawn alone, without the dashes.
    std::vector<int> LitPerPlace(const char *alone = nullptr) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        LoadOverlayProjection(WIDTH, HEIGHT);
        if (alone) {
            glTranslatef(static_cast<float>(FIELD_LEFT + 10), static_cast<float>(FIELD_Y), 0.0f);
            DrawText3D(alone, 20.0f, 1.0f);
        } else {
            DrawOverlay();
        }
        std::vector<int> lit(13, 0);
        for (int place = 0; place < 13; ++place)
            for (int y = FIELD_Y - 9; y <= FIELD_Y + 9; ++y)
                for (int x = FIELD_LEFT + place * 20 + 1; x < FIELD_LEFT + place * 20 + 19; ++x)
                    lit[place] += !IsBlack(PixelAt(x, y));
        return lit;
    }
};

TEST_F(NameEntryPanelTest, DashesShowOnlyOnThePlacesTheNameLeavesFreeAndNothingPastTheTenth) {
    settings.highScoreName[0] = 0;  // the default holder has a name
    const std::vector<int> dashes = LitPerPlace();
    for (int place = 0; place < 10; ++place) {
        EXPECT_GT(dashes[place], 4) << place;
        EXPECT_EQ(dashes[place], dashes[0]) << place;  // the same dash glyph at every place
    }
    for (const char *name : {"KVRN123", "ABCDEFGHIJ"}) {
        const std::vector<int> alone = LitPerPlace(name);
        std::strcpy(settings.highScoreName, name);
        const std::vector<int> places = LitPerPlace();
        const int length = static_cast<int>(std::strlen(name));
        for (int place = 0; place < 10; ++place) {
            if (place < length) {
                EXPECT_GT(alone[place], 4) << name << place;
                EXPECT_EQ(places[place], alone[place]) << name << place;  // the letter, and no dash under it
            } else {
                EXPECT_EQ(places[place], dashes[place]) << name << place;
            }
        }
    }
    std::memset(settings.highScoreName, 'W', HIGH_SCORE_NAME_SIZE);  // a stored name of twelve bytes, no terminator
    const std::vector<int> lit = LitPerPlace();
    EXPECT_EQ(lit[10] + lit[11] + lit[12], 0);
}

}  // namespace
