#pragma once
#include <string>
#include <vector>

// Names of the game's enumerations: the index of a name is the value it names,
// so these double as menu value lists, log words and file names.
extern const std::vector<std::string> arenaSizeNames;
extern const std::vector<std::string> auctionFrequencyNames;
extern const std::vector<std::string> percentNames;
extern const std::vector<std::string> countNames;
extern const std::vector<std::string> autoOffOnNames;
extern const std::vector<std::string> backgroundColourNames;
extern const std::vector<std::string> powerupIds;
extern const std::vector<std::string> powerupDisplayNames;
extern const std::vector<std::string> actionNames;
extern const std::vector<std::string> inputKindNames;
extern const std::vector<std::string> gameModeDisplayNames;
extern const std::vector<std::string> gameModeShortNames;
extern const std::vector<std::string> gameModeIds;
extern const std::vector<std::string> deathCauseNames;
extern const std::vector<std::string> menuControlModeNames;
extern const std::vector<std::string> spriteNames;
extern const std::vector<std::string> soundNames;
extern const std::vector<std::string> noneSomeLotsNames;
extern const std::vector<std::string> shrinkSpeedNames;
extern const std::vector<std::string> shrinkStyleNames;
extern const std::vector<std::string> shrinkStyleIds;
extern const std::vector<std::string> shrinkDelayNames;
extern const std::vector<std::string> snakeTimingNames;

inline constexpr int spriteCount = 259;
inline constexpr int soundCount = 18;
