#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace daxo {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Integer parts with more significant digits than this are at or beyond
// kNumberLimit, so they saturate without being converted.
constexpr std::size_t kMaxIntegerDigits = 15;

} // namespace

std::optional<double> leadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    const std::size_t start = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    const std::size_t integerEnd = i;

    std::size_t end = integerEnd;
    if (i < text.size() && text[i] == '.') {
        ++i;
        const std::size_t fractionStart = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i > fractionStart || integerEnd > start)
            end = i;
    }
    if (end == start)
        return std::nullopt;

    std::size_t firstSignificant = start;
    while (firstSignificant < integerEnd && text[firstSignificant] == '0')
        ++firstSignificant;

    double magnitude = 0.0;
    if (integerEnd - firstSignificant > kMaxIntegerDigits) {
        magnitude = kNumberLimit;
    } else {
        // The span holds only digits and at most one point, which from_chars
        // reads exactly as written. A fraction too small for a double is
        // reported as out of range and leaves `magnitude` at 0.
        std::from_chars(text.data() + start, text.data() + end, magnitude);
        magnitude = std::min(magnitude, kNumberLimit);
    }
    if (magnitude == 0.0)
        return 0.0; // never a negative zero, which would print as "-0"
    return negative ? -magnitude : magnitude;
}

double readNumber(std::string_view text)
{
    return leadingNumber(text).value_or(0.0);
}

double limitNumber(double value)
{
    return std::clamp(value, -kNumberLimit, kNumberLimit);
}

std::string writeNumber(double value)
{
    // Values read from text are finite; the guard keeps the writer total.
    if (!std::isfinite(value) || value == 0.0)
        return "0";

    char buffer[512]; // room for the longest fixed form of any double
    std::to_chars_result result;
    constexpr double kExactIntegers = 9007199254740992.0; // 2^53
    if (std::abs(value) < kExactIntegers && value == std::trunc(value))
        result = std::to_chars(std::begin(buffer), std::end(buffer), static_cast<long long>(value));
    else
        result = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

} // namespace daxo
