#include "game/game.h"
#include "solver/outcome_scores.h"
#include "solver/position.h"
#include "solver/state_space.h"
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

// What no game can reach is refused with its reason; and of what can be
// reached, the positions whose futures may differ are told apart, no more:
// 1,659,744 states.
TEST(Positions, OnlyThoseAGameCanReachAndEachFutureOnce)
{
    const unsigned both = bit(Box::Plus) | bit(Box::Moins);
    const std::pair<Position, bool> rows[] = {
        {{.used = both, .plus = 10, .moins = 25}, false}, // the second scored would have been 0
        {{.used = both, .plus = 25, .moins = 25}, true},
        {{.used = both, .plus = 25, .moins = 10}, true},
        {{.used = both, .plus = 0, .moins = 25}, true},
        {{.used = both, .plus = 10, .moins = 0}, true},
        {{.used = bit(Box::Plus), .plus = 3}, false},
        {{.used = bit(Box::Plus)}, false},
        {{.plus = 12}, false},
        {{.used = bit(Box::Ones), .subtotal = 5}, true},
        {{.used = bit(Box::Ones), .subtotal = 7}, false},
        {{.used = 1u << 12}, false},
    };
    for (const auto& [position, possible] : rows)
        EXPECT_EQ(!whyImpossible(position), possible) << position.used << " " << position.subtotal;
    EXPECT_EQ(StateSpace::instance().stateCount(), 1659744u);
}

} // namespace
} // namespace daxo::solver
