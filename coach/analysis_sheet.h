#pragma once

#include "solver/game_analysis.h"
#include "solver/win_chances.h"

#include <QStringList>
#include <QWidget>

namespace daxo {

class CoachTexts;

// A table's game, turn by turn, for its page: nothing alone at the board.
struct CourseShown {
    const solver::TableCourse* course = nullptr;
    QStringList players;
};

// The analysis of a game laid out as a page to print, never shown: the
// summary, the chart and every decision; at a table, every player's chance
// after each turn and the turn where the game was won.
class AnalysisSheet final : public QWidget {
    Q_OBJECT
public:
    AnalysisSheet(const QString& title, const solver::Judgement& judgement, const CoachTexts& texts,
                  const CourseShown& course = {});
};

} // namespace daxo
