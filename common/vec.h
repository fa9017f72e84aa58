// vec.h -- Vec2, Vec3 and RotatePoint, the shared geometry types
#pragma once

struct Vec2 {
    float x, y;
};

struct Vec3 {
    float x, y, z;
};

// Rotates in place about x by ax, then y by ay, then z by az (degrees).
// A rotation whose radian value is exactly 0 is skipped.
void RotatePoint(Vec3 &point, float ax, float ay, float az);
