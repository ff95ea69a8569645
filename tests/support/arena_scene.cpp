#include "support/arena_scene.h"

#include <algorithm>
#include <random>
#include <vector>

#include "controls/no_controls.h"
#include "frame/app_globals.h"
#include "frame/log.h"
#include "game/arena.h"
#include "game/flag.h"
#include "game/game_options.h"
#include "game/modes.h"
#include "game/particles.h"
#include "game/player.h"
#include "game/round_state.h"
#include "game/team.h"
#include "game/toast.h"
#include "media/colour.h"
#include "media/player_look.h"
#include "support/scripted_controls.h"

namespace {

const Vector2 steps[4] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};   // by facing

struct Builder {
    const SceneOptions& o;
    std::mt19937 rng;
    Game& game;
    std::vector<Vector2> taken;   // cells players, bombs and snakes stand on

    int roll(int n) { return int(rng() % unsigned(n)); }
    bool inside(Vector2 c) const { return c.x > 0 && c.y > 0 && c.x < o.width - 1 && c.y < o.height - 1; }
    bool solid(Vector2 c) const { return !inside(c) || isSolidWall(grid.at(c)); }
    bool isTaken(Vector2 c) const { return std::find(taken.begin(), taken.end(), c) != taken.end(); }

    void clearCell(Vector2 c)
    {
        if (inside(c) && !solid(c)) {
            grid.at(c) = Square::Empty;
            powerupGrid.at(c) = PowerupType::None;
        }
    }
    void clearCross(Vector2 c, int r)
    {
        for (int d = -r; d <= r; ++d) {
            clearCell({c.x + d, c.y});
            clearCell({c.x, c.y + d});
        }
    }

    void layOutCells()
    {
        resizeArena(o.width, o.height);
        for (int x = 0; x < o.width; ++x) {
            for (int y = 0; y < o.height; ++y) {
                if (!inside({x, y}))
                    grid.at(x, y) = Square::OuterWall;
                else if (x % 2 == 0 && y % 2 == 0)
                    grid.at(x, y) = Square::Wall;
                else if (roll(100) < 40) {
                    grid.at(x, y) = roll(12) == 0 ? Square::ToughBlock : Square::Block;
                    if (roll(100) < 30)
                        powerupGrid.at(x, y) = 1 + roll(PowerupType::Count - 1);
                }
            }
        }
    }

    std::vector<Vector2> startCells()
    {
        std::vector<Vector2> candidates;
        for (int y = 1; y < o.height - 1; y += 2)
            for (int x = 1; x < o.width - 1; x += 2)
                if (!solid({x, y}))
                    candidates.push_back({x, y});
        std::shuffle(candidates.begin(), candidates.end(), rng);
        std::vector<Vector2> chosen;
        for (int spacing : {4, 2, 0}) {
            for (Vector2 c : candidates) {
                if (int(chosen.size()) == o.players)
                    return chosen;
                bool clear = std::none_of(chosen.begin(), chosen.end(), [&](Vector2 other) {
                    return other == c || std::abs(other.x - c.x) + std::abs(other.y - c.y) < spacing;
                });
                if (clear)
                    chosen.push_back(c);
            }
        }
        return chosen;
    }

    void makeTeams()
    {
        if (!isTeamMode(o.mode))
            return;
        const int w = o.width, h = o.height;
        const Vector2 bases[4][2] = {{{1, h / 2}, {1, 0}},
                                     {{w - 2, h / 2}, {-1, 0}},
                                     {{w / 2, 1}, {0, 1}},
                                     {{w / 2, h - 2}, {0, -1}}};
        const RGB teamColours[4] = {{255, 0, 0}, {0, 0, 255}, {0, 255, 0}, {255, 255, 0}};
        const int count = o.players >= 4 ? 4 : 2;
        for (int i = 0; i < count; ++i) {
            teams.emplace_back(bases[i][0], bases[i][1]);
            teams.back().colour = toColour(teamColours[i]);
            teams.back().score = teams.back().displayedScore = 3 * i + 2;
            clearCross(bases[i][0], 1);
        }
    }

    std::shared_ptr<Player> addHuman(int index, Vector2 cell)
    {
        const int team = teams.empty() ? -1 : index % int(teams.size());
        auto p = std::make_shared<Player>(index + 1, 0, team, playerLookForIndex(index),
                                          std::make_shared<ScriptedControls>());
        p->x = cell.x * 32;
        p->y = cell.y * 32;
        p->startCell = cell;
        p->resetStats();
        p->facing = Facing(index % 4);
        p->walkFrame = 1 + index % 6;
        p->kills = index % 5;
        player.push_back(p);
        if (Team* t = teamAt(team))
            t->addPlayer(p);
        taken.push_back(cell);
        clearCross(cell, 1);
        return p;
    }

    // A sample of the states a player can be in, one per player.
    void giveState(Player& p, int index)
    {
        const int m = gameOptions.updateRateMultiplier;
        switch (index) {
        case 1: p.giveShield(); p.shieldTimer = 600; break;
        case 2: p.ghost = true; p.shieldTimer = 600; break;
        case 3: p.slowTimer = 200; break;
        case 4: p.bombType = BombType::RemoteControl; p.specialBombOut = true; break;
        case 5:
            if (o.mode == GameMode::BattleRoyale || o.mode == GameMode::Everything) {
                p.held = true;
                p.rescueFrames = 90;
            }
            break;
        case 6:
            p.dead = true;
            p.respawnTimer = 30 * m;
            break;
        case 7:
            p.trailTimer = 40;
            for (int k = 20; k >= 1; --k)
                p.trail.push_back({p.x - 2 * k, p.y, int(Facing::Right)});
            p.facing = Facing::Right;
            break;
        case 8: p.button2Flash = 20; break;
        default: break;
        }
    }

    void addBombs()
    {
        for (std::size_t i = 0; i < player.size(); i += 2) {
            const Player& p = *player[i];
            for (Vector2 step : steps) {
                const Vector2 c{p.x / 32 + step.x, p.y / 32 + step.y};
                if (solid(c) || isTaken(c) || grid.at(c) != Square::Empty)
                    continue;
                Bomb& bomb = bombGrid.at(c);
                bomb.owner = player[i];
                bomb.fuse = 90 - int(i * 11) % 88;
                if (i == 4) {
                    bomb.state = BombState::Moving;
                    bomb.direction = Facing::Right;
                }
                taken.push_back(c);
                break;
            }
        }
    }

    // An explosion two cells out in every direction: the head wave furthest.
    void explode(Vector2 centre, const std::shared_ptr<Player>& owner)
    {
        auto flame = [&](Vector2 c, int wave) {
            Flame f;
            f.owner = owner;
            f.wave = wave;
            f.x = c.x;
            f.y = c.y;
            game.flames.push_back(f);
        };
        flame(centre, 3);
        for (Vector2 step : steps) {
            for (int d = 1; d <= 2; ++d) {
                const Vector2 c{centre.x + step.x * d, centre.y + step.y * d};
                if (solid(c))
                    break;
                if (isBlock(grid.at(c))) {
                    grid.at(c) = Square::Crumbling + 5;
                    break;
                }
                flame(c, 3 - d);
            }
        }
    }

    Vector2 freeCell(int from)
    {
        for (int i = 0; i < o.width * o.height; ++i) {
            const int k = (from + i * 7) % (o.width * o.height);
            const Vector2 c{k % o.width, k / o.width};
            if (inside(c) && grid.at(c) == Square::Empty && !isTaken(c) &&
                powerupGrid.at(c) == PowerupType::None && !bombGrid.at(c).isLive())
                return c;
        }
        return {1, 1};
    }

    // Every powerup lying in the open once, and some blocks wearing down.
    void exposeThings()
    {
        int from = 3;
        for (int type = 1; type < PowerupType::Count; ++type) {
            if (type == PowerupType::Death)
                continue;
            const Vector2 c = freeCell(from);
            powerupGrid.at(c) = type;
            from = c.y * o.width + c.x + 11;
        }
        int kinds[] = {5, 6, 15, 25, 42, 47, 52, 57};
        for (int kind : kinds) {
            for (int tries = 0; tries < 200; ++tries) {
                const Vector2 c{1 + roll(o.width - 2), 1 + roll(o.height - 2)};
                if (isBlock(grid.at(c))) {
                    grid.at(c) = kind;
                    break;
                }
            }
        }
    }

    // A snake along a carved path: the head first, each segment facing the
    // way it moves.
    void shapeSnake(Player& p, Vector2 head, int length)
    {
        std::vector<Vector2> path{head};
        Vector2 c = head;
        for (int i = 0; i < length && i < 200; ++i) {
            int facing = roll(4);
            Vector2 next{c.x + steps[facing].x, c.y + steps[facing].y};
            for (int k = 0; k < 4 && (solid(next) || std::find(path.begin(), path.end(), next) != path.end()); ++k) {
                facing = (facing + 1) % 4;
                next = {c.x + steps[facing].x, c.y + steps[facing].y};
            }
            if (solid(next) || std::find(path.begin(), path.end(), next) != path.end())
                break;
            path.push_back(next);
            c = next;
        }
        for (Vector2 cell : path) {
            clearCell(cell);
            taken.push_back(cell);
        }
        auto facingTowards = [](Vector2 from, Vector2 to) {
            for (int f = 0; f < 4; ++f)
                if (from.x + steps[f].x == to.x && from.y + steps[f].y == to.y)
                    return f;
            return int(Facing::Down);
        };
        p.x = head.x * 32;
        p.y = head.y * 32;
        p.snakeLength = int(path.size());
        p.facing = path.size() > 1 ? Facing(facingTowards(path[1], path[0])) : Facing::Down;
        for (std::size_t i = 1; i < path.size(); ++i)
            p.snakeBody.emplace_back(path[i].x * 32, path[i].y * 32, facingTowards(path[i], path[i - 1]));
    }

    void addComputerSnakes()
    {
        std::vector<PlayerLook> humans;
        for (const auto& p : player)
            humans.push_back(p->look);
        for (int k = 0; k < o.computerSnakes; ++k) {
            std::mt19937 lookRng(o.seed + unsigned(k));
            auto snake = std::make_shared<Player>(120 + k, 0, -1, randomUnusedPlayerLook(humans, lookRng),
                                                  std::make_shared<NoControls>());
            snake->resetStats();
            snake->isAI = true;
            shapeSnake(*snake, freeCell(31 * (k + 1)), 9 + 3 * k);
            if (k == 0)
                snake->slowTimer = 100;
            player.push_back(snake);
        }
    }

    void addFlags()
    {
        for (std::size_t i = 0; i < teams.size(); ++i) {
            const Vector2 home = teams[i].home;
            game.flags.emplace_back(home.x * 32, home.y * 32, int(i), teams[i].colour);
            makeFlagFrames(game.flags.back());
        }
        // The first team's flag is on its way to the second team's base.
        for (const auto& p : player) {
            if (!p->dead && !p->isAI && p->team == 1 && !game.flags.empty()) {
                game.flags[0].carrier = p;
                game.flags[0].inBase = false;
                game.flags[0].x = p->x;
                game.flags[0].y = p->y;
                break;
            }
        }
    }

    void addHill()
    {
        const int w = o.width, h = o.height;
        game.hillArea = {w / 2 - 3, h / 2 - 2, w / 2 + 3, h / 2 + 2};
        for (int y = game.hillArea.y0; y <= game.hillArea.y1; ++y)
            for (int x = game.hillArea.x0; x <= game.hillArea.x1; ++x)
                if (isBlock(grid.at(x, y)))
                    clearCell({x, y});
        game.makeHillTileBitmaps();
    }

    // The shrinking arena has begun its first ring along the top.
    void startShrinking()
    {
        game.shrinkPhase = 2;
        game.crawlerLook = 1;
        game.shrinkStepTimer = 6;
        const int laid = std::min(o.width - 3, 9);
        for (int x = 1; x <= laid; ++x)
            grid.at(x, 1) = Square::OuterWall;
        game.shrinkCrawlers.push_back({laid + 1, 1, 1, 0});
    }
};

}

std::unique_ptr<Game> buildArenaScene(const SceneOptions& o)
{
    resetRoundState();
    gameOptions = GameOptions{};
    gameOptions.gameMode = o.mode;
    gameOptions.numPlayers = o.players;
    gameOptions.resolvedShrinkSpeed = 16;
    frameCounter = 1234;
    twoSecondFrameCount = 2 * gameOptions.updateRate;

    auto game = std::make_unique<Game>(false, PackagedReplayData{});
    Builder b{o, std::mt19937(o.seed), *game, {}};
    b.layOutCells();
    if (o.mode == GameMode::Classic || o.mode == GameMode::Deathmatch)
        b.startShrinking();
    b.makeTeams();
    std::vector<Vector2> starts = b.startCells();
    for (std::size_t i = 0; i < starts.size(); ++i)
        b.giveState(*b.addHuman(int(i), starts[i]), int(i));
    if (o.mode == GameMode::SnakeHunter && player.size() > 9)
        b.shapeSnake(*player[9], Vector2{player[9]->x / 32, player[9]->y / 32}, 4);
    b.addComputerSnakes();
    b.addBombs();
    b.exposeThings();
    if (player.size() > 3) {
        player[3]->annihilator = true;
        b.explode(b.freeCell(57), player[0]);
        b.explode(b.freeCell(151), player[3]);
    }
    game->pendingWalls.push_back({b.freeCell(97).x, b.freeCell(97).y, 40});
    if (isMode(GameMode::CaptureTheFlag))
        b.addFlags();
    if (isMode(GameMode::KingOfTheHill))
        b.addHill();

    if (!player.empty()) {
        game->addToast(makeTimedToastFromText("SPEED UP", player[0]->x + 16, player[0]->y - 20, 0, -0.5f));
        if (teamAt(player[0]->team))
            game->addScoreToast(1, player[0], player[0]->team);
    }
    spawnParticleBurst(float(o.width * 16), float(o.height * 16));
    for (int i = 0; i < 40; ++i)
        updateParticles();
    return game;
}
