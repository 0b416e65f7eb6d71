#pragma once

#include "game/record.h"
#include "solver/game_analysis.h"
#include "widgets/secondary_window.h"

#include <optional>
#include <vector>

class QChartView;
class QComboBox;
class QLabel;
class QProgressBar;
class QStackedWidget;
class QTableWidget;

namespace daxo {

class Coach;
class CoachTexts;
class CourseOdds;
class PlayerMessages;
class PrinterPort;

// The window `Analyse`: a game judged decision by decision against perfect
// play. Every decision with its loss, the total and mean loss and the share
// of perfect decisions, and a chart of the expected final score after each
// decision. Ctrl+P prints it on one page. A table's game is each of its
// humans' own, to choose from (`Joueur`), and the table's too: every
// player's chance of winning after each turn, and where the game was won.
class AnalysisWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // What it is given must outlive the window.
    AnalysisWindow(QWidget& board, Coach& coach, CourseOdds& course, PrinterPort& printers, PlayerMessages& messages);

    // A player's game: the name is the table's, empty for the game alone.
    struct PlayersGame {
        QString player;
        GameRecord record;
    };
    // Shows the analysis of this game, once the table is ready; of the
    // game `shown` among several, the others a choice away.
    void analyse(GameRecord record);
    void analyse(std::vector<PlayersGame> games, int shown);
    void print();
    void retranslate() override;
    // Whether the course of a table's game is still being worked out.
    bool courseComing() const;

private:
    void render();
    void renderCourse(const CoachTexts& texts);
    std::optional<solver::Judgement> judgement() const;

    Coach& coach_;
    CourseOdds& course_;
    PrinterPort& printers_;
    PlayerMessages& messages_;
    const GameRecord* record() const;

    std::vector<PlayersGame> games_;
    QLabel* whose_ = nullptr;          // Label1
    QComboBox* player_ = nullptr;      // Joueur
    QLabel* summary_ = nullptr;        // Resume
    QProgressBar* progress_ = nullptr; // Progression
    QTableWidget* decisions_ = nullptr;
    QLabel* chartLabel_ = nullptr;     // Label2, at a table: which chart is shown
    QComboBox* chartShown_ = nullptr;  // Courbe
    QStackedWidget* charts_ = nullptr; // Graphiques
    QChartView* chart_ = nullptr;      // Graphique
    QLabel* won_ = nullptr;            // Tournant
    QChartView* chances_ = nullptr;    // Victoires
};

} // namespace daxo
