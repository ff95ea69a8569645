#pragma once
#include <optional>

class Game;

// The two frame records that carry a random powerup.
enum class PowerupRecord { Auction, Wall };

// The powerup of an auction or of a block that reappears. While a replay plays
// it is read from the record (an id outside 0..21 is a corrupt file:
// InvalidReplayRecord "<record> powerup <id>"); otherwise it is
// drawn from the pool and written to the replay being recorded. Empty when the
// replay has already ended in this frame, or ends inside the record (a quiet
// end: "EOF (read auction)" or "EOF (read wall)").
std::optional<int> recordedPowerup(Game& game, PowerupRecord record);
