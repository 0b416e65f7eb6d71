#include "game_analysis.h"

#include "game/number_text.h"

#include <algorithm>

namespace daxo::solver {
namespace {

FaceCounts countsOfTexts(const Dice& dice)
{
    std::array<int, kDiceCount> faces{};
    for (std::size_t die = 0; die < faces.size(); ++die)
        faces[die] = static_cast<int>(readNumber(dice[die]));
    return countsOf(faces);
}

// The dice held for a throw, taken from the dice after it (held dice do
// not change).
FaceCounts heldOf(const ThrowEvent& thrown)
{
    FaceCounts kept{};
    for (std::size_t die = 0; die < thrown.held.size(); ++die) {
        const int face = static_cast<int>(readNumber(thrown.dice[die]));
        if (thrown.held[die] && face >= 1 && face <= kFaces)
            ++kept[static_cast<std::size_t>(face - 1)];
    }
    return kept;
}

// Finds `wanted` among the ranked actions: the one the player took.
Action find(const std::vector<Action>& actions, const Action& wanted)
{
    for (const Action& action : actions) {
        const bool same = action.kind == wanted.kind &&
                          (action.kind != Action::Kind::Score || action.box == wanted.box) &&
                          (action.kind != Action::Kind::Keep || action.kept == wanted.kept);
        if (same)
            return action;
    }
    return wanted;
}

} // namespace

double Judgement::perfectShare() const
{
    if (decisions.empty())
        return 1.0;
    const auto perfect = std::count_if(decisions.begin(), decisions.end(),
                                       [](const JudgedDecision& d) { return d.chosen.loss <= kNoLoss; });
    return static_cast<double>(perfect) / static_cast<double>(decisions.size());
}

std::vector<Action> actionsAt(const GamePoint& point, const Strategy& strategy)
{
    if (point.over())
        return {};
    if (point.throwsMade == 0)
        return strategy.adviseBeforeThrowing(point.position);
    return strategy.advise(point.position, point.dice, 3 - point.throwsMade);
}

double expectedFinal(const GamePoint& point, const Strategy& strategy)
{
    const std::vector<Action> actions = actionsAt(point, strategy);
    return point.scored + (actions.empty() ? 0.0 : actions.front().value);
}

namespace {

// Follows a record decision by decision, telling `decide` of each (the
// point before it and the action taken) before the point moves on: each
// throw after the first of a turn (the dice kept for it), each box scored;
// and `turnEnded` of the point after each box. The point where the record
// leaves the game.
template <typename Decide, typename TurnEnded>
GamePoint follow(const GameRecord& record, Decide&& decide, TurnEnded&& turnEnded)
{
    GamePoint point;
    for (const GameEvent& event : record.events()) {
        if (point.over())
            break; // the dice thrown after the end decide nothing
        if (const auto* thrown = std::get_if<ThrowEvent>(&event)) {
            // Throwing first is never worse than scoring blind, so it is no
            // decision: counting it would dilute the losses and pad the share
            // of perfect choices. Scoring blind instead is judged below.
            if (point.throwsMade > 0)
                decide(point, Action{.kind = Action::Kind::Keep, .kept = heldOf(*thrown)});
            ++point.throwsMade;
            point.dice = countsOfTexts(thrown->dice);
        } else if (const auto* scored = std::get_if<ScoreEvent>(&event)) {
            const std::optional<Box> box = boxOf(scored->box);
            if (!box || (point.position.used & bit(*box)))
                continue;
            decide(point, Action{.kind = Action::Kind::Score, .box = *box});
            const int points = static_cast<int>(readNumber(scored->score));
            const Scored after = afterScoring(point.position, *box, points);
            point.scored += points + after.bonus;
            point.position = after.position;
            ++point.turn;
            point.throwsMade = 0;
            point.dice = {};
            turnEnded(point);
        }
    }
    return point;
}

} // namespace

GamePoint pointOf(const GameRecord& record)
{
    return follow(record, [](const GamePoint&, const Action&) {}, [](const GamePoint&) {});
}

std::vector<GamePoint> turnStartsOf(const GameRecord& record)
{
    std::vector<GamePoint> starts{GamePoint{}};
    follow(record, [](const GamePoint&, const Action&) {}, [&](const GamePoint& point) { starts.push_back(point); });
    return starts;
}

Judgement judge(const GameRecord& record, const Strategy& strategy)
{
    Judgement judgement;
    judgement.assisted = record.assisted();
    judgement.judged = !record.touchedByCheat();
    if (!judgement.judged)
        return judgement;
    judgement.expectedAtStart = strategy.expectedToCome({});
    judgement.now = follow(record, [&](const GamePoint& point, Action taken) {
        const std::vector<Action> actions = actionsAt(point, strategy);
        // Holding all five dice and throwing is worth the same dice with a
        // throw fewer.
        if (taken.kind == Action::Kind::Keep && taken.kept == point.dice) {
            GamePoint later = point;
            ++later.throwsMade;
            taken.value = actionsAt(later, strategy).front().value;
        }
        JudgedDecision decision{.before = point, .chosen = find(actions, taken), .best = actions.front()};
        decision.chosen.loss = decision.best.value - decision.chosen.value;
        decision.expectedFinal = point.scored + decision.chosen.value;
        judgement.totalLoss += decision.chosen.loss;
        judgement.decisions.push_back(decision);
    }, [](const GamePoint&) {});
    return judgement;
}

} // namespace daxo::solver
