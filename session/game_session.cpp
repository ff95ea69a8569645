#include "session/game_session.h"

#include <algorithm>
#include <fmt/format.h>
#include <sstream>

#include "frame/app_globals.h"
#include "frame/assertion.h"
#include "frame/game_ids.h"
#include "frame/log.h"
#include "frame/display/screen_loop.h"
#include "frame/settings.h"
#include "game/player.h"
#include "game/replay_data.h"
#include "game/round_state.h"
#include "game/team.h"
#include "platform/regular_file.h"
#include "session/replay_error.h"
#include "session/replay_header.h"
#include "session/session_players.h"
#include "session/session_screens.h"
#include "session/update_rate.h"
#include "session/verify_text.h"

namespace {

// Replays from this version on hold their teams in the header.
constexpr int replayTeamsVersion = 4;

// The most a replay may hold: a hundred players' inputs through hours of play.
constexpr std::size_t replayFileLimit = 1'000'000'000;

// The replay's bytes, read whole from a regular file only, so that a pipe or
// device under its name refuses at once instead of keeping the player waiting.
std::unique_ptr<std::istringstream> openReplayInput(const std::string& path)
{
    platform::RegularFileRead file = platform::readRegularFile(path, replayFileLimit);
    if (file.state != platform::FileReadState::Read)
        throwReplayError("Replay cannot be opened: " + path + ": " + platform::notReadReason(file));
    auto in = std::make_unique<std::istringstream>(std::move(file.bytes), std::ios::in | std::ios::binary);
    in->exceptions(std::ios::badbit | std::ios::failbit | std::ios::eofbit);
    return in;
}

void emptyPlayersAndTeams()
{
    player.clear();
    for (Team& team : teams)
        team.members.clear();
    teams.clear();
}

// The timer follows the rate once there is one; before start-up (and in
// tests without Allegro) only the options change.
void applyUpdateRate(int rate)
{
    if (updateTimer && eventQueue) {
        setUpdateRate(rate);
    } else {
        gameOptions.updateRate = rate;
        gameOptions.updateRateMultiplier = updateRateMultiplierFor(rate);
    }
}

}

bool play_the_game(bool record, std::string replayPath, ReplayTestOptions options)
{
    GameSession session(record, std::move(replayPath), options);
    if (!session.start())
        return true;
    while (!session.sessionOver()) {
        // The players did not fit: the error was shown, the game is over.
        if (session.playRound().setupFailed)
            return true;
    }
    return session.end();
}

int maxWins(const std::vector<ScoringEntity>& results)
{
    int best = 0;
    for (const ScoringEntity& e : results)
        best = std::max(best, e.wins);
    return best;
}

float calcAverageFps()
{
    if (timerTicks == 0)
        return 0.0f;
    return float(framesRendered) / float(timerTicks) * 60.0f;
}

GameSession::GameSession(bool record, std::string replayPath, ReplayTestOptions options)
    : record_(record), replayPath_(std::move(replayPath)), options_(options), playing_(!replayPath_.empty())
{
    logStdString(playing_ ? "New game, replay: " + replayPath_ + "\n" : std::string("New game\n"));
    emptyPlayersAndTeams();
    savedOptions_ = gameOptions;
    savedTwoSecondFrameCount_ = twoSecondFrameCount;
    savedFastForward_ = fastForward;
}

GameSession::~GameSession()
{
    try {
        restore();
    } catch (const std::exception& e) {
        logStdString(fmt::format("Error while ending the game: {}\n", e.what()));
    }
}

void GameSession::restore()
{
    if (restored_)
        return;
    restored_ = true;
    gameOptions = savedOptions_;
    // A session that stops before its end (the join screen left, players that
    // did not fit, a replay that cannot be played) leaves fast forward as it
    // found it, so a command line's /fastForward still holds for the next game.
    fastForward = savedFastForward_;
    twoSecondFrameCount = savedTwoSecondFrameCount_;
    applyUpdateRate(savedOptions_.updateRate);
}

void GameSession::startReplay()
{
    logStdString("Loading replay: " + replayPath_ + "\n");
    replayInput_ = openReplayInput(replayPath_);
    int version = -1;
    records_ = deserialiseSetup(*replayInput_, version);
    replayInputVersion_ = version;
    log("Replay version: %d\n", version);
    if (!(replayInputVersion_.value() <= replayOutputVersion))
        failAssertion("replayInputVersion.value() <= replayOutputVersion", 4110);
    verifyInput_ = openVerifyInput(replayPath_);
    if (!verifyInput_)
        logStdString("No verify text: the replay was played unchecked\n");
    applyUpdateRate(gameOptions.updateRate);
}

bool GameSession::start()
{
    if (playing_) {
        startReplay();
        const int version = replayInputVersion_.value();
        createPlayers(records_, version >= replayTeamsVersion ? std::optional<int>(version) : std::nullopt, 0);
    } else {
        proximityRadius = 13;
        rescueDistance = 32.0;
        rescueCount = 180;
        if (gameOptions.quickStartPlayers > 0) {
            gameOptions.numPlayers = gameOptions.quickStartPlayers + 1;
            const int teamCount = isTeamMode(gameOptions.gameMode) ? sessionTeamCount() : 0;
            if (teamCount > 0)
                createTeams(teamCount);
            createPlayers({}, std::nullopt, teamCount);
        } else if (!sessionScreens.playerJoinScreen()) {
            emptyPlayersAndTeams();
            quit_ = true;
            over_ = true;
            return false;
        }
    }
    if (gameOptions.gameMode == GameMode::SnakeHunter)
        formSnakeHunterTeams();
    if (options_.fast)
        fastForward = true;
    return true;
}

bool GameSession::end()
{
    log("Game ended\n");
    emptyPlayersAndTeams();
    restore();
    // Fast forward belongs to the game that ran with it.
    fastForward = false;
    return quit_;
}
