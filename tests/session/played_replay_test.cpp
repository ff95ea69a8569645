// Playing a recorded replay back: it must end exactly where its round ended,
// on its end byte and its verify text's "END", or the player is told why.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "frame/game_ids.h"
#include "game/game_options.h"
#include "session/game_session.h"
#include "session/replay_error.h"
#include "session/replay_folder.h"
#include "session/verify_text.h"
#include "support/checks.h"
#include "support/pipe_writer_later.h"
#include "support/temp_folder.h"
#include "session_fixture.h"

namespace fs = std::filesystem;

namespace {

class PlayedReplay : public Session {
protected:
    struct Recorded {
        std::string path;
        std::string bytes;
        std::string text;   // the verify text, decompressed
    };

    // A Classic round of two players, with auctions: over when player 1 dies
    // at frame 10, or stopped after `stopAt` frames.
    Recorded record(int stopAt = 0)
    {
        gameOptions.winsNeeded = 1;
        gameOptions.auctions = 1;
        advanceLimit = stopAt;
        duringRounds([] {
            if (frameCounter == 10 && player.size() > 1)
                player[1]->dead = true;
        });
        play_the_game(true, "", {});
        advanceLimit = 0;
        std::vector<ReplayInfo> replays = getAllReplays(false);
        std::sort(replays.begin(), replays.end(),
                  [](const ReplayInfo& a, const ReplayInfo& b) { return a.number > b.number; });
        const std::string path = replays.at(0).path;
        return {path, readFile(path), decompress(readFile(path + ".verifyZ"))};
    }

    // A copy of the replay under a new number, with the given bytes and text.
    std::string copy(const std::string& bytes, const std::string& text)
    {
        const fs::path folder = home.folder().path() / "copies";
        fs::create_directories(folder);
        const std::string path = (folder / (std::to_string(++copies) + ".1.1.2.replay")).string();
        writeFile(path, bytes);
        writeFile(path + ".verifyZ", compress(text, -1));
        return path;
    }

    static std::string playedBack(const std::string& path)
    {
        return thrownBy([&] { play_the_game(false, path, {true, true}); });
    }

    TempDataHome home;
    int copies = 0;
};

const std::string verified = "nothing thrown";

// After a round that ended on its own exactly one byte follows its last
// frame, the end byte; nothing follows the end byte of any round.
TEST_F(PlayedReplay, TheEndByteIsCheckedAndNothingMayFollowIt)
{
    const Recorded over = record();
    EXPECT_EQ(playedBack(copy(over.bytes, over.text)), verified);

    std::string changed = over.bytes;
    changed.back() = 0;
    EXPECT_EQ(playedBack(copy(changed, over.text)),
              "Invalid replay: end byte 0 at byte " + std::to_string(over.bytes.size()));
    changed.back() = char(0xf0);
    EXPECT_EQ(playedBack(copy(changed, over.text)),
              "Invalid replay: end byte 240 at byte " + std::to_string(over.bytes.size()));
    EXPECT_EQ(playedBack(copy(over.bytes + std::string(17, 'x'), over.text)),
              "Invalid replay: 17 bytes after the end byte");
    // A second end byte is one byte too many, too.
    EXPECT_EQ(playedBack(copy(over.bytes + "w", over.text)), "Invalid replay: 1 byte after the end byte");

    // A stopped round's end byte is read by the rules; what follows is refused alike.
    const Recorded stopped = record(60);
    EXPECT_EQ(playedBack(copy(stopped.bytes, stopped.text)), verified);
    EXPECT_EQ(playedBack(copy(stopped.bytes + std::string(3, '\0'), stopped.text)),
              "Invalid replay: 3 bytes after the end byte");
}

// The verify text ends where the replay ends, whether its round was over or
// stopped: its next word is END and nothing follows. A text whose last word
// is not END was never finished (its game was killed during the round): it
// is a damaged companion, compressed or plain, and never ends the program.
TEST_F(PlayedReplay, TheVerifyTextEndsWithTheReplay)
{
    for (const Recorded& round : {record(), record(60)}) {
        SCOPED_TRACE(round.path);
        const std::string& text = round.text;
        ASSERT_EQ(text.substr(text.size() - 4), "END\n");
        const std::string body = text.substr(0, text.size() - 4);
        const std::string position = "\nreplayInput pos " + std::to_string(round.bytes.size()) + "\n";
        const std::string noEnd = "Assertion failed: 'end == \"END\"' at line 4570" + position;
        const std::string textAfter = "Assertion failed: 'nothing after \"END\"' at line 4570" + position;
        auto unfinished = [](const std::string& companion) {
            return "Invalid verify file " + companion + ": it does not end with END";
        };

        const std::string noEndWord = copy(round.bytes, body);
        EXPECT_EQ(replayErrorOf(noEndWord), unfinished(noEndWord + ".verifyZ"));
        const std::string wordAfter = copy(round.bytes, text + "0\n");
        EXPECT_EQ(replayErrorOf(wordAfter), unfinished(wordAfter + ".verifyZ"));
        // As a killed game leaves it: the plain text, its last lines not yet written.
        const std::string killed = copy(round.bytes, text);
        fs::remove(killed + ".verifyZ");
        std::size_t cut = text.size();
        for (int lines = 0; lines < 40; ++lines)
            cut = text.rfind('\n', cut - 1);
        writeFile(killed + ".verify", text.substr(0, cut + 1));
        EXPECT_EQ(replayErrorOf(killed), unfinished(killed + ".verify"));

        EXPECT_EQ(playedBack(copy(round.bytes, body + "0\n32\n32\nEND\n")), noEnd);
        EXPECT_EQ(playedBack(copy(round.bytes, text + "END\n")), textAfter);
        // Blanks after END are no text.
        EXPECT_EQ(playedBack(copy(round.bytes, text + "\n \n")), verified);
    }
}

// A replay without a verify text may still be watched, but nothing of it is
// checked, and the log says so.
TEST_F(PlayedReplay, AReplayWithoutAVerifyTextPlaysUnchecked)
{
    const Recorded over = record();
    {
        GameSession session(false, over.path, {true, true});
        ASSERT_TRUE(session.start());
        EXPECT_FALSE(session.playingUnchecked());
        session.end();
    }
    EXPECT_TRUE(hasVerifyText(over.path));
    fs::remove(over.path + ".verifyZ");
    EXPECT_FALSE(hasVerifyText(over.path));

    LogCapture log;
    GameSession session(false, over.path, {true, true});
    ASSERT_TRUE(session.start());
    EXPECT_TRUE(session.playingUnchecked());
    session.playRound();
    session.end();
    EXPECT_TRUE(logged(log, "No verify text: the replay was played unchecked"));

    // Anything under a companion's name counts: it is refused when played.
    fs::create_directory(over.path + ".verify");
    EXPECT_TRUE(hasVerifyText(over.path));
}

// A replay that is gone, or is no regular file, is refused at once: never a
// stream library's error and never a wait on a pipe.
TEST_F(PlayedReplay, AReplayThatCannotBeOpenedIsAReplayError)
{
    const std::string missing = (fs::path(getReplaysFolder()) / "7.1.1.2.replay").string();
    auto failure = replayErrorOf;
    LogCapture log;
    EXPECT_EQ(failure(missing), "Replay cannot be opened: " + missing + ": it does not exist");
    EXPECT_TRUE(logged(log, "Replay cannot be opened: " + missing + ": it does not exist"));

    fs::create_directory(missing);
    EXPECT_EQ(failure(missing), "Replay cannot be opened: " + missing + ": it is not a regular file");
    fs::remove(missing);

    // Sparse, so no disk is spent on it: one byte over the limit is refused on
    // its size, before any of it is read.
    std::ofstream(missing).close();
    fs::resize_file(missing, 1'000'000'001);
    EXPECT_EQ(failure(missing), "Replay cannot be opened: " + missing + ": it is larger than 1000000000 bytes");
    fs::remove(missing);

    ASSERT_EQ(mkfifo(missing.c_str(), 0600), 0);
    std::string pipe;
    {
        PipeWriterLater writer(missing);
        pipe = failure(missing);
    }
    EXPECT_EQ(pipe, "Replay cannot be opened: " + missing + ": it is not a regular file");
    EXPECT_FALSE(fastForward);
}

// An auction whose powerup is no powerup is a damaged file, named with its
// place, like any damaged record; with powerup 0 (none) the same file plays.
TEST_F(PlayedReplay, AnAuctionOfNoPowerupIsNamedWithItsPlace)
{
    const Recorded over = record();
    std::string bytes = over.bytes;
    // Player 0's coins close its record, the first of two before "***".
    const std::size_t coins = bytes.find("***") - 2 * 28 + 24;
    ASSERT_EQ(bytes.substr(coins, 4), std::string(4, '\0'));
    bytes[coins] = 5;
    // With coins to bid, the first frame opens an auction.
    const std::size_t firstFrame = bytes.find("ENDPP") + 5;
    std::string none = bytes;
    none.insert(firstFrame, std::string("A\0", 2));
    EXPECT_EQ(playedBack(copy(none, over.text)), verified);

    std::string damaged = bytes;
    damaged.insert(firstFrame, "A\x7f");
    EXPECT_EQ(replayErrorOf(copy(damaged, over.text)), "Invalid replay: auction powerup 127 at byte " + std::to_string(firstFrame + 2));
}

// A frame record that fails its own check is a damaged file: the player is
// shown the failed check, its line and where the replay was read, and the
// list goes on. A round that goes another way than its verify text says
// still fails as a check of the rules.
TEST_F(PlayedReplay, AFrameRecordThatFailsItsCheckIsAReplayError)
{
    const Recorded over = record();
    const std::size_t firstFrame = over.bytes.find("ENDPP") + 5;
    auto failedCheck = [](const std::string& check, int line, std::size_t position) {
        return "Assertion failed: '" + check + "' at line " + std::to_string(line) + "\nreplayInput pos " +
               std::to_string(position) + "\n";
    };
    auto changed = [&](std::size_t offset, char value) {
        std::string bytes = over.bytes;
        bytes[offset] = value;
        return bytes;
    };
    EXPECT_EQ(replayErrorOf(copy(changed(firstFrame, 2), over.text)),
              failedCheck("dummyCurPlayer == num", 373, firstFrame + 1));
    EXPECT_EQ(replayErrorOf(copy(changed(firstFrame + 1, 0x02), over.text)),
              failedCheck("abs(xDir) < 2", 379, firstFrame + 2));
    EXPECT_EQ(replayErrorOf(copy(changed(firstFrame + 1, 0x08), over.text)),
              failedCheck("abs(yDir) < 2", 383, firstFrame + 2));
    // With coins to bid, the first frame opens an auction, whose tag is wrong.
    std::string auction = changed(over.bytes.find("***") - 2 * 28 + 24, 5);
    auction.insert(firstFrame, std::string("X\0", 2));
    EXPECT_EQ(replayErrorOf(copy(auction, over.text)), failedCheck("c == 'A'", 1564, firstFrame + 1));

    std::string text = over.text;
    text[text.find('\n') + 1] = '9';
    const std::string path = copy(over.bytes, text);
    std::string mismatch;
    try {
        play_the_game(false, path, {true, true});
    } catch (const ReplayError& error) {
        ADD_FAILURE() << "a verify mismatch is no damaged file: " << error.what();
    } catch (const std::runtime_error& error) {
        mismatch = error.what();
    }
    EXPECT_EQ(mismatch.rfind("Assertion failed: 'verifyX == x' at line 911\n", 0), 0u) << mismatch;
}

// Fast forward asked for on the command line holds until a game has run to
// its end: a session that never got there leaves it as it was.
TEST_F(PlayedReplay, OnlyTheEndOfASessionTurnsFastForwardOff)
{
    fastForward = true;
    gameOptions.quickStartPlayers = 0;
    EXPECT_TRUE(play_the_game(false, "", {}));
    EXPECT_TRUE(fastForward) << "the join screen was left";

    gameOptions.gameMode = GameMode::KingOfTheHill;
    gameOptions.arenaSize = 1;
    gameOptions.quickStartPlayers = 39;
    EXPECT_TRUE(play_the_game(false, "", {}));
    EXPECT_TRUE(fastForward) << "the players did not fit";

    gameOptions = GameOptions{};
    gameOptions.quickStartPlayers = 1;
    fastForward = false;
    const Recorded stopped = record(60);
    const std::string cut = copy(stopped.bytes.substr(0, stopped.bytes.size() - 9), stopped.text);
    fastForward = true;
    EXPECT_EQ(playedBack(cut).rfind("Replay incomplete: ", 0), 0u);
    EXPECT_TRUE(fastForward) << "the replay could not be played";
    // A session that asked for it itself gives it back as it found it.
    fastForward = false;
    EXPECT_EQ(playedBack(cut).rfind("Replay incomplete: ", 0), 0u);
    EXPECT_FALSE(fastForward);

    fastForward = true;
    EXPECT_EQ(playedBack(copy(stopped.bytes, stopped.text)), verified);
    EXPECT_FALSE(fastForward) << "the replay was played to its end";
}

}
