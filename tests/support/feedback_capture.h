// feedback_capture.h -- what drawing code emits, captured in GL feedback mode and mapped back to world coordinates
#pragma once

#include <vector>

#include "common/vec.h"

struct FeedbackVertex {
    Vec3 position;     // in the coordinates the drawing code was called in
    float colour[4];
    float texCoord[2];
};

struct FeedbackPrimitive {
    int vertexCount;  // 1 point, 2 line, 3 triangle (polygons arrive as triangles)
    FeedbackVertex vertex[3];
};

struct Box3 {
    Vec3 low, high;
};

// Runs draw() under an orthographic projection that maps coordinates within
// +-FEEDBACK_REACH straight through (model-view starts as the identity), and
// returns every primitive it produced. Needs a current context.
const float FEEDBACK_REACH = 40.0f;
std::vector<FeedbackPrimitive> CaptureFeedback(void (*draw)());

std::vector<FeedbackPrimitive> OnlyTriangles(const std::vector<FeedbackPrimitive> &primitives);
Box3 BoundsOf(const std::vector<FeedbackPrimitive> &primitives);
// The primitives lying wholly inside the box (with a small tolerance).
std::vector<FeedbackPrimitive> InsideBox(const std::vector<FeedbackPrimitive> &primitives, const Box3 &box);
