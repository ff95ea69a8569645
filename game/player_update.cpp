#include <algorithm>
#include <fmt/format.h>

#include "frame/game_ids.h"
#include "frame/log.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/modes.h"
#include "game/player.h"
#include "game/player_update_steps.h"
#include "game/replay_data.h"
#include "game/replay_records.h"
#include "game/toast.h"
#include "media/player_look.h"
#include "media/sound.h"

namespace {

constexpr std::size_t trailLength = 20;

// What the frame's input recorder works on; the recorder keeps only its
// address, so making one per update allocates nothing.
struct RecordState {
    const PackagedReplayData* replay;
    const Player* player;
    bool recordPending = false;
};

// Writes the player's input record of this frame when the round is recorded,
// and marks the frame's input as recorded.
RecordInput inputRecorder(RecordState& state)
{
    return [s = &state](int xDir, int yDir, bool fire, bool button2) {
        if (!s->replay->recording)
            return;
        writeInputRecord(*s->replay, s->player->num, InputRecord{xDir, yDir, fire, button2});
        s->recordPending = false;
    };
}

void updateTrail(Player& p)
{
    --p.trailTimer;
    if (p.trailTimer < 1) {
        p.trail.clear();
        return;
    }
    p.trail.push_back(TrailPoint{p.x, p.y, int(p.facing)});
    if (p.trail.size() > trailLength)
        p.trail.erase(p.trail.begin(), p.trail.end() - trailLength);
}

// Only on the join screen: the skin and colour buttons change the look.
void changeLook(Player& p, const FrameInput& input)
{
    if (input.changeSkin && !p.changeSkinWasDown)
        nextHeadIndex(p.look.head);
    if (input.changeColour && !p.changeColourWasDown)
        randomPlayerColour(p.look);
    p.changeSkinWasDown = input.changeSkin;
    p.changeColourWasDown = input.changeColour;
}

void updateTimers(Player& p)
{
    const int m = gameOptions.updateRateMultiplier;
    if (p.shieldTimer <= 120 * m) {
        const int before = p.shieldTimer--;
        if (before < 1) {
            p.shielded = false;
            p.ghost = false;
        }
    }
    if (p.slowTimer > 0)
        --p.slowTimer;
    if (p.minorStunTimer > 0)
        --p.minorStunTimer;
}

void updateFlyingSprites(Player& p)
{
    for (const auto& sprite : p.flyingSprites)
        sprite->update(gameOptions.updateRate);
    std::erase_if(p.flyingSprites, [](const auto& sprite) { return sprite->scale < 0.01f; });
}

// A frozen player stands still; a human one turns round every few frames.
void updateFrozen(Player& p)
{
    const int m = gameOptions.updateRateMultiplier;
    --p.stopTimer;
    if (frameCounter % (5 * m) == 0 && !p.isAI && !p.held) {
        p.walkFrame = 1;
        p.facing = Facing((int(p.facing) + 3) % 4);
    }
}

void updateBid(Player& p, const PackagedReplayData& replay, Game& game, bool button2)
{
    if (p.button2Flash > 0)
        --p.button2Flash;
    if (button2 && !p.button2WasDown) {
        p.button2Flash = 60;
        const bool mayBid =
            !p.held || playingOlderThan(replay, PlayerUpdate::heldPlayersMayNotBidVersion);
        Auction* auction = game.auction.get();
        if (mayBid && auction && p.canTakeBonus() && p.coins >= auction->price + 1) {
            ++auction->price;
            auction->highestBidder = p.shared_from_this();
            playSound(SoundId::Cash2, 200, 128, 1000);
            game.addToast(makeTimedToastFromText(fmt::format("Bid: {}", auction->price), p.x + 16,
                                                 p.y + 16, 0.0f, -0.5f));
        }
    }
    p.button2WasDown = button2;
}

}

void Player::update(const PackagedReplayData& replay, Game* game_, bool preview)
{
    game = game_;
    RecordState recordState{&replay, this};
    const RecordInput recordInput = inputRecorder(recordState);

    updateTrail(*this);
    const FrameInput input =
        PlayerUpdate::takeInput(*this, replay, recordState.recordPending, recordInput);
    if (preview)
        changeLook(*this, input);
    // Horizontal input wins.
    const int dy = input.xDir != 0 ? 0 : input.yDir;
    updateTimers(*this);
    updateFlyingSprites(*this);

    if (dead) {
        PlayerUpdate::updateDead(*this, replay, *game);
    } else if (stopTimer != 0) {
        updateFrozen(*this);
    } else {
        bool steered = false;
        if (isSnake()) {
            if (playingOlderThan(replay, PlayerUpdate::snakeStepVersion))
                updateSnakeBody(input.xDir, dy);
            else
                updateSnake(input.xDir, dy, replay, recordInput);
        } else if (input.xDir != 0 || dy != 0) {
            stepFrame(input.xDir, dy, steered, replay);
        }
        if (!preview && isMode(GameMode::CaptureTheFlag) && !isAI)
            PlayerUpdate::updateCaptureTheFlag(*this, replay, *game);
        PlayerUpdate::updateFire(*this, *game, input.fire);
        if (steered && remoteBombStepTimer == 10 * gameOptions.updateRateMultiplier)
            playSound(SoundId::Slide, 200, 128, 1000);
        PlayerUpdate::updatePickupAndHold(*this, preview);
        updateBid(*this, replay, *game, input.button2);
    }

    // A computer snake whose step made no choice is recorded standing still.
    if (recordState.recordPending)
        recordInput(input.xDir, dy, input.fire, input.button2);
    PlayerUpdate::verifyPosition(*this, replay);
}
