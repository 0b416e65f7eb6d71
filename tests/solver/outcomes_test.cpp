#include "game/game.h"
#include "solver/outcome_scores.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

namespace daxo::solver {
namespace {

// Faces that add up to `sum`, 0 for no throw at all.
std::vector<int> facesOf(int sum)
{
    std::vector<int> faces(5, 1);
    for (int left = sum - 5, die = 0; left > 0; ++die) {
        const int more = std::min(left, 5);
        faces[static_cast<std::size_t>(die)] += more;
        left -= more;
    }
    return faces;
}

// The engine's Moins and Plus rule is the game's: for either box scored
// first, with every score it can make, then the other with every sum.
TEST(Outcomes, TheMoinsAndPlusRuleIsTheGames)
{
    std::vector<int> sums{0};
    for (int sum = 5; sum <= 30; ++sum)
        sums.push_back(sum);
    for (const Button firstBox : {Button::Command12, Button::Command13}) {
        for (const int firstSum : sums) {
            for (const int secondSum : sums) {
                daxo::test::Play play;
                if (firstSum > 0)
                    play.throwDice(facesOf(firstSum));
                play.game.click(firstBox);
                if (secondSum > 0)
                    play.throwDice(facesOf(secondSum));
                const Button secondBox = firstBox == Button::Command12 ? Button::Command13 : Button::Command12;
                play.game.click(secondBox);
                const int plus = std::stoi(play.text(Cell::Text18));
                const int moins = std::stoi(play.text(Cell::Text19));
                const bool plusFirst = firstBox == Button::Command12;
                const int expectedPlus = plusFirst ? plusScore(firstSum, std::nullopt) : plusScore(secondSum, moins);
                const int expectedMoins = plusFirst ? moinsScore(secondSum, plus) : moinsScore(firstSum, std::nullopt);
                ASSERT_EQ(std::pair(plus, moins), std::pair(expectedPlus, expectedMoins))
                    << (plusFirst ? "Plus" : "Moins") << " first with " << firstSum << ", then " << secondSum;
            }
        }
    }
}

} // namespace
} // namespace daxo::solver
