// scene_render_test.cpp -- whole frames rendered offscreen: tower in view, torch light, moving flames, detail and overview
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "common/gl.h"
#include "game/player.h"
#include "render/frame_renderer.h"
#include "render/torches.h"
#include "tests/support/gl_state_contract.h"
#include "tests/support/scene_harness.h"

namespace {

const int WIDTH = 640, HEIGHT = 480;
const double HALF_FOV = 22.5 * 3.14159265358979323846 / 180.0;

struct Pixel {
    float x, y;  // from the left and from the top
    float distance;
};

// Where the renderer's camera puts a world point on the screen, with the
// scene tilted by the given overview factor.
Pixel Project(const Vec3 &p, float tiltFactor) {
    const double a = -45.0 * tiltFactor * 3.14159265358979323846 / 180.0;
    const double y = p.y * std::cos(a) - p.z * std::sin(a) + cameraPos.y;
    const double z = p.y * std::sin(a) + p.z * std::cos(a) + cameraPos.z;
    const double x = p.x + cameraPos.x;
    const double f = 1.0 / std::tan(HALF_FOV);
    const double aspect = static_cast<double>(WIDTH) / HEIGHT;
    const double nx = f / aspect * x / -z, ny = f * y / -z;
    return Pixel{static_cast<float>((nx + 1.0) * 0.5 * WIDTH), static_cast<float>((1.0 - ny) * 0.5 * HEIGHT),
                 static_cast<float>(-z)};
}

Pixel Project(const Vec3 &p) { return Project(p, overviewFactor); }

// Pixels per world unit at a distance from the eye.
float PixelsPerUnit(float distance) { return static_cast<float>(HEIGHT / (2.0 * distance * std::tan(HALF_FOV))); }

std::vector<uint8_t> Grab() {
    const uint8_t *p = TestPixels();
    return std::vector<uint8_t>(p, p + WIDTH * HEIGHT * 4);
}

int Luma(const std::vector<uint8_t> &image, int i) {
    return (299 * image[i * 4] + 587 * image[i * 4 + 1] + 114 * image[i * 4 + 2]) / 1000;
}

// Eye distance of every pixel from the depth buffer (100 for nothing drawn).
std::vector<float> Distances() {
    std::vector<float> depth(WIDTH * HEIGHT), distance(WIDTH * HEIGHT);
    glReadPixels(0, 0, WIDTH, HEIGHT, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
    const float zNear = 1.0f, zFar = 100.0f;
    for (int row = 0; row < HEIGHT; ++row)
        for (int x = 0; x < WIDTH; ++x) {
            const float d = depth[(HEIGHT - 1 - row) * WIDTH + x];
            distance[row * WIDTH + x] = zNear * zFar / (zFar - d * (zFar - zNear));
        }
    return distance;
}

// Distance in pixels from (x, y) to the nearest torch, in torch radii
// (1.5 world units at the torch's distance).
float NearestTorchInRadii(float x, float y) {
    float best = 1e9f;
    for (const Torch &torch : torches) {
        const Pixel p = Project(torch.position);
        const float radius = 1.5f * PixelsPerUnit(p.distance);
        best = std::min(best, std::hypot(x - p.x, y - p.y) / radius);
    }
    return best;
}

// Flame colour: full red, strong green, little blue; stone never gets there
// under the fixed light.
bool IsFlame(const std::vector<uint8_t> &image, int i) {
    return image[i * 4] >= 240 && image[i * 4 + 1] >= 90 && image[i * 4 + 2] <= 90;
}

int FlamePixelsNear(const std::vector<uint8_t> &image, const Pixel &at, float radius) {
    int count = 0;
    for (int y = std::max(0, int(at.y - radius)); y < std::min(HEIGHT, int(at.y + radius) + 1); ++y)
        for (int x = std::max(0, int(at.x - radius)); x < std::min(WIDTH, int(at.x + radius) + 1); ++x)
            if (std::hypot(x - at.x, y - at.y) <= radius && IsFlame(image, y * WIDTH + x)) ++count;
    return count;
}

void OpenScene(int fullDetail, int lightingFx) {
    TestSceneOptions options;
    options.width = WIDTH;
    options.height = HEIGHT;
    options.fullDetail = fullDetail;
    options.lightingFx = lightingFx;
    ASSERT_TRUE(OpenTestScene(options));
}

// Camera already settled on the player for the given overview factor, so a
// frame draws exactly that view.
void SettleCamera(float factor) {
    overviewFactor = factor;
    overviewRate = 0.0f;
    const Vec3 player = playerController.character ? WorldPosition(*playerController.character) : Vec3{0, 0, 0};
    const Vec3 target = CameraTarget(player);
    cameraPos = Vec3{0.0f, target.y, target.z};
    cameraVel = Vec2{0.0f, 0.0f};
}

// The tower's depth band in the play view (its faces lie between z 2 and -7.5).
bool AtTowerDepth(float distance) {
    return distance > -cameraPos.z - 2.5f && distance < -cameraPos.z + 8.0f;
}

}  // namespace

TEST(SceneRender, PlayViewShowsTheTowerInTheMiddleLitBrightestAtTheTorches) {
    OpenScene(1, 1);
    SettleCamera(0.0f);
    for (Torch &torch : torches) torch.flicker = 0.6f;  // inside the band the flicker keeps to
    RenderTestFrame(1.0f, 0.01f);
    EXPECT_TRUE(GlStateContractHolds()) << "after a frame";
    const std::vector<uint8_t> image = Grab();
    const std::vector<float> distance = Distances();
    EXPECT_NE(SaveTestShot("scene_play_view"), nullptr);

    int middle = 0, tower = 0;
    for (int y = HEIGHT / 4; y < 3 * HEIGHT / 4; ++y)
        for (int x = WIDTH / 4; x < 3 * WIDTH / 4; ++x) {
            ++middle;
            tower += AtTowerDepth(distance[y * WIDTH + x]);
        }
    EXPECT_GT(tower, middle * 9 / 10) << "of the middle half, only " << tower << " of " << middle << " is tower";

    // The brightest pixels of the tower all lie close to a torch.
    std::vector<int> lumaCount(256, 0);
    for (int i = 0; i < WIDTH * HEIGHT; ++i)
        if (distance[i] < -cameraPos.z + 8.0f) ++lumaCount[Luma(image, i)];
    int threshold = 255, brightest = lumaCount[255];
    while (threshold > 0 && brightest < 100) brightest += lumaCount[--threshold];
    int far = 0, counted = 0;
    for (int i = 0; i < WIDTH * HEIGHT; ++i) {
        if (distance[i] >= -cameraPos.z + 8.0f || Luma(image, i) < threshold) continue;
        ++counted;
        if (NearestTorchInRadii(static_cast<float>(i % WIDTH), static_cast<float>(i / WIDTH)) > 1.0f) ++far;
    }
    EXPECT_GT(counted, 0);
    EXPECT_EQ(far, 0) << "of the " << counted << " brightest pixels (luma from " << threshold << ")";
    // and each torch in view is a bright spot
    int litTorches = 0, torchesInView = 0;
    for (const Torch &torch : torches) {
        const Pixel p = Project(torch.position);
        if (p.x < 0 || p.x >= WIDTH || p.y < 0 || p.y >= HEIGHT) continue;
        ++torchesInView;
        int peak = 0;
        const float radius = 0.5f * PixelsPerUnit(p.distance);
        for (int y = std::max(0, int(p.y - radius)); y < std::min(HEIGHT, int(p.y + radius)); ++y)
            for (int x = std::max(0, int(p.x - radius)); x < std::min(WIDTH, int(p.x + radius)); ++x)
                peak = std::max(peak, Luma(image, y * WIDTH + x));
        litTorches += peak >= 200;
    }
    EXPECT_GE(torchesInView, 6);
    EXPECT_EQ(litTorches, torchesInView);
    CloseTestScene();
}

TEST(SceneRender, FlamesMoveBetweenFramesWhileTheStoneStaysPut) {
    OpenScene(1, 0);  // no flicker: only the flames change
    SettleCamera(0.0f);
    RenderTestFrame(1.0f, 0.05f);
    const std::vector<uint8_t> first = Grab();
    RenderTestFrame(1.1f, 0.1f);
    const std::vector<uint8_t> second = Grab();
    std::vector<int> changedNear(TORCH_COUNT, 0);
    int changedElsewhere = 0;
    for (int i = 0; i < WIDTH * HEIGHT; ++i) {
        bool same = true;
        for (int c = 0; c < 3; ++c) same = same && first[i * 4 + c] == second[i * 4 + c];
        if (same) continue;
        const float x = static_cast<float>(i % WIDTH), y = static_cast<float>(i / WIDTH);
        bool near = false;
        for (int t = 0; t < TORCH_COUNT; ++t) {
            const Pixel p = Project(torches[t].position);
            if (std::hypot(x - p.x, y - p.y) <= 0.75f * PixelsPerUnit(p.distance)) {
                ++changedNear[t];
                near = true;
            }
        }
        changedElsewhere += !near;
    }
    int moving = 0;
    for (int count : changedNear) moving += count > 0;
    EXPECT_GE(moving, 6) << "torches whose flames changed";
    EXPECT_LT(changedElsewhere, WIDTH * HEIGHT / 100) << "pixels changed away from the torches";
    CloseTestScene();
}

TEST(SceneRender, WithoutFullDetailTheTowerTakesItsFlatColours) {
    std::vector<uint8_t> image[2];
    std::vector<float> distance[2];
    for (int detail : {1, 0}) {
        OpenScene(detail, 0);
        SettleCamera(0.0f);
        RenderTestFrame(1.0f, 0.01f);
        image[detail] = Grab();
        distance[detail] = Distances();
        if (!detail) {
            EXPECT_NE(SaveTestShot("scene_play_view_low_detail"), nullptr);
        }
        CloseTestScene();
    }
    double mean[3] = {}, difference = 0.0;
    int counted = 0;
    for (int i = 0; i < WIDTH * HEIGHT; ++i) {
        if (!AtTowerDepth(distance[0][i]) || !AtTowerDepth(distance[1][i]) || IsFlame(image[0], i)) continue;
        ++counted;
        for (int c = 0; c < 3; ++c) {
            mean[c] += image[0][i * 4 + c];
            difference += std::abs(image[0][i * 4 + c] - image[1][i * 4 + c]);
        }
    }
    ASSERT_GT(counted, WIDTH * HEIGHT / 4);
    // Under the one white light the flat sandstone keeps its proportions 0.75 : 0.5 : 0.4.
    EXPECT_NEAR(mean[1] / mean[0], 0.5 / 0.75, 0.05);
    EXPECT_NEAR(mean[2] / mean[0], 0.4 / 0.75, 0.05);
    // and it is not the textured tower
    EXPECT_GT(difference / (3.0 * counted), 8.0) << "mean difference per channel";
}

TEST(SceneRender, OverviewTipsTheTopAwayAndLowersTheTower) {
    OpenScene(0, 0);
    std::vector<uint8_t> play, overview;
    std::vector<float> playDistance, overviewDistance;
    for (float factor : {0.0f, 1.0f}) {
        SettleCamera(factor);
        RenderTestFrame(1.0f, 0.01f);
        EXPECT_NE(SaveTestShot(factor > 0 ? "scene_overview" : "scene_play_view_fixed_light"), nullptr);
        (factor > 0 ? overview : play) = Grab();
        (factor > 0 ? overviewDistance : playDistance) = Distances();
    }
    // The tower sinks to the bottom of the screen, leaving the upper half to the backdrop.
    int playUpper = 0, overviewUpper = 0;
    for (int i = 0; i < WIDTH * HEIGHT / 2; ++i) {
        playUpper += playDistance[i] < 40.0f;
        overviewUpper += overviewDistance[i] < 40.0f;
    }
    EXPECT_GT(playUpper, WIDTH * HEIGHT / 8);
    EXPECT_EQ(overviewUpper, 0);
    // The torches still in view burn where the tilted scene puts them, not
    // where the lowered but untilted scene would have them.
    int checked = 0;
    for (int t = 0; t < TORCH_COUNT; ++t) {
        const Pixel tilted = Project(torches[t].position, 1.0f), upright = Project(torches[t].position, 0.0f);
        const float radius = PixelsPerUnit(tilted.distance);
        if (tilted.x < 0 || tilted.x >= WIDTH || tilted.y < 0 || tilted.y >= HEIGHT) continue;
        ASSERT_GT(std::hypot(tilted.x - upright.x, tilted.y - upright.y), 3 * radius);
        EXPECT_GT(FlamePixelsNear(overview, tilted, radius), 0) << "torch " << t;
        EXPECT_EQ(FlamePixelsNear(overview, upright, radius), 0) << "torch " << t;
        ++checked;
    }
    EXPECT_GE(checked, 2);
    CloseTestScene();
}
