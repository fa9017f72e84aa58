// tower_geometry_test.cpp -- what the box, tower, stair, barrel and cage lists draw, measured in feedback mode
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "assets/display_lists.h"
#include "assets/texture_loader.h"
#include "common/gl.h"
#include "game/rope_cage.h"
#include "render/torches.h"
#include "render/tower_geometry.h"
#include "tests/support/feedback_capture.h"
#include "tests/support/scene_harness.h"

namespace {

Box3 Span(float x0, float x1, float y0, float y1, float z0, float z1) { return Box3{{x0, y0, z0}, {x1, y1, z1}}; }

void ExpectBox(const Box3 &got, const Box3 &want, const char *what) {
    const float got6[6] = {got.low.x, got.high.x, got.low.y, got.high.y, got.low.z, got.high.z};
    const float want6[6] = {want.low.x, want.high.x, want.low.y, want.high.y, want.low.z, want.high.z};
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(got6[i], want6[i], 2e-3f) << what << ", bound " << i;
}

class TowerGeometry : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenTestScene(TestSceneOptions{64, 48, 1, 1, 1}));
        ropeCage.ropeDrop = 0.0f;
    }
    void TearDown() override { CloseTestScene(); }
};

}  // namespace

TEST_F(TowerGeometry, UnitBoxesHaveNoBackAndOnlyTheClosedOneABottom) {
    const auto open = CaptureFeedback([] { glCallList(OPEN_BOX_LIST); });
    const auto closed = CaptureFeedback([] { glCallList(CLOSED_BOX_LIST); });
    for (const auto &[box, triangles, bottom] : {std::tuple{&open, 8u, 0u}, std::tuple{&closed, 10u, 2u}}) {
        ExpectBox(BoundsOf(*box), Span(-1, 1, -1, 1, -1, 1), "unit box");
        EXPECT_EQ(box->size(), triangles);
        EXPECT_EQ(InsideBox(*box, Span(-1, 1, -1, 1, -1, -1)).size(), 0u) << "back";
        EXPECT_EQ(InsideBox(*box, Span(-1, 1, -1, -1, -1, 1)).size(), bottom) << "bottom";
    }
}

TEST_F(TowerGeometry, TorchesHangOnBlockFacesAndStairsClimbTowardTheirOrigin) {
    const auto tower = CaptureFeedback([] { glCallList(TOWER_LIST); });
    // Each torch sits on the front face of a block, half a unit below the block's top edge.
    for (const Torch &torch : torches) {
        const Vec3 &t = torch.position;
        const Box3 face = BoundsOf(InsideBox(tower, Span(-8, 8, t.y - 3.0f, t.y + 0.5f, t.z, t.z)));
        EXPECT_TRUE(std::fabs(face.high.y - t.y - 0.5f) < 2e-3f && face.low.x <= t.x && face.high.x >= t.x)
            << t.x << ", " << t.y << ", " << t.z;
    }
    // Nothing else pokes out: the right-hand barrel on the plate (0.63 round
    // its axis at 7.55) and the top of the stack are the outermost points.
    ExpectBox(BoundsOf(tower), Span(-8, 8.18f, -1.5f, 18.85f, -7.5f, 2), "whole tower");
    // Treads half a unit apart, each half a unit shorter, all reaching the
    // flight's origin: x 3 for flight 0, x -3 for the mirrored flight 1.
    for (int step = 0; step < 5; ++step) {
        const float top0 = -1.0f + 0.5f * step, top1 = top0 + 3.0f, end = 5.5f - 0.5f * step;
        const Box3 flight[2][2] = {{Span(3, 5.5f, top0, top0, 1, 2), Span(3, end, top0, top0, 1, 2)},
                                   {Span(-5.5f, -3, top1, top1, -1, 0), Span(-end, -3, top1, top1, -1, 0)}};
        for (const auto &[within, tread] : flight) {
            const auto inside = InsideBox(tower, within);
            ASSERT_EQ(inside.size(), 2u) << "tread " << step;
            ExpectBox(BoundsOf(inside), tread, "tread");
        }
    }
}

TEST_F(TowerGeometry, BarrelEndsAreDishedAndItsScaleCompoundsWithoutAPop) {
    const auto barrel = CaptureFeedback([] { glCallList(BARREL_LIST); });
    // The ends are dished: their centres lie 0.05 (scaled, 0.045) inside the rims.
    EXPECT_NEAR(BoundsOf(InsideBox(barrel, Span(-1, 1, 0.8f, 0.9f, -1, 1))).low.y, 0.855f, 2e-3f);
    const auto twice = CaptureFeedback([] {
        glCallList(BARREL_LIST);
        glCallList(BARREL_LIST);
    });
    ASSERT_EQ(twice.size(), 2 * barrel.size());
    const std::vector<FeedbackPrimitive> second(twice.begin() + static_cast<long>(barrel.size()), twice.end());
    EXPECT_NEAR(BoundsOf(second).high.y, 0.81f, 2e-3f);
}

TEST_F(TowerGeometry, CageHangsBelowThePlateAndRisesWithTheRope) {
    for (float drop : {0.0f, 1.5f}) {
        ropeCage.ropeDrop = drop;
        const auto cage = CaptureFeedback([] {
            DrawCageRearPart();
            DrawCageFrontPart();
        });
        ExpectBox(BoundsOf(cage), Span(5, 7, 7.5f + drop, 10.25f + drop, -6.5f, -4.5f), "cage");
        EXPECT_EQ(InsideBox(cage, Span(5, 7, 7.5f + drop, 7.5f + drop, -7, -4)).size(), 0u) << "no floor";
        const auto line = CaptureFeedback(DrawCageLine);
        ASSERT_EQ(line.size(), 1u);
        ExpectBox(BoundsOf(line), Span(6, 6, 10.25f + drop, 15, -5.5f, -5.5f), "hanging line");
    }
}

TEST(TowerDetail, TowerBoxesAreTexturedOnlyWithFullDetailAndUpright) {
    for (int detail : {0, 1}) {
        ASSERT_TRUE(OpenTestScene(TestSceneOptions{64, 48, 1, detail, 1}));
        textures.slots[TEXTURE_STONE] = QuadrantTexture();
        LoadOverlayProjection(2, 2);  // the box's front face fills the view
        glTranslatef(1.0f, 1.0f, 0.0f);
        glDisable(GL_LIGHTING);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glColor3f(1.0f, 1.0f, 1.0f);
        DrawTowerBox(1.0f, 1.0f, 0.5f, TEXTURE_STONE);
        // With its texture the face shows it upright: red and green above, blue and white below.
        const struct { int x, y; bool red, green; } corners[] = {{16, 36, 1, 0}, {48, 36, 0, 1}, {16, 12, 0, 0}, {48, 12, 1, 1}};
        for (const auto &c : corners) {
            const Rgba p = PixelAt(c.x, c.y);
            EXPECT_EQ(p.r > 200, c.red || !detail) << "detail " << detail << ", corner " << c.x << ", " << c.y;
            EXPECT_EQ(p.g > 200, c.green || !detail) << "detail " << detail << ", corner " << c.x << ", " << c.y;
        }
        CloseTestScene();
    }
}
