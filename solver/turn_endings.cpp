#include "turn_endings.h"

#include "game/dice_rules.h"
#include "outcome_scores.h"

#include <algorithm>
#include <cmath>

namespace daxo::solver {
namespace {

// The most points one box can make: a Daxo.
constexpr int kMostPoints = kDaxoScore;

// What the turn's dice can become, worked out once.
struct Throws {
    // For each outcome, the sets of its dice a player may keep, in the
    // order the engine lists them; all five kept is no choice.
    std::vector<std::vector<int>> keeps;
    // For each set of fewer than five dice, the outcomes of throwing the
    // others, with their chances.
    std::vector<std::vector<std::pair<int, double>>> after;

    Throws() : keeps(kSetCount), after(kSetCount)
    {
        const DiceSets& sets = DiceSets::instance();
        for (int outcome = kFirstOutcome; outcome < kSetCount; ++outcome) {
            const FaceCounts& dice = sets.counts(outcome);
            FaceCounts kept{};
            auto each = [&](auto&& self, int f) -> void {
                if (f == kFaces) {
                    if (const int set = sets.indexOf(kept); set != outcome)
                        keeps[static_cast<std::size_t>(outcome)].push_back(set);
                    return;
                }
                for (int n = 0; n <= dice[static_cast<std::size_t>(f)]; ++n) {
                    kept[static_cast<std::size_t>(f)] = static_cast<std::uint8_t>(n);
                    self(self, f + 1);
                }
            };
            each(each, 0);
        }
        for (int set = 0; set < kFirstOutcome; ++set) {
            const int thrown = kDiceCount - sets.size(set);
            std::vector<double> chances(kSetCount, 0.0);
            int ways = 1;
            for (int d = 0; d < thrown; ++d)
                ways *= kFaces;
            for (int way = 0; way < ways; ++way) {
                FaceCounts dice = sets.counts(set);
                for (int d = 0, w = way; d < thrown; ++d, w /= kFaces)
                    ++dice[static_cast<std::size_t>(w % kFaces)];
                chances[static_cast<std::size_t>(sets.indexOf(dice))] += 1.0 / ways;
            }
            for (int outcome = kFirstOutcome; outcome < kSetCount; ++outcome) {
                if (chances[static_cast<std::size_t>(outcome)] > 0)
                    after[static_cast<std::size_t>(set)].emplace_back(outcome, chances[static_cast<std::size_t>(outcome)]);
            }
        }
    }
};

const Throws& throws()
{
    static const Throws table;
    return table;
}

// The chances of the ways the turn ends, by box and points.
using Endings = std::array<std::array<double, kMostPoints + 1>, kBoxCount>;

// One decision: `mass` shared among the actions by `policy`, given their
// values in the engine's order; the share of each returned in `shares`.
void share(std::span<const double> values, double mass, const Policy& policy, std::span<double> shares)
{
    std::size_t first = 0;
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (values[i] > values[first])
            first = i;
    }
    std::fill(shares.begin(), shares.end(), 0.0);
    if (policy.temperature <= 0) {
        shares[first] = mass;
        return;
    }
    double total = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        shares[i] = policy.weight(values[first] - values[i]);
        total += shares[i];
    }
    for (double& s : shares)
        s *= mass / total;
}

class TurnWalk {
public:
    TurnWalk(const Position& position, const TurnValues& turn, const Policy& policy)
        : position_(position), turn_(turn), policy_(policy)
    {
        for (int b = 0; b < kBoxCount; ++b) {
            if (!(position.used & (1u << b)))
                free_.push_back(static_cast<Box>(b));
        }
    }

    // The turn from its start: the first throw, or a box scored for nothing.
    void fromStart()
    {
        std::vector<double> values{turn_.firstThrow};
        for (const Box box : free_)
            values.push_back(turn_.scoringBeforeThrowing[static_cast<std::size_t>(box)]);
        std::vector<double> shares(values.size());
        share(values, 1.0, policy_, shares);
        for (std::size_t i = 0; i < free_.size(); ++i)
            end(free_[i], scoreOf(free_[i], OutcomeScore{}, position_), shares[i + 1]);
        std::array<double, kSetCount> at{};
        const DiceSets& sets = DiceSets::instance();
        for (int outcome = kFirstOutcome; outcome < kSetCount; ++outcome)
            at[static_cast<std::size_t>(outcome)] = shares[0] * sets.probability(outcome);
        fromThrows(at, 2);
    }

    void fromDice(const FaceCounts& dice, int throwsLeft)
    {
        std::array<double, kSetCount> at{};
        at[static_cast<std::size_t>(DiceSets::instance().indexOf(dice))] = 1.0;
        fromThrows(at, throwsLeft);
    }

    void fromKept(const FaceCounts& kept, int throwsLeft)
    {
        std::array<double, kSetCount> at{};
        for (const auto& [outcome, chance] : throws().after[static_cast<std::size_t>(DiceSets::instance().indexOf(kept))])
            at[static_cast<std::size_t>(outcome)] = chance;
        fromThrows(at, throwsLeft);
    }

    std::vector<TurnEnding> endings() const
    {
        std::vector<TurnEnding> all;
        for (int b = 0; b < kBoxCount; ++b) {
            for (int points = 0; points <= kMostPoints; ++points) {
                if (const double chance = endings_[static_cast<std::size_t>(b)][static_cast<std::size_t>(points)]; chance > 0)
                    all.push_back({static_cast<Box>(b), points, chance});
            }
        }
        return all;
    }

private:
    void end(Box box, int points, double chance)
    {
        endings_[static_cast<std::size_t>(box)][static_cast<std::size_t>(points)] += chance;
    }

    // Each outcome shown with `throwsLeft` throws left decided, the dice
    // kept thrown again, until every turn has scored its box.
    void fromThrows(std::array<double, kSetCount> at, int throwsLeft)
    {
        const Throws& table = throws();
        const std::vector<double>& keepValues = throwsLeft >= 2 ? turn_.keepWithTwoLeft : turn_.keepWithOneLeft;
        std::array<double, kSetCount> kept{};
        std::vector<double> values, shares;
        for (int outcome = kFirstOutcome; outcome < kSetCount; ++outcome) {
            const double mass = at[static_cast<std::size_t>(outcome)];
            if (mass <= 0)
                continue;
            const auto& scoring = turn_.scoring[static_cast<std::size_t>(outcome)];
            values.clear();
            for (const Box box : free_)
                values.push_back(scoring[static_cast<std::size_t>(box)]);
            const std::vector<int>& keeps = table.keeps[static_cast<std::size_t>(outcome)];
            if (throwsLeft > 0) {
                for (const int set : keeps)
                    values.push_back(keepValues[static_cast<std::size_t>(set)]);
            }
            shares.resize(values.size());
            share(values, mass, policy_, shares);
            const OutcomeScore& dice = outcomeScores()[static_cast<std::size_t>(outcome)];
            for (std::size_t i = 0; i < free_.size(); ++i)
                end(free_[i], scoreOf(free_[i], dice, position_), shares[i]);
            for (std::size_t i = free_.size(); i < values.size(); ++i)
                kept[static_cast<std::size_t>(keeps[i - free_.size()])] += shares[i];
        }
        if (throwsLeft == 0)
            return;
        std::array<double, kSetCount> next{};
        for (int set = 0; set < kFirstOutcome; ++set) {
            if (const double mass = kept[static_cast<std::size_t>(set)]; mass > 0) {
                for (const auto& [outcome, chance] : table.after[static_cast<std::size_t>(set)])
                    next[static_cast<std::size_t>(outcome)] += mass * chance;
            }
        }
        fromThrows(next, throwsLeft - 1);
    }

    const Position& position_;
    const TurnValues& turn_;
    const Policy& policy_;
    std::vector<Box> free_;
    Endings endings_{};
};

} // namespace

std::vector<TurnEnding> turnEndings(const Position& position, const TurnValues& turn, const Policy& policy)
{
    TurnWalk walk(position, turn, policy);
    walk.fromStart();
    return walk.endings();
}

std::vector<TurnEnding> turnEndingsAfterThrow(const Position& position, const TurnValues& turn,
                                              const FaceCounts& dice, int throwsLeft, const Policy& policy)
{
    TurnWalk walk(position, turn, policy);
    walk.fromDice(dice, throwsLeft);
    return walk.endings();
}

std::vector<TurnEnding> turnEndingsAfterKeeping(const Position& position, const TurnValues& turn,
                                                const FaceCounts& kept, int throwsLeft, const Policy& policy)
{
    TurnWalk walk(position, turn, policy);
    walk.fromKept(kept, throwsLeft);
    return walk.endings();
}

} // namespace daxo::solver
