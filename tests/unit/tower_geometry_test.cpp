// tower_geometry_test.cpp -- what the box, tower, stair, barrel and cage lists draw, measured in feedback mode
#include <gtest/gtest.h>

#include <cmath>

#include "assets/display_lists.h"
#include "assets/texture_loader.h"
#include "common/gl.h"
#include "game/rope_cage.h"
#include "render/tower_geometry.h"
#include "tests/support/feedback_capture.h"
#include "tests/support/gl_state_contract.h"
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
    for (const auto *box : {&open, &closed}) {
        ExpectBox(BoundsOf(*box), Span(-1, 1, -1, 1, -1, 1), "unit box");
        EXPECT_EQ(InsideBox(*box, Span(-1, 1, -1, 1, -1, -1)).size(), 0u) << "back";
    }
    EXPECT_EQ(open.size(), 8u);
    EXPECT_EQ(closed.size(), 10u);
    EXPECT_EQ(InsideBox(open, Span(-1, 1, -1, -1, -1, 1)).size(), 0u) << "bottom";
    EXPECT_EQ(InsideBox(closed, Span(-1, 1, -1, -1, -1, 1)).size(), 2u) << "bottom";
}

TEST_F(TowerGeometry, TowerPiecesCoverTheirSpansAndStairsClimbTowardTheirOrigin) {
    const auto tower = CaptureFeedback([] { glCallList(TOWER_LIST); });
    EXPECT_TRUE(GlStateContractHolds()) << "after the tower";
    const struct {
        const char *name;
        Box3 span;
    } pieces[] = {
        {"floor slab 1", Span(-8, 8, -1.5f, 1.5f, -1, 1)},     {"floor slab 2", Span(-8, 8, 1.5f, 4.5f, -3, -1)},
        {"floor slab 3a", Span(-8, 8, 4.5f, 7.5f, -5, -3)},    {"floor slab 3b", Span(-8, 8, 4.5f, 7.5f, -7, -5)},
        {"floor slab 4", Span(-8, 1, 7.5f, 10.5f, -7, -5)},    {"front block 0", Span(-8, 3, -1.5f, 1.5f, 1, 2)},
        {"front block 1", Span(-3, 8, 1.5f, 4.5f, -1, 0)},     {"front block 2", Span(-8, 3, 4.5f, 7.5f, -3, -2)},
        {"front block 3", Span(-3, 1, 7.5f, 10.5f, -5, -4)},   {"stair flight 0", Span(3, 5.5f, -1.5f, 1, 1, 2)},
        {"stair flight 1", Span(-5.5f, -3, 1.5f, 4, -1, 0)},   {"stair flight 2", Span(3, 5.5f, 4.5f, 7, -3, -2)},
        {"stair flight 3", Span(-5.5f, -3, 7.5f, 10, -5, -4)}, {"top plate", Span(0.9f, 8.1f, 14.75f, 15.25f, -7.5f, -4.5f)},
        {"a front post", Span(0.975f, 1.225f, 7.45f, 15.05f, -4.875f, -4.625f)},
        {"a rear post", Span(7.775f, 8.025f, 7.45f, 15.05f, -7.375f, -7.125f)},
    };
    for (const auto &piece : pieces) {
        const auto inside = InsideBox(tower, piece.span);
        ASSERT_GE(inside.size(), 8u) << piece.name;
        ExpectBox(BoundsOf(inside), piece.span, piece.name);
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

TEST_F(TowerGeometry, BarrelMeasuresAndItsScaleCompoundsWithoutAPop) {
    const auto barrel = CaptureFeedback([] { glCallList(BARREL_LIST); });
    EXPECT_TRUE(GlStateContractHolds()) << "after a barrel";
    EXPECT_EQ(barrel.size(), 14u * 3u * 2u + 2u * 14u) << "14 segments of three bands, two fans";
    const auto Widest = [](const std::vector<FeedbackPrimitive> &triangles) {
        float widest = 0.0f;
        for (const FeedbackPrimitive &t : triangles)
            for (const Vec3 &v : t.vertex) widest = std::max(widest, std::hypot(v.x, v.z));
        return 2.0f * widest;
    };
    EXPECT_NEAR(Widest(barrel), 1.26f, 2e-3f);
    // The ends are dished: their centres lie 0.05 (scaled, 0.045) inside the rims.
    const auto top = InsideBox(barrel, Span(-1, 1, 0.8f, 0.9f, -1, 1));
    const auto bottom = InsideBox(barrel, Span(-1, 1, -0.9f, -0.8f, -1, 1));
    EXPECT_EQ(top.size(), 14u);
    EXPECT_NEAR(Widest(top), 0.9f, 2e-3f) << "across the end";
    EXPECT_NEAR(BoundsOf(top).low.y, 0.855f, 2e-3f);
    EXPECT_EQ(bottom.size(), 14u);
    EXPECT_NEAR(BoundsOf(bottom).high.y, -0.855f, 2e-3f);
    const auto twice = CaptureFeedback([] {
        glCallList(BARREL_LIST);
        glCallList(BARREL_LIST);
    });
    ASSERT_EQ(twice.size(), 2 * barrel.size());
    const std::vector<FeedbackPrimitive> second(twice.begin() + static_cast<long>(barrel.size()), twice.end());
    EXPECT_NEAR(BoundsOf(second).low.y, -0.81f, 2e-3f);
    EXPECT_NEAR(BoundsOf(second).high.y, 0.81f, 2e-3f);
    EXPECT_NEAR(Widest(second), 1.26f * 0.9f, 2e-3f);
}

TEST_F(TowerGeometry, CageHangsBelowThePlateAndRisesWithTheRope) {
    for (float drop : {0.0f, 1.5f}) {
        ropeCage.ropeDrop = drop;
        const auto cage = CaptureFeedback([] {
            DrawCageRearPart();
            DrawCageFrontPart();
        });
        ExpectBox(BoundsOf(cage), Span(5, 7, 7.5f + drop, 10.25f + drop, -6.5f, -4.5f), "cage");
        EXPECT_EQ(cage.size(), 10u);
        EXPECT_EQ(InsideBox(cage, Span(5, 7, 7.5f + drop, 7.5f + drop, -7, -4)).size(), 0u) << "no floor";
        EXPECT_TRUE(GlStateContractHolds()) << "after the cage";
        const auto line = CaptureFeedback(DrawCageLine);
        ASSERT_EQ(line.size(), 1u);
        ExpectBox(BoundsOf(line), Span(6, 6, 10.25f + drop, 15, -5.5f, -5.5f), "hanging line");
        DrawRopeCageAndTorches();
        EXPECT_TRUE(GlStateContractHolds()) << "after the rope, cage and torch pass";
    }
    ropeCage.ropeDrop = 0.0f;
}

TEST(TowerDetail, TowerBoxesAreTexturedOnlyWithFullDetail) {
    for (int detail : {0, 1}) {
        ASSERT_TRUE(OpenTestScene(TestSceneOptions{64, 48, 1, detail, 1}));
        glBindTexture(GL_TEXTURE_2D, 4242);
        glEnable(GL_TEXTURE_2D);
        glCallList(OPEN_BOX_LIST);
        EXPECT_EQ(glIsEnabled(GL_TEXTURE_2D) == GL_TRUE, detail == 0) << "detail " << detail;
        glDisable(GL_TEXTURE_2D);
        DrawTowerBox(1, 1, 1, TEXTURE_STONE);
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(static_cast<GLuint>(bound), detail ? textures.slots[TEXTURE_STONE] : 4242u) << "detail " << detail;
        CloseTestScene();
    }
}
