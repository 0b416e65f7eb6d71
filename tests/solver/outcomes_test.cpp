#include "game/game.h"
#include "solver/outcome_scores.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

#include <map>

namespace daxo::solver {
namespace {

// The outcomes and their chances, against the 7,776 ordered throws: each
// outcome's chance is its share of them, and the combinations are as many
// as the rules make them.
TEST(Outcomes, AreTheOrderedThrowsSorted)
{
    const DiceSets& sets = DiceSets::instance();
    std::map<int, int> throwsOf;
    std::array<int, 4> orderedCombinations{}; // Full, Suite, Carré, Daxo
    for (int code = 0; code < 7776; ++code) {
        std::array<int, 5> faces{};
        for (int die = 0, rest = code; die < 5; ++die, rest /= 6)
            faces[static_cast<std::size_t>(die)] = rest % 6 + 1;
        const int set = sets.indexOf(countsOf(faces));
        ++throwsOf[set];
        const OutcomeScore& score = outcomeScores()[static_cast<std::size_t>(set)];
        orderedCombinations[0] += score.full;
        orderedCombinations[1] += score.suite;
        orderedCombinations[2] += score.carre;
        orderedCombinations[3] += score.daxo;
    }
    ASSERT_EQ(throwsOf.size(), static_cast<std::size_t>(kOutcomeCount));
    double total = 0;
    std::array<int, 4> outcomeCombinations{};
    for (const auto& [set, throws] : throwsOf) {
        EXPECT_GE(set, kFirstOutcome);
        EXPECT_DOUBLE_EQ(sets.probability(set), throws / 7776.0);
        total += sets.probability(set);
        const OutcomeScore& score = outcomeScores()[static_cast<std::size_t>(set)];
        outcomeCombinations[0] += score.full;
        outcomeCombinations[1] += score.suite;
        outcomeCombinations[2] += score.carre;
        outcomeCombinations[3] += score.daxo;
    }
    EXPECT_NEAR(total, 1.0, 1e-12);
    // Full: 30 pairs of faces and 6 Daxos; Suite: 2; Carré: 30 and 6 Daxos.
    EXPECT_EQ(outcomeCombinations, (std::array{36, 2, 36, 6}));
    EXPECT_EQ(orderedCombinations, (std::array{306, 240, 156, 6}));
}

// Every set of up to five dice once, each a die bigger or smaller than its
// neighbours in the lattice.
TEST(Outcomes, TheSetsOfKeptDice)
{
    const DiceSets& sets = DiceSets::instance();
    std::array<int, 6> bySize{};
    for (int set = 0; set < kSetCount; ++set) {
        ++bySize[static_cast<std::size_t>(sets.size(set))];
        EXPECT_EQ(sets.indexOf(sets.counts(set)), set);
        for (const int smaller : sets.withOneDieFewer(set))
            EXPECT_EQ(sets.size(smaller), sets.size(set) - 1);
        for (int f = 0; f < kFaces; ++f) {
            const int bigger = sets.withDie(set, f);
            EXPECT_EQ(bigger < 0, sets.size(set) == 5);
            if (bigger >= 0) {
                EXPECT_EQ(sets.counts(bigger)[static_cast<std::size_t>(f)], sets.counts(set)[static_cast<std::size_t>(f)] + 1);
            }
        }
    }
    EXPECT_EQ(bySize, (std::array{1, 6, 21, 56, 126, 252}));
}

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
