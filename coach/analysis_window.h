#pragma once

#include "game/record.h"
#include "solver/game_analysis.h"
#include "widgets/secondary_window.h"

#include <optional>

class QChartView;
class QLabel;
class QProgressBar;
class QTableWidget;

namespace daxo {

class Coach;
class PlayerMessages;
class PrinterPort;

// The window `Analyse`: a game judged decision by decision against perfect
// play. Every decision with its loss, the total and mean loss and the share
// of perfect decisions, and a chart of the expected final score after each
// decision. Ctrl+P prints it on one page.
class AnalysisWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // What it is given must outlive the window.
    AnalysisWindow(QWidget& board, Coach& coach, PrinterPort& printers, PlayerMessages& messages);

    // Shows the analysis of this game, once the table is ready.
    void analyse(GameRecord record);
    void print();
    void retranslate() override;

private:
    void render();
    std::optional<solver::Judgement> judgement() const;

    Coach& coach_;
    PrinterPort& printers_;
    PlayerMessages& messages_;
    std::optional<GameRecord> record_;
    QLabel* summary_ = nullptr;        // Resume
    QProgressBar* progress_ = nullptr; // Progression
    QTableWidget* decisions_ = nullptr;
    QChartView* chart_ = nullptr;      // Graphique
};

} // namespace daxo
