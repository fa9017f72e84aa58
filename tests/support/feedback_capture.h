// feedback_capture.h -- what drawing code emits, captured in GL feedback mode and mapped back to its own coordinates
#pragma once

#include <vector>

#include "common/vec.h"

struct FeedbackPrimitive {
    int vertexCount;  // 2 line, 3 triangle (polygons arrive as triangles)
    Vec3 vertex[3];
};

struct Box3 {
    Vec3 low, high;
};

// Runs draw() under an orthographic projection that passes coordinates
// within +-40 straight through (model-view starts as the identity) and
// returns the lines and the triangles with an area it produced. Needs a
// current context.
std::vector<FeedbackPrimitive> CaptureFeedback(void (*draw)());

Box3 BoundsOf(const std::vector<FeedbackPrimitive> &primitives);
// The primitives lying wholly inside the box (with a small tolerance).
std::vector<FeedbackPrimitive> InsideBox(const std::vector<FeedbackPrimitive> &primitives, const Box3 &box);
