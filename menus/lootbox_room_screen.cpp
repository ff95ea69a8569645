#include "menus/lootbox_room_screen.h"

#include <algorithm>
#include <allegro5/allegro.h>

#include "frame/app_globals.h"
#include "frame/config.h"
#include "frame/display/display.h"
#include "frame/game_ids.h"
#include "frame/log.h"
#include "media/bitmap_draw.h"
#include "media/fonts.h"
#include "media/sound.h"
#include "media/sprites.h"
#include "media/text.h"

namespace {

// Step intervals in hundredths of a second, so the shortest is met exactly.
constexpr int shortestStepInterval = 5;
constexpr double incrementGrowth = 0.05;
constexpr double photoDelay = 2.0;

}

LootboxRoom::LootboxRoom(int storedPoints, int totalPoints)
    : shown_(storedPoints), total_(totalPoints), items_(lootboxItems()), space_(ALLEGRO_KEY_SPACE)
{
    for (const LootboxItem& item : items_) {
        if (readConfigBool("lootbox", item.key.c_str(), false))
            unlocked_.insert(item.key);
    }
}

void LootboxRoom::update(double dt)
{
    // Asked every update, so a press made while it is not wanted is used up.
    const bool space = space_.pressed();
    timer_ -= dt;
    if (phase_ == 0 && timer_ < 0)
        phase_ = 1;
    if (phase_ == 1 && timer_ < 0)
        countStep();
    else if (phase_ == 2 && timer_ < 0)
        showStep(space);
    if (finished_ && space)
        done_ = true;
}

void LootboxRoom::countStep()
{
    if (shown_ >= total_) {
        if (!queue_.empty()) {
            timer_ = photoDelay;
            phase_ = 2;
        } else {
            finished_ = true;
            prompt_ = true;
        }
        return;
    }
    // The increment grows by a twentieth at every step taken at the shortest
    // interval, so long counts speed up; it is computed afresh each time so
    // that it reaches whole numbers exactly.
    const int increment = int(1.0 + incrementGrowth * fastSteps_);
    shown_ = std::min(total_, shown_ + increment);
    playSound(SoundId::Cash2, 200, 128, 1000);
    timer_ = stepInterval_ / 100.0;
    stepInterval_ = std::max(shortestStepInterval, stepInterval_ - 1);
    if (stepInterval_ == shortestStepInterval)
        fastSteps_ += 1;
    unlockPassedItems();
}

void LootboxRoom::unlockPassedItems()
{
    for (const LootboxItem& item : items_) {
        if (item.points > shown_ || unlocked_.count(item.key))
            continue;
        // A kind turned off in the phobias menu keeps the item back until a
        // later visit finds it on again.
        if (!item.allowed())
            continue;
        unlocked_.insert(item.key);
        queue_.push_back(item);
        // Written at once (the file is replaced whole), so an unlock survives
        // the program being stopped before the photograph is shown.
        setConfigInt("lootbox", item.key.c_str(), 1);
        logLine("Unlocked " + item.key + "\n");
    }
}

void LootboxRoom::showStep(bool space)
{
    if (!onDisplay_) {
        onDisplay_ = queue_.front();
        queue_.pop_front();
        prompt_ = true;
    }
    if (!space)
        return;
    if (queue_.empty()) {
        done_ = true;
    } else {
        onDisplay_ = queue_.front();
        queue_.pop_front();
    }
}

void LootboxRoom::render()
{
    if (!screenBitmap)
        return;
    ALLEGRO_BITMAP* canvas = screenBitmap->bitmap;
    const int width = screenBitmap->width();
    const int height = screenBitmap->height();
    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    clearBitmap(*screenBitmap);
    if (phase_ < 2) {
        drawText(canvas, font30, width / 2, height / 2 - 40, white, "TOTAL CASH", ALLEGRO_ALIGN_CENTRE);
        drawNumber(canvas, font30, width / 2, height / 2, white, shown_, ALLEGRO_ALIGN_CENTRE);
    } else if (onDisplay_) {
        const int sprite = onDisplay_->sprite;
        drawSprite(canvas, sprite, width / 2 - spriteWidth(sprite) / 2, height / 2 - spriteHeight(sprite) / 2,
                   false);
        drawText(canvas, font30, width / 2, int(0.02 * width), white, onDisplay_->caption, ALLEGRO_ALIGN_CENTRE);
    } else {
        drawText(canvas, font30, width / 2, height / 4, white, "You have unlocked...", ALLEGRO_ALIGN_CENTRE);
    }
    if (prompt_)
        drawText(canvas, font30, width / 2, int(0.95 * height), white, "Press SPACE or bomb button",
                 ALLEGRO_ALIGN_CENTRE);
}

bool LootboxRoom::done() const
{
    return done_ || quitRequested;
}
