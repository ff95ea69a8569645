#include "game/particles.h"

#include <algorithm>

#include "frame/uniform_int.h"

std::vector<Particle> particles;
std::mt19937 particleEngine(0);

void clearParticles()
{
    particles.clear();
}

void spawnParticleBurst(float x, float y)
{
    std::uniform_real_distribution<float> sideways(-2.0f, 2.0f);
    std::uniform_real_distribution<float> upwards(-2.0f, 0.0f);
    auto component = [] { return std::uint8_t(uniformIntInclusive(particleEngine, 0, 255)); };
    for (int i = 0; i < 300; ++i) {
        Particle p;
        p.x = x;
        p.y = y;
        p.dx = sideways(particleEngine);
        p.dy = upwards(particleEngine);
        p.colour.b = component();
        p.colour.g = component();
        p.colour.r = component();
        p.life = 240;
        particles.push_back(p);
    }
}

void updateParticles()
{
    for (Particle& p : particles) {
        if (--p.life < 1)
            continue;
        p.dy += 0.01f;
        p.x += p.dx;
        p.y += p.dy;
    }
    // Spent particles go; the rest keep their order.
    std::erase_if(particles, [](const Particle& p) { return p.life < 1; });
}
