#include "game.h"

// Undo and redo, box by box, as snapshots of the whole game.

namespace daxo {
namespace {

constexpr Label kLabels[] = {Label::Label1, Label::Label17, Label::Label18, Label::Label19, Label::Label20};

// The labels that belong to a game; the picture set and the language do not.
bool isGameLabel(Label label) { return label != Label::Label18 && label != Label::Label20; }

} // namespace

bool Game::canUndo() const { return !undo_.empty() || (table_ && table_->canTakeBack()); }

// At a table, the box that ended a human's turn is taken back from the next
// player's board, as long as no one has acted since.
void Game::undo()
{
    if (undo_.empty() && table_ && table_->canTakeBack())
        table_->takeBack();
    if (!undo_.empty())
        travel(undo_, redo_, UndoEvent{});
}

// Scored again, the box ends the turn again.
void Game::redo()
{
    if (!canRedo())
        return;
    travel(redo_, undo_, UndoEvent{.redo = true});
    if (table_)
        table_->boxScored();
}

void Game::setTable(TablePort* table)
{
    table_ = table;
    tellUndoState();
}

Game::Sheet Game::takeSheet() const
{
    Sheet sheet;
    sheet.state = snapshot();
    sheet.undo = undo_;
    sheet.redo = redo_;
    return sheet;
}

void Game::putSheet(const Sheet& sheet)
{
    // A sheet kept while the others played may be in another language.
    restore(sheet.state, true);
    undo_ = sheet.undo;
    redo_ = sheet.redo;
    notify([&](GameListener& l) { l.recordChanged(record_); });
    tellUndoState();
}

void Game::forgetUndo()
{
    undo_.clear();
    redo_.clear();
    tellUndoState();
}

void Game::travel(std::vector<Snapshot>& from, std::vector<Snapshot>& to, UndoEvent event)
{
    to.push_back(snapshot());
    const Snapshot back = std::move(from.back());
    from.pop_back();
    restore(back, false);
    dice_.rewind(back.dicePosition);
    addToRecord(event);
}

void Game::keepForUndo()
{
    undo_.push_back(snapshot());
    redo_.clear();
}

void Game::tellUndoState()
{
    notify([&](GameListener& l) { l.undoStateChanged(canUndo(), canRedo()); });
}

Game::Snapshot Game::snapshot() const
{
    return {texts_, enabled_, holdBoxes_, captions_, panels_, diePictures_, playerSheet_, record_, dice_.position()};
}

void Game::restore(const Snapshot& snapshot, bool keepPanelWords)
{
    for (int n = 1; n <= kCellCount; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        if (texts_[i] != snapshot.texts[i]) {
            texts_[i] = snapshot.texts[i];
            notify([&](GameListener& l) { l.textChanged(cell(n), texts_[i]); });
        }
    }
    for (int n = 1; n <= kButtonCount; ++n)
        setEnabled(button(n), snapshot.enabled[static_cast<std::size_t>(n - 1)]);
    for (int die = 1; die <= kDieCount; ++die)
        setHoldBox(die, snapshot.holdBoxes[static_cast<std::size_t>(die - 1)]);
    for (const Label label : kLabels) {
        if (isGameLabel(label))
            setCaption(label, snapshot.captions[static_cast<std::size_t>(label)]);
    }
    for (int panel = 1; panel <= kPanelCount; ++panel) {
        const PanelText& then = snapshot.panels[static_cast<std::size_t>(panel - 1)];
        setPanel(panel, {keepPanelWords ? this->panel(panel).caption : then.caption, then.value});
    }
    for (int die = 1; die <= kDieCount; ++die)
        setDiePicture(die, snapshot.diePictures[static_cast<std::size_t>(die - 1)]);
    for (int n = number(Cell::Text6); n <= kCellCount; ++n)
        setPlayerSheetText(cell(n), snapshot.playerSheet[static_cast<std::size_t>(n - 1)]);
    record_ = snapshot.record;
}

} // namespace daxo
