#pragma once

#include "widgets/secondary_window.h"

#include <array>

class QCheckBox;

namespace daxo {

class Windows;

// The window `Printer1`: the player ticks the sheets to print. Both of its
// buttons destroy it, so every opening starts unticked.
class PrintWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    PrintWindow(QWidget& board, Windows& windows);

    void Command1_Click(); // print the ticked sheets and close
    void Command2_Click(); // close without printing

private:
    Windows& windows_;
    std::array<QCheckBox*, 3> sheets_{}; // Check1 to Check3
};

} // namespace daxo
