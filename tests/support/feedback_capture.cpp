// feedback_capture.cpp -- GL feedback capture for geometry tests
#include "tests/support/feedback_capture.h"

#include <algorithm>

#include "common/gl.h"

const float REACH = 40.0f;
const int VIEWPORT = 1000;
const float TOLERANCE = 1e-3f;

// Display-list compilers may join strips with zero-area triangles; they draw nothing.
static bool HasArea(const Vec3 *v) {
    const Vec3 a{v[1].x - v[0].x, v[1].y - v[0].y, v[1].z - v[0].z};
    const Vec3 b{v[2].x - v[0].x, v[2].y - v[0].y, v[2].z - v[0].z};
    const Vec3 n{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    return n.x * n.x + n.y * n.y + n.z * n.z > 1e-12f;
}

static Vec3 ReadVertex(const GLfloat *&cursor) {
    const float scale = 2.0f * REACH / VIEWPORT;
    const Vec3 v{cursor[0] * scale - REACH, cursor[1] * scale - REACH, (1.0f - 2.0f * cursor[2]) * REACH};
    cursor += 3;
    return v;
}

std::vector<FeedbackPrimitive> CaptureFeedback(void (*draw)()) {
    static std::vector<GLfloat> buffer(1 << 20);
    glPushAttrib(GL_VIEWPORT_BIT);
    glViewport(0, 0, VIEWPORT, VIEWPORT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-REACH, REACH, -REACH, REACH, -REACH, REACH);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();

    std::vector<FeedbackPrimitive> primitives;
    const GLfloat *cursor = buffer.data(), *end = cursor + std::max(used, 0);
    while (cursor < end) {
        const GLint token = static_cast<GLint>(*cursor++);
        FeedbackPrimitive p{};
        if (token == GL_POLYGON_TOKEN) {  // fanned into triangles
            const int count = static_cast<int>(*cursor++);
            p.vertexCount = 3;
            p.vertex[0] = ReadVertex(cursor);
            p.vertex[2] = ReadVertex(cursor);
            for (int i = 2; i < count; ++i) {
                p.vertex[1] = p.vertex[2];
                p.vertex[2] = ReadVertex(cursor);
                if (HasArea(p.vertex)) primitives.push_back(p);
            }
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            p.vertexCount = 2;
            p.vertex[0] = ReadVertex(cursor);
            p.vertex[1] = ReadVertex(cursor);
            primitives.push_back(p);
        } else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN || token == GL_DRAW_PIXEL_TOKEN ||
                   token == GL_COPY_PIXEL_TOKEN || token == GL_PASS_THROUGH_TOKEN) {
            cursor += token == GL_PASS_THROUGH_TOKEN ? 1 : 3;
        } else {
            break;  // unknown token: stop rather than misread the rest
        }
    }
    return primitives;
}

Box3 BoundsOf(const std::vector<FeedbackPrimitive> &primitives) {
    Box3 box{{1e9f, 1e9f, 1e9f}, {-1e9f, -1e9f, -1e9f}};
    for (const FeedbackPrimitive &p : primitives)
        for (int i = 0; i < p.vertexCount; ++i) {
            const Vec3 &v = p.vertex[i];
            box.low = Vec3{std::min(box.low.x, v.x), std::min(box.low.y, v.y), std::min(box.low.z, v.z)};
            box.high = Vec3{std::max(box.high.x, v.x), std::max(box.high.y, v.y), std::max(box.high.z, v.z)};
        }
    return box;
}

// Each coordinate of a at most that of b, with the tolerance.
static bool NotAbove(const Vec3 &a, const Vec3 &b) {
    return a.x <= b.x + TOLERANCE && a.y <= b.y + TOLERANCE && a.z <= b.z + TOLERANCE;
}

std::vector<FeedbackPrimitive> InsideBox(const std::vector<FeedbackPrimitive> &primitives, const Box3 &box) {
    std::vector<FeedbackPrimitive> inside;
    for (const FeedbackPrimitive &p : primitives) {
        const Box3 own = BoundsOf({p});
        if (NotAbove(box.low, own.low) && NotAbove(own.high, box.high)) inside.push_back(p);
    }
    return inside;
}
