#pragma once

#include "game/ports.h"
#include "widgets/shapes.h"
#include "widgets/single_instance.h"

#include <QWidget>
#include <array>

class QLineEdit;

namespace daxo {

class Game;

// A sheet to print: a window laid out like a page, never shown, on a white
// surface with lines and rectangles drawn beneath its controls. The sheets
// always carry their French texts.
class Sheet : public QWidget {
    Q_OBJECT
public:
    Sheet(QWidget& board, const char* name, const char* caption, QSize clientSize);
    void setShapes(Shapes shapes);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shapes shapes_;
};

// `printPoints`, the blank score sheet to play on paper.
class BlankSheet final : public Sheet {
    Q_OBJECT
public:
    explicit BlankSheet(QWidget& board);
};

// `PrintRegle`, the rules.
class RulesSheet final : public Sheet {
    Q_OBJECT
public:
    explicit RulesSheet(QWidget& board);
};

// `PrintVosPoints`, the player's sheet. Its fifteen cells Text6 to Text20
// follow the copy the game makes of the board's cells at every change of the
// total.
class PlayerSheet final : public Sheet, private GameListener {
    Q_OBJECT
public:
    // The game must outlive the sheet.
    PlayerSheet(QWidget& board, Game& game);
    ~PlayerSheet() override;

private:
    void playerSheetChanged(Cell cell, const std::string& text) override;

    Game& game_;
    std::array<QLineEdit*, kCellCount> cells_{}; // by cell number; the dice have none
};

// The three sheets of the board, each created the first time it is
// printed; they belong to the board and go with it.
class PrintSheets {
public:
    // The board and the game must outlive the sheets.
    PrintSheets(QWidget& board, Game& game);

    Sheet& blankSheet();     // `printPoints`
    Sheet& rulesSheet();     // `PrintRegle`
    Sheet& playerSheet();    // `PrintVosPoints`
    PlayerSheet* findPlayerSheet() const;

private:
    SingleInstance<BlankSheet> blank_;
    SingleInstance<RulesSheet> rules_;
    SingleInstance<PlayerSheet> player_;
};

} // namespace daxo
