// particle_field.cpp -- spawn, step, drawing and construction of the sparks
#include "assets/particle_field.h"

#include "assets/flame_sprite.h"
#include "assets/slide_show.h"
#include "common/frame_input.h"
#include "common/gl.h"
#include "common/random.h"

Particle particleField[PARTICLE_COUNT];

void ConstructParticleField() {
    for (int i = 0; i < PARTICLE_COUNT; ++i) {
        Particle &spark = particleField[i];
        spark.index = i;
        SpawnParticle(spark);
        // Staggered start, so the sparks do not all flare together.
        spark.glow = static_cast<float>(Random() % 100) * 0.01f;
    }
}

void SpawnParticle(Particle &spark) {
    const bool fromPointMap = slideShow.active && spark.index >= 0 &&
                              spark.index <= slideShow.lastPointIndex &&
                              spark.index < SLIDE_POINT_LIMIT;
    if (fromPointMap) {
        // Exactly over the pixel of the still, which is drawn at 0.1 units a pixel.
        const SlidePoint &point = slideShow.points[spark.index];
        spark.x = point.x * 0.1f;
        spark.y = point.y * -0.1f;
    } else {
        const int a = Random() % 1000;
        const int b = Random() % 1000;
        spark.y = static_cast<float>(a - 500) * 0.04f;
        spark.x = static_cast<float>(b - 500) / 18.0f;
    }
    spark.glow = 0.0f;
    spark.speed = static_cast<float>(Random() % 100 + 5) * 0.002f;
    spark.accel = static_cast<float>(Random() % 100 + 25) * 0.01f;
}

void StepParticle(Particle &spark) {
    spark.speed += frameInput.dt * spark.accel;
    // Past full brightness the spark starts to fade for the rest of its life.
    if (spark.glow > 1.0f) spark.accel = -1.0f;
    spark.glow += frameInput.dt * spark.speed;
    if (spark.glow <= 0.0f) SpawnParticle(spark);
}

void DrawParticles(const Particle *sparks, int count) {
    BeginFlameSprites();
    for (int i = 0; i < count; ++i) {
        const float g = sparks[i].glow;
        glColor4f(0.75f * g, 0.75f * g, g, g);
        AddFlameSprite(sparks[i].x, sparks[i].y, 0.0f);
    }
    EndFlameSprites();
}
