// game_level_test.cpp -- a whole level won by keys alone: climb, jump the barrels, catch the rope
#include <cmath>

#include "common/frame_input.h"
#include "game/ape.h"
#include "game/game_state.h"
#include "game/player.h"
#include "game/rope_cage.h"
#include "tests/support/game_driver.h"

namespace {

// What a player watching the screen does: decides each frame from what is
// visible (positions of the figure, the barrels and the rope) which keys to hold.
class Autopilot {
public:
    int jumpsOverBarrels = 0;
    int ropeAttempts = 0;

    void Frame() {
        const CharacterRecord &player = *playerController.character;
        const Vec3 p = PlayerPosition();
        if (spaceHeld) Release(KEY_SPACE);
        if (pulse) Release(pulse);
        spaceHeld = false;
        pulse = 0;
        if (playerController.dying) {
            ReleaseArrows();
            Press(KEY_SPACE);
            phase = TO_FOOT;
            Frames(1);
            return;
        }
        if (player.holdingRope || flow.gameState != STATE_PLAY) ReleaseArrows();
        else if (!player.jumping && player.stairDirection != 0) Hold(KEY_UP);
        if (player.holdingRope || flow.gameState != STATE_PLAY || player.jumping || player.stairDirection != 0) {
            Frames(1);
            return;
        }
        const float contact = TimeToContact(p, player.velocity.x * CHARACTER_SCALE);
        if (contact < 1.5f) {
            // A barrel is coming: stand, and jump so that it passes under the arc's top.
            ReleaseArrows();
            if (player.velocity.x == 0.0f && contact > 0.6f && contact < 0.8f) {
                Press(KEY_SPACE);
                ++jumpsOverBarrels;
            }
            if (phase == TOP_RUN) phase = TOP_WAIT;
            Frames(1);
            return;
        }
        const int floor = static_cast<int>(std::floor(p.y / 3.0f + 0.5f));
        if (floor >= 4) TopFloor(p); else Climb(p, player, floor);
        Frames(1);
    }

private:
    enum Phase { TO_FOOT, CLIMBING, TOP_WAIT, TOP_RUN };
    Phase phase = TO_FOOT;
    bool spaceHeld = false;
    int pulse = 0;
    float climbStartY = 0.0f;
    int climbFrames = 0;

    void Press(int key) {
        Hold(key);
        if (key == KEY_SPACE) spaceHeld = true; else pulse = key;
    }

    static void ReleaseArrows() {
        Release(KEY_LEFT);
        Release(KEY_RIGHT);
        Release(KEY_UP);
    }

    static void Walk(int key) {
        Release(key == KEY_LEFT ? KEY_RIGHT : KEY_LEFT);
        Release(KEY_UP);
        Hold(key);
    }

    // Seconds until the nearest barrel rolling on the player's floor reaches
    // touching distance; large when none is coming.
    static float TimeToContact(const Vec3 &p, float playerVx) {
        float best = 1.0e9f;
        for (const ThrownObject &object : thrownObjects) {
            if (!object.active) continue;
            if (std::fabs(p.y - 1.25f - object.position.y) > 0.7f) continue;
            if (std::fabs(p.z - object.position.z) > 1.1f) continue;
            const float gap = object.position.x - p.x;
            if (std::fabs(gap) < 0.6f) return 0.0f;
            const float closing = -(object.velocity.x - playerVx) * (gap > 0 ? 1.0f : -1.0f);
            if (closing <= 0.0f) continue;
            best = std::fmin(best, (std::fabs(gap) - 0.6f) / closing + 0.2f);
        }
        return best;
    }

    // Whether a barrel on the given floor, rolling or about to roll, comes within
    // reach of x during the seconds from t0 to t1 (straight-line guess).
    static bool BarrelNear(int floor, float x, float t0, float t1) {
        const float rollY = 3.0f * floor - 0.9f;
        for (const ThrownObject &object : thrownObjects) {
            if (!object.active) continue;
            const bool onFloor = std::fabs(object.position.y - rollY) < 0.2f;
            const bool droppingOnto = (object.turning || object.dropping) && std::fabs(object.targetY - rollY) < 0.2f;
            if (!onFloor && !droppingOnto) continue;
            const float vx = droppingOnto ? (object.position.x > 0 ? -3.0f : 3.0f) : object.velocity.x;
            for (float t = t0; t <= t1; t += 0.1f)
                if (std::fabs(object.position.x + vx * t - x) < 1.6f) return true;
        }
        return false;
    }

    void Climb(const Vec3 &p, const CharacterRecord &player, int floor) {
        const bool rightEnd = floor % 2 == 0;  // flights 1 and 3 rise from the right end
        const float footX = rightEnd ? 6.0f : -6.0f;
        if (phase == CLIMBING) {
            ++climbFrames;
            if (p.y > climbStartY + 2.5f || climbFrames > 30) {
                Release(KEY_UP);
                phase = TO_FOOT;
            }
            return;
        }
        phase = TO_FOOT;
        if (std::fabs(p.x - footX) > 0.3f) {
            Walk(p.x < footX ? KEY_RIGHT : KEY_LEFT);
            return;
        }
        ReleaseArrows();
        const bool facingUp = player.facingLeft == (rightEnd ? 1 : 0);
        if (!facingUp) {
            Press(rightEnd ? KEY_LEFT : KEY_RIGHT);
            return;
        }
        // Wait until neither the floor below nor the landing above will have a barrel in reach.
        const float topX = rightEnd ? 3.0f : -3.0f;
        if (BarrelNear(floor, footX, 0.0f, 1.2f) || BarrelNear(floor, footX - (rightEnd ? 1.0f : -1.0f), 0.0f, 1.2f) ||
            BarrelNear(floor + 1, topX, 1.5f, 3.5f))
            return;
        // The last flight ends where thrown barrels roll: go up only while nothing is on its way.
        if (floor == 3 && !TopFloorQuiet()) return;
        Hold(KEY_UP);
        phase = CLIMBING;
        climbStartY = p.y;
        climbFrames = 0;
    }

    // No barrel in the air and the ape not yet carrying one: nothing lands on the top floor for a while.
    static bool TopFloorQuiet() {
        for (const ThrownObject &object : thrownObjects)
            if (object.active && object.inFlight) return false;
        return apeController.state <= 1;
    }

    // Whether a jump taken `lead` seconds from now at x 1.35 with walking
    // speed would meet the rope as it swings (the player's reading of the swing).
    static bool RopeWillBeThere(float lead) {
        float angle = ropeCage.swingAngle, speed = ropeCage.swingSpeed, accel = ropeCage.swingAccel;
        const float step = static_cast<float>(FRAME_SECONDS);
        int good = 0;
        for (float t = 0.0f; t < lead + 1.25f; t += step) {
            speed = std::fmax(-12.0f, std::fmin(12.0f, speed + accel * step));
            angle += speed * step;
            if (angle > 1.0f) accel = -6.0f;
            if (angle < -1.0f) accel = 6.0f;
            const float flight = t - lead;
            if (flight < 0.0f) continue;
            const float x = 1.35f + 1.96f * flight;
            good = x > 3.1f && x > angle * (3.25f / 15.0f) + 4.6f ? good + 1 : 0;
            if (good >= 3) return true;
        }
        return false;
    }

    void TopFloor(const Vec3 &p) {
        if (phase == TOP_RUN) {
            Walk(KEY_RIGHT);
            if (p.x >= 1.3f) {
                Press(KEY_SPACE);
                ++ropeAttempts;
                phase = TOP_WAIT;
            }
            return;
        }
        phase = TOP_WAIT;
        ReleaseArrows();
        // Wait far enough left of where thrown barrels land to jump the ones that land.
        if (p.x > -4.8f) {
            Walk(KEY_LEFT);
            return;
        }
        const float lead = (1.3f - p.x) / 2.45f + 2.0f * static_cast<float>(FRAME_SECONDS);
        if (TopFloorQuiet() && RopeWillBeThere(lead)) {
            phase = TOP_RUN;
            Walk(KEY_RIGHT);
        }
    }
};

}  // namespace

TEST_F(GameTest, WholeLevelWonByKeysAlone) {
    StartPlaying();
    ASSERT_EQ(flow.gameState, STATE_PLAY);
    Autopilot pilot;
    const float start = frameInput.now;
    while (flow.gameState == STATE_PLAY && frameInput.now - start < 400.0f) pilot.Frame();
    ASSERT_EQ(flow.gameState, STATE_LEVEL_COMPLETE)
        << "after " << frameInput.now - start << " s: lives " << playerController.lives << ", barrel jumps "
        << pilot.jumpsOverBarrels << ", rope jumps " << pilot.ropeAttempts;
    EXPECT_EQ(playerController.lives, 3) << "no barrel touched the player";
    EXPECT_GT(pilot.jumpsOverBarrels, 0) << "barrels were met on the way";
}
