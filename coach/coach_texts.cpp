#include "coach_texts.h"

#include "widgets/box_names.h"

#include <QLocale>

namespace daxo {

QString CoachTexts::points(double value, int decimals) const
{
    return QLocale(english_ ? QLocale::English : QLocale::French).toString(value, 'f', decimals);
}

QString CoachTexts::dice(const solver::FaceCounts& dice) const
{
    QStringList faces;
    for (int f = 0; f < solver::kFaces; ++f) {
        for (int n = 0; n < dice[static_cast<std::size_t>(f)]; ++n)
            faces << QString::number(f + 1);
    }
    return faces.join(' ');
}

QString CoachTexts::diceShown(const solver::FaceCounts& shown) const
{
    const QString faces = dice(shown);
    return faces.isEmpty() ? QString::fromUtf8("—") : faces;
}

QString CoachTexts::action(const solver::Action& action) const
{
    switch (action.kind) {
    case solver::Action::Kind::Throw:
        return QString::fromUtf8(pick("Lancer les dés", "Throw the dice"));
    case solver::Action::Kind::Score:
        return QString::fromUtf8(pick("Marquer %1", "Score %1")).arg(boxName(solver::buttonOf(action.box), english_));
    case solver::Action::Kind::Keep:
        break;
    }
    const QString kept = dice(action.kept);
    if (kept.isEmpty())
        return QString::fromUtf8(pick("Relancer les cinq dés", "Throw all five again"));
    return QString::fromUtf8(pick("Garder %1", "Keep %1")).arg(kept);
}

QString CoachTexts::throwNumber(int throwsMade) const
{
    return throwsMade == 0 ? QString::fromUtf8(pick("avant", "before")) : QString::number(throwsMade);
}

QString CoachTexts::working(double done) const
{
    return QString::fromUtf8(pick("L'entraîneur calcule le jeu parfait : %1 %", "The coach is working out perfect play: %1%"))
        .arg(static_cast<int>(done * 100));
}

QString CoachTexts::cannotJudge() const
{
    return QString::fromUtf8(pick("La triche a touché cette partie : l'entraîneur ne peut pas la juger.",
                                  "The cheat mode touched this game: the coach cannot judge it."));
}

QString CoachTexts::expected(double final) const
{
    return QString::fromUtf8(pick("Score final attendu : %1", "Expected final score: %1")).arg(points(final));
}

QString CoachTexts::gameOver(int score) const
{
    return QString::fromUtf8(pick("Partie finie : %1 points.", "Game over: %1 points.")).arg(score);
}

QString CoachTexts::noChoiceYet() const
{
    return QString::fromUtf8(pick("Aucun choix à juger pour l'instant.", "No choice to judge yet."));
}

QString CoachTexts::verdict(const solver::JudgedDecision& decision) const
{
    const QString chosen = action(decision.chosen);
    if (decision.chosen.loss <= solver::kNoLoss)
        return QString::fromUtf8(pick("Dernier choix : %1, parfait.", "Last choice: %1, perfect.")).arg(chosen);
    const QString loss = points(decision.chosen.loss);
    if (isCostly(decision.chosen.loss))
        return QString::fromUtf8(pick("⚠ Dernier choix : %1, perte %2 ; le meilleur était : %3.",
                                      "⚠ Last choice: %1, loss %2; the best was: %3."))
            .arg(chosen, loss, action(decision.best));
    return QString::fromUtf8(pick("Dernier choix : %1, perte %2.", "Last choice: %1, loss %2.")).arg(chosen, loss);
}

QString CoachTexts::summary(const solver::Judgement& judgement) const
{
    return QString::fromUtf8(pick("Score : %1 points (jeu parfait : %2 attendus). Perte totale : %3 ; "
                                  "par décision : %4 ; décisions parfaites : %5 %.",
                                  "Score: %1 points (perfect play: %2 expected). Total loss: %3; "
                                  "per decision: %4; perfect decisions: %5%."))
        .arg(judgement.now.scored)
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
    return QString::fromUtf8(pick("Score final attendu après chaque décision", "Expected final score after each decision"));
}

QString CoachTexts::turnAxis() const { return QString::fromUtf8(pick("Tour", "Turn")); }

QString CoachTexts::pointsAxis() const { return QString::fromUtf8(pick("Points", "Points")); }

QString CoachTexts::expectedSeries() const { return QString::fromUtf8(pick("Attendu", "Expected")); }

QString CoachTexts::finalSeries() const { return QString::fromUtf8(pick("Score final", "Final score")); }

QString CoachTexts::printFailed() const
{
    return QString::fromUtf8(pick("L'analyse n'a pas pu être imprimée.", "The analysis could not be printed."));
}

} // namespace daxo
