// game_drawing_test.cpp -- character drawing: parts on their pivots, mirroring, clean edges over a flat background
#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>
#include <vector>

#include "assets/texture_loader.h"
#include "common/gl.h"
#include "game/character.h"
#include "host/game_calls.h"
#include "host/offscreen_context.h"
#include "render/scene_setup.h"
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

// The four corners of parts 1 to 10 of the figure, put in the rest pose at the
// given position (the drawing's vertical offset left out).
std::vector<Vec2> RestCorners(Vec2 position) {
    ResetCharacter(figure);
    figure.pivot[1] = position;
    figure.z = 0.0f;
    const Vec2 origin{position.x, position.y + figure.verticalDrawOffset / CHARACTER_SCALE};
    std::vector<Vec2> corners;
    for (int part = 1; part < CHARACTER_PARTS; ++part) {
        // Forearms and shins hang from their parent's pivot, everything else from the body's.
        Vec2 pivot = part == 1 ? Vec2{0.0f, 0.0f} : figure.pivot[part];
        if (part == 4 || part == 6 || part == 8 || part == 10)
            pivot = Vec2{pivot.x + figure.pivot[part - 1].x, pivot.y + figure.pivot[part - 1].y};
        for (const Vec2 &corner : figure.vertex[part])
            corners.push_back(Vec2{origin.x + pivot.x + corner.x, origin.y + pivot.y + corner.y});
    }
    return corners;
}

bool Near(Vec2 a, Vec2 b) { return std::fabs(a.x - b.x) < 0.02f && std::fabs(a.y - b.y) < 0.02f; }
bool Holds(const std::vector<Vec2> &all, Vec2 p) {
    return std::any_of(all.begin(), all.end(), [&](Vec2 q) { return Near(p, q); });
}

}  // namespace

TEST_F(GameTest, DrawingRestPoseHasEveryPartAnchoredOnItsPivot) {
    for (CharacterRecord *record : {&characterA, &characterB, &characterC}) {
        figure = *record;
        const std::vector<Vec2> expected = RestCorners(Vec2{50.0f, 20.0f});
        const std::vector<Vec2> drawn = DrawnVertices();
        EXPECT_EQ(drawn.size(), 10u * 2 * 2 * 3) << "ten parts, a mask and a colour pass, two triangles each";
        for (const Vec2 &p : drawn) EXPECT_TRUE(Holds(expected, p)) << "stray vertex (" << p.x << ", " << p.y << ")";
        for (const Vec2 &e : expected) EXPECT_TRUE(Holds(drawn, e)) << "corner (" << e.x << ", " << e.y << ") not drawn";
    }
}

TEST_F(GameTest, DrawingFacingLeftIsTheExactMirrorImage) {
    figure = characterC;
    RestCorners(Vec2{-30.0f, 10.0f});  // puts it in the rest pose there
    figure.value[3] = 35.0f;  // an arm raised, so the figure is not symmetric
    figure.value[8] = -20.0f;
    const std::vector<Vec2> right = DrawnVertices();
    figure.facingLeft = 1;
    std::vector<Vec2> left = DrawnVertices();
    ASSERT_EQ(left.size(), right.size());
    for (Vec2 &p : left) EXPECT_TRUE(Holds(right, Vec2{2.0f * -30.0f - p.x, p.y})) << p.x << ", " << p.y;
}

// Every texture of the scene and the font filters linearly and clamps to its
// edge texel, or has its top-left texel, the picture's background, as border.
// Over a flat grey at two pixels a model unit, a pixel whose texels in the mask
// are all background keeps the grey, also along the part rectangles that end at
// the atlas edge, with either kind of clamping.
TEST_F(GameTest, DrawingLeavesTheBackgroundUnchangedAlongThePartRectangles) {
    const int size = 512, atlasWidth = 256, atlasHeight = 128;
    const float scale = 2.0f;
    GameShutdown();
    DestroyOffscreenContext();
    ASSERT_TRUE(CreateOffscreenContext(size, size));
    GameStartup(size, size, 12345u);
    EXPECT_EQ(textures.edgeClamp, 1) << "Mesa offers edge clamping";
    std::vector<uint8_t> mask(atlasWidth * atlasHeight * 4), frame(size * size * 4);
    for (uint8_t edgeClamp : {1, 0}) {
        textures.edgeClamp = edgeClamp;
        ReleaseScene();
        InitScene();
        std::vector<uint32_t> names(std::begin(textures.slots), std::end(textures.slots));
        names.insert(names.end(), std::begin(textures.glyphs), std::end(textures.glyphs));
        const GLint wrap = edgeClamp ? GL_CLAMP_TO_EDGE : GL_CLAMP;
        for (uint32_t name : names) {
            GLint value = 0;
            GLfloat border[4];
            glBindTexture(GL_TEXTURE_2D, name);
            glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());  // frame: larger than any picture
            for (auto [what, expected] : {std::pair{GL_TEXTURE_WRAP_S, wrap}, {GL_TEXTURE_WRAP_T, wrap},
                                          {GL_TEXTURE_MIN_FILTER, GL_LINEAR}, {GL_TEXTURE_MAG_FILTER, GL_LINEAR}}) {
                glGetTexParameteriv(GL_TEXTURE_2D, what, &value);
                EXPECT_EQ(value, expected) << name << " " << what;
            }
            glGetTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_BORDER_COLOR, border);
            for (int c = 0; c < 4 && !edgeClamp; ++c) EXPECT_FLOAT_EQ(border[c], frame[c] / 255.0f) << name;
        }
        for (CharacterRecord *record : {&characterA, &characterB, &characterC}) {
            figure = *record;
            const std::vector<Vec2> corners = RestCorners(Vec2{0.0f, 0.0f});
            Vec2 centre{0.0f, 0.0f};  // the figure spans less than the window
            for (const Vec2 &c : corners) centre = Vec2{centre.x + c.x / 40, centre.y + c.y / 40};  // 10 parts
            glBindTexture(GL_TEXTURE_2D, textures.slots[figure.maskSlot]);
            glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, mask.data());
            glMatrixMode(GL_PROJECTION);
            glLoadIdentity();
            const float half = size / (2.0f * scale);
            glOrtho(centre.x - half, centre.x + half, centre.y - half, centre.y + half, -1.0, 1.0);
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            DrawCharacter(figure);
            glReadPixels(0, 0, size, size, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
            int background = 0, changed = 0, atAtlasEdge = 0;
            for (int i = 0; i < size * size; ++i) {
                const Vec2 m{centre.x + (i % size + 0.5f) / scale - half, centre.y + (i / size + 0.5f) / scale - half};
                bool covered = false, inFigure = false, edge = false;
                for (int part = 1; part < CHARACTER_PARTS; ++part) {
                    const Vec2 a = corners[(part - 1) * 4], b = corners[(part - 1) * 4 + 3];
                    const float fx = (m.x - a.x) / (b.x - a.x), fy = (m.y - a.y) / (b.y - a.y);
                    if (fx <= 0.0f || fx >= 1.0f || fy <= 0.0f || fy >= 1.0f) continue;
                    const Vec2 ta = figure.texCoord[part][0], tb = figure.texCoord[part][3];
                    const float u = (ta.x + fx * (tb.x - ta.x)) * atlasWidth - 0.5f;
                    const float v = (ta.y + fy * (tb.y - ta.y)) * atlasHeight - 0.5f;
                    covered = true;
                    edge = edge || u < 0.0f || v < 0.0f || u > atlasWidth - 1 || v > atlasHeight - 1;
                    for (int k = 0; k < 4; ++k) {  // the texels the linear filter reads, clamped to the atlas
                        const int tx = std::clamp(static_cast<int>(std::floor(u)) + k % 2, 0, atlasWidth - 1);
                        const int ty = std::clamp(static_cast<int>(std::floor(v)) + k / 2, 0, atlasHeight - 1);
                        inFigure = inFigure || mask[(ty * atlasWidth + tx) * 4] != 255;
                    }
                }
                if (!covered || inFigure) continue;
                ++background;
                atAtlasEdge += edge;
                for (int c = 0; c < 3; ++c) changed += std::abs(frame[i * 4 + c] - frame[c]) > 1;  // [c]: corner grey
            }
            EXPECT_GT(atAtlasEdge, 100) << "character " << figure.maskSlot << ", edge clamp " << int(edgeClamp);
            EXPECT_EQ(changed, 0) << "channels changed of " << background << " background pixels, character "
                                  << figure.maskSlot << ", edge clamp " << int(edgeClamp);
        }
    }
}
