#pragma once

#include "solver/game_analysis.h"
#include "solver/win_chances.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <string>

namespace daxo {

// The coach's own words, the ones that change with the game, in the
// language the windows speak (the catalogue in use), its numbers written
// the language's way. The captions that do not change are rows of the
// caption table. French keeps a no-break space before ":", ";", "!", "?"
// and "%", so that no line of a wrapped text begins with one.
class CoachTexts {
    Q_DECLARE_TR_FUNCTIONS(CoachTexts)
public:
    explicit CoachTexts(const std::string& languageCode);

    QLocale locale() const;
    // A number of points: "201,35" in French, "201.35" in English.
    QString points(double value, int decimals = 2) const;

    // "Lancer les dés", "Garder les 3, 3 et 6", "Marquer la case Carré": the
    // dice by their faces and the boxes as their buttons read.
    QString action(const solver::Action& action) const;
    QString dice(const solver::FaceCounts& dice) const;  // "1 3 3 6 6"
    QString diceShown(const solver::FaceCounts& dice) const; // the same, or a dash for none
    QString throwNumber(int throwsMade) const;          // "avant", "1", "2", "3"

    QString working(double done) const;     // while the table is worked out
    QString percentFormat() const;          // a progress bar's, "%p %"
    QString cannotJudge() const;            // a game touched by the cheat mode
    QString expected(double final) const;   // the expected final score
    QString gameOver(int score) const;
    QString toTheAnalysis() const;          // once the game is over
    QString noChoiceYet() const;
    QString nothingToAnalyse() const;       // a game not begun
    // The loss of the last choice; a warning for a costly one.
    QString verdict(const solver::JudgedDecision& decision) const;
    static bool isCostly(double loss) { return loss >= kCostly; }

    QString summary(const solver::Judgement& judgement) const;
    QStringList decisionHeaders() const;    // turn, throw, dice, choice, best choice, loss
    // Action, expected final score, loss, and at a table the chance of winning.
    QStringList actionHeaders(bool winning) const;
    QString share(double share) const;      // a chance in per cent, "48,2"
    QString percent(double share) const;    // the same with its sign, "48,2 %"
    // At a table, the action that plays to win and the best score's, each
    // with its chance of winning.
    QString playToWin(const solver::Action& toWin, double itsChance, const solver::Action& bestScore,
                      double bestScoresChance) const;
    QString chartTitle() const;
    QString turnAxis() const;
    QString pointsAxis() const;
    QString expectedSeries() const;
    // The line across the chart: the final score, or the score so far.
    QString scoreSeries(bool over) const;
    // A table's analysis: the chances of winning after each turn, and
    // where the winner's rose most, `step` of `course`.
    QString chancesChartTitle() const;
    QString chartShown() const;             // the choice of a table's chart, "&Courbe :"
    QString chancesAxis() const;
    QString wonAt(const solver::TableCourse& course, std::size_t step, const QStringList& players) const;
    QString printFailed() const;
    QString whoseGame() const;              // the choice of a table's human, "&Partie de :"

    // What the coach's figures mean, for tooltips and screen readers.
    QString aboutExpected() const;
    QString aboutLoss() const;
    QString aboutAssisted() const;
    QString aboutWinning() const;
    QString aboutSummary() const;           // the loss and the perfect decisions

private:
    // A choice costing this much or more is pointed out.
    static constexpr double kCostly = 0.2;
    std::string code_;
};

} // namespace daxo
