// fresh_program.cpp -- every test starts from the program's start state, whatever ran before it in the process
#include <gtest/gtest.h>

#include "assets/flying_text.h"
#include "assets/resource_bytes_fake.h"
#include "assets/slide_show.h"
#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "common/message_box_fake.h"
#include "common/random.h"
#include "game/ape.h"
#include "game/game_state.h"
#include "game/player.h"
#include "game/rope_cage.h"
#include "host/clock_fake.h"
#include "host/game_calls.h"
#include "host/saver_host.h"
#include "render/frame_renderer.h"
#include "render/gl_setup.h"
#include "render/screens_hud.h"
#include "render/torches.h"
#include "settings/registry_fake.h"
#include "settings/score_socket_fake.h"
#include "settings/settings_store.h"

namespace {

template <typename... Records>
void ResetToDefaults(Records &...records) {
    ((records = Records{}), ...);
}

// Every record to its defaults; then the records built at program start, drawing
// from the generator's unseeded state as the saver does.
void ResetProgram() {
    SeedRandom(1);
    ResetToDefaults(frameInput, settings, textures, slideShow, intro, gameMessage, flow, ropeCage, playerController,
                    playClock, apeController, captiveController, view, overlay, clientRect, saverHost);
    for (ThrownObject &object : thrownObjects) object = ThrownObject{};
    for (Torch &torch : torches) torch = Torch{};
    ConstructProgramRecords();
    SetScriptedClock(0.0);
    ClearFakeRegistry();
    ClearFakeMessageLog();
    ClearTestBitmapResources();
    ResetFakeScoreSockets();
}

class FreshProgram : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override { ResetProgram(); }
};

const bool installed = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshProgram);
    return true;
}();

}  // namespace
