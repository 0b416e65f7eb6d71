#pragma once

#include <string>

namespace daxo {

// The controls of the score sheet, named as the main window names them. The
// game keeps their texts and flags; the window shows them.

// Text cells: the five dice, then the score cells.
//   Text1..Text5    dice 1 to 5
//   Text6..Text11   the number boxes, ones to sixes
//   Text12          subtotal of the number boxes
//   Text13          bonus
//   Text14..Text17  Full, Suite, Carré, Daxo
//   Text18, Text19  Plus, Moins
//   Text20          grand total
enum class Cell {
    Text1 = 1, Text2, Text3, Text4, Text5,
    Text6, Text7, Text8, Text9, Text10, Text11,
    Text12, Text13,
    Text14, Text15, Text16, Text17, Text18, Text19,
    Text20,
};
inline constexpr int kCellCount = 20;
inline constexpr int kDieCount = 5;

// Buttons: Command1 throws the dice, Command2..Command13 score the boxes of
// Text6..Text11 and Text14..Text19. A box is free while its button is enabled.
enum class Button {
    Command1 = 1,
    Command2, Command3, Command4, Command5, Command6, Command7,
    Command8, Command9, Command10, Command11, Command12, Command13,
};
inline constexpr int kButtonCount = 13;

// Labels the player never sees; their captions are game state.
//   Label1   throws made in this turn
//   Label17  number of the current game
//   Label18  name of the dice picture set
//   Label19  boxes scored in this game
//   Label20  language code
enum class Label { Label1, Label17, Label18, Label19, Label20 };
inline constexpr int kLabelCount = 5;

// The status bar has six panels, numbered from 1.
inline constexpr int kPanelCount = 6;

// A panel's text: a caption followed directly by a value, such as "Total : "
// and "127". Kept apart so that a panel too narrow for both can shorten the
// caption and still show the value, the one thing the player looks for.
struct PanelText {
    std::string caption;
    std::string value;
    std::string text() const { return caption + value; }
    friend bool operator==(const PanelText&, const PanelText&) = default;
};

inline constexpr Cell cell(int number) { return static_cast<Cell>(number); }
inline constexpr int number(Cell c) { return static_cast<int>(c); }
inline constexpr Cell dieCell(int die) { return cell(die); }
inline constexpr Button button(int number) { return static_cast<Button>(number); }
inline constexpr int number(Button b) { return static_cast<int>(b); }
// The score cell of a box's button: Text6 to Text11 for Command2 to
// Command7, Text14 to Text19 for Command8 to Command13.
inline constexpr Cell scoreCellOf(Button b) { return cell(number(b) <= 7 ? number(b) + 4 : number(b) + 6); }

// The control names, which are also the windows' object names.
std::string name(Cell c);
std::string name(Button b);
std::string name(Label l);

// A hold check box, Check1 to Check5.
struct HoldBox {
    bool enabled = false;
    bool checked = false;
    friend bool operator==(const HoldBox&, const HoldBox&) = default;
};

} // namespace daxo
