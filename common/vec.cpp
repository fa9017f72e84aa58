// vec.cpp -- RotatePoint
#include "common/vec.h"

#include <cmath>

static const double DEGREES_TO_RADIANS = 0.017453292519943295;

void RotatePoint(Vec3 &p, float ax, float ay, float az) {
    const float rx = static_cast<float>(ax * DEGREES_TO_RADIANS);
    const float ry = static_cast<float>(ay * DEGREES_TO_RADIANS);
    const float rz = static_cast<float>(az * DEGREES_TO_RADIANS);
    if (rx != 0.0f) {
        const float c = std::cos(rx), s = std::sin(rx);
        const float y = p.y * c - p.z * s;
        const float z = p.y * s + p.z * c;
        p.y = y;
        p.z = z;
    }
    if (ry != 0.0f) {
        const float c = std::cos(ry), s = std::sin(ry);
        const float x = p.x * c + p.z * s;
        const float z = -p.x * s + p.z * c;
        p.x = x;
        p.z = z;
    }
    if (rz != 0.0f) {
        const float c = std::cos(rz), s = std::sin(rz);
        const float x = p.x * c - p.y * s;
        const float y = p.x * s + p.y * c;
        p.x = x;
        p.y = y;
    }
}
