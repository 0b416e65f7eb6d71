#pragma once

#include "pace.h"
#include "table/seat.h"
#include "widgets/secondary_window.h"

#include <array>

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace daxo {

class Game;
class Preferences;

// The window `Joueurs`: one to six players in the order they play, each a
// human with a name or a computer at a level shown with its strength, and
// the pace of the computers' turns. Playing hands them to the program,
// which seats them.
class PlayersWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // What it is given must outlive the window.
    PlayersWindow(QWidget& board, const Game& game, const Preferences& preferences);

    // Shows these players and this pace, as they are at the table now.
    void showTable(const Seats& seats, Pace pace);
    // The players and the pace as the window shows them.
    Seats seats() const;
    Pace pace() const;

    void retranslate() override;

Q_SIGNALS:
    // `Jouer`: the player wants these players, at this pace.
    void played(const Seats& seats, Pace pace);

private:
    struct Row {
        QComboBox* kind = nullptr;  // GenreN
        QLineEdit* name = nullptr;  // NomN
        QComboBox* level = nullptr; // NiveauN
        // The name the row was offered, while it still holds it: offered
        // again in the language the windows switch to.
        QString offered;
    };
    void kindChosen(int row);
    void countChosen();

    const Game& game_;
    const Preferences& preferences_;
    QSpinBox* count_ = nullptr; // Nombre
    std::array<Row, kMostSeats> rows_{};
    QComboBox* pace_ = nullptr; // Allure
};

} // namespace daxo
