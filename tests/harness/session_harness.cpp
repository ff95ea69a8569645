// Brings the game up through its own start-up, records rounds with random
// input and plays recorded replays back with verification. Used by the corpus
// tests; run it from the game's run folder under an X server.
//
//   tamwick_harness record <corpus folder> <case>...
//       a case is "mode,players,arena size id,update rate,frames[,rounds[,seed]]";
//       each case is recorded twice from the same seed, the two recordings are
//       compared byte for byte, the first is copied into the corpus folder as
//       number seed * 10 + round, and every copied replay is then played back
//       and verified.
//   tamwick_harness verify <replay>...
//       plays each replay back with verification.
//
// A case's frames are the most each round may run (0: no limit); a round
// stopped there ends the game like a quit one, so a case of several rounds
// needs rounds that end on their own.
//
// Prints one line per step ("RECORDED <case> <path> frames N over|stopped",
// "SAME", "DIFFERENT", "VERIFIED <path> through END" (every replay is checked
// to its end byte and the verify text's "END"), "PLAYED (no verify text) <path>" for a replay that
// had nothing to be checked against, "FAILED") and exits 1 when any step
// failed or any replay was not checked. A round whose first recording was
// not saved, or could not be copied, is a FAILED line of its own and is not
// verified; the other cases go on.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "frame/settings.h"
#include "frame/program/startup.h"
#include "game/ai_snake_search.h"
#include "game/auto_random_input.h"
#include "frame/version.h"
#include "game/game_options.h"
#include "game/replay_data.h"
#include "session/game_session.h"
#include "session/replay_folder.h"
#include "session/update_rate.h"
#include "support/recording_comparison.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

struct Case {
    int mode = 0;
    int players = 2;
    int arena = 3;
    int rate = 60;
    int frames = 600;
    int rounds = 1;
    unsigned seed = 1;
};

// "mode,players,arena,rate,frames[,rounds[,seed]]"; the seed is the case's
// place in the list (from 1) unless given.
Case parseCase(const std::string& text, unsigned place)
{
    std::vector<int> v;
    std::istringstream in(text);
    for (std::string field; std::getline(in, field, ',');)
        v.push_back(std::stoi(field));
    if (v.size() < 5)
        throw std::invalid_argument("a case needs mode,players,arena,rate,frames: " + text);
    return {v[0], v[1], v[2], v[3], v[4], v.size() > 5 ? v[5] : 1, v.size() > 6 ? unsigned(v[6]) : place};
}

const char* const companions[] = {"", ".verify", ".verifyZ"};

// Every computer-snake decision seems to take this long: neither fast enough
// to deepen the search nor slow enough to cut it, so the snakes choose the
// same way however busy the machine is.
constexpr std::int64_t steadyDecisionNanoseconds = 4'000'000;

// Records the case's rounds from a fixed seed.
std::vector<RoundOutcome> record(const Case& c, unsigned seed)
{
    std::srand(seed);
    levelRng = std::mt19937{};
    autoRandomInputTable = {};
    snakeSearchClock = [now = std::int64_t(0)]() mutable { return now += steadyDecisionNanoseconds; };
    gameOptions = GameOptions{};
    gameOptions.gameMode = c.mode;
    gameOptions.quickStartPlayers = c.players - 1;
    gameOptions.arenaSize = c.arena;
    setUpdateRate(c.rate);
    advanceLimit = c.frames;
    std::vector<RoundOutcome> outcomes;
    // Results between rounds run as in a game (their screens are the headless
    // ones), so computer snakes leave with their round.
    GameSession session(true, "", {true, false});
    session.start();
    // A round stopped by the frame limit ends the game, as a quit one does.
    for (int round = 0; round < c.rounds && !session.sessionOver(); ++round)
        outcomes.push_back(session.playRound());
    session.end();
    return outcomes;
}

// Plays the replay's one round the way play_the_game does, checked through
// its end byte and the verify text's "END". A replay without a verify text
// plays, but is not verified.
bool verify(const std::string& path)
{
    advanceLimit = 0;
    try {
        GameSession session(false, path, {true, true});
        session.start();
        session.playRound();
        const bool unchecked = session.playingUnchecked();
        session.end();
        if (unchecked) {
            std::cout << "PLAYED (no verify text) " << path << std::endl;
            return false;
        }
        std::cout << "VERIFIED " << path << " through END" << std::endl;
        return true;
    } catch (const std::exception& e) {
        std::string what = e.what();
        for (char& ch : what)
            if (ch == '\n')
                ch = ' ';
        std::cout << "FAILED " << path << ": " << what << std::endl;
        return false;
    }
}

// The corpus copy of a case's round: numbered by the seed and the round, so
// that harnesses recording different cases into one folder never collide.
fs::path corpusName(const fs::path& corpus, const Case& c, std::size_t round)
{
    return corpus / (std::to_string(c.seed * 10 + round) + "." + versionString(replayOutputVersion) + ".replay");
}

int recordCorpus(const fs::path& corpus, const std::vector<std::string>& cases)
{
    fs::create_directories(corpus);
    bool ok = true;
    std::vector<std::string> kept;
    unsigned place = 1;
    for (const std::string& text : cases) {
        const Case c = parseCase(text, place++);
        const std::vector<RoundOutcome> first = record(c, c.seed);
        const std::vector<RoundOutcome> second = record(c, c.seed);
        if (first.size() > 10)
            throw std::invalid_argument("a case records at most ten rounds: " + text);
        for (std::size_t i = 0; i < first.size(); ++i) {
            const std::string round = text + " round " + std::to_string(i);
            // A recording that was not saved is none, and its number may
            // already be the second recording's.
            if (!first[i].replaySaved) {
                std::cout << "FAILED " << round << ": the recording was not saved" << std::endl;
                ok = false;
                continue;
            }
            const std::string& path = first[i].replayPath;
            std::cout << "RECORDED " << text << " " << path << " frames " << first[i].frames
                      << (first[i].roundOver ? " over" : " stopped") << std::endl;
            const bool same = i < second.size() && sameRecordings(first[i], second[i]);
            std::cout << (same ? "SAME " : "DIFFERENT ") << round << std::endl;
            ok = ok && same;
            const fs::path target = corpusName(corpus, c, i);
            try {
                for (const char* suffix : companions) {
                    if (fs::exists(path + suffix))
                        fs::copy_file(path + suffix, target.string() + suffix, fs::copy_options::overwrite_existing);
                }
            } catch (const fs::filesystem_error& error) {
                std::cout << "FAILED " << round << ": " << error.what() << std::endl;
                ok = false;
                continue;
            }
            kept.push_back(target.string());
        }
    }
    for (const std::string& path : kept)
        ok = verify(path) && ok;
    return ok ? 0 : 1;
}

}

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: tamwick_harness record <corpus folder> <case>... | verify <replay>...\n";
        return 2;
    }
    const std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);

    // The game's own start-up, with random input for every player.
    std::vector<std::string> gameArgs{"tamwick", "/autoRandomControls"};
    std::vector<char*> gameArgv;
    for (std::string& a : gameArgs)
        gameArgv.push_back(a.data());
    int status = 1;
    try {
        init(int(gameArgv.size()), gameArgv.data());
        if (command == "record")
            status = recordCorpus(args.at(0), std::vector<std::string>(args.begin() + 1, args.end()));
        else if (command == "verify") {
            status = 0;
            for (const std::string& path : args)
                status = verify(path) ? status : 1;
        } else {
            std::cerr << "unknown command " << command << "\n";
            status = 2;
        }
    } catch (const std::exception& e) {
        std::cout << "FAILED harness: " << e.what() << std::endl;
        status = 1;
    }
    shutdown();
    return status;
}
