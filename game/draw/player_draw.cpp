#include <algorithm>
#include <array>
#include <numbers>
#include <optional>
#include <string>

#include "frame/accessibility_settings.h"
#include "frame/app_globals.h"
#include "frame/game_ids.h"
#include "frame/log.h"
#include "frame/settings.h"
#include "game/draw/draw_helpers.h"
#include "game/game_options.h"
#include "game/modes.h"
#include "game/player.h"
#include "game/draw/player_sprite_draw.h"
#include "game/round_state.h"
#include "game/team.h"
#include "media/bitmap_draw.h"
#include "media/fonts.h"
#include "media/primitives.h"

namespace {

const ALLEGRO_COLOR white{1, 1, 1, 1};

bool isFacing(int value)
{
    return value >= 0 && value <= 3;
}

void drawSpriteAt(ALLEGRO_BITMAP* canvas, const PlayerSprite& sprite, int x, int y, int alpha)
{
    if (sprite.bitmap)
        drawBitmap(canvas, sprite.bitmap->bitmap, x + sprite.offset.x, y + sprite.offset.y, false, alpha);
}

// A dead player waiting to respawn: eight copies converge on its respawn cell
// and grow more opaque as the wait runs out.
void drawRespawning(ALLEGRO_BITMAP* canvas, const Player& p)
{
    const int m = gameOptions.updateRateMultiplier;
    if (p.isAI || !respawnModeActive() || p.respawnTimer >= twoSecondFrameCount * m)
        return;
    SpriteState state = p.getSpriteState(std::nullopt, Facing::Down);
    state.shield = 0;
    const PlayerSprite sprite = getSprite(state);
    const Vector2 cell = p.homeSquare();
    // The radius runs on game time, so it closes in alike at every rate.
    const float radius = 2.0f * float(p.respawnTimer) / float(m);
    const int alpha = respawnFadeAlpha(p.respawnTimer, m);
    drawEightAround(canvas, sprite.bitmap->bitmap, cell.x * 32 + sprite.offset.x,
                    cell.y * 32 + sprite.offset.y, radius, alpha);
}

// Earlier positions, newest first: every fifth one, each fainter than the last.
void drawTrail(ALLEGRO_BITMAP* canvas, const Player& p, std::optional<int> ghostAlpha)
{
    int alpha = 127;
    for (int i = int(p.trail.size()) - 5; i >= 0 && alpha > 0; i -= 5) {
        const TrailPoint& point = p.trail[std::size_t(i)];
        if (isFacing(point.facing)) {
            const PlayerSprite sprite = getSprite(p.getSpriteState(std::nullopt, Facing(point.facing)));
            drawSpriteAt(canvas, sprite, point.x, point.y, ghostAlpha.value_or(alpha));
        }
        alpha /= 2;
    }
}

void drawSnakeBody(ALLEGRO_BITMAP* canvas, const Player& p, int alpha)
{
    std::array<std::optional<PlayerSprite>, 4> byFacing;
    for (const SnakePart& part : p.snakeBody) {
        const int facing = std::get<2>(part);
        if (!isFacing(facing))
            continue;
        std::optional<PlayerSprite>& sprite = byFacing[std::size_t(facing)];
        if (!sprite)
            sprite = getSprite(p.getSpriteState(std::nullopt, Facing(facing)));
        drawSpriteAt(canvas, *sprite, std::get<0>(part), std::get<1>(part), alpha);
    }
}

void drawLiving(ALLEGRO_BITMAP* canvas, const Player& p)
{
    const int m = gameOptions.updateRateMultiplier;
    // A ghost shows translucent; as its time runs out it blinks.
    const bool ending = p.shieldTimer <= 120 * m;
    const bool translucent = p.ghost && (!ending || frameCounter % (10 * m) < 5);
    const int alpha = translucent ? std::clamp(accessibilitySettings.ghostOpacity, 0, 255) : 255;

    if (isTeamMode(gameOptions.gameMode)) {
        if (const Team* team = teamAt(p.team)) {
            auto ellipse = translucent ? drawEllipse : drawFilledEllipse;
            ellipse(canvas, p.x + 16, p.y + 32, 16, 4, team->colour);
        }
    }
    drawTrail(canvas, p, translucent ? std::optional<int>(alpha) : std::nullopt);
    drawSpriteAt(canvas, getSprite(p.getSpriteState(std::nullopt, std::nullopt)), p.x, p.y, alpha);
    drawSnakeBody(canvas, p, alpha);
}

void drawMarks(ALLEGRO_BITMAP* canvas, const Player& p)
{
    if (p.controls && !p.controls->isActive())
        drawCentredText(canvas, builtinFont, p.x + 16, p.y + 32, "CONTROLLER LOST");
    if (controllerDebug && p.controls)
        drawCentredText(canvas, builtinFont, p.x + 16, p.y + 42, p.controls->id());
    if (gameOptions.gameMode == GameMode::Deathmatch)
        drawCentredText(canvas, font24, p.x + 16, p.y - 48, std::to_string(p.kills));
    if (p.held && p.rescueFrames >= 1 && p.holdTimer <= 0 && rescueCount > 0) {
        const float span = float(p.rescueFrames) * 2.0f * std::numbers::pi_v<float> / float(rescueCount);
        drawArc(canvas, p.x + 16, p.y + 16, 16, 0.0f, span, white, 6.0f);
    }
    if (p.button2Flash > 0)
        drawEllipse(canvas, p.x + 16, p.y + 16, p.button2Flash, p.button2Flash, white);
}

}

void Player::draw()
{
    ALLEGRO_BITMAP* canvas = roundCanvas();
    if (!canvas)
        return;
    // Lower on the screen is drawn later, so nearer players stand in front.
    std::vector<Player*> order;
    order.reserve(player.size());
    for (const auto& p : player) {
        if (p)
            order.push_back(p.get());
    }
    std::stable_sort(order.begin(), order.end(), [](const Player* a, const Player* b) { return a->y < b->y; });

    for (const Player* p : order) {
        for (const auto& flying : p->flyingSprites)
            flying->draw();
        if (p->dead)
            drawRespawning(canvas, *p);
        else
            drawLiving(canvas, *p);
        drawMarks(canvas, *p);
    }
}
