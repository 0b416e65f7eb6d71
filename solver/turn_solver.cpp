#include "turn_solver.h"

#include "game/dice_rules.h"
#include "outcome_scores.h"
#include "state_space.h"

#include <algorithm>

namespace daxo::solver {
namespace {

// What scoring a box can be worth falls into a few groups per box, one for
// each score it can make: the number boxes by the count of their face, the
// combinations by whether they hold, the Plus and the Moins by the dice sum
// (0 before the first throw, else 5 to 30). Within a group every lane has
// its own value, since the subtotal and the limits differ.
constexpr int kComboBase = 36;
constexpr int kPlusBase = 44;
constexpr int kMoinsBase = 71;
constexpr int kGroups = 98;

constexpr int sumKey(int sum) { return sum < 5 ? 0 : sum - 4; }
constexpr int sumOfKey(int key) { return key == 0 ? 0 : key + 4; }

int groupBase(Box box)
{
    const int b = static_cast<int>(box);
    if (isNumberBox(box))
        return 6 * b;
    if (box == Box::Plus)
        return kPlusBase;
    if (box == Box::Moins)
        return kMoinsBase;
    return kComboBase + 2 * (b - static_cast<int>(Box::Full));
}

constexpr std::array<int, 4> kComboScores{kFullScore, kSuiteScore, kCarreScore, kDaxoScore};

// The group each box's score falls in, for each outcome.
using OutcomeGroups = std::array<std::array<std::uint8_t, kBoxCount>, kOutcomeCount>;

OutcomeGroups groupEveryOutcome()
{
    OutcomeGroups groups{};
    const auto& scores = outcomeScores();
    for (int o = 0; o < kOutcomeCount; ++o) {
        const OutcomeScore& score = scores[static_cast<std::size_t>(kFirstOutcome + o)];
        auto& of = groups[static_cast<std::size_t>(o)];
        for (int f = 0; f < kFaces; ++f)
            of[static_cast<std::size_t>(f)] = static_cast<std::uint8_t>(6 * f + score.numbers[static_cast<std::size_t>(f)] / (f + 1));
        const bool holds[] = {score.full, score.suite, score.carre, score.daxo};
        for (int c = 0; c < 4; ++c)
            of[static_cast<std::size_t>(6 + c)] = static_cast<std::uint8_t>(kComboBase + 2 * c + (holds[c] ? 1 : 0));
        of[static_cast<std::size_t>(Box::Plus)] = static_cast<std::uint8_t>(kPlusBase + sumKey(score.sum));
        of[static_cast<std::size_t>(Box::Moins)] = static_cast<std::uint8_t>(kMoinsBase + sumKey(score.sum));
    }
    return groups;
}

const OutcomeGroups& outcomeGroups()
{
    static const OutcomeGroups groups = groupEveryOutcome();
    return groups;
}

} // namespace

struct TurnSolver::Scratch {
    using Row = std::array<double, kLanes>;
    alignas(64) std::array<Row, kGroups> scoring;   // by group
    alignas(64) std::array<Row, kOutcomeCount> best; // scoring the best box, by outcome
    alignas(64) std::array<Row, kSetCount> sets;     // by set: keeping it, then the best within it
    std::array<Box, kBoxCount> free{};
    int freeCount = 0;
};

TurnSolver::TurnSolver()
    : scratch_(std::make_unique<Scratch>())
{
}

TurnSolver::~TurnSolver() = default;

// The value of scoring each free box with each score it can make, for each
// lane: the score, any bonus it banks, and the position after it.
void TurnSolver::prepareScoring(unsigned mask, int first, int count, std::span<const double> table)
{
    const StateSpace& space = StateSpace::instance();
    Scratch& w = *scratch_;
    w.freeCount = 0;
    for (int b = 0; b < kBoxCount; ++b) {
        if (!(mask & (1u << b)))
            w.free[static_cast<std::size_t>(w.freeCount++)] = static_cast<Box>(b);
    }
    const unsigned upper = mask & kNumberBoxes;
    const int limits = StateSpace::limitCount(mask);
    const bool plusUsed = mask & bit(Box::Plus);
    const bool moinsUsed = mask & bit(Box::Moins);

    for (int l = 0; l < count; ++l) {
        const int lane = first + l;
        const int subIndex = lane / limits;
        const int limitIndex = lane % limits;
        const std::optional<int> subtotal = space.subtotalAt(upper, subIndex);
        const std::optional<int> limit = StateSpace::limitAt(mask, limitIndex);
        auto at = [&](int group) -> double& { return w.scoring[static_cast<std::size_t>(group)][static_cast<std::size_t>(l)]; };

        for (int i = 0; i < w.freeCount; ++i) {
            const Box box = w.free[static_cast<std::size_t>(i)];
            const unsigned after = mask | bit(box);
            const std::size_t base = space.firstState(after);
            if (isNumberBox(box)) {
                const int f = face(box);
                for (int n = 0; n <= 5; ++n) {
                    const int score = n * f;
                    int bonus = 0;
                    int subAfter = 0;
                    if (subtotal) {
                        const int reached = *subtotal + score;
                        bonus = reached >= kBonusThreshold ? kBonus : 0;
                        subAfter = space.subIndexOf(after & kNumberBoxes, reached);
                    }
                    at(groupBase(box) + n) = score + bonus + table[base + static_cast<std::size_t>(subAfter * limits + limitIndex)];
                }
            } else if (box == Box::Plus || box == Box::Moins) {
                const bool otherUsed = box == Box::Plus ? moinsUsed : plusUsed;
                const int limitsAfter = StateSpace::limitCount(after);
                for (int key = 0; key < kMoinsBase - kPlusBase; ++key) {
                    const int sum = sumOfKey(key);
                    const std::optional<int> other = otherUsed ? limit : std::nullopt;
                    const int score = box == Box::Plus ? plusScore(sum, other) : moinsScore(sum, other);
                    const int limitAfter = box == Box::Plus ? StateSpace::limitIndexOf(after, score, std::nullopt)
                                                            : StateSpace::limitIndexOf(after, std::nullopt, score);
                    at(groupBase(box) + key) = score + table[base + static_cast<std::size_t>(subIndex * limitsAfter + limitAfter)];
                }
            } else {
                // The combinations leave the subtotal and the limits alone.
                const double rest = table[base + static_cast<std::size_t>(lane)];
                at(groupBase(box)) = rest;
                at(groupBase(box) + 1) = kComboScores[static_cast<std::size_t>(box) - static_cast<std::size_t>(Box::Full)] + rest;
            }
        }
    }

    const OutcomeGroups& groups = outcomeGroups();
    for (int o = 0; o < kOutcomeCount; ++o) {
        const auto& of = groups[static_cast<std::size_t>(o)];
        auto& best = w.best[static_cast<std::size_t>(o)];
        const auto& firstGroup = w.scoring[of[static_cast<std::size_t>(w.free[0])]];
        std::copy_n(firstGroup.begin(), count, best.begin());
        for (int i = 1; i < w.freeCount; ++i) {
            const auto& group = w.scoring[of[static_cast<std::size_t>(w.free[static_cast<std::size_t>(i)])]];
            for (int l = 0; l < count; ++l)
                best[static_cast<std::size_t>(l)] = std::max(best[static_cast<std::size_t>(l)], group[static_cast<std::size_t>(l)]);
        }
    }
}

// The throws of the turn, last first. With no throw left an outcome is
// worth its best box. With throws left, keeping a set is worth the average,
// over the six faces, of keeping it with one die more, until five are
// kept (then it is the outcome with one throw fewer); and an outcome is
// worth the best of the sets within it, found over the lattice of sets:
// each set is worth the best of itself and the sets one die smaller.
void TurnSolver::levels(unsigned, int count, std::vector<double>* keepWithOneLeft, std::vector<double>* keepWithTwoLeft)
{
    const DiceSets& dice = DiceSets::instance();
    Scratch& w = *scratch_;
    auto& sets = w.sets;
    for (int o = 0; o < kOutcomeCount; ++o)
        std::copy_n(w.best[static_cast<std::size_t>(o)].begin(), count, sets[static_cast<std::size_t>(kFirstOutcome + o)].begin());

    for (std::vector<double>* keeps : {keepWithOneLeft, keepWithTwoLeft}) {
        for (int set = kFirstOutcome - 1; set >= 0; --set) {
            auto& row = sets[static_cast<std::size_t>(set)];
            std::array<const double*, kFaces> more{};
            for (int f = 0; f < kFaces; ++f)
                more[static_cast<std::size_t>(f)] = sets[static_cast<std::size_t>(dice.withDie(set, f))].data();
            for (int l = 0; l < count; ++l)
                row[static_cast<std::size_t>(l)] = (more[0][l] + more[1][l] + more[2][l] + more[3][l] + more[4][l] + more[5][l]) / 6.0;
        }
        if (keeps) {
            keeps->resize(kSetCount);
            for (int set = 0; set < kSetCount; ++set)
                (*keeps)[static_cast<std::size_t>(set)] = sets[static_cast<std::size_t>(set)][0];
        }
        for (int set = 1; set < kSetCount; ++set) {
            auto& row = sets[static_cast<std::size_t>(set)];
            for (const int smaller : dice.withOneDieFewer(set)) {
                const auto& within = sets[static_cast<std::size_t>(smaller)];
                for (int l = 0; l < count; ++l)
                    row[static_cast<std::size_t>(l)] = std::max(row[static_cast<std::size_t>(l)], within[static_cast<std::size_t>(l)]);
            }
        }
    }
}

// The first throw of the turn, or a box scored before it for 0.
double TurnSolver::startValue(unsigned, int l) const
{
    const DiceSets& dice = DiceSets::instance();
    const Scratch& w = *scratch_;
    double firstThrow = 0;
    for (int set = kFirstOutcome; set < kSetCount; ++set)
        firstThrow += dice.probability(set) * w.sets[static_cast<std::size_t>(set)][static_cast<std::size_t>(l)];
    double best = firstThrow;
    for (int i = 0; i < w.freeCount; ++i)
        best = std::max(best, w.scoring[static_cast<std::size_t>(groupBase(w.free[static_cast<std::size_t>(i)]))][static_cast<std::size_t>(l)]);
    return best;
}

void TurnSolver::solveLanes(unsigned mask, int first, int count, std::span<double> table)
{
    const std::size_t base = StateSpace::instance().firstState(mask) + static_cast<std::size_t>(first);
    if (mask == kAllBoxes) {
        std::fill_n(table.begin() + static_cast<std::ptrdiff_t>(base), count, 0.0);
        return;
    }
    prepareScoring(mask, first, count, table);
    levels(mask, count, nullptr, nullptr);
    for (int l = 0; l < count; ++l)
        table[base + static_cast<std::size_t>(l)] = startValue(mask, l);
}

TurnValues TurnSolver::solveOne(const Position& position, std::span<const double> table)
{
    TurnValues values;
    if (position.used == kAllBoxes)
        return values;
    const unsigned mask = position.used;
    prepareScoring(mask, StateSpace::instance().laneOf(position), 1, table);
    const Scratch& w = *scratch_;
    const OutcomeGroups& groups = outcomeGroups();
    values.scoring.resize(kSetCount);
    for (int o = 0; o < kOutcomeCount; ++o) {
        for (int i = 0; i < w.freeCount; ++i) {
            const auto b = static_cast<std::size_t>(w.free[static_cast<std::size_t>(i)]);
            values.scoring[static_cast<std::size_t>(kFirstOutcome + o)][b] = w.scoring[groups[static_cast<std::size_t>(o)][b]][0];
        }
    }
    for (int i = 0; i < w.freeCount; ++i) {
        const Box box = w.free[static_cast<std::size_t>(i)];
        values.scoringBeforeThrowing[static_cast<std::size_t>(box)] = w.scoring[static_cast<std::size_t>(groupBase(box))][0];
    }
    levels(mask, 1, &values.keepWithOneLeft, &values.keepWithTwoLeft);
    const DiceSets& dice = DiceSets::instance();
    for (int set = kFirstOutcome; set < kSetCount; ++set)
        values.firstThrow += dice.probability(set) * w.sets[static_cast<std::size_t>(set)][0];
    values.start = startValue(mask, 0);
    return values;
}

} // namespace daxo::solver
