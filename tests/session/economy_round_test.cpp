#include <gtest/gtest.h>

#include <algorithm>

#include "frame/game_ids.h"
#include "game/auction.h"
#include "game/round_state.h"
#include "support/log_capture.h"
#include "support/replay_round_fixture.h"

namespace {

// A round of the economy, recorded through the players' own updates and
// played back against its verify text:
// - player 0 walks the top row over six powerups and, made strong, pushes a
//   block to the far wall;
// - players 1 and 2 hold three coins each: an auction opens at once, they
//   bid by pressing Button2 until the price is all player 2 has, its last
//   press bids nothing, and player 1 wins; a second auction opens a second
//   after the first one closed;
// - blocks grow back far from the players, each with its record.
// Only Range can be drawn, so the prizes are known.
class EconomyRound : public ReplayRoundTest {
protected:
    static constexpr int auctionInterval = 60;
    static constexpr int auctionFrames = 540;

    void SetUp() override
    {
        ReplayRoundTest::SetUp();
        roundOptions = [] {
            gameOptions.resolvedAuctionInterval = auctionInterval;
            gameOptions.resolvedRespawningWalls = {true, 40, 100, 3, 0};
            for (int id = 1; id < PowerupType::Count; ++id)
                gameOptions.powerupsDisabled[std::size_t(id)] = id != PowerupType::Range;
        };
    }

    void recordRound()
    {
        makeGridBlockArena(19, 11);
        grid.at(15, 1) = Square::Block;
        const int row[] = {PowerupType::Speed, PowerupType::Range,  PowerupType::Shield,
                           PowerupType::Snail, PowerupType::Cash,   PowerupType::Superman};
        for (int i = 0; i < 6; ++i)
            powerupGrid.at(3 + 2 * i, 1) = row[i];
        walker = addPlayer(0, {1, 1});
        first = addPlayer(1, {1, 9});
        second = addPlayer(2, {17, 9});
        first->coins = 3;
        second->coins = 3;
        startRecording(1);

        for (int f = 0; f < secondAuctionFrame + 20; ++f) {
            controlsOf(walker).releaseAll();
            if (f > 0)
                controlsOf(walker).hold(1, 0);
            // Presses a frame long: 1 bids at 10 and 30, 2 at 20 and (a coin short) 40.
            controlsOf(first).button2Down = f == 10 || f == 30;
            controlsOf(second).button2Down = f == 20 || f == 40;
            const bool auctionBefore = game->auction != nullptr;
            const int blocksBefore = countBlocks();
            const std::size_t frameStart = replayOut.str().size();
            runFrames(1);
            const std::size_t frameEnd = replayOut.str().size();
            if (!auctionBefore && game->auction)
                auctionRecords.push_back({frameStart, f});
            if (countBlocks() > blocksBefore)
                wallRecords.push_back({frameEnd - 2, f});
            if (f == 41)
                priceAfterBids = game->auction ? game->auction->price : -1;
        }
        finishRecording();
    }

    static int countBlocks()
    {
        int n = 0;
        for (int x = 0; x < grid_squares_x; ++x)
            for (int y = 0; y < grid_squares_y; ++y)
                n += grid.at(x, y) == Square::Block;
        return n;
    }

    static constexpr int secondAuctionFrame = auctionFrames + auctionInterval;
    std::shared_ptr<Player> walker, first, second;
    // Where a record starts in the replay, and the frame that wrote it.
    struct Record {
        std::size_t at;
        int frame;
    };
    std::vector<Record> auctionRecords;
    std::vector<Record> wallRecords;
    int priceAfterBids = 0;
};

TEST_F(EconomyRound, PowerupsAnAuctionAndGrowingBlocksReplayAsRecordedAndCutInsideARecordEndQuietly)
{
    recordRound();
    const std::string bytes = replayBytes();
    const std::string verify = verifyText();
    ASSERT_EQ(auctionRecords.size(), 2u);
    for (const Record& r : auctionRecords)
        EXPECT_EQ(bytes.substr(r.at, 2), "A\x02");
    EXPECT_EQ(priceAfterBids, 3);
    ASSERT_GE(wallRecords.size(), 3u);
    for (const Record& r : wallRecords)
        EXPECT_EQ(bytes.substr(r.at, 2), "B\x02");

    Playback playback = playBack(bytes, &verify);
    ASSERT_EQ(playback.error, "");
    EXPECT_TRUE(playback.ended);
    ASSERT_EQ(player.size(), 3u);
    const Player& p0 = *player[0];
    // Speed, Range, Shield, Snail, Cash and Strength, in the order walked over.
    EXPECT_EQ(p0.speed, gameOptions.initialPlayerSpeed + 1);
    EXPECT_EQ(p0.range, 3);
    EXPECT_TRUE(p0.strength);
    EXPECT_EQ(p0.coins, 1);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(powerupGrid.at(3 + 2 * i, 1), 0);
    // The block went along the row to the wall.
    EXPECT_EQ(grid.at(17, 1), Square::Block);
    EXPECT_EQ(p0.x, 16 * 32);
    // Three Ranges for three coins; the second auction is still open.
    EXPECT_EQ(player[1]->coins, 0);
    EXPECT_EQ(player[1]->range, 2 + 3);
    EXPECT_EQ(player[2]->coins, 3);
    EXPECT_EQ(player[2]->range, 2);
    ASSERT_NE(game->auction, nullptr);
    EXPECT_EQ(countBlocks(), 1 + int(wallRecords.size()));

    struct Cut {
        Record record;
        const char* line;
    };
    // Cut after the record's tag: the frame that reads it is the last one,
    // and every frame before it matches its verify lines.
    for (const Cut& cut : {Cut{auctionRecords[1], "EOF (read auction)"},
                           Cut{wallRecords.back(), "EOF (read wall)"}}) {
        SCOPED_TRACE(cut.line);
        LogCapture log;
        Playback cutShort = playBack(bytes.substr(0, cut.record.at + 1), &verify);
        EXPECT_EQ(cutShort.error, "");
        EXPECT_TRUE(cutShort.ended);
        EXPECT_EQ(cutShort.frames, cut.record.frame + 1);
        const auto lines = log.lines();
        EXPECT_NE(std::find(lines.begin(), lines.end(), cut.line), lines.end());
    }
}

}
