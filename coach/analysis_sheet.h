#pragma once

#include "solver/game_analysis.h"

#include <QWidget>

namespace daxo {

class CoachTexts;

// The analysis of a game laid out as a page to print, never shown: the
// summary, the chart and every decision.
class AnalysisSheet final : public QWidget {
    Q_OBJECT
public:
    AnalysisSheet(const QString& title, const solver::Judgement& judgement, const CoachTexts& texts);
};

} // namespace daxo
