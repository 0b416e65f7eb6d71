#include "coach_texts.h"

#include "widgets/box_names.h"

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

QLocale CoachTexts::locale() const { return QLocale(english_ ? QLocale::English : QLocale::French); }

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
        return pick("Lancer les dés", "Throw the dice");
    case solver::Action::Kind::Score:
        return (english_ ? QString("Score %1") : QString("Marquer %1")).arg(theBox(solver::buttonOf(action.box), english_));
    case solver::Action::Kind::Keep:
        break;
    }
    const QStringList kept = facesOf(action.kept);
    if (kept.isEmpty())
        return pick("Relancer les cinq dés", "Throw all five again");
    return (kept.size() == 1 ? pick("Garder le %1", "Keep the %1") : pick("Garder les %1", "Keep the %1"))
        .arg(listed(kept, pick("et", "and")));
}

QString CoachTexts::throwNumber(int throwsMade) const
{
    return throwsMade == 0 ? pick("avant", "before") : QString::number(throwsMade);
}

QString CoachTexts::working(double done) const
{
    return pick("L'entraîneur calcule le jeu parfait\u00a0: %1\u00a0%", "The coach is working out perfect play: %1%")
        .arg(static_cast<int>(done * 100));
}

QString CoachTexts::cannotJudge() const
{
    return pick("La triche a touché cette partie\u00a0: l'entraîneur ne peut pas la juger.",
                "The cheat mode touched this game: the coach cannot judge it.");
}

QString CoachTexts::expected(double final) const
{
    return pick("Score final attendu\u00a0: %1", "Expected final score: %1").arg(points(final));
}

QString CoachTexts::gameOver(int score) const
{
    return pick("Partie finie\u00a0: %1 points", "Game over: %1 points").arg(score);
}

QString CoachTexts::toTheAnalysis() const
{
    return pick("L'analyse de la partie montre ce que chacune de vos décisions a coûté.",
                "The game analysis shows what each of your decisions cost.");
}

QString CoachTexts::noChoiceYet() const
{
    return pick("Aucun choix à juger pour l'instant.", "No choice to judge yet.");
}

QString CoachTexts::nothingToAnalyse() const
{
    return pick("Rien à analyser pour l'instant\u00a0: la partie n'a pas commencé.",
                "Nothing to analyse yet: the game has not begun.");
}

QString CoachTexts::verdict(const solver::JudgedDecision& decision) const
{
    const QString chosen = action(decision.chosen);
    if (decision.chosen.loss <= solver::kNoLoss)
        return pick("Dernier choix\u00a0: %1, parfait.", "Last choice: %1, perfect.").arg(chosen);
    const QString loss = points(decision.chosen.loss);
    if (isCostly(decision.chosen.loss))
        return pick("⚠ Dernier choix\u00a0: %1, perte %2\u00a0; le meilleur était\u00a0: %3.",
                    "⚠ Last choice: %1, a loss of %2; the best was: %3.")
            .arg(chosen, loss, action(decision.best));
    return pick("Dernier choix\u00a0: %1, perte %2.", "Last choice: %1, a loss of %2.").arg(chosen, loss);
}

QString CoachTexts::summary(const solver::Judgement& judgement) const
{
    return pick("Score\u00a0: %1 points (jeu parfait\u00a0: %2 attendus). Perte totale\u00a0: %3\u00a0; "
                "par décision\u00a0: %4\u00a0; décisions parfaites\u00a0: %5\u00a0%.",
                "Score: %1 points (perfect play: %2 expected). Total loss: %3; "
                "per decision: %4; perfect decisions: %5%.")
        .arg(locale().toString(judgement.now.scored))
        .arg(points(judgement.expectedAtStart), points(judgement.totalLoss), points(judgement.meanLoss()),
             points(judgement.perfectShare() * 100, 0));
}

QStringList CoachTexts::decisionHeaders() const
{
    if (english_)
        return {"Turn", "Throw", "Dice", "Choice", "Best choice", "Loss"};
    return {"Tour", "Jet", QString::fromUtf8("Dés"), "Choix", "Meilleur choix", "Perte"};
}

QStringList CoachTexts::actionHeaders() const
{
    if (english_)
        return {"Action", "Expected final score", "Loss"};
    return {"Action", "Score final attendu", "Perte"};
}

QString CoachTexts::chartTitle() const
{
    return pick("Score final attendu après chaque décision", "Expected final score after each decision");
}

QString CoachTexts::turnAxis() const { return pick("Tour", "Turn"); }

QString CoachTexts::pointsAxis() const { return pick("Points", "Points"); }

QString CoachTexts::expectedSeries() const { return pick("Score final attendu", "Expected final score"); }

QString CoachTexts::scoreSeries(bool over) const
{
    return over ? pick("Score final", "Final score") : pick("Score jusqu'ici", "Score so far");
}

QString CoachTexts::printFailed() const
{
    return pick("L'analyse n'a pas pu être imprimée.", "The analysis could not be printed.");
}

QString CoachTexts::aboutExpected() const
{
    return pick("Ce que le jeu parfait marquerait en moyenne à la fin de la partie en partant d'ici\u00a0: les "
                "points déjà marqués, plus ceux qu'il peut encore espérer.",
                "What perfect play would score on average by the end of the game from here: the points already "
                "scored, plus those it can still expect.");
}

QString CoachTexts::aboutLoss() const
{
    return pick("Ce qu'un choix coûte en score final attendu, par rapport au meilleur choix. Une perte de 0 est "
                "un choix parfait.",
                "What a choice costs in expected final score, against the best choice. A loss of 0 is a perfect "
                "choice.");
}

QString CoachTexts::aboutAssisted() const
{
    return pick("Une partie jouée avec un conseil, la fenêtre de l'entraîneur, une annulation ou la triche "
                "n'entre pas au tableau des meilleurs scores.",
                "A game played with a hint, the coach window, an undo or the cheat mode does not enter the high "
                "scores.");
}

QString CoachTexts::aboutSummary() const
{
    return aboutLoss() + " " +
           pick("Les décisions parfaites sont la part des décisions qui n'ont rien perdu.",
                "The perfect decisions are the share of decisions that lost nothing.");
}

QString CoachTexts::whoseGame() const { return pick("&Partie de\u00a0:", "&Game of:"); }

} // namespace daxo
