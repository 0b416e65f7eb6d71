// Any bytes in the settings file read without harm, and two values that the
// file can hold read back as they were written.

#include "fuzz_check.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const bool cutShort : {false, true}) {
        const daxo::StoredSettings read = daxo::parseSettings(bytes, cutShort);
        FUZZ_CHECK(read.setName.size() + read.languageCode.size() <= size);
    }

    // The input split in two values, without the line ends a value cannot
    // hold.
    const std::size_t half = size / 2;
    auto value = [](std::string_view part) {
        std::string text(part);
        text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }),
                   text.end());
        return text;
    };
    const daxo::StoredSettings written{value(bytes.substr(0, half)), value(bytes.substr(half))};
    FUZZ_CHECK(daxo::parseSettings(daxo::formatSettings(written.setName, written.languageCode)) == written);
    return 0;
}
