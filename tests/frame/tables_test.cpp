#include <gtest/gtest.h>

#include <set>

#include "frame/lookup_tables.h"
#include "frame/names.h"

namespace {

TEST(NameTables, HaveTheirSizesAndTheEntriesOthersRelyOn)
{
    EXPECT_EQ(spriteNames.size(), 259u);
    EXPECT_EQ(soundNames.size(), 18u);
    EXPECT_EQ(soundNames[9], "Gong2");
    // The ids the weapons and the slide play their sounds by.
    EXPECT_EQ(soundNames[5], "Fire");
    EXPECT_EQ(soundNames[6], "Flamer");
    EXPECT_EQ(soundNames[13], "Slide");
    EXPECT_EQ(powerupIds.size(), 22u);
    EXPECT_EQ(powerupDisplayNames.size(), 22u);
    EXPECT_EQ(powerupDisplayNames[20], "DANGER!");
    EXPECT_EQ(percentNames.size(), 22u);
    EXPECT_EQ(percentNames[20], "100");
    EXPECT_EQ(percentNames[21], "Auto");
    EXPECT_EQ(countNames[10], "10");
    EXPECT_EQ(shrinkSpeedNames[6], "Auto");
    EXPECT_EQ(arenaSizeNames.size(), 14u);
    EXPECT_EQ(deathCauseNames.size(), 10u);
    EXPECT_EQ(gameModeIds[5], "DeathmatchIndividual");
    EXPECT_EQ(shrinkStyleNames[3], "4");
    EXPECT_EQ(shrinkStyleIds[3], "Four");
}

TEST(NameTables, SpriteNamesAreUniqueAndHeadRunsSitWhereTheyShould)
{
    EXPECT_EQ(std::set<std::string>(spriteNames.begin(), spriteNames.end()).size(), 259u);
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
    EXPECT_EQ(ArenaSizeTable.at(13), (Vector2{67, 29}));
    // The level tables are applied, entry by entry, by the automatic level options' tests.
    EXPECT_EQ(arenaPlayerRangeHighRandomness.at(7), (std::pair{64, 100}));
    EXPECT_EQ(powerupSprites.count(9), 0u);
    EXPECT_EQ(powerupSprites.at(21), 39);
    // The shield's tile shows the shield.
    EXPECT_EQ(powerupIds[7], "Shield");
    EXPECT_NE(spriteNames[std::size_t(powerupSprites.at(7))].find("Shield"), std::string::npos);
    EXPECT_EQ(headPool, (std::vector<int>{0, 1, 2, 4, 5, 6, 7, 10}));
    EXPECT_EQ(lazySpriteIds.size(), 30u);
    EXPECT_TRUE(lazySpriteIds.count(229) && lazySpriteIds.count(258) && !lazySpriteIds.count(228));
}

}

TEST(DirectionTable, WalksDownUpLeftRightAndAgreesWithTheFacingSteps)
{
    const std::vector<Facing> order{Facing::Down, Facing::Up, Facing::Left, Facing::Right};
    ASSERT_EQ(directionTable.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(directionTable[i].facing, order[i]) << i;
        EXPECT_EQ(directionTable[i].step, facingStep(order[i])) << i;
        EXPECT_EQ(facingOfStep(directionTable[i].step.x, directionTable[i].step.y), order[i]);
    }
    EXPECT_EQ(facingStep(Facing::Right), (Vector2{1, 0}));
    EXPECT_EQ(facingStep(Facing::Up), (Vector2{0, -1}));
}
