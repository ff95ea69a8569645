// Brings the game up through its own start-up, records rounds with random
// input and plays recorded replays back with verification. Used by the corpus
// tests; run it from the game's run folder under an X server.
//
//   tamwick_harness record <corpus folder> <case>...
//       a case is "mode,players,arena size id,update rate,frames[,rounds]";
//       each case is recorded twice from the same seed, the two recordings are
//       compared byte for byte, the first is copied into the corpus folder and
//       every copied replay is then played back and verified.
//   tamwick_harness verify <replay>...
//       plays each replay back with verification.
//
// Prints one line per step ("RECORDED", "SAME", "DIFFERENT", "VERIFIED",
// "FAILED") and exits 1 when any step failed.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "frame/settings.h"
#include "frame/startup.h"
#include "game/ai_snake_search.h"
#include "game/auto_random_input.h"
#include "game/game_options.h"
#include "session/game_session.h"
#include "session/replay_folder.h"
#include "session/update_rate.h"
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
};

Case parseCase(const std::string& text)
{
    std::vector<int> v;
    std::istringstream in(text);
    for (std::string field; std::getline(in, field, ',');)
        v.push_back(std::stoi(field));
    if (v.size() < 5)
        throw std::invalid_argument("a case needs mode,players,arena,rate,frames: " + text);
    return {v[0], v[1], v[2], v[3], v[4], v.size() > 5 ? v[5] : 1};
}

const char* const companions[] = {"", ".verify", ".verifyZ"};

// Every computer-snake decision seems to take this long: neither fast enough
// to deepen the search nor slow enough to cut it, so the snakes choose the
// same way however busy the machine is.
constexpr std::int64_t steadyDecisionNanoseconds = 4'000'000;

// Records the case's rounds from a fixed seed; returns their replay paths.
std::vector<std::string> record(const Case& c, unsigned seed)
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
    std::vector<std::string> paths;
    GameSession session(true, "", {true, true});
    session.start();
    for (int round = 0; round < c.rounds; ++round)
        paths.push_back(session.playRound().replayPath);
    session.end();
    return paths;
}

bool sameFiles(const std::string& a, const std::string& b)
{
    for (const char* suffix : companions) {
        const bool hasA = fs::exists(a + suffix);
        if (hasA != fs::exists(b + suffix))
            return false;
        if (hasA && readFile(a + suffix) != readFile(b + suffix))
            return false;
    }
    return true;
}

bool verify(const std::string& path)
{
    advanceLimit = 0;
    try {
        play_the_game(false, path, {true, true});
        std::cout << "VERIFIED " << path << std::endl;
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

int recordCorpus(const fs::path& corpus, const std::vector<std::string>& cases)
{
    fs::create_directories(corpus);
    bool ok = true;
    std::vector<std::string> kept;
    unsigned seed = 1;
    for (const std::string& text : cases) {
        const Case c = parseCase(text);
        const std::vector<std::string> first = record(c, seed);
        const std::vector<std::string> second = record(c, seed);
        ++seed;
        for (std::size_t i = 0; i < first.size(); ++i) {
            std::cout << "RECORDED " << text << " " << first[i] << std::endl;
            const bool same = i < second.size() && sameFiles(first[i], second[i]);
            std::cout << (same ? "SAME " : "DIFFERENT ") << text << " round " << i << std::endl;
            ok = ok && same;
            const fs::path target = corpus / fs::path(first[i]).filename();
            for (const char* suffix : companions) {
                if (fs::exists(first[i] + suffix))
                    fs::copy_file(first[i] + suffix, target.string() + suffix,
                                  fs::copy_options::overwrite_existing);
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
