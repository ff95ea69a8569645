#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "frame/game_ids.h"
#include "frame/screen_size.h"
#include "game/particles.h"
#include "memory_replay.h"
#include "support/log_capture.h"
#include "support/round_fixture.h"
#include "toast_expect.h"

namespace {

namespace P = PowerupType;
using ::testing::Contains;
using ::testing::Not;

// Auctions every 100 frames of a 640 x 480 screen, where only Extra Range can
// be drawn. The bidder holds three coins, the other player none.
class AuctionTest : public RoundTest {
protected:
    void SetUp() override
    {
        RoundTest::SetUp();
        screenWidth = 640;
        screenHeight = 480;
        gameOptions.resolvedAuctionInterval = 100;
        offerOnly(P::Range);
        makeArena(7, 5);
        bidder = addPlayer(0, {1, 1});
        bidder->coins = 3;
        addPlayer(1, {5, 3});
    }
    static void offerOnly(int powerup)
    {
        for (int id = 1; id < P::Count; ++id)
            gameOptions.powerupsDisabled[std::size_t(id)] = id != powerup;
    }
    // What the bid step of the player update does on a press of Button2.
    void bid()
    {
        ++game->auction->price;
        game->auction->highestBidder = bidder;
    }
    std::vector<std::string> toastTexts()
    {
        std::vector<std::string> texts;
        for (const auto& toast : game->toasts)
            texts.push_back(toast->text);
        return texts;
    }
    void runAuctionSteps(int n)
    {
        for (int i = 0; i < n; ++i)
            game->updateAuction();
    }

    std::shared_ptr<Player> bidder;
};

TEST_F(AuctionTest, FromTheAnnouncementToTheWinner)
{
    startGame();
    LogCapture log;
    runFrames(1);
    ASSERT_TRUE(game->auction);
    EXPECT_EQ(std::tuple(game->auction->powerup, game->auction->price, game->auction->framesLeft, game->auctionTimer),
              std::tuple(P::Range, 0, 540, 100));
    EXPECT_FALSE(game->auction->highestBidder);
    EXPECT_THAT(log.lines(), Contains("Auction: 2"));

    // The announcement rises from the bottom edge for as long as bids are
    // taken; only the player with coins is told which button bids.
    ASSERT_EQ(game->toasts.size(), 2u);
    expectToast(*game->toasts.front(), "Auction: Extra Range x3", 320, 479, 0, -1, 539, ToastFont::Large);
    EXPECT_EQ(game->toasts.back()->text, "Bid: B");

    bid();
    bid();
    runFrames(539);
    ASSERT_TRUE(game->auction);
    EXPECT_EQ(bidder->range, 2);
    runFrames(1);
    EXPECT_FALSE(game->auction);
    EXPECT_EQ(std::pair(bidder->range, bidder->coins), std::pair(5, 1));
    EXPECT_FALSE(particles.empty());
    EXPECT_THAT(log.lines(), Contains("Player 0 wins auction"));

    // The timer waited while the auction ran.
    runFrames(99);
    EXPECT_FALSE(game->auction);
    runFrames(1);
    EXPECT_TRUE(game->auction);
}

TEST_F(AuctionTest, TheOfferIsRecordedAndPlayedBack)
{
    MemoryReplay recorded;
    startGame(recorded.recording());
    runAuctionSteps(1);
    ASSERT_TRUE(game->auction);
    EXPECT_EQ(recorded.bytes.str(), std::string("A\x02", 2));
    game.reset();

    // Playing back, the offer comes from the record, whatever the pool says.
    offerOnly(P::Bomb);
    MemoryReplay played(recorded.bytes.str());
    startGame(played.playing());
    LogCapture log;
    runAuctionSteps(1);
    ASSERT_TRUE(game->auction);
    EXPECT_EQ(game->auction->powerup, P::Range);
    EXPECT_EQ(played.readPosition(), 2);
    EXPECT_THAT(log.lines(), Contains("Get auction powerup from replay"));
    // No bid hints while a replay plays.
    EXPECT_EQ(toastTexts(), std::vector<std::string>{"Auction: Extra Range x3"});
    bid();
    runAuctionSteps(540);
    EXPECT_FALSE(game->auction);
    EXPECT_EQ(std::pair(bidder->range, bidder->coins), std::pair(5, 2));

    // Older replays sell one of everything.
    MemoryReplay old(std::string("A\x01", 2));
    startGame(old.playing(0x1000002));
    runAuctionSteps(1);
    EXPECT_EQ(toastTexts(), std::vector<std::string>{"Auction: Extra Bomb"});
    bid();
    runAuctionSteps(540);
    EXPECT_EQ(bidder->bombCapacity, 2);
}

TEST_F(AuctionTest, NothingIsOfferedWhileNobodyCanBidOrThePoolIsEmpty)
{
    bidder->coins = 0;
    MemoryReplay recorded;
    startGame(recorded.recording());
    game->auctionTimer = 1;
    runAuctionSteps(1);
    EXPECT_FALSE(game->auction);
    EXPECT_EQ(game->auctionTimer, 100);
    EXPECT_EQ(recorded.bytes.str(), "");

    bidder->coins = 3;
    gameOptions.resolvedAuctionInterval = 0;
    runAuctionSteps(10);
    EXPECT_FALSE(game->auction);
    EXPECT_EQ(game->auctionTimer, 100);

    // Cash is never sold at auction: an empty pool is recorded as 0.
    gameOptions.resolvedAuctionInterval = 100;
    offerOnly(P::Cash);
    MemoryReplay empty;
    startGame(empty.recording());
    runAuctionSteps(1);
    EXPECT_FALSE(game->auction);
    EXPECT_EQ(game->auctionTimer, 100);
    EXPECT_EQ(empty.bytes.str(), std::string("A\0", 2));
    MemoryReplay played(empty.bytes.str());
    startGame(played.playing());
    runAuctionSteps(1);
    EXPECT_FALSE(game->auction);
    EXPECT_EQ(game->auctionTimer, 100);
}

TEST_F(AuctionTest, ABidderWhoCannotTakeThePrizeAtTheCloseGetsNothingAndKeepsTheCoins)
{
    startGame();
    for (bool Player::*state : {&Player::dead, &Player::held}) {
        game->auctionTimer = 0;
        runAuctionSteps(1);
        ASSERT_TRUE(game->auction);
        bid();
        (*bidder).*state = true;
        runAuctionSteps(540);
        EXPECT_FALSE(game->auction);
        EXPECT_EQ(std::pair(bidder->range, bidder->coins), std::pair(2, 3));
        (*bidder).*state = false;
    }
    // Nobody bid: nothing is sold.
    game->auctionTimer = 0;
    runAuctionSteps(541);
    EXPECT_FALSE(game->auction);
    EXPECT_EQ(bidder->range, 2);
}

TEST_F(AuctionTest, CutEndedOrCorruptReplays)
{
    {
        MemoryReplay played("A");
        startGame(played.playing());
        LogCapture log;
        EXPECT_NO_THROW(runFrames(1));
        EXPECT_TRUE(replayEnded);
        EXPECT_FALSE(game->auction);
        EXPECT_THAT(log.lines(), Contains("EOF (read auction)"));
    }
    {
        // No record is read once the replay has ended.
        MemoryReplay played(std::string("A\x02", 2));
        startGame(played.playing());
        game->replayEndSeen = true;
        LogCapture log;
        runAuctionSteps(1);
        EXPECT_FALSE(game->auction);
        EXPECT_EQ(played.readPosition(), 0);
        EXPECT_THAT(log.lines(), Not(Contains("Get auction powerup from replay")));
    }
    const std::pair<std::string, std::string> cases[] = {
        {std::string("B\x02", 2), "Assertion failed: 'c == 'A'' at line 1564\nreplayInput pos 1\n"},
        {std::string("A\x30", 2), "Invalid replay: auction powerup 48"},
        {std::string("A\xff", 2), "Invalid replay: auction powerup -1"}};
    for (const auto& [bytes, message] : cases) {
        MemoryReplay played(bytes);
        startGame(played.playing());
        try {
            runAuctionSteps(1);
            ADD_FAILURE() << "no error for " << message;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
        EXPECT_FALSE(game->auction);
    }
}

}
