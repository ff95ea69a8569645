#include <algorithm>
#include <vector>

#include "game/flying_sprite.h"
#include "game/particles.h"
#include "support/round_fixture.h"

namespace {

using Effects = RoundTest;

TEST_F(Effects, ToastsMoveUntilTheyExpireAndLeaveTheListInOrder)
{
    makeArena(6, 6);
    Game& g = startGame();
    g.addToast(makeTimedToast("short", 10, 20, 1, -1, 2, ToastFont::Large));
    g.addToast(std::make_unique<Toast>("stays", 0.0f, 0.0f, 0.5f, 0.0f, ToastFont::Default));
    g.addToast(makeTimedToastFromText("bid", 5, 5, 0, -0.5f));
    g.addToast(makeTimedToast("shortest", 0, 0, 0, 0, 1, ToastFont::Default));
    auto texts = [&] {
        std::vector<std::string> t;
        for (const auto& toast : g.toasts)
            t.push_back(toast->text);
        return t;
    };
    g.updateToasts();
    EXPECT_EQ(texts(), (std::vector<std::string>{"short", "stays", "bid"}));
    EXPECT_FLOAT_EQ(g.toasts.front()->y, 19);
    for (int i = 0; i < 88; ++i)
        g.updateToasts();
    EXPECT_EQ(texts(), (std::vector<std::string>{"stays", "bid"}));
    g.updateToasts();   // the bid's 90th update
    EXPECT_EQ(texts(), std::vector<std::string>{"stays"});
    EXPECT_FLOAT_EQ(g.toasts.front()->x, 45);
}

TEST_F(Effects, AParticleBurstFallsAndIsGoneAfter240Updates)
{
    particleEngine.seed(0);
    spawnParticleBurst(100, 50);
    ASSERT_EQ(particles.size(), 300u);
    const Particle first = particles[0];
    for (const Particle& p : particles)
        EXPECT_TRUE(p.dx >= -2 && p.dx < 2 && p.dy >= -2 && p.dy < 0) << p.dx << "," << p.dy;
    updateParticles();
    EXPECT_FLOAT_EQ(particles[0].y, 50 + first.dy + 0.01f);
    for (int i = 0; i < 238; ++i)
        updateParticles();
    EXPECT_EQ(particles.size(), 300u);
    updateParticles();   // the 240th update
    EXPECT_TRUE(particles.empty());

    // The same seed gives the same burst.
    clearParticles();
    particleEngine.seed(0);
    spawnParticleBurst(100, 50);
    EXPECT_EQ(particles[0].dx, first.dx);
    EXPECT_EQ(particles[0].colour, first.colour);
}

TEST_F(Effects, FlyingSpritesSwellThenShrinkAway)
{
    std::vector<std::unique_ptr<FlyingSprite>> sprites;
    sprites.push_back(makeFlyingSprite({}, 64, 32, 0.2f, 30, 0));
    sprites.push_back(makeFlyingSprite({}, 64, 32, 0.2f, 30, 4));
    FlyingSprite& late = *sprites[1];
    float largest = 0;
    int updates = 0;
    for (; sprites.size() == 2 && updates < 1000; ++updates) {
        updateFlyingSprites(sprites, 60);
        largest = std::max(largest, sprites[0]->scale);
        if (updates == 2) {
            EXPECT_FLOAT_EQ(late.scale, 1);   // still waiting
            EXPECT_FLOAT_EQ(sprites[0]->angle, 1.5f);
        }
    }
    EXPECT_GT(largest, 3);
    ASSERT_EQ(sprites.size(), 1u);   // the first has shrunk away
    EXPECT_EQ(sprites[0].get(), &late);
    EXPECT_GT(updates, 40);

    // Gone only once below a hundredth; at 120 updates a second the scale
    // speed falls half as fast.
    sprites.clear();
    for (float scale : {0.012f, 0.3f}) {
        sprites.push_back(makeFlyingSprite({}, 0, 0, 0, 0, 0));
        sprites.back()->scale = scale;
    }
    updateFlyingSprites(sprites, 120);
    ASSERT_EQ(sprites.size(), 1u);
    EXPECT_NEAR(sprites[0]->scale, 0.3f - 1 / 240.0f, 1e-6);
}

}
