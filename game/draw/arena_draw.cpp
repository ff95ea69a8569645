#include "game/draw/arena_draw.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "frame/accessibility_settings.h"
#include "frame/display/display.h"
#include "frame/game_ids.h"
#include "frame/range_map.h"
#include "game/draw/draw_helpers.h"
#include "game/game_options.h"
#include "game/modes.h"
#include "game/particles.h"
#include "game/player.h"
#include "media/background_colour.h"
#include "media/bitmap_draw.h"
#include "media/colour.h"
#include "media/fonts.h"

namespace {

// Rounded, so the pulse reaches the full red at its peaks.
int component(float value)
{
    return std::clamp(int(std::lround(value)), 0, 255);
}

// The background, pulsing towards red while the shrink warning runs.
ALLEGRO_COLOR backgroundOf(const Game& game, bool joinPreview)
{
    ALLEGRO_COLOR colour = joinPreview ? al_map_rgb(0, 32, 0) : getBackgroundColour();
    if (game.shrinkPhase != 1 || game.shrinkTimer >= 0 || !accessibilitySettings.flashingEnabled)
        return colour;
    const float s = std::sin(mapRange(float(game.shrinkTimer), 0.0f, 500.0f, 48.694687f, -1.5707964f));
    return al_map_rgb(component(mapRange(s, -1.0f, 1.0f, float(redOf(colour)), 255.0f)),
                      component(mapRange(s, -1.0f, 1.0f, float(greenOf(colour)), 0.0f)),
                      component(mapRange(s, -1.0f, 1.0f, float(blueOf(colour)), 0.0f)));
}

bool hasCarrier(const Flag& flag)
{
    return !flag.carrier.expired();
}

}

ArenaDrawCache& arenaDrawCache(Game& game)
{
    if (!game.drawCache)
        game.drawCache = std::make_shared<ArenaDrawCache>();
    return *game.drawCache;
}

void Game::draw(bool joinPreview)
{
    ALLEGRO_BITMAP* canvas = roundCanvas();
    if (!canvas)
        return;
    const ALLEGRO_COLOR background = backgroundOf(*this, joinPreview);
    if (joinPreview) {
        setTargetAndClear(*screenBitmap, background);
    } else {
        // The floor (background and squares) comes from the cells layer when
        // it can; otherwise the canvas is cleared and every square placed.
        if (drawArenaFloor(*this, canvas, background)) {
            drawHillTilesAndPowerups(*this, canvas, &background);
        } else {
            setTargetAndClear(*screenBitmap, background);
            drawHillTilesAndPowerups(*this, canvas);
            drawSquares(*this, canvas);
        }
        drawShrinkCrawlers(*this, canvas);
    }
    drawBombs(canvas);

    // Carried flags wait until their carriers stand on the arena.
    std::vector<const Flag*> carried;
    if (isMode(GameMode::CaptureTheFlag)) {
        for (const Flag& flag : flags) {
            if (hasCarrier(flag))
                carried.push_back(&flag);
            else
                flag.draw(*screenBitmap);
        }
    }
    const bool homesShown = gameOptions.gameMode == GameMode::Everything ||
                            isMode(GameMode::CaptureTheFlag) || isMode(GameMode::KingOfTheHill);
    if (!joinPreview && homesShown)
        drawHomeRings(canvas);
    drawFlames(*this, canvas);
    Player::draw();
    for (const Flag* flag : carried)
        flag->draw(*screenBitmap);
    drawParticles(*screenBitmap);
    drawReappearingWalls(*this, canvas);
    drawToasts();
}

void Game::drawToasts()
{
    ALLEGRO_BITMAP* canvas = roundCanvas();
    if (!canvas)
        return;
    for (const auto& toast : toasts) {
        const ALLEGRO_FONT* font = toast->font == ToastFont::Large ? font30 : builtinFont;
        drawCentredText(canvas, font, int(toast->x), int(toast->y), toast->text);
    }
}
