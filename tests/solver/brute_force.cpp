#include "brute_force.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <span>
#include <vector>

namespace daxo::solver::test {
namespace {

using Throw = BruteForce::Throw;

// Every ordered throw of `count` dice, handed to `use`.
template <typename Use>
void everyThrow(int count, Use&& use)
{
    std::array<int, 5> faces{};
    auto next = [&](auto&& self, int die) -> void {
        if (die == count) {
            use(faces);
            return;
        }
        for (int f = 1; f <= 6; ++f) {
            faces[static_cast<std::size_t>(die)] = f;
            self(self, die + 1);
        }
    };
    next(next, 0);
}

double power6(int n) { return n == 0 ? 1.0 : 6.0 * power6(n - 1); }

// A code for some dice, in any order, and the throws left.
int codeOf(std::span<const int> dice, int throwsLeft)
{
    std::array<int, 7> counts{};
    for (const int f : dice)
        ++counts[static_cast<std::size_t>(f)];
    int code = throwsLeft;
    for (const int n : counts)
        code = code * 6 + n;
    return code;
}

bool isFree(const Position& position, Box box) { return !(position.used & bit(box)); }

} // namespace

int BruteForce::score(const Position& position, Box box, const Throw& dice)
{
    std::array<int, 7> counts{};
    for (const int f : dice)
        ++counts[static_cast<std::size_t>(f)];
    const int sum = std::accumulate(dice.begin(), dice.end(), 0);
    const int most = *std::max_element(counts.begin(), counts.end());
    Throw sorted = dice;
    std::sort(sorted.begin(), sorted.end());
    switch (box) {
    case Box::Full: {
        const bool three = std::count(counts.begin(), counts.end(), 3) == 1;
        const bool two = std::count(counts.begin(), counts.end(), 2) == 1;
        return (three && two) || most == 5 ? 20 : 0;
    }
    case Box::Suite:
        return sorted == Throw{1, 2, 3, 4, 5} || sorted == Throw{2, 3, 4, 5, 6} ? 30 : 0;
    case Box::Carre:
        return most >= 4 ? 40 : 0;
    case Box::Daxo:
        return most == 5 ? 50 : 0;
    case Box::Plus: // the Moins held must not be above it
        return position.moins && *position.moins > 0 && sum < *position.moins ? 0 : sum;
    case Box::Moins: // nor above the Plus held
        return position.plus && *position.plus > 0 && sum > *position.plus ? 0 : sum;
    default:
        return face(box) * counts[static_cast<std::size_t>(face(box))];
    }
}

BruteForce::Key BruteForce::keyOf(const Position& position)
{
    return {position.used, position.subtotal, position.plus.value_or(-1), position.moins.value_or(-1)};
}

double BruteForce::scoring(const Position& position, Box box, const Throw& dice)
{
    const int points = score(position, box, dice);
    const Scored after = afterScoring(position, box, points);
    return points + after.bonus + expectedToCome(after.position);
}

double BruteForce::best(const Position& position, Turn& turn, const Throw& dice, int throwsLeft)
{
    const int code = codeOf(dice, throwsLeft);
    if (const auto found = turn.best.find(code); found != turn.best.end())
        return found->second;

    double value = -1;
    for (int b = 0; b < 12; ++b) {
        if (isFree(position, static_cast<Box>(b)))
            value = std::max(value, scoring(position, static_cast<Box>(b), dice));
    }
    for (unsigned held = 0; throwsLeft > 0 && held < 32; ++held)
        value = std::max(value, keeping(position, turn, dice, held, throwsLeft));
    turn.best[code] = value;
    return value;
}

double BruteForce::keeping(const Position& position, const Throw& dice, unsigned held, int throwsLeft)
{
    return keeping(position, turns_[keyOf(position)], dice, held, throwsLeft);
}

double BruteForce::keeping(const Position& position, Turn& turn, const Throw& dice, unsigned held, int throwsLeft)
{
    std::vector<int> kept;
    for (int die = 0; die < 5; ++die) {
        if (held & (1u << die))
            kept.push_back(dice[static_cast<std::size_t>(die)]);
    }
    const int code = codeOf(kept, throwsLeft);
    if (const auto found = turn.keeping.find(code); found != turn.keeping.end())
        return found->second;
    const int thrown = 5 - std::popcount(held);
    double total = 0;
    everyThrow(thrown, [&](const Throw& faces) {
        Throw next = dice;
        int k = 0;
        for (int die = 0; die < 5; ++die) {
            if (!(held & (1u << die)))
                next[static_cast<std::size_t>(die)] = faces[static_cast<std::size_t>(k++)];
        }
        total += best(position, turn, next, throwsLeft - 1);
    });
    return turn.keeping[code] = total / power6(thrown);
}

double BruteForce::firstThrow(const Position& position)
{
    double total = 0;
    Turn& turn = turns_[keyOf(position)];
    everyThrow(5, [&](const Throw& dice) { total += best(position, turn, dice, 2); });
    return total / 7776.0;
}

double BruteForce::expectedToCome(const Position& position)
{
    if (position.used == 0xfff)
        return 0;
    if (const auto found = toCome_.find(keyOf(position)); found != toCome_.end())
        return found->second;
    double value = firstThrow(position);
    // A box scored before the first throw scores 0: no dice show a face.
    for (int b = 0; b < 12; ++b) {
        const Box box = static_cast<Box>(b);
        if (isFree(position, box))
            value = std::max(value, expectedToCome(afterScoring(position, box, 0).position));
    }
    toCome_[keyOf(position)] = value;
    return value;
}

} // namespace daxo::solver::test
