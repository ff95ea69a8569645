#include <array>
#include <functional>
#include <map>
#include <unordered_set>

#include "frame/game_ids.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/modes.h"
#include "game/player.h"
#include "game/round_state.h"
#include "game/team.h"

// Start cells of the players by mode: a fixed pattern for everyone-for-himself,
// bases for Battle Royale, opposite edges for the other team modes, and the
// farthest free cell for whoever is left.

namespace {

struct CellHash {
    std::size_t operator()(const Vector2& v) const
    {
        return std::hash<long long>()((static_cast<long long>(v.x) << 32) ^ static_cast<unsigned>(v.y));
    }
};
using CellSet = std::unordered_set<Vector2, CellHash>;

const Vector2 unset{0, 0};

// The arena's measures: size, last inner column and row, and centre.
struct Measures {
    int w = grid_squares_x;
    int h = grid_squares_y;
    int W = w - 2;
    int H = h - 2;
    int cx = w / 2;
    int cy = h / 2;
};

// Where each player of a team goes around its base, in order of preference.
constexpr std::array<Vector2, 36> baseOffsets{{
    {2, 0},  {-2, 0},  {0, 2},   {0, -2},  {2, 2},  {-2, 2},  {2, -2},  {-2, -2}, {1, 0},
    {-1, 0}, {0, 1},   {0, -1},  {3, 0},   {-3, 0}, {0, 3},   {0, -3},  {1, 1},   {1, -1},
    {-1, 1}, {-1, -1}, {3, 3},   {3, -3},  {-3, 3}, {-3, -3}, {2, 1},   {2, -1},  {-2, 1},
    {-2, -1}, {1, 2},  {1, -2},  {-1, 2},  {-1, -2}, {4, 0},  {-4, 0},  {0, 4},   {0, -4},
}};

// The positions being built, with the cells taken and which entries hold a
// real cell (the team layouts size the list first and fill it by player).
struct Layout {
    std::vector<Vector2> cells;
    std::vector<bool> assigned;
    CellSet used;
    int numPlayers = 0;

    void sizeToPlayers()
    {
        cells.assign(std::size_t(numPlayers), unset);
        assigned.assign(std::size_t(numPlayers), false);
    }

    // Gives a player its cell; a player beyond the first numPlayers has no
    // entry, which is a set-up error rather than a write past the end.
    void give(const Player& p, Vector2 cell)
    {
        const int index = p.indexInPlayerList();
        if (index < 0 || index >= int(cells.size()))
            throw Game::PlayerPositionSetupError();
        cells[std::size_t(index)] = cell;
        assigned[std::size_t(index)] = true;
        used.insert(cell);
    }

    // How far a cell lies from every start given so far: the smallest squared
    // distance in cells, 1e9 when none is given.
    float score(const Vector2& cell) const
    {
        float best = 1e9f;
        const std::size_t count = std::min(cells.size(), std::size_t(numPlayers));
        for (std::size_t i = 0; i < count; ++i) {
            const Vector2& c = cells[i];
            if (c == unset)
                continue;
            const int dx = c.x - cell.x;
            const int dy = c.y - cell.y;
            best = std::min(best, float(dx * dx + dy * dy));
        }
        return best;
    }
};

std::vector<std::shared_ptr<Player>> membersOf(const Team& team)
{
    std::vector<std::shared_ptr<Player>> members;
    for (const auto& m : team.members) {
        if (auto p = m.lock())
            members.push_back(std::move(p));
    }
    return members;
}

void fixedPattern(Layout& layout)
{
    const auto [w, h, W, H, cx, cy] = Measures{};
    int a = 4, b = 2, c = 2;
    switch (gameOptions.resolvedArenaSize.value()) {
    case 4: a = 6; b = 4; c = 4; break;
    case 6: a = 10; b = 6; c = 6; break;
    case 7: a = 16; b = 10; c = 14; break;
    default: break;
    }
    layout.cells = {
        {1, 1},           {W, H},           {1, H},           {W, 1},
        {cx, cy},         {cx, 1},          {cx, H},          {1, cy},          {W, cy},
        {cx - a, cy - b}, {cx + a, cy + b}, {cx - a, cy + b}, {cx + a, cy - b},
        {c + 1, c + 1},   {W - c, H - c},   {W - c, c + 1},   {c + 1, H - c},
    };
    layout.assigned.assign(layout.cells.size(), true);
}

void baseLayout(Game& game, Layout& layout)
{
    const auto [w, h, W, H, cx, cy] = Measures{};
    const std::array<Vector2, 8> fixedBases{{{1, 1}, {W, H}, {1, H}, {W, 1}, {cx, 1}, {cx, H}, {1, cy}, {W, cy}}};
    layout.sizeToPlayers();
    auto score = [&layout](const Vector2& cell) { return layout.score(cell); };

    for (std::size_t t = 0; t < teams.size(); ++t) {
        const auto members = membersOf(teams[t]);
        if (members.empty())
            continue;
        // Teams past the fixed bases get a base of their own, far from everyone.
        const Vector2 base = t < fixedBases.size()
                                 ? fixedBases[t]
                                 : game.findBestCellInRect({1, 1}, {W, H}, score).value();
        layout.give(*members[0], base);
        for (std::size_t m = 1; m < members.size(); ++m) {
            bool placed = false;
            for (const Vector2& offset : baseOffsets) {
                const Vector2 cell = base + offset;
                if (cell.x < 1 || cell.x > W || cell.y < 1 || cell.y > H)
                    continue;
                if (grid.at(cell) == Square::Wall || layout.used.count(cell))
                    continue;
                layout.give(*members[m], cell);
                placed = true;
                break;
            }
            if (!placed)
                throw Game::PlayerPositionSetupError();
        }
    }
}

// Two teams on the left and right edges, filling each column from both ends
// toward the middle, then the next column two cells inward.
void twoTeamEdges(Layout& layout)
{
    // Named copies rather than structured bindings: the lambdas below capture them.
    const Measures m;
    const int W = m.W, H = m.H, cx = m.cx, cy = m.cy;
    layout.sizeToPlayers();

    for (int t = 0; t < 2; ++t) {
        const int startRow = t == 0 ? 1 : H;
        const int inward = t == 0 ? 2 : -2;
        // One column before the first, so the first member opens the first column.
        int x = (t == 0 ? 1 : W) - inward;
        int y = startRow;
        // A column on or past the centre belongs to the other team.
        auto pastCentre = [&](int column) { return t == 0 ? column >= cx : column <= cx; };
        auto usable = [&](Vector2 cell) { return cell.y >= 1 && cell.y <= H && !layout.used.count(cell); };
        bool columnFull = true;

        for (const auto& member : membersOf(teams[std::size_t(t)])) {
            // The next column whose first cell is free.
            while (columnFull) {
                x += inward;
                y = startRow;
                if (pastCentre(x))
                    throw Game::PlayerPositionSetupError();
                columnFull = !usable({x, y});
            }
            layout.give(*member, {x, y});
            int next = H + 1 - y;
            if (t == 0 && next < cy)
                next = H - y + 3;
            if (t == 1 && next > cy)
                next = H - y - 1;
            if (usable({x, next}))
                y = next;
            else
                columnFull = true;
        }
    }
}

// Three or four teams, each spreading out from the middle of its own edge.
void teamEdges(Layout& layout)
{
    const auto [w, h, W, H, cx, cy] = Measures{};
    layout.sizeToPlayers();

    for (std::size_t t = 0; t < teams.size(); ++t) {
        const bool sideEdge = t < 2;   // teams 0 and 1 move along y
        const Vector2 start = std::array<Vector2, 4>{{{1, cy}, {W, cy}, {cx, 1}, {cx, H}}}[t];
        const int startAlong = sideEdge ? start.y : start.x;
        const int middleAlong = sideEdge ? cy : cx;
        const int mirrorSize = sideEdge ? h : w;
        const int bandLow = sideEdge ? 5 : 1;
        const int bandHigh = sideEdge ? h - 5 : W;
        const int middleInward = sideEdge ? cx : cy;
        int along = startAlong;
        int inward = sideEdge ? start.x : start.y;
        bool firstKind = true;

        for (const auto& member : membersOf(teams[t])) {
            const Vector2 cell = sideEdge ? Vector2{inward, along} : Vector2{along, inward};
            if (layout.used.count(cell))
                throw Game::PlayerPositionSetupError();
            layout.give(*member, cell);

            along = firstKind ? (along >= middleAlong ? along + 2 : along - 2) : mirrorSize - along - 1;
            firstKind = !firstKind;
            if (along < bandLow || along > bandHigh) {
                inward += inward < middleInward ? 2 : -2;
                along = startAlong;
                firstKind = true;
            }
        }
    }
}

// Everyone still without a cell gets the free cell farthest from all others.
void fill(Game& game, Layout& layout)
{
    const Measures m;
    const int W = m.W;
    const int H = m.H;
    for (std::size_t i = 0; i < layout.cells.size(); ++i) {
        if (layout.assigned[i])
            layout.used.insert(layout.cells[i]);
    }
    auto score = [&layout](const Vector2& cell) { return layout.score(cell); };
    // Players without a team in a team layout have an entry but no cell yet.
    for (std::size_t i = 0; i < layout.cells.size(); ++i) {
        if (layout.assigned[i])
            continue;
        layout.cells[i] = game.findBestCellInRect({1, 1}, {W, H}, score).value();
        layout.assigned[i] = true;
        layout.used.insert(layout.cells[i]);
    }
    while (int(layout.cells.size()) < layout.numPlayers) {
        const Vector2 cell = game.findBestCellInRect({1, 1}, {W, H}, score).value();
        layout.cells.push_back(cell);
        layout.assigned.push_back(true);
        layout.used.insert(cell);
    }
}

}

std::vector<Vector2> Game::getInitialPlayerPositions()
{
    Layout layout;
    layout.numPlayers = gameOptions.numPlayers;
    if (gameOptions.gameMode == GameMode::Everything || isMode(GameMode::CaptureTheFlag) ||
        isMode(GameMode::KingOfTheHill)) {
        if (teams.size() == 2)
            twoTeamEdges(layout);
        else if (teams.size() == 3 || teams.size() == 4)
            teamEdges(layout);
    } else if (isMode(GameMode::BattleRoyale)) {
        baseLayout(*this, layout);
    } else {
        fixedPattern(layout);
    }
    fill(*this, layout);
    return layout.cells;
}
