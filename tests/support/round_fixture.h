#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "frame/log.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/replay_data.h"
#include "game/round_state.h"
#include "game/team.h"
#include "support/scripted_controls.h"

// A round on a small hand-made arena, with no display and no audio: the
// arena's border is kind-2 wall, the inside empty floor. Every global of the
// round starts afresh for each test and is emptied after it.
class RoundTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The round's resolved options, as the arena set-up leaves them: no
    // auctions, no grid blocks, style 1 shrinking at 16 frames a step, and a
    // shrink far beyond any test (tests that shrink set the time before
    // startGame).
    static constexpr int noShrinkFrames = 1000000;
    void resolveRoundOptions();

    // Sizes the arena: a border of kind 2 around empty floor.
    void makeArena(int w, int h);
    // The border and a kind-1 wall on every cell whose x and y are both even,
    // as arenas with grid blocks have them; the rest empty floor.
    void makeGridBlockArena(int w, int h);
    // Lays out the arena from rows of text, top row first: '#' kind 2,
    // 'W' kind 1, 'B' block (3), 'T' tough block (4), '.' empty.
    void makeArena(const std::vector<std::string>& rows);

    // A human player standing on a cell, appended to the player list. Its
    // controls are scripted; its stats are reset as at a round's start.
    std::shared_ptr<Player> addPlayer(int num, Vector2 cell, int team = -1);
    ScriptedControls& controlsOf(const std::shared_ptr<Player>& p);
    // A team with its home cell, appended to `teams`; add players to it after.
    Team& addTeam(Vector2 home);
    // The context of a replay of `version` that plays from `input`.
    static PackagedReplayData playingReplay(int version, std::istream* input = nullptr);

    // The round's Game, built once the arena and players are there. Like the
    // session, it takes its shrink timer from the resolved options.
    Game& startGame(const PackagedReplayData& replay = {});
    // Runs Game::update `frames` times, counting frames like the session.
    void runFrames(int frames);

    std::unique_ptr<Game> game;
    std::shared_ptr<Music> music;
    bool roundOver = false;
    bool replayEnded = false;
};
