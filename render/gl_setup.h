// gl_setup.h -- the drawing size, the fixed OpenGL state and the perspective projection
#pragma once

struct ClientRect {
    int left, top, right, bottom;
};

// Client rectangle of the saver window, set once at start-up and never reset
// (a saver window never changes size); right is the drawing width W and
// bottom the drawing height H.
extern ClientRect clientRect;

inline int W() { return clientRect.right; }
inline int H() { return clientRect.bottom; }

// Depth test, colour material, the driver's edge clamping, the scene set-up, blend function, renormalisation.
void InitGlState();
// The 45-degree perspective of the play view over the whole window.
void SetProjection(int width, int height);
