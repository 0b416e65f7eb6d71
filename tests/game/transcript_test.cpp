// Whole games played from scripts, every notification the game gives on
// the way written down as the windows hear it, and held to a transcript
// reviewed once by eye: the rules, the texts of both languages, the chains
// of totals and the binding orders in which they run.
//
// Each file of tests/data/games is a script: a line "> action" plays, the
// lines after it are what the game must say to it. To write the
// transcripts anew after a change meant to change them (then read the
// difference before committing it):
//   DAXO_WRITE_TRANSCRIPTS=1 build/tests/daxo_game_tests --gtest_filter='Transcripts*'

#include "support/game_script.h"

#include <filesystem>

namespace daxo {
namespace {

std::filesystem::path scripts() { return std::filesystem::path(DAXO_TEST_DATA) / "games"; }

class Transcripts : public ::testing::TestWithParam<std::string> {};

TEST_P(Transcripts, AreWhatTheGameSays)
{
    const std::string path = (scripts() / GetParam()).string();
    test::ScriptedDice dice;
    test::Transcriber out;
    Game game{dice, out};
    game.addListener(out);
    const std::vector<std::string> heard = test::playScript(path, out, [&](const std::string& action) {
        if (!test::playGameAction(action, game, dice, out))
            ADD_FAILURE() << "no action " << action;
    });
    game.removeListener(out);
    EXPECT_TRUE(dice.exhausted() && out.answers.exhausted()) << "what was scripted was all used";
    test::expectTranscript(path, heard);
}

INSTANTIATE_TEST_SUITE_P(Games, Transcripts, ::testing::ValuesIn([] {
                             std::vector<std::string> names;
                             for (const auto& entry : std::filesystem::directory_iterator(scripts()))
                                 names.push_back(entry.path().filename().string());
                             std::ranges::sort(names);
                             return names;
                         }()),
                         [](const auto& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             std::ranges::replace(name, '-', '_');
                             return name;
                         });

} // namespace
} // namespace daxo
