// Recording rounds in a whole session when the replays folder misbehaves: a
// round is saved only when it plays, and a folder that takes no new files
// never ends the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "frame/app_globals.h"
#include "frame/settings.h"
#include "game/game.h"
#include "game/player.h"
#include "game/round_state.h"
#include "session/game_session.h"
#include "session/replay_folder.h"
#include "session/verify_text.h"
#include "support/checks.h"
#include "support/log_capture.h"
#include "support/read_only_folder.h"
#include "support/temp_folder.h"
#include "session_fixture.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

class RecordingSession : public Session {
protected:
    void SetUp() override
    {
        Session::SetUp();
        sessionScreens.msgScreen = [this](Lines lines, int, int) {
            messages.push_back(lines);
            return true;
        };
    }

    // A Classic game of one round, over when player 1 dies at frame 10 (in
    // its playback too); `during` runs at every frame of the recording.
    void playRecordedGame(std::function<void()> during = {})
    {
        gameOptions.winsNeeded = 1;
        duringRounds([during] {
            if (during && !currentGame->replayData.playing)
                during();
            if (frameCounter == 10 && player.size() > 1)
                player[1]->dead = true;
        });
        EXPECT_FALSE(play_the_game(true, "", {}));
    }

    Lines left() const
    {
        Lines names;
        for (const auto& entry : fs::directory_iterator(getReplaysFolder()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDataHome home;
    std::vector<Lines> messages;
};

const Lines notSaved{"The replay of this round could not be saved", "Press ENTER or button 1"};

// A link put under the compressed copy's name during the round, even one to a
// device that keeps nothing, is never written through: the round is not
// saved, the players are told, and the link is left. A round kept with its
// plain text alone plays checked against it.
TEST_F(RecordingSession, ALinkUnderTheCompressedNameLeavesTheRoundUnsavedAndAPlainTextChecksIt)
{
    for (const char* device : {"/dev/full", "/dev/null"}) {
        SCOPED_TRACE(device);
        messages.clear();
        const std::string path = getNewReplayFilename();
        playRecordedGame([&] {
            if (frameCounter == 5)
                fs::create_symlink(device, path + ".verifyZ");
        });
        EXPECT_EQ(messages, std::vector<Lines>{notSaved});
        EXPECT_EQ(left(), Lines{fs::path(path).filename().string() + ".verifyZ"});
        EXPECT_EQ(fs::read_symlink(path + ".verifyZ"), device);
        fs::remove(path + ".verifyZ");
    }

    messages.clear();
    const std::string path = getNewReplayFilename();
    playRecordedGame();
    EXPECT_TRUE(messages.empty());
    writeFile(path + ".verify", decompress(readFile(path + ".verifyZ")));
    fs::remove(path + ".verifyZ");
    {
        GameSession session(false, path, {true, true});
        ASSERT_TRUE(session.start());
        EXPECT_FALSE(session.playingUnchecked());
        EXPECT_NO_THROW(session.playRound());
        session.end();
    }
    // It really is checked: a changed position fails.
    const std::string text = readFile(path + ".verify");
    writeFile(path + ".verify", text.substr(0, 2) + "9" + text.substr(3));
    EXPECT_EQ(thrownBy([&] { play_the_game(false, path, {true, true}); }).rfind("Assertion failed: '", 0), 0u);
}

// A replays folder that takes no new file: the round is played unrecorded,
// the players are told once after it, and nothing of it is left.
TEST_F(RecordingSession, AFolderThatCannotBeWrittenPlaysTheRoundUnrecorded)
{
    const fs::path folder = getReplaysFolder();
    writeFile(folder / "0.1.1.2.replay", "an older round");
    const std::string path = (folder / "1.1.1.2.replay").string();
    {
        LogCapture log;
        ReadOnlyFolder readOnly(folder, home.folder().path());
        playRecordedGame();
        EXPECT_TRUE(logged(log, "Error: the replay " + path + " could not be created: Permission denied"));
        EXPECT_TRUE(logged(log, "This round is played unrecorded"));
    }
    EXPECT_EQ(messages, std::vector<Lines>{notSaved});
    EXPECT_EQ(left(), Lines{"0.1.1.2.replay"});
    EXPECT_EQ(readFile(folder / "0.1.1.2.replay"), "an older round");

    // Once the folder takes files again, so are rounds recorded.
    messages.clear();
    playRecordedGame();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(left(), (Lines{"0.1.1.2.replay", "1.1.1.2.replay", "1.1.1.2.replay.verifyZ"}));
}

// A replays folder that cannot even be made (a file stands in its place).
TEST_F(RecordingSession, NoReplaysFolderPlaysTheRoundUnrecorded)
{
    fs::create_directories(home.dataFolder());
    writeFile(home.dataFolder() / "replays", "not a folder");
    LogCapture log;
    playRecordedGame();
    EXPECT_EQ(messages, std::vector<Lines>{notSaved});
    EXPECT_TRUE(anyLineStartsWith(log.lines(), "Error: no replay can be created: "));
    EXPECT_TRUE(logged(log, "This round is played unrecorded"));
    EXPECT_EQ(readFile(home.dataFolder() / "replays"), "not a folder");
}

}
