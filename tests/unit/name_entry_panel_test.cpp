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
#include "tests/support/screens_fixture.h"

namespace {

const int WIDTH = 640, HEIGHT = 480;
const int FIELD_LEFT = (WIDTH - 200) / 2;  // the field's ten 20-pixel places start here
const int FIELD_Y = (HEIGHT - 100) / 2;

class NameEntryPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenScreensContext(WIDTH, HEIGHT));
        for (int i = 0; i < TEXTURE_SLOT_COUNT; ++i) textures.slots[i] = TEXTURE_SLOT_EMPTY;
        textures.slots[TEXTURE_HIGHLIGHT] = SolidTexture(255, 255, 255, 0);  // a clear banner, so only the field shows
        LoadFont();
        flow.gameState = STATE_NAME_ENTRY;
        overlay.tickerX = 5000.0f;  // the ticker off to the right
        frameInput.dt = 0.0f;
    }
    void TearDown() override {
        flow.gameState = STATE_TITLE;
        std::strcpy(settings.highScoreName, "Quillon");
        CloseScreensContext();
    }
    // Lit pixels of each of the ten places, as the panel draws them.
    std::vector<int> PanelPlaces(const char *name) {
        std::strcpy(settings.highScoreName, name);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        LoadOverlayProjection(WIDTH, HEIGHT);
        DrawOverlay();
        return LitPerPlace();
    }
    // The same name drawn alone, without the dashes.
    std::vector<int> NameAlone(const char *name) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        LoadOverlayProjection(WIDTH, HEIGHT);
        glTranslatef(static_cast<float>(FIELD_LEFT + 10), static_cast<float>(FIELD_Y), 0.0f);
        DrawText3D(name, 20.0f, 1.0f);
        return LitPerPlace();
    }
    std::vector<int> LitPerPlace() {
        std::vector<int> lit(10, 0);
        for (int place = 0; place < 10; ++place)
            for (int y = FIELD_Y - 9; y <= FIELD_Y + 9; ++y)
                for (int x = FIELD_LEFT + place * 20 + 1; x < FIELD_LEFT + place * 20 + 19; ++x)
                    lit[place] += !IsBlack(PixelAt(x, y));
        return lit;
    }
};

TEST_F(NameEntryPanelTest, DashesShowOnlyOnThePlacesTheNameLeavesFree) {
    const std::vector<int> dashes = PanelPlaces("");
    for (int place = 0; place < 10; ++place) {
        EXPECT_GT(dashes[place], 4) << place;
        EXPECT_EQ(dashes[place], dashes[0]) << place;  // the same dash glyph at every place
    }
    for (const char *name : {"KVRN123", "ABCDEFGHIJ"}) {
        const std::vector<int> alone = NameAlone(name);
        const std::vector<int> places = PanelPlaces(name);
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
}

TEST_F(NameEntryPanelTest, AStoredNameOfTwelveBytesShowsOnlyTheFieldsTen) {
    std::memset(settings.highScoreName, 'W', HIGH_SCORE_NAME_SIZE);  // no terminator at all
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    LoadOverlayProjection(WIDTH, HEIGHT);
    DrawOverlay();
    int beyond = 0;
    for (int y = FIELD_Y - 9; y <= FIELD_Y + 9; ++y)
        for (int x = FIELD_LEFT + 201; x < FIELD_LEFT + 260; ++x) beyond += !IsBlack(PixelAt(x, y));
    EXPECT_EQ(beyond, 0);
}

}  // namespace
