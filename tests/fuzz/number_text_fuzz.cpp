// Any text a player can type into a cell: it reads as a finite number within
// the limit, and the number written back reads as the same number.

#include "fuzz_check.h"
#include "game/number_text.h"

#include <cmath>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = daxo::readNumber(text);
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(std::abs(value) <= daxo::kNumberLimit);
    if (const auto leading = daxo::leadingNumber(text))
        FUZZ_CHECK(*leading == value);
    else
        FUZZ_CHECK(value == 0);

    const std::string written = daxo::writeNumber(value);
    FUZZ_CHECK(!written.empty());
    FUZZ_CHECK(written.find_first_not_of("-0123456789.") == std::string::npos);
    FUZZ_CHECK(daxo::readNumber(written) == value);
    return 0;
}
