// animation.cpp -- keyframe and cyclic animation steps, slot starts and chaining
#include <cmath>
#include <cstring>

#include "common/frame_input.h"
#include "game/character.h"
#include "game/character_tables.h"

static const float PI_F = 3.14159265358979f;

void SnapshotPose(CharacterRecord &record) {
    for (int i = 0; i < CHARACTER_PARTS; ++i) record.startValue[i] = record.value[i];
}

// Every switch of the current animation goes through here: the new list's
// entries all begin unstarted for this character.
static void BeginAnimation(CharacterRecord &record, const AnimationDescriptor &descriptor) {
    SnapshotPose(record);
    record.animation = descriptor;
    record.animation.startTime = frameInput.now;
    std::memset(record.entryMark, ENTRY_WAITING, sizeof record.entryMark);
}

void StartAnimation(CharacterRecord &record, int slot) {
    if (!record.animationSet || slot < 0 || slot >= ANIMATION_SLOTS) return;
    BeginAnimation(record, record.animationSet->slots[slot]);
}

static bool ValidPart(int32_t id) { return id >= 0 && id < CHARACTER_PARTS; }

static void KeyframeStep(CharacterRecord &record) {
    const AnimationDescriptor &animation = record.animation;
    if (frameInput.now < animation.startTime || animation.entryCount < 1 || !animation.entries) return;
    const float t = frameInput.now - animation.startTime;
    const KeyframeEntry *entries = static_cast<const KeyframeEntry *>(animation.entries);
    const int count = animation.entryCount < MAX_ANIMATION_ENTRIES ? animation.entryCount : MAX_ANIMATION_ENTRIES;
    for (int i = 0; i < count; ++i) {
        const KeyframeEntry &e = entries[i];
        uint8_t &mark = record.entryMark[i];
        if (t > e.windowStart + e.duration) {
            // The final snap. An entry whose whole window fell between two
            // frames snaps too, so a long frame never leaves a part short of
            // its target (the ape waits for its arm to pass 195 degrees).
            if (mark != ENTRY_FINISHED) {
                mark = ENTRY_FINISHED;
                if (ValidPart(e.id)) record.value[e.id] = e.target;
            }
            if (e.id == EVENT_SHOW_OBJECT) record.holdingObject = 1;
            if (e.id == EVENT_HIDE_OBJECT) record.holdingObject = 0;
            if (e.id == EVENT_RESTART) record.animation.startTime = frameInput.now;
            if (e.id == EVENT_CHAIN && animation.next) {
                // The new animation is stepped from the next frame on.
                BeginAnimation(record, *animation.next);
                return;
            }
        } else if (t >= e.windowStart && ValidPart(e.id)) {
            if (mark == ENTRY_WAITING) {
                record.startValue[e.id] = record.value[e.id];
                mark = ENTRY_STARTED;
            }
            const float start = record.startValue[e.id];
            record.value[e.id] = start + (e.target - start) * t / e.duration;
        }
    }
}

static void CyclicStep(CharacterRecord &record) {
    const AnimationDescriptor &animation = record.animation;
    if (!animation.entries) return;
    const float t = frameInput.now - animation.startTime;
    const CyclicEntry *entries = static_cast<const CyclicEntry *>(animation.entries);
    for (int i = 0; i < animation.entryCount; ++i) {
        const CyclicEntry &e = entries[i];
        if (e.id == EVENT_END_OF_CYCLE) {
            if (t > e.halfPeriod && animation.next) {
                BeginAnimation(record, *animation.next);
                record.jumping = 0;
                return;
            }
        } else if (ValidPart(e.id)) {
            float s = std::sin((t + e.phase) * PI_F / e.halfPeriod);
            if (e.inverted) s = 1.0f - s;
            record.value[e.id] = e.amplitude * s + e.offset;
        }
    }
}

void UpdateAnimation(CharacterRecord &record) {
    if (record.animation.mode == MODE_KEYFRAME)
        KeyframeStep(record);
    else
        CyclicStep(record);
}
