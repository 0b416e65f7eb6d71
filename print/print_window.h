#pragma once

#include "widgets/secondary_window.h"

#include <array>

class QCheckBox;

namespace daxo {

class Game;
class PlayerMessages;
class PrinterPort;
class PrintSheets;

// The window `Printer1`: the player ticks the sheets to print. Both of its
// buttons destroy it, so every opening starts unticked.
class PrintWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // What it is given must outlive the window.
    PrintWindow(QWidget& board, const Game& game, PrintSheets& sheets, PrinterPort& printers, PlayerMessages& messages);

    void Command1_Click(); // print the ticked sheets and close
    void Command2_Click(); // close without printing

private:
    const Game& game_;
    PrintSheets& sheets_;
    PrinterPort& printers_;
    PlayerMessages& messages_;
    std::array<QCheckBox*, 3> checks_{}; // Check1 to Check3
};

} // namespace daxo
