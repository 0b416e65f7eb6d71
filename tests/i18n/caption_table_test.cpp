// The caption table as it is laid down: every row of both languages, byte
// for byte, in its order, against its transcription in tests/data. The
// additions' rows come after it.

#include "i18n/caption_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace daxo {
namespace {

TEST(CaptionTable, TheLaidDownRowsComeFirstAsWritten)
{
    std::ifstream transcription(DAXO_TEST_DATA "/captions.txt");
    ASSERT_TRUE(transcription);
    const auto table = captionTable();
    std::size_t at = 0;
    for (std::string line; std::getline(transcription, line);) {
        if (line.starts_with('#'))
            continue;
        std::vector<std::string> laid;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');)
            laid.push_back(field);
        laid.resize(4);
        ASSERT_LT(at, table.size());
        const CaptionRow& row = table[at++];
        EXPECT_EQ((std::vector<std::string>{row.window, row.control ? row.control : "(title)",
                                            row.french ? row.french : "", row.english.text ? row.english.text : ""}),
                  laid);
    }
    EXPECT_EQ(at, 53u) << "every laid-down row";
}

} // namespace
} // namespace daxo
