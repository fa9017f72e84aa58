// benchmark.cpp -- frames per second of the whole system on OSMesa beside a clear-only frame, and the time to the first frame
//
// Usage: kvrn_benchmark [seconds per measurement, default 3]
// Every measurement of one window size runs in this one process, side by side
// with its clear-and-swap frame, because software rendering speed varies
// between runs. The time to the first frame is taken at the first size; its
// texture-decoding and list-building parts are measured by running those steps
// again after the first frame, in the same process.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "assets/bitmap_decoder.h"
#include "assets/slide_show.h"
#include "common/frame_input.h"
#include "common/gl.h"
#include "game/game_state.h"
#include "host/clock_fake.h"
#include "host/game_calls.h"
#include "host/offscreen_context.h"
#include "host/replay.h"
#include "render/screens_hud.h"
#include "render/tower_geometry.h"

typedef std::chrono::steady_clock Clock;
static const Clock::time_point processStart = Clock::now();

static double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

const double FRAME_STEP = 1.0 / 30.0;  // game time per frame, as the saver's timer gives at the least

// Frames per second over at least the given wall-clock time. A frame ends
// with glFinish, which is what the buffer swap waits for on OSMesa.
static double MeasureGameFrames(double seconds) {
    ReplayFrames(10, FRAME_STEP);  // warm-up: shaders and caches for this screen
    glFinish();
    int frames = 0;
    const Clock::time_point start = Clock::now();
    do {
        ReplayFrames(1, FRAME_STEP);
        glFinish();
        ++frames;
    } while (SecondsSince(start) < seconds);
    return frames / SecondsSince(start);
}

static double MeasureClearFrames(double seconds) {
    for (int i = 0; i < 10; ++i) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);  // warm-up
    glFinish();
    int frames = 0;
    const Clock::time_point start = Clock::now();
    do {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glFinish();
        ++frames;
    } while (SecondsSince(start) < seconds);
    return frames / SecondsSince(start);
}

static void Press(int key) {
    ReplayKeyDown(key);
    ReplayFrames(1, FRAME_STEP);
    ReplayKeyUp(key);
}

// The bitmaps the set-up decodes: 21 texture slots, the font strip, the first still and its point map.
static const int startupBitmaps[] = {101, 128, 127, 129, 130, 102, 109, 114, 111, 112, 115, 104, 105,
                                     106, 107, 108, 110, 116, 131, 159, 160, 113, 121, 122};

static double TimeDecoding() {
    const Clock::time_point start = Clock::now();
    for (int id : startupBitmaps) {
        int width = 0, height = 0;
        BitmapStatus status = BITMAP_OK;
        std::free(DecodeBitmapResource(id, &width, &height, &status));
    }
    return SecondsSince(start);
}

static double TimeListBuilding() {
    const Clock::time_point start = Clock::now();
    BuildSceneLists();
    BuildCrawlPlaneList();
    BuildTickerTexts();
    glFinish();
    return SecondsSince(start);
}

static void Report(const char *screen, int width, int height, double fps, double clearFps) {
    std::printf("%-8s %4d x %-4d  %8.1f fps   clear-only %8.1f fps   ratio %.3f\n", screen, width, height, fps,
                clearFps, fps / clearFps);
}

static bool RunSize(int width, int height, double seconds, bool timeStartup) {
    if (!CreateOffscreenContext(width, height)) return false;
    const Clock::time_point startupBegin = Clock::now();
    GameStartup(width, height, 12345u);
    SetScriptedClock(0.0);
    frameInput = FrameInput{};
    ReplayFrames(1, FRAME_STEP);
    glFinish();
    if (timeStartup) {
        const double toFirstFrame = SecondsSince(processStart);
        const double startup = SecondsSince(startupBegin);
        const double decoding = TimeDecoding();
        const double lists = TimeListBuilding();
        std::printf("first frame %.1f ms after process start (start-up and first frame %.1f ms):\n",
                    toFirstFrame * 1000.0, startup * 1000.0);
        std::printf("  texture decoding %.1f ms, list building %.1f ms, the rest %.1f ms\n", decoding * 1000.0,
                    lists * 1000.0, (toFirstFrame - decoding - lists) * 1000.0);
    }

    // The title with the first still showing, then the select screen, then play.
    ReplayFrames(static_cast<int>(9.0 / FRAME_STEP), FRAME_STEP);
    Report("title", width, height, MeasureGameFrames(seconds), MeasureClearFrames(seconds));
    Press(KEY_SPACE);
    ReplayFrames(static_cast<int>(1.5 / FRAME_STEP), FRAME_STEP);
    Report("select", width, height, MeasureGameFrames(seconds), MeasureClearFrames(seconds));
    Press(KEY_SPACE);
    Press(KEY_SPACE);
    ReplayFrames(static_cast<int>(2.0 / FRAME_STEP), FRAME_STEP);
    const bool playing = flow.gameState == STATE_PLAY;
    Report("play", width, height, MeasureGameFrames(seconds), MeasureClearFrames(seconds));
    GameShutdown();
    DestroyOffscreenContext();
    return playing;
}

int main(int argc, char **argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    if (!(seconds > 0.0)) {
        std::fprintf(stderr, "usage: kvrn_benchmark [seconds per measurement]\n");
        return 2;
    }
    ConstructProgramRecords();
    const char *threads = std::getenv("LP_NUM_THREADS");
    std::printf("OSMesa, LP_NUM_THREADS=%s, %.1f s per measurement\n", threads ? threads : "(unset)", seconds);
    const bool first = RunSize(1024, 768, seconds, true);
    const bool second = RunSize(1920, 1080, seconds, false);
    if (!first || !second) {
        std::fprintf(stderr, "the game did not reach play\n");
        return 1;
    }
    return 0;
}
