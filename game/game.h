#pragma once

#include "dice_rules.h"
#include "game_texts.h"
#include "ports.h"
#include "record.h"
#include "sheet.h"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace daxo {

// One game of Daxo after another: the score sheet as texts and flags, and
// every rule that changes it.
//
// Setting a cell's text runs that cell's change handler at once, before the
// setter returns, and the handler may set further cells whose handlers run
// nested in turn; every step therefore sees the effects of the steps before
// it. A handler runs only when the text really changes, as with the text
// cells of a window.
class Game {
public:
    Game(DiceSource& dice, QuestionPort& questions);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Listeners must outlive the game or be removed first. A listener may
    // add or remove listeners, itself included, while it is being told of a
    // change: one removed hears nothing more, one added hears from the next
    // change on.
    void addListener(GameListener& listener);
    void removeListener(GameListener& listener);

    // Controls are named by number; a number out of range reads as an
    // untouched control (an empty text, a disabled box) and writes nothing.
    const std::string& text(Cell cell) const;
    bool isEnabled(Button button) const;
    const HoldBox& holdBox(int die) const;          // die 1 to 5
    const std::string& caption(Label label) const;
    const PanelText& panel(int index) const;        // panel 1 to 6
    int diePicture(int die) const;                  // face shown, 0 for none
    const std::string& playerSheetText(Cell cell) const; // Text6 to Text20
    const std::string& languageCode() const { return caption(Label::Label20); }
    // Where the game's texts come from in the languages Daxo added; it must
    // outlive the game. Without one, those codes read as English.
    void setTranslator(const TextTranslator* translator) { translator_ = translator; }
    // The texts the game writes in the language of its code.
    const GameTexts& texts() const;
    Dice dice() const;
    // Whether the player is kept from typing into the cell.
    bool isLocked(Cell cell) const;
    // The current game, decision by decision, since it began.
    const GameRecord& record() const { return record_; }
    // The player asked the coach for a hint: the game is assisted.
    void noteHint();
    // The coach window showed the player the best actions of a position of
    // this game: the game is assisted, noted once.
    void noteCoachWindow();

    // Undo takes back the last box scored, restoring the whole game as it
    // stood just before: the sheet, the dice shown, the holds, the throws,
    // the counters, the panels and the player's sheet. It goes back box by
    // box to the start of the game. The dice go back too, so that a throw
    // is never undone: the same actions throw the same dice again. Redo
    // scores the box again, until the next new action. Either makes the
    // game assisted.
    bool canUndo() const;
    bool canRedo() const { return !redo_.empty(); }
    void undo();
    void redo();

    // A table of several players: the game asks `table` at its moments (see
    // TablePort); nullptr for a game of one player. The table must outlive
    // the game or be removed first.
    void setTable(TablePort* table);

    // One player's whole sheet at a table: everything of the game but the
    // cheat mode's lock, the picture set and the language, with what undo
    // and redo can bring back. Taken off the board and put back as it was.
    class Sheet;
    Sheet takeSheet() const;
    // Puts a sheet on the board, telling the listeners of every difference
    // without running any change handler. The dice go on from where they
    // are: at a table they are the table's.
    void putSheet(const Sheet& sheet);
    // Nothing to take back or bring back on the sheet in play.
    void forgetUndo();

    // What the player (or another window) changes directly.
    void setText(Cell cell, std::string text);
    // Text the player typed into a cell: taken like any other text while the
    // cell is open to typing (cheat mode), refused while it is locked.
    // Returns whether it was taken.
    bool typeText(Cell cell, std::string text);
    void setHeld(int die, bool held);
    void setCaption(Label label, std::string caption);
    void setPanel(int index, PanelText text);
    // Cheat mode: locks or unlocks Text1 to Text19, in that order. The grand
    // total Text20 stays locked whatever happens.
    void setCellsLocked(bool locked);

    // Runs the click handler of `button`, as a click on it does.
    void click(Button button);

    // The throw.
    void Command1_Click();
    // The number boxes, ones to sixes.
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    // Full, Suite, Carré, Daxo, Plus, Moins.
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();

    void ScoreSuite();
    void ResetTurn();
    void CheckEndOfGame();
    void Nouveau_Click();

private:
    void Text5_Change();
    void Text6_Change();
    void Text12_Change();
    void Text13_Change();
    void Text14_Change();
    void Text20_Change();
    void runChangeHandler(Cell cell);

    void scoreNumberBox(Button button, Cell cell, int face);
    void scoreCombination(Button button, Cell cell, bool holds, int value, std::string_view missing);
    void finishBox(Button button);
    void askAtEndOfGame();

    void setEnabled(Button button, bool enabled);
    void setHoldBox(int die, HoldBox box);
    void setDiePicture(int die, int face);
    void setPlayerSheetText(Cell cell, const std::string& text);
    void addToRecord(GameEvent event);
    void startRecord(int game);

    // The whole game at one moment, but for what is no part of a game: the
    // cheat mode's lock, the picture set and the language.
    struct Snapshot {
        std::array<std::string, kCellCount> texts;
        std::array<bool, kButtonCount> enabled;
        std::array<HoldBox, kDieCount> holdBoxes;
        std::array<std::string, kLabelCount> captions;
        std::array<PanelText, kPanelCount> panels;
        std::array<int, kDieCount> diePictures;
        std::array<std::string, kCellCount> playerSheet;
        GameRecord record;
        std::uint64_t dicePosition;
    };
    Snapshot snapshot() const;
    // Puts the snapshot back and tells the listeners of every difference,
    // without running any change handler: the snapshot already holds what
    // they would compute. The dice stay where they are. The panels take
    // their values back, and their words too unless `keepPanelWords`.
    void restore(const Snapshot& snapshot, bool keepPanelWords);
    // Undo or redo: the game now goes onto `to`, the last of `from` comes back.
    void travel(std::vector<Snapshot>& from, std::vector<Snapshot>& to, UndoEvent event);
    // A box is about to be scored: what undo will bring back.
    void keepForUndo();
    void tellUndoState();
    double value(Cell cell) const;

    // Tells every listener, in the order they were added. Listeners added
    // meanwhile wait for the next change; removed ones leave a gap that is
    // closed once no notification is running.
    template <typename Notify>
    void notify(Notify&& call)
    {
        ++notifying_;
        const std::size_t count = listeners_.size();
        for (std::size_t i = 0; i < count; ++i) {
            if (GameListener* listener = listeners_[i])
                call(*listener);
        }
        if (--notifying_ == 0)
            closeListenerGaps();
    }
    void closeListenerGaps();

    DiceSource& dice_;
    QuestionPort& questions_;
    const TextTranslator* translator_ = nullptr;
    // The texts translated for each code, once: their words, and the texts
    // that view them.
    struct Translated {
        std::array<std::string, std::size(kGameTexts)> words;
        GameTexts texts;
    };
    mutable std::map<std::string, Translated, std::less<>> translated_;
    TablePort* table_ = nullptr;
    std::vector<GameListener*> listeners_;
    int notifying_ = 0;

    std::array<std::string, kCellCount> texts_;
    bool cellsLocked_ = true;
    std::array<bool, kButtonCount> enabled_{};
    std::array<HoldBox, kDieCount> holdBoxes_{};
    std::array<std::string, kLabelCount> captions_;
    std::array<PanelText, kPanelCount> panels_;
    std::array<int, kDieCount> diePictures_{};
    std::array<std::string, kCellCount> playerSheet_;
    GameRecord record_;
    std::vector<Snapshot> undo_;
    std::vector<Snapshot> redo_;
};

class Game::Sheet {
public:
    const GameRecord& record() const { return state.record; }

private:
    friend class Game;
    Snapshot state;
    std::vector<Snapshot> undo;
    std::vector<Snapshot> redo;
};

} // namespace daxo
