#include "simulation.h"

#include "outcome_scores.h"

namespace daxo::solver {
namespace {

int throwDie(std::mt19937_64& random) { return std::uniform_int_distribution<int>(1, 6)(random); }

// `kept` and the other dice thrown again.
FaceCounts rethrow(FaceCounts kept, std::mt19937_64& random)
{
    int count = 0;
    for (const std::uint8_t n : kept)
        count += n;
    for (; count < kDiceCount; ++count)
        ++kept[static_cast<std::size_t>(throwDie(random) - 1)];
    return kept;
}

} // namespace

PlayedGame playPerfectly(const Strategy& strategy, std::mt19937_64& random)
{
    const DiceSets& sets = DiceSets::instance();
    PlayedGame game;
    Position position;
    while (position.used != kAllBoxes) {
        const TurnValues turn = strategy.turn(position);
        // Scoring before the first throw is never better than throwing.
        FaceCounts dice = rethrow({}, random);
        for (int throwsLeft = 2;; --throwsLeft) {
            const Action best = actionsAfterThrow(position, turn, dice, throwsLeft).front();
            if (best.kind == Action::Kind::Keep) {
                dice = rethrow(best.kept, random);
                continue;
            }
            const int points = scoreOf(best.box, outcomeScores()[static_cast<std::size_t>(sets.indexOf(dice))], position);
            const Scored scored = afterScoring(position, best.box, points);
            game.scores[static_cast<std::size_t>(best.box)] = points;
            game.bonus += scored.bonus;
            game.total += points + scored.bonus;
            position = scored.position;
            break;
        }
    }
    return game;
}

} // namespace daxo::solver
