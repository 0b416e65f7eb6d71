#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace daxo {

// Every number of the score sheet is kept as text, the way the player sees
// it, and converted where it is used. The reader and writer below are the
// only conversions; both are independent of the user's locale.

// Numbers are kept within plus or minus this limit: readings beyond it, and
// sums beyond it, saturate there. Typed cells can hold any text; within the
// limit every sum the sheet makes is exact, prints without an exponent and
// reads back as the very number that was written.
inline constexpr double kNumberLimit = 1e15;

// The number at the start of `text`: blanks (spaces, tabs) skipped, an
// optional sign, ASCII digits, an optional point and fraction. No exponent,
// no "inf", no "nan", no hexadecimal. Returns nothing when the text does not
// start with such a number.
std::optional<double> leadingNumber(std::string_view text);

// The leading number of `text`, or 0 when there is none ("", "a", "Dé 1").
double readNumber(std::string_view text);

// `value` brought within plus or minus kNumberLimit.
double limitNumber(double value);

// The shortest decimal form of `value`: "0", "17", "-15", "2.5". Whole values
// carry no point; other values use a point as the decimal separator, so that
// what is written reads back as the same number.
std::string writeNumber(double value);

} // namespace daxo
