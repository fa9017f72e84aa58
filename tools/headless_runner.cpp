// headless_runner.cpp -- runs the real frame function offscreen from a replay script and writes the shots as PNG files
//
//   kvrn_headless_runner [--size WxH] [--seed N] [--out DIR] SCRIPT
//
// SCRIPT is a replay script file (host/replay.h), or "-" for standard input.
// Each "shot NAME" line writes DIR/NAME.png of the frame drawn last.
// Exit status: 0 done, 1 bad arguments or no context, 2 a script line it could
// not read, 3 a shot that could not be written.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "host/game_calls.h"
#include "host/offscreen_context.h"
#include "host/replay.h"

static std::string outputDirectory = ".";
static int failedShots = 0;

// Shot names become file names: plain names only, nothing that leaves the directory.
static bool IsPlainName(const char *name) {
    if (!name[0] || name[0] == '.') return false;
    for (const char *c = name; *c; ++c) {
        const bool plain = (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9') ||
                           *c == '_' || *c == '-' || *c == '.';
        if (!plain) return false;
    }
    return true;
}

static void WriteShot(const char *name) {
    if (!IsPlainName(name)) {
        std::fprintf(stderr, "shot name not usable as a file name: %s\n", name);
        ++failedShots;
        return;
    }
    const std::string path = outputDirectory + "/" + name + ".png";
    if (!WriteOffscreenPng(path.c_str())) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        ++failedShots;
        return;
    }
    std::printf("%s\n", path.c_str());
}

static bool ReadAll(const char *path, std::string &text) {
    FILE *file = std::strcmp(path, "-") == 0 ? stdin : std::fopen(path, "rb");
    if (!file) return false;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
    const bool ok = !std::ferror(file);
    if (file != stdin) std::fclose(file);
    return ok;
}

static int Usage() {
    std::fprintf(stderr, "usage: kvrn_headless_runner [--size WxH] [--seed N] [--out DIR] SCRIPT\n");
    return 1;
}

int main(int argc, char **argv) {
    int width = 640, height = 480;
    unsigned long seed = 1;
    const char *scriptPath = nullptr;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--size") == 0 && hasValue) {
            if (std::sscanf(argv[++i], "%dx%d", &width, &height) != 2) return Usage();
        } else if (std::strcmp(argv[i], "--seed") == 0 && hasValue) {
            seed = std::strtoul(argv[++i], nullptr, 10);
        } else if (std::strcmp(argv[i], "--out") == 0 && hasValue) {
            outputDirectory = argv[++i];
        } else if (!scriptPath && (argv[i][0] != '-' || std::strcmp(argv[i], "-") == 0)) {
            scriptPath = argv[i];
        } else {
            return Usage();
        }
    }
    if (!scriptPath || width < 1 || height < 1 || width > 8192 || height > 8192) return Usage();

    std::string script;
    if (!ReadAll(scriptPath, script)) {
        std::fprintf(stderr, "cannot read %s\n", scriptPath);
        return 1;
    }
    std::error_code ignored;
    std::filesystem::create_directories(outputDirectory, ignored);

    if (!CreateOffscreenContext(width, height)) {
        std::fprintf(stderr, "cannot create a %dx%d offscreen context\n", width, height);
        return 1;
    }
    ConstructProgramRecords();
    GameStartup(width, height, static_cast<unsigned int>(seed));
    int failedLine = 0;
    const bool read = RunReplayScript(script.c_str(), WriteShot, &failedLine);
    GameShutdown();
    DestroyOffscreenContext();
    if (!read) {
        std::fprintf(stderr, "%s:%d: cannot read this line\n", scriptPath, failedLine);
        return 2;
    }
    return failedShots ? 3 : 0;
}
