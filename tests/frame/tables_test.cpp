#include <gtest/gtest.h>

#include <set>

#include "frame/lookup_tables.h"
#include "frame/names.h"

namespace {

// Entries that code elsewhere finds by number; the sprite ids are stored in replays and saves.
TEST(NameTables, HaveTheirSizesAndTheEntriesOthersRelyOn)
{
    EXPECT_EQ(std::set<std::string>(spriteNames.begin(), spriteNames.end()).size(), 259u);
    EXPECT_EQ(soundNames.size(), 18u);
    // The ids the weapons and the slide play their sounds by.
    EXPECT_EQ(soundNames[5], "Fire");
    EXPECT_EQ(soundNames[6], "Flamer");
    EXPECT_EQ(soundNames[13], "Slide");
    EXPECT_EQ(powerupIds.size(), 22u);
    EXPECT_EQ(powerupDisplayNames.size(), 22u);
    EXPECT_EQ(percentNames[21], "Auto");
    EXPECT_EQ(shrinkSpeedNames[6], "Auto");
    const std::pair<int, const char*> marks[] = {
        {3, "Bomb1"},          {23, "Bomb21"},        {34, "TLogo3"},         {54, "Flag0"},
        {64, "Wall3"},         {73, "Body0_D_0"},     {97, "Head0_D_014"},    {107, "Head0_Crawl_R"},
        {161, "Head6_L_0"},    {166, "Head6_Crawl_L"}, {228, "Head12_Crawl_R"}, {229, "Alien1"},
        {258, "PetPhoto3_01"}};
    for (auto [id, name] : marks)
        EXPECT_EQ(spriteNames[id], name) << "sprite " << id;
}

TEST(LookupTables, MatchTheLevelRules)
{
    EXPECT_EQ(ArenaSizeTable.count(0), 0u);
    EXPECT_EQ(ArenaSizeTable.size(), 13u);
    EXPECT_EQ(ArenaSizeTable.at(8), (Vector2{119, 67}));
    EXPECT_EQ(powerupSprites.count(9), 0u);
    // The shield's tile shows the shield.
    EXPECT_EQ(powerupIds[7], "Shield");
    EXPECT_NE(spriteNames[std::size_t(powerupSprites.at(7))].find("Shield"), std::string::npos);
    EXPECT_EQ(headPool, (std::vector<int>{0, 1, 2, 4, 5, 6, 7, 10}));
    EXPECT_TRUE(lazySpriteIds.count(229) && lazySpriteIds.count(258) && !lazySpriteIds.count(228));
}

}
