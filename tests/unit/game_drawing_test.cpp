// game_drawing_test.cpp -- character drawing measured in feedback mode: parts on their pivots, mirroring
#include <algorithm>
#include <cmath>
#include <vector>

#include "common/gl.h"
#include "game/character.h"
#include "tests/support/feedback_capture.h"
#include "tests/support/game_driver.h"

namespace {

CharacterRecord figure;

// Every vertex drawn for the figure, in its model units (drawn at a tenth to fit the capture).
std::vector<Vec2> DrawnVertices() {
    std::vector<Vec2> points;
    for (const FeedbackPrimitive &p : CaptureFeedback([] {
             glScalef(0.1f, 0.1f, 0.1f);
             DrawCharacter(figure);
         }))
        for (int i = 0; i < p.vertexCount; ++i) points.push_back(Vec2{p.vertex[i].x * 10.0f, p.vertex[i].y * 10.0f});
    return points;
}

bool Near(Vec2 a, Vec2 b) { return std::fabs(a.x - b.x) < 0.02f && std::fabs(a.y - b.y) < 0.02f; }
bool Holds(const std::vector<Vec2> &all, Vec2 p) {
    return std::any_of(all.begin(), all.end(), [&](Vec2 q) { return Near(p, q); });
}

}  // namespace

TEST_F(GameTest, DrawingRestPoseHasEveryPartAnchoredOnItsPivot) {
    for (CharacterRecord *record : {&characterA, &characterB, &characterC}) {
        figure = *record;
        ResetCharacter(figure);
        figure.pivot[1] = Vec2{50.0f, 20.0f};
        figure.z = 0.0f;
        const Vec2 origin{50.0f, 20.0f + figure.verticalDrawOffset / CHARACTER_SCALE};
        std::vector<Vec2> expected;
        for (int part = 1; part < CHARACTER_PARTS; ++part) {
            // Forearms and shins hang from their parent's pivot, everything else from the body's.
            Vec2 pivot = part == 1 ? Vec2{0.0f, 0.0f} : figure.pivot[part];
            if (part == 4 || part == 6 || part == 8 || part == 10)
                pivot = Vec2{pivot.x + figure.pivot[part - 1].x, pivot.y + figure.pivot[part - 1].y};
            for (const Vec2 &corner : figure.vertex[part])
                expected.push_back(Vec2{origin.x + pivot.x + corner.x, origin.y + pivot.y + corner.y});
        }
        const std::vector<Vec2> drawn = DrawnVertices();
        EXPECT_EQ(drawn.size(), 10u * 2 * 2 * 3) << "ten parts, a mask and a colour pass, two triangles each";
        for (const Vec2 &p : drawn) EXPECT_TRUE(Holds(expected, p)) << "stray vertex (" << p.x << ", " << p.y << ")";
        for (const Vec2 &e : expected) EXPECT_TRUE(Holds(drawn, e)) << "corner (" << e.x << ", " << e.y << ") not drawn";
    }
}

TEST_F(GameTest, DrawingFacingLeftIsTheExactMirrorImage) {
    figure = characterC;
    ResetCharacter(figure);
    figure.pivot[1] = Vec2{-30.0f, 10.0f};
    figure.z = 0.0f;
    figure.value[3] = 35.0f;  // an arm raised, so the figure is not symmetric
    figure.value[8] = -20.0f;
    const std::vector<Vec2> right = DrawnVertices();
    figure.facingLeft = 1;
    std::vector<Vec2> left = DrawnVertices();
    ASSERT_EQ(left.size(), right.size());
    for (Vec2 &p : left) EXPECT_TRUE(Holds(right, Vec2{2.0f * -30.0f - p.x, p.y})) << p.x << ", " << p.y;
}
