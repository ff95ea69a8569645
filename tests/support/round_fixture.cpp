#include "support/round_fixture.h"

#include <stdexcept>

#include "frame/log.h"
#include "frame/lookup_tables.h"
#include "frame/screen_size.h"
#include "game/particles.h"
#include "game/update_steps.h"

void RoundTest::SetUp()
{
    resetRoundState();
    gameOptions = GameOptions{};
    resolveRoundOptions();
    frameCounter = 0;
}

void RoundTest::resolveRoundOptions()
{
    gameOptions.resolvedAuctionInterval = 0;
    gameOptions.resolvedGridBlocks = false;
    gameOptions.resolvedShrinkSpeed = shrinkSpeedFrames.at(2);
    gameOptions.resolvedShrinkStyle = 1;
    gameOptions.resolvedTimeBeforeShrinking = noShrinkFrames;
}

void RoundTest::TearDown()
{
    game.reset();
    updateStepObserver = nullptr;
    resetRoundState();
    gameOptions = GameOptions{};
    frameCounter = 0;
    screenWidth = screenHeight = 0;
}

void RoundTest::makeArena(int w, int h)
{
    resizeArena(w, h);
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1)
                grid.at(x, y) = Square::OuterWall;
        }
    }
}

void RoundTest::makeGridBlockArena(int w, int h)
{
    makeArena(w, h);
    for (int x = 2; x < w - 1; x += 2)
        for (int y = 2; y < h - 1; y += 2)
            grid.at(x, y) = Square::Wall;
}

void RoundTest::makeArena(const std::vector<std::string>& rows)
{
    const int h = int(rows.size());
    const int w = h > 0 ? int(rows[0].size()) : 0;
    resizeArena(w, h);
    for (int y = 0; y < h; ++y) {
        if (int(rows[std::size_t(y)].size()) != w)
            throw std::invalid_argument("arena rows differ in length");
        for (int x = 0; x < w; ++x) {
            switch (rows[std::size_t(y)][std::size_t(x)]) {
            case '#': grid.at(x, y) = Square::OuterWall; break;
            case 'W': grid.at(x, y) = Square::Wall; break;
            case 'B': grid.at(x, y) = Square::Block; break;
            case 'T': grid.at(x, y) = Square::ToughBlock; break;
            case '.': grid.at(x, y) = Square::Empty; break;
            default: throw std::invalid_argument("unknown arena character");
            }
        }
    }
}

std::shared_ptr<Player> RoundTest::addPlayer(int num, Vector2 cell, int team)
{
    auto controls = std::make_shared<ScriptedControls>();
    auto p = std::make_shared<Player>(num, 0, team, PlayerLook{}, controls);
    p->x = cell.x * 32;
    p->y = cell.y * 32;
    p->startCell = cell;
    p->resetStats();
    player.push_back(p);
    if (Team* t = teamAt(team))
        t->addPlayer(p);
    gameOptions.numPlayers = int(player.size());
    return p;
}

ScriptedControls& RoundTest::controlsOf(const std::shared_ptr<Player>& p)
{
    return static_cast<ScriptedControls&>(*p->controls);
}

Team& RoundTest::addTeam(Vector2 home)
{
    teams.emplace_back(home, Vector2{0, 0});
    return teams.back();
}

PackagedReplayData RoundTest::playingReplay(int version, std::istream* input)
{
    PackagedReplayData replay;
    replay.playing = true;
    replay.replayInputVersion = version;
    replay.replayInput = input;
    return replay;
}

Game& RoundTest::startGame(const PackagedReplayData& replay)
{
    game = std::make_unique<Game>(false, replay);
    // A replay's time before shrinking comes with its round block, read later.
    if (gameOptions.resolvedTimeBeforeShrinking)
        game->shrinkTimer = *gameOptions.resolvedTimeBeforeShrinking;
    return *game;
}

void RoundTest::runFrames(int frames)
{
    for (int i = 0; i < frames; ++i) {
        game->update(roundOver, replayEnded, music);
        updateParticles();
        ++frameCounter;
    }
}
