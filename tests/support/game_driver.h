// game_driver.h -- plays the game through the real frame function for the game's tests
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "common/vec.h"
#include "game/character.h"
#include "host/replay.h"

const double FRAME_SECONDS = 1.0 / 30.0;

// The saver window's start-up on a small offscreen context, seeded with 12345
// (every test starts from a fresh program: fresh_program.cpp).
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Advances the scripted clock and runs RunFrame, as the paint does, once a frame.
void Frames(int count, double frameSeconds = FRAME_SECONDS);
void Seconds(double seconds, double frameSeconds = FRAME_SECONDS);
void Hold(int key);
void Release(int key);
void Tap(int key);  // down, one frame, up

Vec3 PlayerPosition();
// Whether the record runs the animation that slot starts.
bool Running(const CharacterRecord &record, int slot);
// From the title: space, space (captain), space (skip the intro): level 1 running.
void StartPlaying();
// Holds left or right until the player's x passes the given x (frame limit); returns success.
bool WalkTo(float x);
// Runs tests/scripts/NAME, after the given first lines, through the replay interpreter; its "shot" lines call checkpoint.
void PlayScript(const char *name, ReplayShotCallback checkpoint, const std::string &firstLines = "");
// Removes every barrel from play and keeps the ape from fetching, for tests that need a quiet tower.
void QuietApe();
