// replay_fake.cpp -- the replay interpreter over the scripted clock
#include "host/replay.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/frame_input.h"
#include "common/random.h"
#include "host/clock_fake.h"
#include "host/game_calls.h"
#include "host/game_clock.h"

void ReplayKeyDown(int key) { KeyGoesDown(static_cast<unsigned int>(key)); }
void ReplayKeyUp(int key) { KeyGoesUp(static_cast<unsigned int>(key)); }

// The scripts were recorded while the game read the clock as a float; each frame gets the
// reading it had then, so a recorded game replays frame for frame (a barrel thrown one
// frame apart changes every random draw after it).
bool ReplayFrames(int count, double frameSeconds) {
    bool drawn = true;
    for (int i = 0; i < count; ++i) {
        AdvanceScriptedClock(frameSeconds);
        const double reading = ClockSeconds();
        SetScriptedClock(static_cast<float>(reading));
        drawn = RunFrame() && drawn;
        SetScriptedClock(reading);
    }
    return drawn;
}

bool ReplaySeconds(double seconds, double frameSeconds) {
    const int count = static_cast<int>(seconds / frameSeconds + 0.5);
    return ReplayFrames(count < 1 ? 1 : count, frameSeconds);
}

static const struct {
    const char *name;
    int key;
} namedKeys[] = {
    {"SPACE", KEY_SPACE},     {"LEFT", KEY_LEFT},   {"RIGHT", KEY_RIGHT},
    {"UP", KEY_UP},           {"DOWN", KEY_DOWN},   {"ENTER", KEY_ENTER},
    {"BACKSPACE", KEY_BACKSPACE}, {"ESCAPE", KEY_ESCAPE},
};

int ParseReplayKey(const char *name) {
    for (const auto &named : namedKeys)
        if (std::strcmp(name, named.name) == 0) return named.key;
    if (name[0] && !name[1]) {
        const int c = std::toupper(static_cast<unsigned char>(name[0]));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    }
    char *end = nullptr;
    const long code = std::strtol(name, &end, 10);
    if (end != name && *end == 0 && code >= 0 && code < 256) return static_cast<int>(code);
    return -1;
}

bool RunReplayScript(const char *script, ReplayShotCallback shot, int *failedLine) {
    double frameSeconds = 1.0 / 30.0;
    int lineNumber = 0;
    const char *cursor = script;
    while (*cursor) {
        ++lineNumber;
        const char *end = std::strchr(cursor, '\n');
        const size_t length = end ? static_cast<size_t>(end - cursor) : std::strlen(cursor);
        char line[256];
        std::snprintf(line, sizeof line, "%.*s", static_cast<int>(length < 255 ? length : 255), cursor);
        cursor += length + (end ? 1 : 0);
        if (char *comment = std::strchr(line, '#')) *comment = 0;
        char command[32] = "", argument[200] = "";
        const int fields = std::sscanf(line, "%31s %199s", command, argument);
        if (fields <= 0) continue;
        bool understood = fields == 2;
        if (understood && std::strcmp(command, "down") == 0) {
            const int key = ParseReplayKey(argument);
            understood = key >= 0;
            if (understood) ReplayKeyDown(key);
        } else if (understood && std::strcmp(command, "up") == 0) {
            const int key = ParseReplayKey(argument);
            understood = key >= 0;
            if (understood) ReplayKeyUp(key);
        } else if (understood && std::strcmp(command, "tap") == 0) {
            const int key = ParseReplayKey(argument);
            understood = key >= 0;
            if (understood) {
                ReplayKeyDown(key);
                ReplayFrames(1, frameSeconds);
                ReplayKeyUp(key);
            }
        } else if (understood && std::strcmp(command, "frames") == 0) {
            ReplayFrames(std::atoi(argument), frameSeconds);
        } else if (understood && std::strcmp(command, "seconds") == 0) {
            ReplaySeconds(std::atof(argument), frameSeconds);
        } else if (understood && std::strcmp(command, "fps") == 0) {
            const double fps = std::atof(argument);
            understood = fps > 0.0;
            if (understood) frameSeconds = 1.0 / fps;
        } else if (understood && std::strcmp(command, "seed") == 0) {
            SeedRandom(static_cast<uint32_t>(std::strtoul(argument, nullptr, 10)));
        } else if (understood && std::strcmp(command, "shot") == 0) {
            if (shot) shot(argument);
        } else {
            understood = false;
        }
        if (!understood) {
            if (failedLine) *failedLine = lineNumber;
            return false;
        }
    }
    return true;
}
