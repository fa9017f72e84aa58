// game_drawing_test.cpp -- character drawing offscreen: parts on their pivots, mirroring, the state left behind
#include <algorithm>
#include <cmath>
#include <vector>

#include "common/gl.h"
#include "game/character.h"
#include "game/player.h"
#include "tests/support/game_driver.h"
#include "tests/support/gl_state_contract.h"

namespace {

struct Point {
    float x, y;
};

// Draws the record in feedback mode under a projection that maps model units
// one to one onto window units, and returns every vertex drawn (model units).
std::vector<Point> DrawnVertices(const CharacterRecord &record) {
    static GLfloat buffer[8192];
    glViewport(0, 0, 800, 800);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-400, 400, -400, 400, -1000, 1000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glFeedbackBuffer(8192, GL_3D, buffer);
    glRenderMode(GL_FEEDBACK);
    DrawCharacter(record);
    const GLint size = glRenderMode(GL_RENDER);
    std::vector<Point> points;
    for (GLint i = 0; i < size;) {
        const GLint token = static_cast<GLint>(buffer[i++]);
        if (token != GL_POLYGON_TOKEN) {
            ADD_FAILURE() << "unexpected feedback token " << token;
            break;
        }
        const GLint count = static_cast<GLint>(buffer[i++]);
        for (GLint k = 0; k < count; ++k, i += 3) points.push_back(Point{buffer[i] - 400.0f, buffer[i + 1] - 400.0f});
    }
    return points;
}

bool Near(Point a, Point b) { return std::fabs(a.x - b.x) < 0.01f && std::fabs(a.y - b.y) < 0.01f; }

// Where a part's pivot lies in the figure's frame: children hang from their parent's pivot.
Point PartPivot(const CharacterRecord &r, int part) {
    if (part == 1) return Point{0, 0};
    const bool child = part == 4 || part == 6 || part == 8 || part == 10;
    Point p{r.pivot[part].x, r.pivot[part].y};
    if (child) p = Point{p.x + r.pivot[part - 1].x, p.y + r.pivot[part - 1].y};
    return p;
}

}  // namespace

TEST_F(GameTest, DrawingRestPoseHasEveryPartAnchoredOnItsPivot) {
    for (CharacterRecord *record : {&characterA, &characterB, &characterC}) {
        CharacterRecord r = *record;
        ResetCharacter(r);
        r.pivot[1] = Vec2{50.0f, 20.0f};
        r.z = 0.0f;
        const Point origin{50.0f, 20.0f + r.verticalDrawOffset / CHARACTER_SCALE};
        std::vector<Point> expected;
        for (int part = 1; part < CHARACTER_PARTS; ++part) {
            const Point pivot = PartPivot(r, part);
            for (int corner = 0; corner < 4; ++corner)
                expected.push_back(Point{origin.x + pivot.x + r.vertex[part][corner].x,
                                         origin.y + pivot.y + r.vertex[part][corner].y});
        }
        const std::vector<Point> drawn = DrawnVertices(r);
        EXPECT_EQ(drawn.size(), 10u * 2 * 2 * 3) << "ten parts, a mask and a colour pass, two triangles each";
        auto in = [](const std::vector<Point> &all, Point p) {
            return std::any_of(all.begin(), all.end(), [&](Point q) { return Near(p, q); });
        };
        for (const Point &p : drawn) EXPECT_TRUE(in(expected, p)) << "stray vertex (" << p.x << ", " << p.y << ")";
        for (const Point &e : expected) EXPECT_TRUE(in(drawn, e)) << "corner (" << e.x << ", " << e.y << ") not drawn";
    }
}

TEST_F(GameTest, DrawingFacingLeftIsTheExactMirrorImage) {
    CharacterRecord r = characterC;
    ResetCharacter(r);
    r.pivot[1] = Vec2{-30.0f, 10.0f};
    r.z = 0.0f;
    r.value[3] = 35.0f;  // an arm raised, so the figure is not symmetric
    r.value[8] = -20.0f;
    std::vector<Point> right = DrawnVertices(r);
    r.facingLeft = 1;
    std::vector<Point> left = DrawnVertices(r);
    ASSERT_EQ(left.size(), right.size());
    for (Point &p : left) p.x = 2.0f * -30.0f - p.x;  // mirror back about the position
    auto order = [](Point a, Point b) { return a.x != b.x ? a.x < b.x : a.y < b.y; };
    std::sort(left.begin(), left.end(), order);
    std::sort(right.begin(), right.end(), order);
    for (size_t i = 0; i < left.size(); ++i) EXPECT_TRUE(Near(left[i], right[i])) << i;
}

TEST_F(GameTest, DrawingLeavesTheStateContractWhateverItFound) {
    CharacterRecord r = characterA;
    r.holdingObject = 1;  // the barrel in the hand switches texturing and emission in between
    const GLfloat glow[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    glMaterialfv(GL_FRONT, GL_EMISSION, glow);  // the back face is not the routine's business
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glBlendFunc(GL_ONE, GL_ONE);
    GLint depthBefore = 0, depthAfter = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
    DrawCharacter(r);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    EXPECT_EQ(depthAfter, depthBefore);
    EXPECT_TRUE(GlStateContractHolds()) << "after DrawCharacter";
}
