// feedback_capture.cpp -- GL feedback capture for geometry tests
#include "tests/support/feedback_capture.h"

#include <algorithm>

#include "common/gl.h"

const int FEEDBACK_VIEWPORT = 1000;
const float BOX_TOLERANCE = 1e-3f;

static FeedbackVertex ReadVertex(const GLfloat *&cursor) {
    FeedbackVertex v;
    const float scale = 2.0f * FEEDBACK_REACH / FEEDBACK_VIEWPORT;
    v.position.x = cursor[0] * scale - FEEDBACK_REACH;
    v.position.y = cursor[1] * scale - FEEDBACK_REACH;
    v.position.z = (1.0f - 2.0f * cursor[2]) * FEEDBACK_REACH;
    for (int i = 0; i < 4; ++i) v.colour[i] = cursor[3 + i];
    v.texCoord[0] = cursor[7];
    v.texCoord[1] = cursor[8];
    cursor += 11;  // x y z, r g b a, s t r q
    return v;
}

std::vector<FeedbackPrimitive> CaptureFeedback(void (*draw)()) {
    static std::vector<GLfloat> buffer(1 << 21);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glViewport(0, 0, FEEDBACK_VIEWPORT, FEEDBACK_VIEWPORT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-FEEDBACK_REACH, FEEDBACK_REACH, -FEEDBACK_REACH, FEEDBACK_REACH, -FEEDBACK_REACH, FEEDBACK_REACH);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);

    std::vector<FeedbackPrimitive> primitives;
    const GLfloat *cursor = buffer.data();
    const GLfloat *end = cursor + (used > 0 ? used : 0);
    while (cursor < end) {
        const GLint token = static_cast<GLint>(*cursor++);
        FeedbackPrimitive p{};
        if (token == GL_POLYGON_TOKEN) {
            const int count = static_cast<int>(*cursor++);
            // Fan the polygon into triangles.
            FeedbackVertex first = ReadVertex(cursor), previous = ReadVertex(cursor);
            for (int i = 2; i < count; ++i) {
                const FeedbackVertex next = ReadVertex(cursor);
                p.vertexCount = 3;
                p.vertex[0] = first;
                p.vertex[1] = previous;
                p.vertex[2] = next;
                primitives.push_back(p);
                previous = next;
            }
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            p.vertexCount = 2;
            p.vertex[0] = ReadVertex(cursor);
            p.vertex[1] = ReadVertex(cursor);
            primitives.push_back(p);
        } else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN || token == GL_DRAW_PIXEL_TOKEN ||
                   token == GL_COPY_PIXEL_TOKEN) {
            p.vertexCount = 1;
            p.vertex[0] = ReadVertex(cursor);
            if (token == GL_POINT_TOKEN) primitives.push_back(p);
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            ++cursor;
        } else {
            break;  // unknown token: stop rather than misread the rest
        }
    }
    return primitives;
}

std::vector<FeedbackPrimitive> OnlyTriangles(const std::vector<FeedbackPrimitive> &primitives) {
    std::vector<FeedbackPrimitive> triangles;
    for (const FeedbackPrimitive &p : primitives)
        if (p.vertexCount == 3) triangles.push_back(p);
    return triangles;
}

Box3 BoundsOf(const std::vector<FeedbackPrimitive> &primitives) {
    Box3 box{{1e9f, 1e9f, 1e9f}, {-1e9f, -1e9f, -1e9f}};
    for (const FeedbackPrimitive &p : primitives)
        for (int i = 0; i < p.vertexCount; ++i) {
            const Vec3 &v = p.vertex[i].position;
            box.low = Vec3{std::min(box.low.x, v.x), std::min(box.low.y, v.y), std::min(box.low.z, v.z)};
            box.high = Vec3{std::max(box.high.x, v.x), std::max(box.high.y, v.y), std::max(box.high.z, v.z)};
        }
    return box;
}

static bool Inside(const Vec3 &v, const Box3 &box) {
    return v.x >= box.low.x - BOX_TOLERANCE && v.x <= box.high.x + BOX_TOLERANCE && v.y >= box.low.y - BOX_TOLERANCE &&
           v.y <= box.high.y + BOX_TOLERANCE && v.z >= box.low.z - BOX_TOLERANCE && v.z <= box.high.z + BOX_TOLERANCE;
}

std::vector<FeedbackPrimitive> InsideBox(const std::vector<FeedbackPrimitive> &primitives, const Box3 &box) {
    std::vector<FeedbackPrimitive> inside;
    for (const FeedbackPrimitive &p : primitives) {
        bool all = true;
        for (int i = 0; i < p.vertexCount; ++i) all = all && Inside(p.vertex[i].position, box);
        if (all) inside.push_back(p);
    }
    return inside;
}
