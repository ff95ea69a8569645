#include "game/particles.h"

#include <algorithm>

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
    std::uniform_int_distribution<int> component(0, 255);
    for (int i = 0; i < 300; ++i) {
        Particle p;
        p.x = x;
        p.y = y;
        p.dx = sideways(particleEngine);
        p.dy = upwards(particleEngine);
        int blue = component(particleEngine);
        int green = component(particleEngine);
        int red = component(particleEngine);
        p.colour = RGB{std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)};
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
    std::erase_if(particles, [](const Particle& p) { return p.life < 1; });
}
