#include "turn_endings.h"

#include "dice_throws.h"
#include "game/dice_rules.h"
#include "outcome_scores.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace daxo::solver {
namespace {

// The most points one box can make: a Daxo.
constexpr int kMostPoints = kDaxoScore;

// The chances of the ways the turn ends, by box and points.
using Endings = std::array<std::array<double, kMostPoints + 1>, kBoxCount>;

// Walks a turn's decisions forward, sharing each point's chance among the
// actions by the policy. What the walk needs again and again is worked out
// once a turn: each free box's score of each outcome, and, above the
// temperature 0, each action's weight. An action's weight is taken against
// the turn's best value rather than its decision's, which leaves every
// decision's shares as they are (the common factor cancels) and spares an
// exponential for each action of each decision: a keep's value is the
// same whatever the dice it is kept from.
class TurnWalk {
public:
    TurnWalk(const Position& position, const TurnValues& turn, const Policy& policy)
        : turn_(turn), drawn_(policy.temperature > 0)
    {
        for (int b = 0; b < kBoxCount; ++b) {
            if (!(position.used & (1u << b)))
                free_.push_back(static_cast<Box>(b));
        }
        points_.resize(kOutcomeCount * free_.size());
        const auto& scores = outcomeScores();
        for (int outcome = kFirstOutcome; outcome < kSetCount; ++outcome) {
            for (std::size_t i = 0; i < free_.size(); ++i)
                points_[at(outcome, i)] = scoreOf(free_[i], scores[static_cast<std::size_t>(outcome)], position);
        }
        for (const Box box : free_)
            nothing_.push_back(scoreOf(box, OutcomeScore{}, position));
        if (drawn_)
            weigh(policy);
    }

    // The turn from its start: the first throw, or a box scored for nothing.
    void fromStart()
    {
        std::vector<double> values{turn_.firstThrow};
        for (const Box box : free_)
            values.push_back(turn_.scoringBeforeThrowing[static_cast<std::size_t>(box)]);
        std::vector<double> shares(values.size());
        shareAtStart(values, shares);
        for (std::size_t i = 0; i < free_.size(); ++i)
            end(free_[i], nothing_[i], shares[i + 1]);
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
    std::size_t at(int outcome, std::size_t box) const
    {
        return static_cast<std::size_t>(outcome - kFirstOutcome) * free_.size() + box;
    }

    void weigh(const Policy& policy)
    {
        double best = turn_.firstThrow;
        for (int outcome = kFirstOutcome; outcome < kSetCount; ++outcome) {
            for (const Box box : free_)
                best = std::max(best, turn_.scoring[static_cast<std::size_t>(outcome)][static_cast<std::size_t>(box)]);
        }
        for (int set = 0; set < kFirstOutcome; ++set)
            best = std::max({best, turn_.keepWithTwoLeft[static_cast<std::size_t>(set)],
                             turn_.keepWithOneLeft[static_cast<std::size_t>(set)]});
        boxWeights_.resize(points_.size());
        for (int outcome = kFirstOutcome; outcome < kSetCount; ++outcome) {
            for (std::size_t i = 0; i < free_.size(); ++i) {
                const double value = turn_.scoring[static_cast<std::size_t>(outcome)][static_cast<std::size_t>(free_[i])];
                boxWeights_[at(outcome, i)] = policy.weight(best - value);
            }
        }
        for (int set = 0; set < kFirstOutcome; ++set) {
            keepWeights_[0][static_cast<std::size_t>(set)] = policy.weight(best - turn_.keepWithOneLeft[static_cast<std::size_t>(set)]);
            keepWeights_[1][static_cast<std::size_t>(set)] = policy.weight(best - turn_.keepWithTwoLeft[static_cast<std::size_t>(set)]);
        }
        policy_ = policy;
    }

    // The turn's first decision, taken as any other: the weights of its
    // few actions need no sharing.
    void shareAtStart(std::span<const double> values, std::span<double> shares) const
    {
        const std::size_t first = static_cast<std::size_t>(std::ranges::max_element(values) - values.begin());
        std::ranges::fill(shares, 0.0);
        if (!drawn_) {
            shares[first] = 1.0;
            return;
        }
        double total = 0;
        for (std::size_t i = 0; i < values.size(); ++i)
            total += shares[i] = policy_.weight(values[first] - values[i]);
        for (double& s : shares)
            s /= total;
    }

    void end(Box box, int points, double chance)
    {
        endings_[static_cast<std::size_t>(box)][static_cast<std::size_t>(points)] += chance;
    }

    // Each outcome shown with `throwsLeft` throws left decided, the dice
    // kept thrown again, until every turn has scored its box.
    void fromThrows(const std::array<double, kSetCount>& at, int throwsLeft)
    {
        const Throws& table = throws();
        std::array<double, kSetCount> kept{};
        for (int outcome = kFirstOutcome; outcome < kSetCount; ++outcome) {
            if (const double mass = at[static_cast<std::size_t>(outcome)]; mass > 0)
                decide(outcome, mass, throwsLeft, kept);
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

    // The dice `outcome` shown with `mass`: a box scored, or some kept.
    void decide(int outcome, double mass, int throwsLeft, std::array<double, kSetCount>& kept)
    {
        const std::span<const int> keeps = keepsOf(outcome, throwsLeft);
        if (drawn_) {
            const auto& keepWeights = keepWeights_[throwsLeft >= 2 ? 1 : 0];
            double total = 0;
            for (std::size_t i = 0; i < free_.size(); ++i)
                total += boxWeights_[this->at(outcome, i)];
            for (const int set : keeps)
                total += keepWeights[static_cast<std::size_t>(set)];
            // Weights too small to count, at a temperature near 0, leave
            // the decision to the best action, as at 0.
            if (total > 0) {
                const double scale = mass / total;
                for (std::size_t i = 0; i < free_.size(); ++i)
                    end(free_[i], points_[this->at(outcome, i)], boxWeights_[this->at(outcome, i)] * scale);
                for (const int set : keeps)
                    kept[static_cast<std::size_t>(set)] += keepWeights[static_cast<std::size_t>(set)] * scale;
                return;
            }
        }
        const std::size_t first = firstOfTheBest(turn_, free_, outcome, throwsLeft);
        if (first < free_.size())
            end(free_[first], points_[this->at(outcome, first)], mass);
        else
            kept[static_cast<std::size_t>(keeps[first - free_.size()])] += mass;
    }

    const TurnValues& turn_;
    bool drawn_;
    Policy policy_{};
    std::vector<Box> free_;
    std::vector<int> points_;        // by outcome and free box
    std::vector<double> boxWeights_; // the same, above the temperature 0
    std::array<std::array<double, kSetCount>, 2> keepWeights_{}; // by set, with one and two throws left
    std::vector<int> nothing_;       // each free box scored before throwing
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

} // namespace daxo::solver
