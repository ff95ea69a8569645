#pragma once
#include <random>
#include <vector>

#include "frame/rgb.h"

class BitmapWrapper;

// A spark of a particle burst (flag captures, auction wins). Purely visual.
struct Particle {
    float x = 0;
    float y = 0;
    float dx = 0;
    float dy = 0;
    RGB colour{};
    int life = 0;
};

extern std::vector<Particle> particles;
// Seeded 0; not part of a round's replayed state.
extern std::mt19937 particleEngine;

void clearParticles();
void spawnParticleBurst(float x, float y);
void updateParticles();
// One pixel per particle (drawing library).
void drawParticles(BitmapWrapper& target);
