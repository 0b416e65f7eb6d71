// Any bytes in the settings file read without harm; two values that the
// file can hold read back as they were written; and a file read only at its
// two ends gives the values of the whole file wherever the ends hold them.

#include "fuzz_check.h"
#include "storage/settings_file.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Where the last line of `bytes` starts, and where its first line ends.
std::size_t lastLineStart(std::string_view bytes)
{
    std::size_t end = bytes.size();
    if (end > 0 && bytes[end - 1] == '\n')
        --end;
    if (end > 0 && bytes[end - 1] == '\r')
        --end;
    const std::size_t lineEnd = bytes.substr(0, end).find_last_of("\r\n");
    return lineEnd == std::string_view::npos ? 0 : lineEnd + 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const daxo::StoredSettings whole = daxo::parseSettings(bytes);
    FUZZ_CHECK(whole.setName.size() + whole.languageCode.size() <= size);

    // The middle third skipped, as for a file too big to read whole.
    const std::size_t third = size / 3;
    const std::string_view head = bytes.substr(0, third);
    const std::string_view tail = bytes.substr(size - third - (third > 0 ? 1 : 0));
    const daxo::StoredSettings ends = daxo::parseSettingsEnds(head, tail);
    FUZZ_CHECK(ends.setName.size() + ends.languageCode.size() <= size);
    if (std::any_of(head.begin(), head.end(), isLineEnd))
        FUZZ_CHECK(ends.setName == whole.setName);
    const std::size_t tailStart = size - tail.size();
    const std::size_t firstTailBreak = tail.find_first_of("\r\n");
    const bool lastLineInTail = firstTailBreak != std::string_view::npos && lastLineStart(bytes) > tailStart + firstTailBreak &&
                                std::any_of(head.begin(), head.end(), isLineEnd);
    if (lastLineInTail)
        FUZZ_CHECK(ends.languageCode == whole.languageCode);

    // The input split in two values, without the line ends a value cannot
    // hold.
    const std::size_t half = size / 2;
    auto value = [](std::string_view part) {
        std::string text(part);
        text.erase(std::remove_if(text.begin(), text.end(), isLineEnd), text.end());
        return text;
    };
    const daxo::StoredSettings written{value(bytes.substr(0, half)), value(bytes.substr(half))};
    FUZZ_CHECK(daxo::parseSettings(daxo::formatSettings(written.setName, written.languageCode)) == written);
    return 0;
}
