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

#include "game/game.h"
#include "support/scripted_ports.h"
#include "support/transcript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace daxo {
namespace {

std::string escaped(std::string text)
{
    for (std::size_t at = 0; (at = text.find_first_of("\r\n", at)) != std::string::npos;)
        text.replace(at, 1, text[at] == '\r' ? "\\r" : "\\n");
    return text;
}

// Writes down what the game says, one line a notification, and answers
// its questions as scripted.
class Transcriber final : public GameListener, public QuestionPort {
public:
    Answer ask(const Question& question) override
    {
        write("Ask " + question.title + (question.icon == Question::Icon::Question ? " (?)" : " (!)") + ": " +
              escaped(question.prompt));
        return answers.ask(question);
    }

    void textChanged(Cell c, const std::string& text) override { write(name(c) + "=" + text); }
    void lockChanged(Cell c, bool locked) override { write((locked ? "Locked " : "Open ") + name(c)); }
    void buttonEnabledChanged(Button b, bool enabled) override { write(name(b) + (enabled ? " on" : " off")); }
    void holdBoxChanged(int die, const HoldBox& box) override
    {
        write("Check" + std::to_string(die) + (box.enabled ? " on" : " off") + (box.checked ? " held" : ""));
    }
    void captionChanged(Label l, const std::string& caption) override { write(name(l) + "=" + caption); }
    void panelChanged(int panel, const PanelText& text) override
    {
        write("Panel" + std::to_string(panel) + "=" + text.text());
    }
    void diePictureChanged(int die, int face) override
    {
        write("Picture" + std::to_string(die + 7) + "=" + std::to_string(face));
    }
    void playerSheetChanged(Cell c, const std::string& text) override { write("Sheet " + name(c) + "=" + text); }
    void quitRequested() override { write("Quit"); }
    void recordChanged(const GameRecord& record) override { write("Record " + test::lineOf(record.events().back())); }
    void gameFinished(const GameRecord& finished) override
    {
        write("Finished " + std::to_string(summarize(finished).total));
    }
    void gameLeft(const GameRecord& left) override { write("Left game " + std::to_string(left.start().game)); }
    void undoStateChanged(bool canUndo, bool canRedo) override
    {
        write(std::string("Undo ") + (canUndo ? "yes" : "no") + ", redo " + (canRedo ? "yes" : "no"));
    }

    // Only the notifications whose lines begin with one of these, from now
    // on; all of them when there are none.
    void hear(std::vector<std::string> kinds) { kinds_ = std::move(kinds); }
    void write(const std::string& line)
    {
        if (kinds_.empty() || std::ranges::any_of(kinds_, [&](const std::string& k) { return line.starts_with(k); }))
            lines.push_back(line);
    }

    test::ScriptedAnswers answers;
    std::vector<std::string> lines;

private:
    std::vector<std::string> kinds_;
};

std::vector<std::string> wordsOf(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

Cell cellNamed(const std::string& name)
{
    for (int n = 1; n <= kCellCount; ++n) {
        if (daxo::name(cell(n)) == name)
            return cell(n);
    }
    ADD_FAILURE() << "no cell " << name;
    return Cell::Text1;
}

Button buttonNamed(const std::string& name)
{
    for (int n = 1; n <= kButtonCount; ++n) {
        if (daxo::name(button(n)) == name)
            return button(n);
    }
    ADD_FAILURE() << "no button " << name;
    return Button::Command1;
}

// Everything of the sheet a player can see, in one line each.
void writeState(const Game& game, Transcriber& out)
{
    std::string texts = "State texts:", sheet = "State sheet:", buttons = "State buttons:", rest = "State";
    for (int n = 1; n <= kCellCount; ++n) {
        texts += " " + std::to_string(n) + "=" + game.text(cell(n));
        sheet += " " + std::to_string(n) + "=" + game.playerSheetText(cell(n));
    }
    for (int n = 1; n <= kButtonCount; ++n)
        buttons += game.isEnabled(button(n)) ? " 1" : " 0";
    for (int die = 1; die <= kDieCount; ++die)
        rest += " Check" + std::to_string(die) + (game.holdBox(die).enabled ? "+" : "-") +
                (game.holdBox(die).checked ? "held" : "") + " Picture" + std::to_string(die + 7) + "=" +
                std::to_string(game.diePicture(die));
    for (const Label label : {Label::Label1, Label::Label17, Label::Label18, Label::Label19, Label::Label20})
        rest += " " + name(label) + "=" + game.caption(label);
    rest += std::string(game.record().assisted() ? " assisted" : "") + (game.record().touchedByCheat() ? " cheated" : "");
    for (const std::string& line : {texts, sheet, buttons, rest})
        out.lines.push_back(line);
    for (int panel = 1; panel <= kPanelCount; ++panel)
        out.lines.push_back("State panel " + std::to_string(panel) + ": " + game.panel(panel).text());
}

// Plays one action of a script.
void play(const std::string& action, Game& game, test::ScriptedDice& dice, Transcriber& out)
{
    const std::vector<std::string> words = wordsOf(action);
    const std::string& verb = words.front();
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    if (verb == "code") {
        game.setCaption(Label::Label20, rest.empty() ? "" : rest.front());
    } else if (verb == "throw") {
        for (const std::string& face : rest)
            dice.queue({std::stoi(face)});
        game.Command1_Click();
    } else if (verb == "hold" || verb == "free") {
        for (const std::string& die : rest)
            game.setHeld(std::stoi(die), verb == "hold");
    } else if (verb == "click") {
        game.click(buttonNamed(rest.at(0)));
    } else if (verb == "answer") {
        for (const std::string& answer : rest)
            out.answers.queue({answer == "Yes" ? Answer::Yes : Answer::No});
    } else if (verb == "new") {
        game.Nouveau_Click();
    } else if (verb == "reset") {
        game.ResetTurn();
    } else if (verb == "set" || verb == "type") {
        // The rest of the line after one blank, blanks included, is the text.
        const std::size_t named = action.find(rest.at(0)) + rest.at(0).size();
        const std::string text = named < action.size() ? action.substr(named + 1) : std::string();
        if (verb == "set")
            game.setText(cellNamed(rest.at(0)), text);
        else if (!game.typeText(cellNamed(rest.at(0)), text))
            out.lines.push_back("Refused");
    } else if (verb == "lock") {
        game.setCellsLocked(rest.at(0) == "on");
    } else if (verb == "undo") {
        game.undo();
    } else if (verb == "redo") {
        game.redo();
    } else if (verb == "hint") {
        game.noteHint();
    } else if (verb == "hear") {
        out.hear(rest);
    } else if (verb == "state") {
        writeState(game, out);
    } else {
        ADD_FAILURE() << "no action " << verb;
    }
}

std::filesystem::path scripts() { return std::filesystem::path(DAXO_TEST_DATA) / "games"; }

class Transcripts : public ::testing::TestWithParam<std::string> {};

TEST_P(Transcripts, AreWhatTheGameSays)
{
    const std::filesystem::path path = scripts() / GetParam();
    std::vector<std::string> heard;
    test::ScriptedDice dice;
    Transcriber out;
    Game game{dice, out};
    game.addListener(out);
    for (const std::string& line : test::linesOf(path.string())) {
        if (line.starts_with("> ")) {
            heard.push_back(line);
            play(line.substr(2), game, dice, out);
            heard.insert(heard.end(), out.lines.begin(), out.lines.end());
            out.lines.clear();
        } else if (line.empty() || line.starts_with("#")) {
            heard.push_back(line);
        }
    }
    game.removeListener(out);
    EXPECT_TRUE(dice.exhausted() && out.answers.exhausted()) << "what was scripted was all used";
    test::expectTranscript(path.string(), heard);
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
