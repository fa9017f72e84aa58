// tower_geometry_test.cpp -- what the tower, box, stair, barrel and cage lists actually draw, measured in feedback mode
#include <gtest/gtest.h>

#include <cmath>

#include "assets/texture_loader.h"
#include "common/gl.h"
#include "game/rope_cage.h"
#include "render/scene_setup.h"
#include "render/tower_geometry.h"
#include "tests/support/feedback_capture.h"
#include "tests/support/gl_state_contract.h"
#include "tests/support/scene_harness.h"

namespace {

const float EPS = 2e-3f;

Box3 Span(float x0, float x1, float y0, float y1, float z0, float z1) { return Box3{{x0, y0, z0}, {x1, y1, z1}}; }

void ExpectBox(const Box3 &got, const Box3 &want, const char *what) {
    EXPECT_NEAR(got.low.x, want.low.x, EPS) << what;
    EXPECT_NEAR(got.high.x, want.high.x, EPS) << what;
    EXPECT_NEAR(got.low.y, want.low.y, EPS) << what;
    EXPECT_NEAR(got.high.y, want.high.y, EPS) << what;
    EXPECT_NEAR(got.low.z, want.low.z, EPS) << what;
    EXPECT_NEAR(got.high.z, want.high.z, EPS) << what;
}

// Triangles whose three vertices share one coordinate value on the given axis.
int FlatTrianglesAt(const std::vector<FeedbackPrimitive> &triangles, int axis, float value) {
    int count = 0;
    for (const FeedbackPrimitive &t : triangles) {
        bool flat = true;
        for (int i = 0; i < 3; ++i) {
            const Vec3 &p = t.vertex[i].position;
            const float c = axis == 0 ? p.x : axis == 1 ? p.y : p.z;
            flat = flat && std::fabs(c - value) < EPS;
        }
        count += flat;
    }
    return count;
}

class TowerGeometry : public ::testing::Test {
protected:
    void SetUp() override {
        TestSceneOptions options;
        options.width = 64;
        options.height = 48;
        options.fullDetail = 1;
        options.lightingFx = 1;
        ASSERT_TRUE(OpenTestScene(options));
        ropeDrop = 0.0f;
    }
    void TearDown() override { CloseTestScene(); }
};

}  // namespace

TEST_F(TowerGeometry, UnitBoxesSpanMinusOneToOneAndOnlyTheClosedBoxHasABottom) {
    const auto open = OnlyTriangles(CaptureFeedback([] { glCallList(OPEN_BOX_LIST); }));
    const auto closed = OnlyTriangles(CaptureFeedback([] { glCallList(CLOSED_BOX_LIST); }));
    ExpectBox(BoundsOf(open), Span(-1, 1, -1, 1, -1, 1), "open box");
    ExpectBox(BoundsOf(closed), Span(-1, 1, -1, 1, -1, 1), "closed box");
    EXPECT_EQ(open.size(), 8u);  // front, top, right, left: two triangles each
    EXPECT_EQ(closed.size(), 10u);
    for (const auto *box : {&open, &closed}) {
        EXPECT_EQ(FlatTrianglesAt(*box, 2, 1.0f), 2) << "front face";
        EXPECT_EQ(FlatTrianglesAt(*box, 2, -1.0f), 0) << "no back face";
        EXPECT_EQ(FlatTrianglesAt(*box, 1, 1.0f), 2) << "top face";
        EXPECT_EQ(FlatTrianglesAt(*box, 0, 1.0f), 2) << "right face";
        EXPECT_EQ(FlatTrianglesAt(*box, 0, -1.0f), 2) << "left face";
    }
    EXPECT_EQ(FlatTrianglesAt(open, 1, -1.0f), 0);
    EXPECT_EQ(FlatTrianglesAt(closed, 1, -1.0f), 2);
    // The texture is stretched once over each face.
    for (const FeedbackPrimitive &t : closed)
        for (const FeedbackVertex &v : t.vertex) {
            EXPECT_TRUE(v.texCoord[0] == 0.0f || v.texCoord[0] == 1.0f);
            EXPECT_TRUE(v.texCoord[1] == 0.0f || v.texCoord[1] == 1.0f);
        }
}

TEST_F(TowerGeometry, TowerPiecesCoverTheirSpans) {
    const auto tower = OnlyTriangles(CaptureFeedback([] { glCallList(TOWER_LIST); }));
    struct Piece {
        const char *name;
        Box3 span;
    };
    const Piece pieces[] = {
        {"floor slab 1", Span(-8, 8, -1.5f, 1.5f, -1, 1)},
        {"floor slab 2", Span(-8, 8, 1.5f, 4.5f, -3, -1)},
        {"floor slab 3a", Span(-8, 8, 4.5f, 7.5f, -5, -3)},
        {"floor slab 3b", Span(-8, 8, 4.5f, 7.5f, -7, -5)},
        {"floor slab 4", Span(-8, 1, 7.5f, 10.5f, -7, -5)},
        {"front block 0", Span(-8, 3, -1.5f, 1.5f, 1, 2)},
        {"front block 1", Span(-3, 8, 1.5f, 4.5f, -1, 0)},
        {"front block 2", Span(-8, 3, 4.5f, 7.5f, -3, -2)},
        {"front block 3", Span(-3, 1, 7.5f, 10.5f, -5, -4)},
        {"stair flight 0", Span(3, 5.5f, -1.5f, 1.0f, 1, 2)},
        {"stair flight 1", Span(-5.5f, -3, 1.5f, 4.0f, -1, 0)},
        {"stair flight 2", Span(3, 5.5f, 4.5f, 7.0f, -3, -2)},
        {"stair flight 3", Span(-5.5f, -3, 7.5f, 10.0f, -5, -4)},
        {"top plate", Span(0.9f, 8.1f, 14.75f, 15.25f, -7.5f, -4.5f)},
        {"front left post", Span(0.975f, 1.225f, 7.45f, 15.05f, -4.875f, -4.625f)},
        {"rear right post", Span(7.775f, 8.025f, 7.45f, 15.05f, -7.375f, -7.125f)},
    };
    for (const Piece &piece : pieces) {
        const auto inside = InsideBox(tower, piece.span);
        ASSERT_GE(inside.size(), 8u) << piece.name;
        ExpectBox(BoundsOf(inside), piece.span, piece.name);
    }
    // Nothing else pokes out: the right-hand barrel on the plate (0.63 round
    // its axis at 7.55) and the top of the stack are the outermost points.
    const Box3 all = BoundsOf(tower);
    ExpectBox(all, Span(-8, 7.55f + 0.63f, -1.5f, 17.95f + 0.9f, -7.5f, 2), "whole tower");
    // Each stair flight's step tops climb by half a unit toward the flight's origin.
    const auto flight0 = InsideBox(tower, Span(3, 5.5f, -1.5f, 1.0f, 1, 2));
    for (int step = 0; step < 5; ++step) {
        const float top = -1.0f + 0.5f * step;
        const auto tread = InsideBox(flight0, Span(3, 5.5f, top, top, 1, 2));
        ASSERT_EQ(tread.size(), 2u) << "tread " << step;
        const Box3 b = BoundsOf(tread);
        EXPECT_NEAR(b.low.x, 3.0f, EPS);
        EXPECT_NEAR(b.high.x, 5.5f - 0.5f * step, EPS);
    }
}

TEST_F(TowerGeometry, StairFlightsRiseTowardTheirOriginEitherWayRound) {
    const auto mirrored = OnlyTriangles(CaptureFeedback([] {
        glTranslatef(-3.0f, 0.0f, 0.0f);
        DrawStairFlight(true);
    }));
    const auto plain = OnlyTriangles(CaptureFeedback([] {
        glTranslatef(3.0f, 0.0f, 0.0f);
        DrawStairFlight(false);
    }));
    ExpectBox(BoundsOf(mirrored), Span(-5.5f, -3, -1.5f, 1.0f, -0.5f, 0.5f), "mirrored flight");
    ExpectBox(BoundsOf(plain), Span(3, 5.5f, -1.5f, 1.0f, -0.5f, 0.5f), "unmirrored flight");
    EXPECT_EQ(mirrored.size(), 40u);
    // The highest tread lies next to the origin.
    ExpectBox(BoundsOf(InsideBox(mirrored, Span(-10, 10, 1.0f, 1.0f, -1, 1))), Span(-3.5f, -3, 1, 1, -0.5f, 0.5f),
              "top tread, mirrored");
    ExpectBox(BoundsOf(InsideBox(plain, Span(-10, 10, 1.0f, 1.0f, -1, 1))), Span(3, 3.5f, 1, 1, -0.5f, 0.5f),
              "top tread");
}

TEST_F(TowerGeometry, BarrelIsDishedAndMirroredBelowAndItsScaleCompounds) {
    const auto primitives = CaptureFeedback([] { glCallList(BARREL_LIST); });
    const auto barrel = OnlyTriangles(primitives);
    const Box3 b = BoundsOf(barrel);
    EXPECT_NEAR(b.high.y - b.low.y, 1.8f, EPS);
    EXPECT_NEAR(b.low.y, -0.9f, EPS);
    // Widest at the bulge: 0.7 * 0.9 from the axis.
    float widest = 0.0f, widestAtRim = 0.0f;
    for (const FeedbackPrimitive &t : barrel)
        for (const FeedbackVertex &v : t.vertex) {
            const float r = std::hypot(v.position.x, v.position.z);
            widest = std::max(widest, r);
            if (std::fabs(std::fabs(v.position.y) - 0.9f) < EPS) widestAtRim = std::max(widestAtRim, r);
        }
    EXPECT_NEAR(2.0f * widest, 1.26f, EPS);
    EXPECT_NEAR(2.0f * widestAtRim, 0.9f, EPS);

    // The ends: centres 0.05 (scaled 0.045) inside the rims; both face outward;
    // the bottom's texture runs the other way round, so it is mirrored.
    int topFan = 0, bottomFan = 0;
    for (const FeedbackPrimitive &t : barrel) {
        const Vec3 &c = t.vertex[0].position;
        if (std::fabs(c.x) > EPS || std::fabs(c.z) > EPS || std::fabs(std::fabs(c.y) - 0.855f) > EPS) continue;
        const bool top = c.y > 0;
        const Vec3 &p = t.vertex[1].position, &q = t.vertex[2].position;
        const float ex = p.x - c.x, ez = p.z - c.z, fx = q.x - c.x, fz = q.z - c.z;
        const float facingY = ez * fx - ex * fz;  // y of the cross product (p - c) x (q - c)
        EXPECT_EQ(facingY > 0, top) << "end faces outward";
        for (int i = 1; i < 3; ++i) {
            const FeedbackVertex &v = t.vertex[i];
            EXPECT_NEAR(v.texCoord[0], 0.5f + v.position.x / 0.9f, EPS);
            EXPECT_NEAR(v.texCoord[1], top ? 0.5f + v.position.z / 0.9f : 0.5f - v.position.z / 0.9f, EPS);
        }
        ++(top ? topFan : bottomFan);
    }
    EXPECT_EQ(topFan, 14);
    EXPECT_EQ(bottomFan, 14);

    // The list leaves its scale in effect: a second call without a pop is 0.81 overall.
    const auto twice = OnlyTriangles(CaptureFeedback([] {
        glCallList(BARREL_LIST);
        glCallList(BARREL_LIST);
    }));
    ASSERT_EQ(twice.size(), 2 * barrel.size());
    const std::vector<FeedbackPrimitive> second(twice.begin() + static_cast<long>(barrel.size()), twice.end());
    EXPECT_NEAR(BoundsOf(second).high.y, 0.81f, EPS);
    EXPECT_NEAR(BoundsOf(second).low.y, -0.81f, EPS);
    glLoadIdentity();
}

TEST_F(TowerGeometry, CageHangsFromThePlateAndRisesWithTheRope) {
    EXPECT_FLOAT_EQ(cagePosition.x, 6.0f);
    EXPECT_FLOAT_EQ(cagePosition.y, 8.5f);
    EXPECT_FLOAT_EQ(cagePosition.z, -5.5f);
    for (float drop : {0.0f, 1.5f}) {
        ropeDrop = drop;
        const auto cage = CaptureFeedback([] {
            DrawCageRearPart();
            DrawCageFrontPart();
        });
        ExpectBox(BoundsOf(cage), Span(5, 7, 7.5f + drop, 10.25f + drop, -6.5f, -4.5f), "cage");
        EXPECT_EQ(cage.size(), 10u);  // five faces
        EXPECT_EQ(FlatTrianglesAt(cage, 1, 7.5f + drop), 0) << "the cage has no floor";
        EXPECT_TRUE(GlStateContractHolds()) << "after the cage";

        const auto line = CaptureFeedback(DrawCageLine);
        ASSERT_EQ(line.size(), 1u);
        ASSERT_EQ(line[0].vertexCount, 2);
        ExpectBox(BoundsOf(line), Span(6, 6, 10.25f + drop, 15, -5.5f, -5.5f), "hanging line");
    }
    ropeDrop = 0.0f;
}

TEST(TowerDetail, WithoutFullDetailTheTowerIsFlatColouredAndUntextured) {
    for (int detail : {0, 1}) {
        TestSceneOptions options;
        options.width = 64;
        options.height = 48;
        options.fullDetail = detail;
        ASSERT_TRUE(OpenTestScene(options));
        // Lighting off, so feedback reports the current colour itself.
        const auto tower = OnlyTriangles(CaptureFeedback([] {
            glDisable(GL_LIGHTING);
            glCallList(TOWER_LIST);
            glEnable(GL_LIGHTING);
        }));
        const float stone[3] = {detail ? 1.0f : 0.75f, detail ? 1.0f : 0.5f, detail ? 1.0f : 0.4f};
        const float post[3] = {detail ? 1.0f : 0.75f, detail ? 1.0f : 0.5f, detail ? 1.0f : 0.0f};
        const auto slab = InsideBox(tower, Span(-8, 8, -1.5f, 1.5f, -1, 1));
        const auto posts = InsideBox(tower, Span(0.975f, 1.225f, 7.45f, 15.05f, -4.875f, -4.625f));
        const auto barrels = InsideBox(tower, Span(5, 9, 15.25f, 19, -7, -4));
        ASSERT_FALSE(slab.empty());
        ASSERT_FALSE(posts.empty());
        ASSERT_FALSE(barrels.empty());
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(slab[0].vertex[0].colour[i], stone[i], 0.01f) << "detail " << detail;
            EXPECT_NEAR(posts[0].vertex[0].colour[i], post[i], 0.01f) << "detail " << detail;
            EXPECT_NEAR(barrels[0].vertex[0].colour[i], 1.0f, 0.01f) << "barrels stay white";
        }
        // A tower box binds its texture and enables texturing only with full detail.
        glBindTexture(GL_TEXTURE_2D, 4242);
        glEnable(GL_TEXTURE_2D);
        glCallList(OPEN_BOX_LIST);
        EXPECT_EQ(glIsEnabled(GL_TEXTURE_2D) == GL_TRUE, detail == 0) << "detail " << detail;
        glDisable(GL_TEXTURE_2D);
        DrawTowerBox(1, 1, 1, 9);
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(static_cast<GLuint>(bound), detail ? textureSlots[9] : 4242u) << "detail " << detail;
        CloseTestScene();
    }
}
