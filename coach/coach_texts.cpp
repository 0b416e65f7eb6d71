#include "coach_texts.h"

#include "widgets/box_names.h"
#include "widgets/figure_table.h"
#include "widgets/languages.h"

namespace daxo {
namespace {

// The faces as a list: "4", "3 and 6", "3, 3 and 6".
QString listed(const QStringList& faces, const QString& conjunction)
{
    if (faces.size() < 2)
        return faces.join(QString());
    return faces.mid(0, faces.size() - 1).join(", ") + " " + conjunction + " " + faces.back();
}

QStringList facesOf(const solver::FaceCounts& dice)
{
    QStringList faces;
    for (int f = 0; f < solver::kFaces; ++f) {
        for (int n = 0; n < dice[static_cast<std::size_t>(f)]; ++n)
            faces << QString::number(f + 1);
    }
    return faces;
}

} // namespace

CoachTexts::CoachTexts(const std::string& languageCode) : code_(languageCode) {}

QLocale CoachTexts::locale() const { return windowLanguage(code_).locale(); }

QString CoachTexts::points(double value, int decimals) const { return locale().toString(value, 'f', decimals); }

QString CoachTexts::dice(const solver::FaceCounts& dice) const { return facesOf(dice).join(' '); }

QString CoachTexts::diceShown(const solver::FaceCounts& shown) const
{
    const QString faces = dice(shown);
    return faces.isEmpty() ? QString::fromUtf8("—") : faces;
}

QString CoachTexts::action(const solver::Action& action) const
{
    switch (action.kind) {
    case solver::Action::Kind::Throw:
        return tr("Throw the dice");
    case solver::Action::Kind::Score:
        //: %1: the box as a sentence speaks of it, "the Four box".
        return tr("Score %1").arg(BoxNames(code_).theBox(solver::buttonOf(action.box)));
    case solver::Action::Kind::Keep:
        break;
    }
    const QStringList kept = facesOf(action.kept);
    if (kept.isEmpty())
        return tr("Throw all five again");
    //: %1: the faces kept, "3, 3 and 6"; the singular for one die.
    return tr("Keep the %1", "", static_cast<int>(kept.size())).arg(listed(kept, tr("and")));
}

QString CoachTexts::throwNumber(int throwsMade) const
{
    //: A decision made before the turn's first throw, in the column of the throws.
    return throwsMade == 0 ? tr("before") : QString::number(throwsMade);
}

QString CoachTexts::working(double done) const
{
    //: %1: how much of perfect play is worked out, in per cent.
    return tr("The coach is working out perfect play: %1%").arg(static_cast<int>(done * 100));
}

QString CoachTexts::percentFormat() const
{
    //: How a progress bar writes its share done: %p is the number of per cent.
    return tr("%p%");
}

QString CoachTexts::cannotJudge() const
{
    return tr("The cheat mode touched this game: the coach cannot judge it.");
}

QString CoachTexts::expected(double final) const
{
    return tr("Expected final score: %1").arg(points(final));
}

QString CoachTexts::gameOver(int score) const
{
    return tr("Game over: %1 points").arg(score);
}

QString CoachTexts::toTheAnalysis() const
{
    return tr("The game analysis shows what each of your decisions cost.");
}

QString CoachTexts::noChoiceYet() const
{
    return tr("No choice to judge yet.");
}

QString CoachTexts::nothingToAnalyse() const
{
    return tr("Nothing to analyse yet: the game has not begun.");
}

QString CoachTexts::verdict(const solver::JudgedDecision& decision) const
{
    const QString chosen = action(decision.chosen);
    if (decision.chosen.loss <= solver::kNoLoss)
        return tr("Last choice: %1, perfect.").arg(chosen);
    const QString loss = points(decision.chosen.loss);
    if (isCostly(decision.chosen.loss))
        return tr("⚠ Last choice: %1, a loss of %2; the best was: %3.")
            .arg(chosen, loss, action(decision.best));
    return tr("Last choice: %1, a loss of %2.").arg(chosen, loss);
}

QString CoachTexts::summary(const solver::Judgement& judgement) const
{
    //: %1: the score so far; %2: perfect play's expected score; %3 and %4:
    //: the total loss and the loss per decision; %5: the share of perfect
    //: decisions, in per cent.
    return tr("Score: %1 points (perfect play: %2 expected). Total loss: %3; "
                "per decision: %4; perfect decisions: %5%.")
        .arg(locale().toString(judgement.now.scored))
        .arg(points(judgement.expectedAtStart), points(judgement.totalLoss), points(judgement.meanLoss()),
             points(judgement.perfectShare() * 100, 0));
}

QStringList CoachTexts::decisionHeaders() const
{
    return {tr("Turn"), tr("Throw"), tr("Dice"), tr("Choice"), tr("Best choice"), tr("Loss")};
}

QStringList CoachTexts::actionHeaders(bool winning) const
{
    QStringList headers{tr("Action"), tr("Expected final score"), tr("Loss")};
    if (winning)
        headers << chancesAxis();
    return headers;
}

QString CoachTexts::share(double share) const { return percentFigure(locale(), share); }

QString CoachTexts::percent(double share) const
{
    //: A share in per cent, %1 its figure with one decimal.
    return tr("%1%").arg(this->share(share));
}

QString CoachTexts::playToWin(const solver::Action& toWin, double itsChance, const solver::Action& bestScore,
                              double bestScoresChance) const
{
    //: %1 the action with the best chance of winning, %2 that chance; %3 the action of the best expected score, %4 its chance.
    return tr("To win: %1, %2 of winning. For the best score: %3, %4.")
        .arg(action(toWin), percent(itsChance), action(bestScore), percent(bestScoresChance));
}

QString CoachTexts::chartTitle() const
{
    return tr("Expected final score after each decision");
}

QString CoachTexts::turnAxis() const { return tr("Turn"); }

QString CoachTexts::pointsAxis() const { return tr("Points"); }

QString CoachTexts::expectedSeries() const { return tr("Expected final score"); }

QString CoachTexts::scoreSeries(bool over) const
{
    return over ? tr("Final score") : tr("Score so far");
}

QString CoachTexts::chancesChartTitle() const { return tr("Chance of winning after each turn"); }

QString CoachTexts::chartShown() const { return tr("C&hart:"); }

QString CoachTexts::chancesAxis() const
{
    //: As the scoreboard's row of the chances of winning reads.
    return tr("Winning (%)");
}

QString CoachTexts::wonAt(const solver::TableCourse& course, std::size_t step, const QStringList& players) const
{
    const solver::CourseStep& made = course.steps[step];
    const std::size_t winner = *course.winner;
    //: %1 the turn's number, %2 whose turn it was, %3 the winner, %4 and %5 the winner's chance before and after.
    return tr("The game was won at turn %1, %2's: %3's chance of winning rose from %4 to %5.")
        .arg(QString::number(made.turn), players.value(made.seat), players.value(static_cast<int>(winner)),
             percent(course.steps[step - 1].chances[winner]), percent(made.chances[winner]));
}

QString CoachTexts::printFailed() const
{
    return tr("The analysis could not be printed.");
}

QString CoachTexts::aboutExpected() const
{
    return tr("What perfect play would score on average by the end of the game from here: the points already "
                "scored, plus those it can still expect.");
}

QString CoachTexts::aboutLoss() const
{
    return tr("What a choice costs in expected final score, against the best choice. A loss of 0 is a perfect "
                "choice.");
}

QString CoachTexts::aboutAssisted() const
{
    return tr("A game played with a hint, the coach window, an undo or the cheat mode does not enter the high "
                "scores.");
}

QString CoachTexts::aboutWinning() const
{
    return tr("Your chance of winning after the action, playing perfectly from there, against the others as they "
              "play.");
}

QString CoachTexts::aboutSummary() const
{
    return aboutLoss() + " " +
           tr("The perfect decisions are the share of decisions that lost nothing.");
}

QString CoachTexts::whoseGame() const { return tr("&Game of:"); }

} // namespace daxo
