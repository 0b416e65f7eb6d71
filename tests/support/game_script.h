#pragma once

// Games played from scripts: a line "> action" plays, and every
// notification the game gives on the way is written down as the windows
// hear it. The game's own transcripts and the table's share these actions.

#include "game/game.h"
#include "support/scripted_ports.h"
#include "support/transcript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

namespace daxo::test {

inline std::string escaped(std::string text)
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
    void recordChanged(const GameRecord& record) override { write("Record " + lineOf(record.events().back())); }
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

    ScriptedAnswers answers;
    std::vector<std::string> lines;

private:
    std::vector<std::string> kinds_;
};

inline std::vector<std::string> wordsOf(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// The cell or button a script names, as Cell or Button numbers them.
template <typename Control>
Control named(const std::string& wanted, int count, Control (*numbered)(int))
{
    for (int n = 1; n <= count; ++n) {
        if (daxo::name(numbered(n)) == wanted)
            return numbered(n);
    }
    ADD_FAILURE() << "nothing named " << wanted;
    return numbered(1);
}

inline Cell cellNamed(const std::string& name) { return named(name, kCellCount, cell); }
inline Button buttonNamed(const std::string& name) { return named(name, kButtonCount, button); }

// Everything of the sheet a player can see, in one line each.
inline void writeState(const Game& game, Transcriber& out)
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

// Plays one action of a game script; false if its verb is none of the game's.
inline bool playGameAction(const std::string& action, Game& game, ScriptedDice& dice, Transcriber& out)
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
        return false;
    }
    return true;
}

// Plays the script at `path`, each action through `play`, and gives back
// its lines with what each action said after it, for its transcript.
inline std::vector<std::string> playScript(const std::string& path, Transcriber& out,
                                           const std::function<void(const std::string&)>& play)
{
    std::vector<std::string> heard;
    for (const std::string& line : linesOf(path)) {
        if (line.starts_with("> ")) {
            heard.push_back(line);
            play(line.substr(2));
            heard.insert(heard.end(), out.lines.begin(), out.lines.end());
            out.lines.clear();
        } else if (line.empty() || line.starts_with("#")) {
            heard.push_back(line);
        }
    }
    return heard;
}

} // namespace daxo::test
