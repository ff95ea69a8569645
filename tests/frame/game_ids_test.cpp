#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "frame/game_ids.h"
#include "frame/names.h"
#include "support/temp_folder.h"

// The named ids of frame/game_ids.h index the name tables of frame/names.cpp,
// and both are kept by hand. Every id the header declares is read from its
// text and checked against the name at its index, so an id added, moved or
// renumbered on one side only fails here.

namespace {

struct DeclaredId {
    std::string group;
    std::string name;
    int value = 0;
    int line = 0;
};

std::vector<DeclaredId> declaredIds(std::vector<std::string>& unread)
{
    const std::regex groupLine(R"(^namespace (\w+) \{)");
    const std::regex idLine(R"(^inline constexpr int (\w+) = (\d+);)");
    std::istringstream text(readFile(std::string(TAMWICK_SOURCE_DIR) + "/frame/game_ids.h"));
    std::vector<DeclaredId> ids;
    std::string group;
    std::string line;
    for (int n = 1; std::getline(text, line); ++n) {
        std::smatch m;
        if (std::regex_search(line, m, groupLine))
            group = m[1];
        else if (std::regex_search(line, m, idLine))
            ids.push_back({group, m[1], std::stoi(m[2]), n});
        else if (line.find("constexpr") != std::string::npos)
            unread.push_back(std::to_string(n) + ": " + line);
    }
    return ids;
}

// The table each group indexes.
const std::map<std::string, const std::vector<std::string>*> tables{
    {"GameMode", &gameModeIds}, {"PowerupType", &powerupIds}, {"DeathCause", &deathCauseNames},
    {"SoundId", &soundNames},   {"SpriteId", &spriteNames}};

// Ids whose entry is not spelled as the id itself.
const std::map<std::string, std::string> otherNames{
    {"GameMode::Classic", "Standard"},
    {"GameMode::CaptureTheFlag", "CTF"},
    {"GameMode::KingOfTheHill", "KOTH"},
    {"GameMode::Deathmatch", "DeathmatchIndividual"},
    {"SpriteId::Zev", "ZEV"},
    {"SpriteId::FirstBombFuse", "Bomb1"},
    {"SpriteId::LastBombFuse", "Bomb21"},
    {"SpriteId::RocketLeft", "R_Left"},
    {"SpriteId::RocketRight", "R_Right"},
    {"SpriteId::RocketUp", "R_Up"},
    {"SpriteId::RocketDown", "R_Down"},
    {"SpriteId::TitleLogo", "TLogo3"},
    {"SpriteId::FirstFlag", "Flag0"},
    {"SpriteId::BodyCrawl0", "Body0_Crawl_R_0"},
    {"SpriteId::FirstPhoto", "Alien1"},
};

TEST(GameIds, EveryIdIndexesItsOwnName)
{
    std::vector<std::string> unread;
    const std::vector<DeclaredId> ids = declaredIds(unread);
    EXPECT_EQ(unread, std::vector<std::string>{}) << "ids this test cannot read";
    std::map<std::string, int> perGroup;
    for (const DeclaredId& id : ids) {
        const std::string full = id.group + "::" + id.name;
        SCOPED_TRACE("game_ids.h:" + std::to_string(id.line) + " " + full);
        ASSERT_TRUE(tables.count(id.group)) << "a group without a name table";
        const std::vector<std::string>& names = *tables.at(id.group);
        ++perGroup[id.group];
        // Counts size a run of names rather than naming one.
        if (id.name == "Count") {
            EXPECT_EQ(std::size_t(id.value), names.size());
            continue;
        }
        if (id.name == "FlagFrameCount") {
            for (int frame = 0; frame < id.value; ++frame)
                EXPECT_EQ(spriteNames.at(std::size_t(SpriteId::FirstFlag + frame)), "Flag" + std::to_string(frame));
            EXPECT_EQ(spriteNames.at(std::size_t(SpriteId::FirstFlag + id.value)).rfind("Flag", 0), std::string::npos);
            continue;
        }
        ASSERT_LT(std::size_t(id.value), names.size());
        const auto other = otherNames.find(full);
        EXPECT_EQ(names[std::size_t(id.value)], other == otherNames.end() ? id.name : other->second);
    }
    EXPECT_EQ(perGroup.size(), tables.size()) << "a name table without ids";

    // The counts that size the loaders; every sound, death and mode has its id.
    EXPECT_EQ(std::size_t(spriteCount), spriteNames.size());
    EXPECT_EQ(std::size_t(soundCount), soundNames.size());
    EXPECT_EQ(std::size_t(SoundId::Wimbaah) + 1, soundNames.size());
    EXPECT_EQ(std::size_t(DeathCause::SnakeBodyPushedWall) + 1, deathCauseNames.size());
    EXPECT_EQ(std::size_t(GameMode::Everything) + 1, gameModeIds.size());
}

}
