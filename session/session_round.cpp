#include <allegro5/allegro.h>
#include <boost/algorithm/string.hpp>
#include <filesystem>
#include <fmt/format.h>
#include <iomanip>
#include <optional>
#include <sstream>
#include <variant>

#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "frame/game_ids.h"
#include "frame/log.h"
#include "frame/lookup_tables.h"
#include "frame/profiler.h"
#include "frame/display/screen_loop.h"
#include "frame/settings.h"
#include "game/game.h"
#include "game/particles.h"
#include "game/player.h"
#include "game/replay_data.h"
#include "game/round_state.h"
#include "game/team.h"
#include "media/music.h"
#include "media/music_tracks.h"
#include "session/arena_setup.h"
#include "session/auto_game_options.h"
#include "session/game_loop.h"
#include "session/game_session.h"
#include "session/replay_header.h"
#include "session/replay_error.h"
#include "session/replay_folder.h"
#include "session/round_recording.h"
#include "session/session_screens.h"
#include "session/verify_text.h"

namespace {

Vector2 resolvedArenaCells()
{
    const auto found = ArenaSizeTable.find(gameOptions.resolvedArenaSize.value());
    return found == ArenaSizeTable.end() ? Vector2{0, 0} : found->second;
}

void showSetupError(const Game::PlayerPositionSetupError& error)
{
    if (display)
        createScreenBitmap(0);
    std::vector<std::string> lines;
    boost::algorithm::split(lines, error.what(), boost::algorithm::is_any_of("\n"));
    sessionScreens.msgScreen(lines, ALLEGRO_KEY_ENTER, -1);
}

void logRoundEnd(const GameLoopState& state)
{
    if (state.roundOver)
        log("Round over\n");
    if (state.quit)
        log("Quit\n");
    if (state.replayEnded)
        log("Replay ended early\n");
    std::ostringstream s;
    s << "Average FPS: " << std::fixed << std::setprecision(1) << calcAverageFps() << '\n';
    logString(s);
}

// A recording that could not be written whole is gone: the players hear of it
// once, after its round.
void showReplayNotSaved()
{
    sessionScreens.msgScreen({"The replay of this round could not be saved", "Press ENTER or button 1"},
                             ALLEGRO_KEY_ENTER, -1);
}

// The recording of a new round; nothing (the reason logged) when its files
// cannot be made, and the round is played unrecorded.
std::unique_ptr<RoundRecording> createRecording()
{
    std::unique_ptr<RoundRecording> recording;
    try {
        recording = createRoundRecording(getNewReplayFilename);
    } catch (const std::filesystem::filesystem_error& error) {
        logStdString(fmt::format("Error: no replay can be created: {}\n", error.what()));
    }
    if (recording && recording->created())
        return recording;
    log("This round is played unrecorded\n");
    return nullptr;
}

// Computer snakes belong to one round; the hunters' opponents start afresh.
void dropRoundOnlyPlayers()
{
    std::erase_if(player, [](const std::shared_ptr<Player>& p) { return p && p->isAI; });
    if (gameOptions.gameMode == GameMode::SnakeHunter) {
        if (Team* snakes = teamAt(1))
            snakes->members.clear();
    }
}

}

RoundOutcome GameSession::playRound()
{
    RoundOutcome outcome;
    log("New round; randomness %d\n", gameOptions.randomness);
    if (!playing_)
        chooseAutoGameOptions();

    std::unique_ptr<RoundRecording> recording;
    bool recordingLost = false;
    if (record_ && !playing_) {
        recording = createRecording();
        recordingLost = !recording;
    }
    if (recording) {
        const Vector2 size = resolvedArenaCells();
        grid_squares_x = size.x;
        grid_squares_y = size.y;
        serialiseSetup(recording->replay());
    }
    outcome.replayPath = recording ? recording->path() : replayPath_;

    PackagedReplayData replay;
    replay.replayInput = playing_ ? replayInput_.get() : nullptr;
    replay.replayOutput = recording ? &recording->replay() : nullptr;
    replay.playing = playing_;
    replay.replayInputVersion = replayInputVersion_;
    replay.recording = recording != nullptr;
    replay.inputVerify = verifyInput_;
    replay.outputVerify = recording ? &recording->verify() : nullptr;

    // Durations the rules count follow the round's own rate.
    twoSecondFrameCount = gameOptions.updateRate * 2;
    Game game(false, replay);
    if (!firstRound_ && !playing_ && gameOptions.randomnessIncrease != 0 && gameOptions.randomness < 2)
        incrementRandomness(game);

    const Vector2 size = playing_ ? Vector2{grid_squares_x, grid_squares_y} : resolvedArenaCells();
    try {
        setupArena(size, game.replayData, game, false);
    } catch (const Game::PlayerPositionSetupError& error) {
        // The recording goes with the round that never started.
        recording.reset();
        showSetupError(error);
        outcome.setupFailed = true;
        outcome.quit = true;
        quit_ = true;
        over_ = true;
        return outcome;
    }

    game.shrinkTimer = gameOptions.resolvedTimeBeforeShrinking.value();
    game.aiSpawnTimer = gameOptions.resolvedSnakePreparationTime;
    game.aiSnakesToSpawn = gameOptions.resolvedAISnakeCount;
    for (const auto& p : player)
        p->resetForRound(firstRound_);
    firstRound_ = false;
    clearParticles();

    std::shared_ptr<Music> music;
    if (game.shrinkAllowed)
        music = startGameMusic();

    GameLoopState state;
    frameCounter = 0;
    framesRendered = 0;
    pendingUpdates = 0;
    timerTicks = 0;
    for (const char* section : {"advance", "render1", "render2"})
        profiler.addAveragedTimer(section, 1);
    log("Begin game\n");
    try {
        runGameLoop(game, music, options_, playing_ ? replayPath_ : std::string(), state);
    } catch (const std::ios_base::failure&) {
        // The end of the file ends a replay quietly inside the rules; any
        // other failure to read it is a damaged file.
        if (!playing_)
            throw;
        throwLocatedReplayError(*replayInput_, "frame records unreadable");
    } catch (const InvalidReplayRecord& error) {
        throwLocatedReplayError(*replayInput_, error.detail());
    } catch (const FailedRecordCheck& error) {
        // A damaged record, not a round that went another way: its failed
        // check, already logged, is what the player is shown.
        throw ReplayError(error.what());
    }
    outcome.frames = frameCounter;

    logRoundEnd(state);
    if (music)
        music->stop();

    if (recording || recordingLost) {
        outcome.replaySaved = recording && recording->finish();
        if (!outcome.replaySaved)
            showReplayNotSaved();
    } else if (playing_ && !state.quit) {
        // A replay that ends on its end byte, whether its round was over or
        // stopped, ends its verify text too.
        requireWholeReplay(game);
        checkVerifyTextEnd(game.replayData);
    }

    outcome.roundOver = state.roundOver;
    outcome.quit = state.quit;
    outcome.replayEnded = state.replayEnded;
    if (state.quit)
        quit_ = true;
    if (!state.quit && !state.replayEnded && !options_.skipResults)
        showResults(game, outcome);
    over_ = outcome.gameOver || state.quit || playing_;
    return outcome;
}

void GameSession::requireWholeReplay(const Game& game)
{
    std::istream& in = *replayInput_;
    in.exceptions(std::ios::goodbit);
    std::optional<int> cutAt = game.replayCutAtFrame;
    // After a round that ended on its own exactly one byte follows its last
    // frame, the end byte; one the rules only peeked at is taken here too.
    if (!cutAt && !game.replayEndByteRead) {
        const int byte = in.get();
        if (byte == std::char_traits<char>::eof())
            cutAt = frameCounter;
        else if (byte != replayEndByte)
            throwLocatedReplayError(in, fmt::format("end byte {}", byte));
    }
    if (cutAt)
        throwReplayError(fmt::format("Replay incomplete: no end byte after frame {}", *cutAt));
    const std::streamoff endByteAt = in.tellg();
    in.seekg(0, std::ios::end);
    if (const std::streamoff after = std::streamoff(in.tellg()) - endByteAt; after > 0)
        throwReplayError(fmt::format("Invalid replay: {} byte{} after the end byte", after, after == 1 ? "" : "s"));
}

void GameSession::showResults(Game& game, RoundOutcome& outcome)
{
    int winnerCount = 0;
    std::vector<ScoringEntity> results;
    std::visit(RoundWinAwarder{&winnerCount, &results}, game.getRoundWinners());
    for (const auto& p : player) {
        p->dead = false;
        p->specialBombOut = false;
        if (gameOptions.gameMode == GameMode::Everything)
            p->held = false;
    }
    sessionScreens.trophyRoom(results, winnerCount == 0, diagnosticMode ? outcome.replayPath : std::string());
    outcome.gameOver = maxWins(results) >= gameOptions.winsNeeded;
    dropRoundOnlyPlayers();
    if (outcome.gameOver && lootboxesEnabled)
        sessionScreens.lootboxRoom();
}
