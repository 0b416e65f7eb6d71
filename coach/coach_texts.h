#pragma once

#include "solver/game_analysis.h"

#include <QString>

namespace daxo {

// The coach's own words, the ones that change with the game, in the
// language the windows speak: English for the code "E", French otherwise.
// The captions that do not change are rows of the caption table.
class CoachTexts {
public:
    explicit CoachTexts(bool english) : english_(english) {}

    // A number of points: "201,35" in French, "201.35" in English.
    QString points(double value, int decimals = 2) const;

    QString action(const solver::Action& action) const; // "Garder 3 3 6", "Marquer Full"
    QString dice(const solver::FaceCounts& dice) const;  // "1 3 3 6 6"
    QString diceShown(const solver::FaceCounts& dice) const; // the same, or a dash for none
    QString throwNumber(int throwsMade) const;          // "avant", "1", "2", "3"

    QString working(double done) const;     // while the table is worked out
    QString cannotJudge() const;            // a game touched by the cheat mode
    QString expected(double final) const;   // the expected final score
    QString gameOver(int score) const;
    QString noChoiceYet() const;
    // The loss of the last choice; a warning for a costly one.
    QString verdict(const solver::JudgedDecision& decision) const;
    static bool isCostly(double loss) { return loss >= kCostly; }

    QString summary(const solver::Judgement& judgement) const;
    QStringList decisionHeaders() const;    // turn, throw, dice, choice, best choice, loss
    QStringList actionHeaders() const;      // action, expected final score, loss
    QString chartTitle() const;
    QString turnAxis() const;
    QString pointsAxis() const;
    QString expectedSeries() const;
    QString finalSeries() const;
    QString printFailed() const;

private:
    // A choice costing this much or more is pointed out.
    static constexpr double kCostly = 0.2;
    const char* pick(const char* french, const char* english) const { return english_ ? english : french; }
    bool english_;
};

} // namespace daxo
