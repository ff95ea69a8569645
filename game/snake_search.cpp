#include "game/snake_search.h"

#include <algorithm>
#include <chrono>
#include <limits>

#include "game/game.h"
#include "game/player.h"
#include "game/search_workers.h"
#include "game/snake_search_board.h"

const std::array<Vector2, 4> neighbourOffsets{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};

std::int64_t addPathCounts(std::int64_t a, std::int64_t b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return std::numeric_limits<std::int64_t>::max();
    return sum;
}

namespace {

using State = SnakeSearchBoard::State;

constexpr int noGain = std::numeric_limits<int>::min();

// A walk tree below one cell: the best that its walks add to the score the
// walk brings into the cell (its own cell's gain included), and how many
// walks it holds. Whatever a node adds, its best score is max(0, brought +
// gain): the floor at 0 of every level below folds into the floor of the top.
struct Subtree {
    int gain = noGain;
    std::int64_t walks = 0;
};

// How the walks of a child end when it is a last cell or a stop: what they
// add and how many there are. The head is no child at all.
struct Ending {
    int gain;
    int walks;
};
constexpr Ending stopEnding[] = {{0, 0}, {-2, 1}, {-1, 1}, {0, 1}, {noGain, 0}};

// Follows every walk below a cell on a private copy of the board's states,
// marking the cells of the current walk as visited instead of copying paths.
// The last two levels are worked out from the cells' tables without a walk.
class Walker {
public:
    Walker(const SnakeSearchBoard& board, std::uint8_t* states)
        : state_(states), base_(board.baseGains()), bonus_(board.depthBonuses()),
          lastGain_(board.lastGains()), endings_(board.endingCounts())
    {
        for (int k = 0; k < 4; ++k)
            steps_[k] = board.neighbourSteps()[k];
    }

    // The walk tree of open cell i with `depth` (at least 1) cells to look ahead.
    Subtree below(int i, int depth)
    {
        if (depth == 1)
            return {lastGain_[i], endings_[i]};
        if (depth == 2)
            return twoAhead(i);
        if (depth == 3)
            return threeAhead(i);
        const std::uint8_t saved = state_[i];
        if (saved == State::Open)
            state_[i] = State::Visited;
        int best = noGain;
        std::int64_t walks = 0;
        for (int k = 0; k < 4; ++k) {
            const int n = i + steps_[k];
            const std::uint8_t s = state_[n];
            if (s == State::Open) {
                const Subtree child = depth == 4 ? threeAhead(n) : below(n, depth - 1);
                best = std::max(best, child.gain);
                walks = addPathCounts(walks, child.walks);
            } else {
                best = std::max(best, stopEnding[s].gain);
                walks += stopEnding[s].walks;
            }
        }
        state_[i] = saved;
        return {base_[i] + depth * bonus_[i] + best, walks};
    }

private:
    // Three cells ahead: the children are two ahead.
    Subtree threeAhead(int i)
    {
        const std::uint8_t saved = state_[i];
        if (saved == State::Open)
            state_[i] = State::Visited;
        int best = noGain;
        int walks = 0;
        for (int k = 0; k < 4; ++k) {
            const int n = i + steps_[k];
            const std::uint8_t s = state_[n];
            if (s == State::Open) {
                const Subtree child = twoAhead(n);
                best = std::max(best, child.gain);
                walks += int(child.walks);
            } else {
                best = std::max(best, stopEnding[s].gain);
                walks += stopEnding[s].walks;
            }
        }
        state_[i] = saved;
        return {base_[i] + 3 * bonus_[i] + best, walks};
    }

    Ending ending(int n) const
    {
        const std::uint8_t s = state_[n];
        if (s == State::Open)
            return {lastGain_[n], endings_[n]};
        return stopEnding[s];
    }

    // Two cells ahead: the children are last cells. The cell itself need not
    // be marked, as none of its children is itself.
    Subtree twoAhead(int i) const
    {
        const Ending a = ending(i + steps_[0]);
        const Ending b = ending(i + steps_[1]);
        const Ending c = ending(i + steps_[2]);
        const Ending d = ending(i + steps_[3]);
        const int best = std::max(std::max(a.gain, b.gain), std::max(c.gain, d.gain));
        return {base_[i] + 2 * bonus_[i] + best, a.walks + b.walks + c.walks + d.walks};
    }

    std::uint8_t* state_;
    const int* base_;
    const int* bonus_;
    const int* lastGain_;
    const std::uint8_t* endings_;
    int steps_[4] = {};
};

// How a walk meets its first cell (the head counts as its own path).
State firstCellState(const SnakeSearchBoard& board, int i)
{
    if (i < 0)
        return State::Wall;
    if (i == board.headIndex())
        return board.headCellState() == State::Open ? State::Visited : board.headCellState();
    return State(board.states()[std::size_t(i)]);
}

// A node of the walk tree that the calling thread opens to share the work out:
// its children are either stops and last cells, folded in at once, or further
// nodes. The nodes left unopened are the jobs.
struct Branch {
    int parent = -1;     // -1 for a first cell
    int cell = 0;
    int depth = 0;
    bool opened = false;
    Subtree children;    // of an opened node: its children folded
    Subtree result;      // of a job: its whole tree
};

// Nodes with fewer cells ahead than this are not worth opening.
constexpr int minOpenDepth = 6;
constexpr int jobsPerThread = 8;

bool onChain(const std::vector<Branch>& branches, int b, int cell)
{
    for (; b >= 0; b = branches[std::size_t(b)].parent) {
        if (branches[std::size_t(b)].cell == cell)
            return true;
    }
    return false;
}

void open(const SnakeSearchBoard& board, std::vector<Branch>& branches, std::vector<int>& pending,
          int b)
{
    const Branch node = branches[std::size_t(b)];
    Subtree folded;
    for (int k = 0; k < 4; ++k) {
        const int n = node.cell + board.neighbourSteps()[k];
        std::uint8_t s = board.states()[std::size_t(n)];
        if (s == State::Open && onChain(branches, b, n))
            s = State::Visited;
        if (s == State::Open) {
            if (node.depth - 1 == 1) {
                folded.gain = std::max(folded.gain, board.lastGain(n));
                folded.walks += board.endings(n);
            } else {
                Branch child;
                child.parent = b;
                child.cell = n;
                child.depth = node.depth - 1;
                pending.push_back(int(branches.size()));
                branches.push_back(child);
            }
        } else {
            folded.gain = std::max(folded.gain, stopEnding[s].gain);
            folded.walks += stopEnding[s].walks;
        }
    }
    branches[std::size_t(b)].opened = true;
    branches[std::size_t(b)].children = folded;
}

void runJob(const SnakeSearchBoard& board, std::vector<Branch>& branches, int b)
{
    thread_local std::vector<std::uint8_t> states;
    states.assign(board.states().begin(), board.states().end());
    Branch& node = branches[std::size_t(b)];
    for (int a = node.parent; a >= 0; a = branches[std::size_t(a)].parent) {
        std::uint8_t& s = states[std::size_t(branches[std::size_t(a)].cell)];
        if (s == State::Open)
            s = State::Visited;
    }
    Walker walker(board, states.data());
    node.result = walker.below(node.cell, node.depth);
}

}

std::vector<CheckDirectionResult> checkDirections(const SnakeSearchBoard& board,
                                                  const std::vector<Vector2>& cells, int depth,
                                                  int score, SearchSpread spread,
                                                  std::chrono::nanoseconds helpAfter)
{
    std::vector<CheckDirectionResult> results(cells.size());
    std::vector<Branch> branches;
    std::vector<int> firstBranch(cells.size(), -1);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (depth <= 0) {
            results[c] = {score, 1};
            continue;
        }
        const int i = board.index(cells[c]);
        switch (firstCellState(board, i)) {
        case State::Open:
            firstBranch[c] = int(branches.size());
            branches.push_back({-1, i, depth, false, {}, {}});
            break;
        case State::Crawler: results[c] = {score - 1, 1}; break;
        case State::Visited: results[c] = {score, 1}; break;
        default: results[c] = {score - 2, 1}; break;
        }
    }

    // Open the biggest nodes first (the queue runs from the most cells ahead
    // down) until there are jobs enough for every thread.
    std::vector<int> pending;
    for (int b = 0; b < int(branches.size()); ++b)
        pending.push_back(b);
    std::size_t first = 0;
    if (spread == SearchSpread::AllCores) {
        const std::size_t wanted = std::size_t(searchThreadCount() * jobsPerThread);
        while (first < pending.size() && pending.size() - first < wanted &&
               branches[std::size_t(pending[first])].depth >= minOpenDepth)
            open(board, branches, pending, pending[first++]);
    }
    const std::vector<int> jobs(pending.begin() + std::ptrdiff_t(first), pending.end());
    auto job = [&](std::size_t j) { runJob(board, branches, jobs[j]); };
    if (spread == SearchSpread::AllCores) {
        runSearchJobs(jobs.size(), job, helpAfter);
    } else {
        for (std::size_t j = 0; j < jobs.size(); ++j)
            job(j);
    }

    // Fold the trees back up: children always come after their parents.
    for (int b = int(branches.size()) - 1; b >= 0; --b) {
        Branch& node = branches[std::size_t(b)];
        if (node.opened)
            node.result = {board.gain(node.cell, node.depth) + node.children.gain, node.children.walks};
        if (node.parent >= 0) {
            Subtree& up = branches[std::size_t(node.parent)].children;
            up.gain = std::max(up.gain, node.result.gain);
            up.walks = addPathCounts(up.walks, node.result.walks);
        }
    }
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (firstBranch[c] < 0)
            continue;
        const Subtree& tree = branches[std::size_t(firstBranch[c])].result;
        results[c] = {std::max(0, score + tree.gain), tree.walks};
    }
    return results;
}

CheckDirectionResult checkDirection(Vector2 cell, const std::vector<Vector2>& path, int depth,
                                    int score, int growBonus, std::shared_ptr<Player> snake)
{
    const SnakeSearchBoard board(path, growBonus, snake.get(), currentGame);
    return checkDirections(board, {cell}, depth, score, SearchSpread::OneThread).front();
}
