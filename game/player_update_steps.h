#pragma once
#include "game/player.h"

class Game;
struct Flag;
struct PackagedReplayData;
struct Team;

// The steps of one player's update, each in the file of its topic; Player::update
// runs them in its fixed order.

// What one frame's input says.
struct FrameInput {
    int xDir = 0;            // -1, 0 or 1
    int yDir = 0;
    bool fire = false;
    bool button2 = false;
    bool changeSkin = false;
    bool changeColour = false;
};

namespace PlayerUpdate {

// Replay versions at which the player's rules changed.
inline constexpr int flagScoreVersion = 2;
inline constexpr int ownFlagRecoveredVersion = 7;
inline constexpr int respawnClearsVersion = 9;
inline constexpr int snakeStepVersion = 11;
inline constexpr int snakeVerifyLinesVersion = 0x5f004;
inline constexpr int deadPlayersSkippedVersion = 0x5f00a;
inline constexpr int sharedHomeBlocksCaptureVersion = 0x60006;
inline constexpr int button2Version = 0x1000002;
inline constexpr int heldPlayersMayNotBidVersion = 0x100000b;

// The input of this frame: from the replay while one plays (its record read
// and checked), else from the controls or the automatic random input, recorded
// at once; a computer snake's is recorded where its snake step decides it.
FrameInput takeInput(Player& p, const PackagedReplayData& replay, bool& recordPending,
                     const RecordInput& recordInput);

// Capture the flag on the player's side: pick-ups, returns, carrying and captures.
void updateCaptureTheFlag(Player& p, const PackagedReplayData& replay, Game& game);
// A dead carrier drops its flags where they are.
void dropCarriedFlags(const Player& p, Game& game);

// Fire: every kind of bomb, the flamethrower, and fire released.
void updateFire(Player& p, Game& game, bool fire);

// Pick-ups, and a held player's release by time or by a team-mate's rescue.
void updatePickupAndHold(Player& p, bool preview);
// A dead player's respawn countdown in the respawning modes.
void updateDead(Player& p, const PackagedReplayData& replay, Game& game);

// The player's lines of the verify text: written while recording, compared
// while a replay with a verify text plays.
void verifyPosition(const Player& p, const PackagedReplayData& replay);
// The three lines of a flag capture: "CTFSCORE", the team, its score.
void verifyFlagCapture(const PackagedReplayData& replay, int team, int score, bool compareScore);

}
