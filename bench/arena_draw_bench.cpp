// Time to draw one full frame of a round with 16 players, on the Normal
// (27 x 15) and the Colossal (75 x 43) arena, with the player sprite cache warm:
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bench/tamwick_arena_draw_bench [frames]
//
// Under Xvfb the drawing runs on Mesa's software renderer. Each frame is
// finished (glFinish) before the clock stops, so the figures are the work
// done, not the work queued. The breakdown times each layer on its own, each
// followed by glFinish, so its sum runs a little above the whole frame; the
// last two rows are what the floor replaces (clearing the canvas and placing
// every square), for comparison, and "(present: default shader)" is the
// canvas scaled through Allegro's own shader instead of the present shader,
// as presenting did before; the line under "Game::draw + present" is the whole
// frame presented that way. With LP_NUM_THREADS=0 Mesa draws on the calling
// thread alone, which a busy machine disturbs less.
//
// The benchmark keeps freed heap memory instead of handing it back to the
// system (M_TRIM_THRESHOLD at 64 MiB). The software renderer allocates a few
// megabytes of scratch memory each frame and frees it again; with glibc's
// default threshold that memory goes back to the system every frame and is
// faulted in again on the next (some 400 page faults a frame), which makes the
// small arena look slower than the large one. Kept, the figures show the
// drawing rather than the page faults. The game itself leaves the threshold
// alone: the cost belongs to software rendering, not to the drawing code.
#include <allegro5/allegro.h>
#include <allegro5/allegro_opengl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <map>
#include <string>
#include <vector>

#include "frame/display/display.h"
#include "frame/game_ids.h"
#include "frame/log.h"
#include "game/draw/arena_draw.h"
#include "game/particles.h"
#include "game/player.h"
#include "game/draw/player_sprite_cache.h"
#include "game/round_state.h"
#include "media/background_colour.h"
#include "media/bitmap_draw.h"
#include "support/arena_display.h"
#include "support/arena_scene.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figures {
    std::vector<double> samples;
    void add(double ms) { samples.push_back(ms); }
    double mean() const
    {
        double sum = 0;
        for (double s : samples)
            sum += s;
        return samples.empty() ? 0 : sum / double(samples.size());
    }
    double percentile(double p) const
    {
        if (samples.empty())
            return 0;
        std::vector<double> sorted = samples;
        std::sort(sorted.begin(), sorted.end());
        return sorted[std::size_t(p * double(sorted.size() - 1))];
    }
};

double timed(const std::function<void()>& work)
{
    const Clock::time_point start = Clock::now();
    work();
    finishDrawing();
    return millisecondsSince(start);
}

// The canvas scaled onto the backbuffer through Allegro's default shader, as
// presenting did before it had a shader of its own; for comparison.
void drawCanvasWithDefaultShader(ALLEGRO_BITMAP* canvas)
{
    const Rect dest =
        letterboxRect(backbufferBitmap->width(), backbufferBitmap->height(), screenWidth, screenHeight);
    drawBitmapScaled(backbufferBitmap->bitmap, canvas, 0, 0, screenWidth, screenHeight, dest.x, dest.y,
                     dest.width, dest.height);
}

void measure(const char* name, int width, int height, int frames)
{
    SceneOptions options;
    options.width = width;
    options.height = height;
    options.players = 16;
    auto game = buildArenaScene(options);
    makeArenaCanvas(width, height);
    ALLEGRO_BITMAP* canvas = screenBitmap->bitmap;

    // Warm: every player's sprite composed, every strip built.
    for (int i = 0; i < 30; ++i)
        game->draw(false);
    finishDrawing();
    const std::size_t cached = playerSpriteCacheSize();
    resetPlayerSpriteCacheCounts();

    Figures whole, withPresent, withDefaultPresent;
    std::map<std::string, Figures> layers;
    const char* order[] = {"floor (cells layer copied)", "hill tiles and powerups", "crawlers",
                           "bombs", "flames", "players", "particles, walls, toasts",
                           "present: scale to window", "(present: default shader)", "present: flip",
                           "(without the layer: clear)", "(without the layer: squares)"};
    for (int i = 0; i < frames; ++i) {
        frameCounter += 1;
        bitmapDrawCount = 0;
        whole.add(timed([&] { game->draw(false); }));
        const int draws = bitmapDrawCount;
        // The two ways of presenting take turns at going first: the frame
        // after a flip may wait for that flip to finish.
        auto presentingHere = [&] {
            withPresent.add(timed([&] {
                game->draw(false);
                presentFrame();
            }));
        };
        auto presentingAsBefore = [&] {
            withDefaultPresent.add(timed([&] {
                game->draw(false);
                drawCanvasWithDefaultShader(canvas);
                al_flip_display();
            }));
        };
        if (i % 2 == 0) {
            presentingHere();
            presentingAsBefore();
        } else {
            presentingAsBefore();
            presentingHere();
        }
        Game& g = *game;
        const ALLEGRO_COLOR background = getBackgroundColour();
        layers["floor (cells layer copied)"].add(timed([&] { drawArenaFloor(g, canvas, background); }));
        layers["hill tiles and powerups"].add(timed([&] { drawHillTilesAndPowerups(g, canvas, &background); }));
        layers["crawlers"].add(timed([&] { drawShrinkCrawlers(g, canvas); }));
        layers["bombs"].add(timed([&] { drawBombs(canvas); }));
        layers["flames"].add(timed([&] { drawFlames(g, canvas); }));
        layers["players"].add(timed([&] { Player::draw(); }));
        layers["particles, walls, toasts"].add(timed([&] {
            drawParticles(*screenBitmap);
            drawReappearingWalls(g, canvas);
            g.drawToasts();
        }));
        layers["present: scale to window"].add(timed([&] { drawCanvasOntoBackbuffer(); }));
        layers["(present: default shader)"].add(timed([&] { drawCanvasWithDefaultShader(canvas); }));
        layers["present: flip"].add(timed([&] { al_flip_display(); }));
        layers["(without the layer: clear)"].add(timed([&] { setTargetAndClear(*screenBitmap, background); }));
        layers["(without the layer: squares)"].add(timed([&] { drawSquares(g, canvas); }));
        if (i == 0)
            std::printf("%s %dx%d (%dx%d pixels), %zu players, %d bitmaps placed a frame, %zu sprites cached\n",
                        name, width, height, width * 32, height * 32, player.size(), draws, cached);
    }
    const PlayerSpriteCacheCounts counts = playerSpriteCacheCounts();
    std::printf("  Game::draw:            mean %6.3f ms  median %6.3f  p95 %6.3f\n", whole.mean(),
                whole.percentile(0.5), whole.percentile(0.95));
    std::printf("  Game::draw + present:  mean %6.3f ms  median %6.3f  p95 %6.3f\n", withPresent.mean(),
                withPresent.percentile(0.5), withPresent.percentile(0.95));
    std::printf("  (the same, presenting through the default shader: mean %6.3f ms  median %6.3f  p95 %6.3f)\n",
                withDefaultPresent.mean(), withDefaultPresent.percentile(0.5),
                withDefaultPresent.percentile(0.95));
    for (const char* layer : order)
        std::printf("    %-26s %6.3f ms\n", layer, layers[layer].mean());
    std::printf("  sprite cache while measuring: %ld hits, %ld misses\n", counts.hits, counts.misses);
}

}

int main(int argc, char** argv)
{
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    ensureArenaDisplay();
    if (!finishDrawing())
        std::printf("glFinish not found: figures show queued work only\n");
    // The game's window fills a 1920 x 1080 desktop; presenting scales onto it.
    setVideoMode(1920, 1080, true, -1);
    using GetString = const unsigned char* (*)(unsigned);
    auto getString = reinterpret_cast<GetString>(al_get_opengl_proc_address("glGetString"));
    const unsigned glRenderer = 0x1F01;
    std::printf("renderer %s, %d frames each\n",
                getString ? reinterpret_cast<const char*>(getString(glRenderer)) : "?", frames);
    measure("Normal", 27, 15, frames);
    measure("Colossal", 75, 43, frames);
    resetRoundState();
    clearPlayerSpriteCache();
    screenBitmap.reset();
    return 0;
}
