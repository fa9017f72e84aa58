// settings_probe.cpp -- test helper: the settings store on the real registry
//   settings_probe save SUBMITTED FULL_DETAIL LIGHTING_FX HISCORE CHARACTER NAME   (SaveSettings; exit 0 on success)
//   settings_probe load   prints the six values LoadSettings gives, one "name=value" a line
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "settings/settings_store.h"

int main(int argc, char **argv) {
    if (argc == 8 && std::strcmp(argv[1], "save") == 0) {
        settings.scoreSubmitted = static_cast<uint8_t>(std::atoi(argv[2]));
        settings.fullDetail = static_cast<uint8_t>(std::atoi(argv[3]));
        settings.lightingFx = static_cast<uint8_t>(std::atoi(argv[4]));
        settings.highScore = std::atoi(argv[5]);
        settings.highScoreCharacter = std::atoi(argv[6]);
        std::snprintf(settings.highScoreName, sizeof settings.highScoreName, "%s", argv[7]);
        return SaveSettings() ? 0 : 1;
    }
    if (argc == 2 && std::strcmp(argv[1], "load") == 0) {
        LoadSettings();
        std::printf("scoreSubmitted=%d\nfullDetail=%d\nlightingFx=%d\nhighScore=%ld\nhighScoreCharacter=%ld\n"
                    "highScoreName=%s\n",
                    settings.scoreSubmitted, settings.fullDetail, settings.lightingFx,
                    static_cast<long>(settings.highScore), static_cast<long>(settings.highScoreCharacter),
                    settings.highScoreName);
        return 0;
    }
    std::fprintf(stderr, "usage: settings_probe save S F L SCORE CH NAME | load\n");
    return 2;
}
