#include "menus/trophy_room_screen.h"

#include <allegro5/allegro.h>
#include <algorithm>
#include <numbers>

#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "frame/game_ids.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/draw/player_sprite_draw.h"
#include "media/bitmap_draw.h"
#include "media/fonts.h"
#include "media/music.h"
#include "media/music_tracks.h"
#include "media/primitives.h"
#include "media/sound.h"
#include "media/sprites.h"
#include "media/text.h"
#include "menus/trophy_layout.h"

namespace {

constexpr float firstPause = 1.769f;
constexpr float secondPause = 1.0f;
// A player is drawn turned about this pixel of its sprite (the body's middle).
constexpr int pivotX = 16;
constexpr int pivotY = 43;
constexpr float angleUnitsPerRadian = 255.0f / (2.0f * std::numbers::pi_v<float>);

}

std::vector<ScoringEntity> nonEmptyTrophyRows(std::vector<ScoringEntity> entries)
{
    for (ScoringEntity& e : entries)
        std::erase(e.players, nullptr);
    std::erase_if(entries, [](const ScoringEntity& e) { return e.players.empty(); });
    return entries;
}

TrophyRoom::TrophyRoom(std::vector<ScoringEntity> entries, bool noWinner, std::string message, int width,
                       int height)
    : rows_(nonEmptyTrophyRows(std::move(entries))), noWinner_(noWinner), message_(std::move(message)),
      width_(width), height_(height), timer_(firstPause), space_(ALLEGRO_KEY_SPACE)
{
    int best = 0;
    for (const ScoringEntity& e : rows_)
        best = std::max(best, e.wins);
    final_ = best == gameOptions.winsNeeded;
    playSound(SoundId::Beat2, int(255 * 0.75), 128, 1000);
}

int TrophyRoom::trophiesShown(std::size_t i) const
{
    return stage_ < revealStage ? rows_.at(i).previousWins : rows_.at(i).wins;
}

void TrophyRoom::update()
{
    // Asked every update, so a press made before the room is open is used up.
    const bool space = space_.pressed();
    if (timer_ > 0) {
        timer_ -= 1.0f / float(gameOptions.updateRate);
        return;
    }
    switch (stage_) {
    case 0:
        playSound(noWinner_ ? SoundId::Wimbaah : SoundId::Gong2, 200, 128, 1000);
        stage_ = revealStage;
        return;
    case revealStage:
        timer_ = secondPause;
        stage_ = 2;
        return;
    case 2:
        if (final_)
            launchChampions();
        stage_ = interactiveStage;
        return;
    default:
        break;
    }
    if (space)
        done_ = true;
    for (const ScoringEntity& e : rows_) {
        for (const auto& p : e.players) {
            if (p->slowTimer > 0)
                p->slowTimer -= 1;
        }
    }
    for (auto& [who, jump] : jumps) {
        if (jump.placed())
            moveTrophyJump(jump, width_, height_, levelRng);
    }
}

void TrophyRoom::launchChampions()
{
    music_ = startTrophyMusic();
    for (const ScoringEntity& e : rows_) {
        if (e.wins != gameOptions.winsNeeded)
            continue;
        for (const auto& p : e.players)
            jumps[p.get()] = championLeap(levelRng);
    }
}

void TrophyRoom::render()
{
    if (!screenBitmap)
        return;
    ALLEGRO_BITMAP* canvas = screenBitmap->bitmap;
    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    const bool teamMode = isTeamMode(gameOptions.gameMode);
    clearBitmap(*screenBitmap);
    const int n = int(rows_.size());
    for (int i = 0; i < n; ++i) {
        const ScoringEntity& row = rows_[std::size_t(i)];
        const int y = trophyRowY(i + 1, n, height_);
        const int m = int(row.players.size());
        for (int j = 0; j < m; ++j) {
            const Player& p = *row.players[std::size_t(j)];
            const int x = trophyPlayerX(j, m);
            if (teamMode && row.teamColour)
                drawFilledEllipse(canvas, x, y + pivotY, 16, 4, *row.teamColour);
            const PlayerSprite sprite = getSprite(p.getSpriteState(1, Facing::Down));
            TrophyJump& jump = jumps[&p];
            if (!jump.placed()) {
                jump.x = float(x + sprite.offset.x);
                jump.y = float(y + sprite.offset.y + 12 + pivotY);
            }
            if (sprite.bitmap)
                drawBitmapScaledRotated(canvas, sprite.bitmap->bitmap, pivotX, pivotY, int(jump.x), int(jump.y),
                                        jump.angle * angleUnitsPerRadian, 1.0f, 255);
        }
        for (int k = 0; k < trophiesShown(std::size_t(i)); ++k)
            drawSprite(canvas, SpriteId::Trophy, trophyX(k), y + 8, false);
    }
    if (final_)
        drawText(canvas, builtinFont, 320, 10, white, "Final Score", ALLEGRO_ALIGN_CENTRE);
    if (stage_ >= 2 && timer_ <= 0)
        drawText(canvas, builtinFont, 320, height_ - 20, white, "Press SPACE or bomb button", ALLEGRO_ALIGN_CENTRE);
    if (!message_.empty())
        drawText(canvas, builtinFont, 0, 20, white, message_, 0);
}

bool TrophyRoom::done() const
{
    return done_ || quitRequested;
}
