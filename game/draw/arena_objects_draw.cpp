#include <algorithm>
#include <string>

#include "frame/accessibility_settings.h"
#include "frame/game_ids.h"
#include "game/draw/arena_draw.h"
#include "game/draw/draw_helpers.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/round_state.h"
#include "game/team.h"
#include "media/bitmap_draw.h"
#include "media/colour.h"
#include "media/fonts.h"
#include "media/primitives.h"
#include "media/recolour_shader.h"
#include "media/render_target.h"
#include "media/sprites.h"

int bombSprite(const Bomb& bomb, int multiplier)
{
    if (bomb.state == BombState::Moving) {
        switch (bomb.direction) {
        case Facing::Right: return SpriteId::RocketRight;
        case Facing::Up: return SpriteId::RocketUp;
        case Facing::Left: return SpriteId::RocketLeft;
        case Facing::Down: return SpriteId::RocketDown;
        }
        return SpriteId::FirstBombFuse;
    }
    const int full = 90 * std::max(multiplier, 1);
    // A fuse longer than a full one (a re-armed bomb) has not started burning.
    if (bomb.fuse > full)
        return SpriteId::FirstBombFuse;
    return std::min((full - bomb.fuse) * 21 / full + SpriteId::FirstBombFuse, SpriteId::LastBombFuse);
}

// Floating point throughout: at fast shrink speeds S * S / 256 is below one.
CrawlerFrame crawlerFrame(int look, int stepTimer, int shrinkSpeed)
{
    const float s = float(std::max(shrinkSpeed, 1));
    const float t = float(stepTimer);
    const float square = s * s;
    const float turned = std::min(t * s, square - 1.0f) / (square / 256.0f);
    CrawlerFrame frame;
    if (look == 0 || look == 1 || look == 3 || look == 4)
        frame.scale = std::clamp(1.0f - t / s, 0.0f, 1.0f);
    if (look == 1 || look == 4) {
        frame.turns = true;
        frame.angle = 255.0f - turned;
    }
    if (look == 2 || look == 3 || look == 4)
        frame.alpha = std::clamp(int(255.0f - turned), 0, 255);
    return frame;
}

void drawShrinkCrawlers(const Game& game, ALLEGRO_BITMAP* canvas)
{
    if (game.shrinkStepTimer < 1 || game.shrinkCrawlers.empty())
        return;
    const int speed = gameOptions.resolvedShrinkSpeed.value();
    const CrawlerFrame frame = crawlerFrame(game.crawlerLook, game.shrinkStepTimer, speed);
    for (const ShrinkCrawler& crawler : game.shrinkCrawlers) {
        const int x = crawler.x * 32, y = crawler.y * 32;
        if (frame.turns)
            drawSpriteScaledRotated(canvas, SpriteId::Block3, 16, 16, x + 16, y + 16, frame.angle,
                                    frame.scale, frame.alpha);
        else
            drawSpriteScaledRotated(canvas, SpriteId::Block3, 0, 0, x, y, 0.0f, frame.scale, frame.alpha);
    }
}

void drawBombs(ALLEGRO_BITMAP* canvas)
{
    const bool recolour = accessibilitySettings.recolourBombs;
    if (recolour) {
        RecolourSettings settings;
        settings.baseCol = al_map_rgb(0, 0, 0);
        settings.newCol = toColour(accessibilitySettings.newBombCol);
        setTargetBitmap(canvas);
        setRecolour(settings);
    }
    const int m = gameOptions.updateRateMultiplier;
    for (int y = 0; y < bombGrid.height(); ++y) {
        for (int x = 0; x < bombGrid.width(); ++x) {
            const Bomb& bomb = bombGrid.get(x, y);
            if (bomb.isLive())
                drawSprite(canvas, bombSprite(bomb, m), x * 32, y * 32, false);
        }
    }
    if (recolour)
        useShader();
}

// Each team's base: a flat target of rings in the team colour with the score
// shown so far.
void drawHomeRings(ALLEGRO_BITMAP* canvas)
{
    for (const Team& team : teams) {
        const int cx = team.home.x * 32 + 16, cy = team.home.y * 32 + 32;
        for (float k : {1.0f, 0.8f, 0.6f, 0.4f, 0.2f})
            drawEllipse(canvas, cx, cy, int(16 * k), int(4 * k), team.colour);
        drawCentredText(canvas, font20, cx, cy, std::to_string(team.displayedScore));
    }
}

// The tail waves first, so the head waves end on top.
void drawFlames(const Game& game, ALLEGRO_BITMAP* canvas)
{
    for (int wave = 3; wave >= 1; --wave) {
        for (const Flame& flame : game.flames) {
            if (flame.wave != wave)
                continue;
            const std::shared_ptr<Player> owner = flame.owner.lock();
            const int first = owner && owner->annihilator ? SpriteId::Explo1A : SpriteId::Explo1;
            drawSprite(canvas, first + wave - 1, flame.x * 32, flame.y * 32, false);
        }
    }
}

// A returning block closes in on its cell from eight sides as its time runs out.
void drawReappearingWalls(const Game& game, ALLEGRO_BITMAP* canvas)
{
    for (const PendingWall& wall : game.pendingWalls) {
        const int t = wall.framesLeft;
        const int alpha = std::clamp(255 - std::min(2 * t, 255), 0, 255);
        drawEightAround(canvas, getBitmap(SpriteId::Wall3), wall.x * 32, wall.y * 32, 2.0f * float(t), alpha);
    }
}
