#include "strategy.h"

#include "state_space.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <thread>

namespace daxo::solver {
namespace {

// A piece of work: some lanes of one box set.
struct Chunk {
    unsigned mask;
    int first;
    int count;
};

// The box sets with `used` boxes, each cut into chunks of lanes.
std::vector<Chunk> chunksOf(int used, unsigned within)
{
    const StateSpace& space = StateSpace::instance();
    std::vector<Chunk> chunks;
    for (unsigned mask = 0; mask <= kAllBoxes; ++mask) {
        if (std::popcount(mask) != used || (mask & within) != within)
            continue;
        const int lanes = space.laneCount(mask);
        for (int first = 0; first < lanes; first += TurnSolver::kLanes)
            chunks.push_back({mask, first, std::min(TurnSolver::kLanes, lanes - first)});
    }
    return chunks;
}

TurnSolver& threadSolver()
{
    thread_local TurnSolver solver;
    return solver;
}

} // namespace

std::string describe(const Action& action)
{
    switch (action.kind) {
    case Action::Kind::Score:
        return "score:" + std::string(nameOf(action.box));
    case Action::Kind::Throw:
        return "throw";
    case Action::Kind::Keep:
        break;
    }
    std::string kept;
    for (int f = 0; f < kFaces; ++f)
        kept.append(action.kept[static_cast<std::size_t>(f)], static_cast<char>('1' + f));
    return "keep:" + (kept.empty() ? std::string("-") : kept);
}

std::optional<Strategy> Strategy::solve(const SolveOptions& options)
{
    const StateSpace& space = StateSpace::instance();
    std::vector<double> table(space.stateCount(), 0.0);
    const int threads = options.threads > 0 ? options.threads : std::max(1u, std::thread::hardware_concurrency());

    // Each turn needs the turns after it: the box sets with more boxes
    // used come first, and those with as many are independent.
    std::vector<std::vector<Chunk>> rounds;
    std::size_t total = 0;
    for (int used = kBoxCount; used >= std::popcount(options.within); --used) {
        rounds.push_back(chunksOf(used, options.within));
        total += rounds.back().size();
    }
    std::size_t done = 0;
    for (const std::vector<Chunk>& round : rounds) {
        std::atomic<std::size_t> next{0};
        auto work = [&] {
            TurnSolver& solver = threadSolver();
            for (std::size_t i = next++; i < round.size() && !options.stop.stop_requested(); i = next++)
                solver.solveLanes(round[i].mask, round[i].first, round[i].count, table);
        };
        std::vector<std::jthread> helpers;
        for (int t = 1; t < std::min<int>(threads, static_cast<int>(round.size())); ++t)
            helpers.emplace_back(work);
        work();
        helpers.clear(); // joins
        if (options.stop.stop_requested())
            return std::nullopt;
        done += round.size();
        if (options.progress)
            options.progress(static_cast<double>(done) / static_cast<double>(total));
    }
    return Strategy(std::move(table), options.within);
}

std::optional<Strategy> Strategy::fromTable(std::vector<double> table)
{
    if (table.size() != StateSpace::instance().stateCount())
        return std::nullopt;
    return Strategy(std::move(table), 0);
}

Strategy::Strategy(std::vector<double> table, unsigned within)
    : table_(std::move(table))
    , within_(within)
{
}

std::size_t Strategy::stateCount() const { return table_.size(); }

bool Strategy::covers(const Position& position) const { return (position.used & within_) == within_; }

double Strategy::expectedToCome(const Position& position) const
{
    return table_[StateSpace::instance().stateOf(position)];
}

TurnValues Strategy::turn(const Position& position) const { return threadSolver().solveOne(position, table_); }

std::vector<Action> Strategy::adviseBeforeThrowing(const Position& position) const
{
    const TurnValues values = turn(position);
    std::vector<Action> actions{{.kind = Action::Kind::Throw, .value = values.firstThrow}};
    for (int b = 0; b < kBoxCount; ++b) {
        if (!(position.used & (1u << b)))
            actions.push_back({.kind = Action::Kind::Score, .box = static_cast<Box>(b),
                               .value = values.scoringBeforeThrowing[static_cast<std::size_t>(b)]});
    }
    rank(actions);
    return actions;
}

std::vector<Action> Strategy::advise(const Position& position, const FaceCounts& dice, int throwsLeft) const
{
    return actionsAfterThrow(position, turn(position), dice, throwsLeft);
}

std::vector<Action> actionsAfterThrow(const Position& position, const TurnValues& values, const FaceCounts& dice,
                                      int throwsLeft)
{
    const DiceSets& sets = DiceSets::instance();
    const int outcome = sets.indexOf(dice);
    std::vector<Action> actions;
    for (int b = 0; b < kBoxCount; ++b) {
        if (!(position.used & (1u << b)))
            actions.push_back({.kind = Action::Kind::Score, .box = static_cast<Box>(b),
                               .value = values.scoring[static_cast<std::size_t>(outcome)][static_cast<std::size_t>(b)]});
    }
    if (throwsLeft > 0) {
        const std::vector<double>& keeps = throwsLeft >= 2 ? values.keepWithTwoLeft : values.keepWithOneLeft;
        // Every set within the dice, each once; all five kept is no choice,
        // since scoring them now is never worse.
        FaceCounts kept{};
        auto each = [&](auto&& self, int f) -> void {
            if (f == kFaces) {
                const int set = sets.indexOf(kept);
                if (set != outcome)
                    actions.push_back({.kind = Action::Kind::Keep, .kept = kept, .value = keeps[static_cast<std::size_t>(set)]});
                return;
            }
            for (int n = 0; n <= dice[static_cast<std::size_t>(f)]; ++n) {
                kept[static_cast<std::size_t>(f)] = static_cast<std::uint8_t>(n);
                self(self, f + 1);
            }
        };
        each(each, 0);
    }
    rank(actions);
    return actions;
}

void rank(std::vector<Action>& actions)
{
    // Best first; equal values keep boxes before keeps and then their
    // natural order, so that advice reads the same on every run.
    std::stable_sort(actions.begin(), actions.end(), [](const Action& a, const Action& b) { return a.value > b.value; });
    const double best = actions.empty() ? 0 : actions.front().value;
    for (Action& action : actions)
        action.loss = best - action.value;
}

} // namespace daxo::solver
