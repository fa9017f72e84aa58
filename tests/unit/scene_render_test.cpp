// scene_render_test.cpp -- whole frames offscreen: the tower in view, torch light, detail and overview
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/gl.h"
#include "game/player.h"
#include "render/frame_renderer.h"
#include "render/torches.h"
#include "tests/support/scene_harness.h"

namespace {

const int WIDTH = 640, HEIGHT = 480;
const double TAN_HALF_FOV = std::tan(22.5 * 3.14159265358979323846 / 180.0);

struct Frame {
    std::vector<uint8_t> rgba;
    std::vector<float> distance;  // from the eye, per pixel, row 0 at the top
};

struct ScreenPoint {
    float x, y, unit;  // pixel from the left and from the top; pixels per world unit there
};

// Where the frame's camera puts a world point, the scene tilted by the given overview factor.
ScreenPoint Project(const Vec3 &p, float tilt) {
    const double a = -45.0 * tilt * 3.14159265358979323846 / 180.0;
    const double y = p.y * std::cos(a) - p.z * std::sin(a) + view.cameraPos.y;
    const double z = p.y * std::sin(a) + p.z * std::cos(a) + view.cameraPos.z;
    const double scale = HEIGHT / (2.0 * TAN_HALF_FOV * -z);
    return ScreenPoint{static_cast<float>(WIDTH / 2 + p.x * scale), static_cast<float>(HEIGHT / 2 - y * scale),
                       static_cast<float>(scale)};
}

// One frame of the settled camera, the figures parked far off to the side so
// that only the scene itself is measured.
Frame Render(float factor, float frameNow = 1.0f, float frameDt = 0.01f) {
    for (CharacterRecord *figure : {&characterA, &characterB, &characterC}) figure->pivot[1].x = 200.0f / CHARACTER_SCALE;
    view.overviewFactor = factor;
    view.overviewRate = 0.0f;
    const Vec3 target = CameraTarget(WorldPosition(characterB));
    view.cameraPos = Vec3{0.0f, target.y, target.z};
    view.cameraVel = Vec2{0.0f, 0.0f};
    RenderTestFrame(frameNow, frameDt);
    Frame frame{std::vector<uint8_t>(TestPixels(), TestPixels() + WIDTH * HEIGHT * 4), {}};
    std::vector<float> depth(WIDTH * HEIGHT);
    glReadPixels(0, 0, WIDTH, HEIGHT, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
    for (int row = 0; row < HEIGHT; ++row)
        for (int x = 0; x < WIDTH; ++x)
            frame.distance.push_back(100.0f / (100.0f - depth[(HEIGHT - 1 - row) * WIDTH + x] * 99.0f));
    return frame;
}

int Luma(const Frame &f, int i) { return (299 * f.rgba[i * 4] + 587 * f.rgba[i * 4 + 1] + 114 * f.rgba[i * 4 + 2]) / 1000; }
// The tower's faces lie between z 2 and -7.5.
bool OnTower(const Frame &f, int i) { return f.distance[i] > -view.cameraPos.z - 2.5f && f.distance[i] < -view.cameraPos.z + 8.0f; }
// Full red, strong green, little blue: the stone never gets there under the fixed light.
bool IsFlame(const Frame &f, int i) { return f.rgba[i * 4] >= 240 && f.rgba[i * 4 + 1] >= 90 && f.rgba[i * 4 + 2] <= 90; }

// The torch nearest to a pixel, in world units at that torch.
float UnitsToNearestTorch(int i, float tilt) {
    float best = 1e9f;
    for (const Torch &torch : torches) {
        const ScreenPoint p = Project(torch.position, tilt);
        best = std::min(best, std::hypot(i % WIDTH - p.x, i / WIDTH - p.y) / p.unit);
    }
    return best;
}

int FlamePixelsWithin(const Frame &f, const ScreenPoint &at, float units) {
    int count = 0;
    for (int i = 0; i < WIDTH * HEIGHT; ++i)
        count += IsFlame(f, i) && std::hypot(i % WIDTH - at.x, i / WIDTH - at.y) <= units * at.unit;
    return count;
}

}  // namespace

TEST(SceneRender, PlayViewShowsTheTowerInTheMiddleBrightestAtTheTorches) {
    ASSERT_TRUE(OpenTestScene(TestSceneOptions{WIDTH, HEIGHT, 1, 1, 1}));
    // The first scene of a process constructs the torches afresh, so the flicker
    // is set only now, inside the band it keeps to; a first frame gives the
    // lights their reach from it before the measured frame draws the tower.
    for (Torch &torch : torches) torch.flicker = 0.6f;
    Render(0.0f, 0.99f);
    const Frame frame = Render(0.0f);
    EXPECT_NE(SaveTestShot("scene_play_view"), nullptr);
    int middle = 0, tower = 0;
    for (int y = HEIGHT / 4; y < 3 * HEIGHT / 4; ++y)
        for (int x = WIDTH / 4; x < 3 * WIDTH / 4; ++x, ++middle) tower += OnTower(frame, y * WIDTH + x);
    EXPECT_GT(tower, middle * 9 / 10) << "tower pixels in the middle half";
    // The hundred brightest pixels of the tower all lie within 1.5 units of a torch.
    std::vector<int> histogram(256, 0);
    for (int i = 0; i < WIDTH * HEIGHT; ++i) histogram[Luma(frame, i)] += OnTower(frame, i);
    int threshold = 255;
    for (int brightest = histogram[255]; threshold > 0 && brightest < 100;) brightest += histogram[--threshold];
    int far = 0;
    for (int i = 0; i < WIDTH * HEIGHT; ++i)
        far += OnTower(frame, i) && Luma(frame, i) >= threshold && UnitsToNearestTorch(i, 0.0f) > 1.5f;
    EXPECT_EQ(far, 0) << "bright pixels (luma from " << threshold << ") away from the torches";
    CloseTestScene();
}

TEST(SceneRender, WithoutFullDetailTheTowerTakesItsFlatColoursAndTheOverviewTiltsIt) {
    Frame frame[2];
    for (int detail : {1, 0}) {
        ASSERT_TRUE(OpenTestScene(TestSceneOptions{WIDTH, HEIGHT, 1, detail, 0}));
        frame[detail] = Render(0.0f);
        if (detail) CloseTestScene();
    }
    EXPECT_NE(SaveTestShot("scene_play_view_low_detail"), nullptr);
    double mean[3] = {}, difference = 0.0;
    int counted = 0;
    for (int i = 0; i < WIDTH * HEIGHT; ++i) {
        if (!OnTower(frame[0], i) || !OnTower(frame[1], i) || IsFlame(frame[0], i)) continue;
        ++counted;
        for (int c = 0; c < 3; ++c) {
            mean[c] += frame[0].rgba[i * 4 + c];
            difference += std::abs(frame[0].rgba[i * 4 + c] - frame[1].rgba[i * 4 + c]);
        }
    }
    ASSERT_GT(counted, WIDTH * HEIGHT / 4);
    // Under the one white light the flat sandstone keeps its proportions 0.75 : 0.5 : 0.4.
    EXPECT_NEAR(mean[1] / mean[0], 0.5 / 0.75, 0.05);
    EXPECT_NEAR(mean[2] / mean[0], 0.4 / 0.75, 0.05);
    EXPECT_GT(difference / (3.0 * counted), 8.0) << "mean change per channel against the textured tower";

    // The overview lowers the tower (the upper screen is the backdrop's), and the
    // torches still in view burn where the tilted scene puts them, not where the
    // lowered but untilted one would.
    const Frame overview = Render(1.0f);
    EXPECT_NE(SaveTestShot("scene_overview"), nullptr);
    int inView = 0;
    for (const Torch &torch : torches) {
        const ScreenPoint tilted = Project(torch.position, 1.0f), upright = Project(torch.position, 0.0f);
        if (tilted.x < 0 || tilted.x >= WIDTH || tilted.y < 0 || tilted.y >= HEIGHT) continue;
        ++inView;
        ASSERT_GT(std::hypot(tilted.x - upright.x, tilted.y - upright.y), 3 * tilted.unit);
        EXPECT_GT(FlamePixelsWithin(overview, tilted, 1.0f), 0);
        EXPECT_EQ(FlamePixelsWithin(overview, upright, 1.0f), 0);
    }
    EXPECT_GE(inView, 2);
    CloseTestScene();
}
