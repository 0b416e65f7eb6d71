#include "dice_rules.h"

#include "number_text.h"

#include <algorithm>

namespace daxo {

int numberBoxScore(const Dice& dice, int face)
{
    const std::string digit = std::to_string(face);
    return face * static_cast<int>(std::count(dice.begin(), dice.end(), digit));
}

double diceSum(const Dice& dice)
{
    double sum = 0.0;
    for (const std::string& die : dice)
        sum += readNumber(die);
    return limitNumber(sum);
}

bool isFull(const Dice& dice)
{
    // Every way of picking three dice; the two left over form the pair.
    for (int a = 0; a < 5; ++a)
        for (int b = a + 1; b < 5; ++b)
            for (int c = b + 1; c < 5; ++c) {
                std::array<int, 2> pair{};
                int n = 0;
                for (int i = 0; i < 5; ++i)
                    if (i != a && i != b && i != c)
                        pair[n++] = i;
                if (dice[a] == dice[b] && dice[b] == dice[c] && dice[pair[0]] == dice[pair[1]])
                    return true;
            }
    return false;
}

bool isSuite(const Dice& dice)
{
    // The lowest die by text order, which is the lowest face on faces.
    const std::string& lowest = *std::min_element(dice.begin(), dice.end());
    const double first = readNumber(lowest);
    for (int step = 1; step <= 4; ++step) {
        const bool found = std::any_of(dice.begin(), dice.end(), [&](const std::string& die) {
            const auto value = leadingNumber(die);
            return value && *value == first + step;
        });
        if (!found)
            return false;
    }
    return true;
}

bool isCarre(const Dice& dice)
{
    for (int leftOut = 0; leftOut < 5; ++leftOut) {
        const std::string* common = nullptr;
        bool allEqual = true;
        for (int i = 0; i < 5 && allEqual; ++i) {
            if (i == leftOut)
                continue;
            if (!common)
                common = &dice[i];
            else
                allEqual = dice[i] == *common;
        }
        if (allEqual)
            return true;
    }
    return false;
}

bool isDaxo(const Dice& dice)
{
    return std::all_of(dice.begin(), dice.end(), [&](const std::string& die) { return die == dice[0]; });
}

} // namespace daxo
