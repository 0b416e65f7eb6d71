#include "coach_guide.h"

#include "widgets/fonts.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace daxo {

QString coachGuideText(bool english)
{
    if (english)
        return QString::fromUtf8(
            "<h3>The coach</h3>"
            "<p>Daxo knows perfect play exactly: from any position, the points that playing as well as can be "
            "would score on average by the end of the game. From that it tells what each choice costs.</p>"
            "<h4>Hint (Ctrl+H)</h4>"
            "<p>Help &gt; Hint marks the best action on the board: the Go button, the dice to keep, or the box "
            "to score. It only points; the hold boxes stay as you left them.</p>"
            "<h4>The coach window</h4>"
            "<p><b>Expected final score</b>: what perfect play would score on average by the end of the game "
            "from where your game stands, the points already on your sheet included.</p>"
            "<p><b>Best actions</b>: what can be done now, best first, each with the expected final score it "
            "leads to and its <b>loss</b>: what it costs against the best action, in expected final score. A "
            "loss of 0 is a perfect choice.</p>"
            "<p><b>Last choice</b>: what your last decision cost. A choice that cost 0.2 points or more is "
            "pointed out, with the best one beside it.</p>"
            "<h4>Game analysis</h4>"
            "<p>Every decision of a game with what it cost: which dice to keep and which box to score (a "
            "turn's first throw is no choice). The <b>total loss</b> is what your game cost against perfect "
            "play; the loss <b>per decision</b> is its mean; the <b>perfect decisions</b> are the share of "
            "decisions that lost nothing. The chart follows the expected final score after each decision.</p>"
            "<h4>Assisted game</h4>"
            "<p>A game in which you asked for a hint, had the coach window show you its best actions, or took "
            "back a box is an <b>assisted game</b>: it is kept in the history and counted in the statistics, "
            "but it does not enter the high scores, which are for games no one helped.</p>"
            "<h4>Cheat mode</h4>"
            "<p>In a game touched by the cheat mode the coach judges nothing.</p>");
    return QString::fromUtf8(
        "<h3>L'entraîneur</h3>"
        "<p>Daxo connaît exactement le jeu parfait\u00a0: depuis n'importe quelle position, les points que le "
        "meilleur jeu possible marquerait en moyenne d'ici la fin de la partie. Il en tire ce que coûte chaque "
        "choix.</p>"
        "<h4>Conseil (Ctrl+H)</h4>"
        "<p>Aide &gt; Conseil marque la meilleure action sur le plateau\u00a0: le bouton Go, les dés à garder ou "
        "la case à marquer. Il ne fait que montrer\u00a0; les cases à cocher restent comme vous les avez "
        "laissées.</p>"
        "<h4>La fenêtre de l'entraîneur</h4>"
        "<p><b>Score final attendu</b>\u00a0: ce que le jeu parfait marquerait en moyenne à la fin de la partie "
        "en partant d'où en est votre partie, les points déjà sur votre feuille compris.</p>"
        "<p><b>Meilleures actions</b>\u00a0: ce qui peut se faire maintenant, la meilleure d'abord, chacune avec le "
        "score final attendu auquel elle mène et sa <b>perte</b>\u00a0: ce qu'elle coûte par rapport à la "
        "meilleure action, en score final attendu. Une perte de 0 est un choix parfait.</p>"
        "<p><b>Dernier choix</b>\u00a0: ce qu'a coûté votre dernière décision. Un choix qui a coûté 0,2 point ou "
        "plus est signalé, avec le meilleur à côté.</p>"
        "<h4>Analyse de la partie</h4>"
        "<p>Chaque décision d'une partie avec ce qu'elle a coûté\u00a0: les dés à garder et la case à marquer (le "
        "premier jet d'un tour n'est pas un choix). La <b>perte totale</b> est ce que votre partie a coûté par "
        "rapport au jeu parfait\u00a0; la perte <b>par décision</b> en est la moyenne\u00a0; les <b>décisions "
        "parfaites</b> sont la part des décisions qui n'ont rien perdu. Le graphique suit le score final attendu "
        "après chaque décision.</p>"
        "<h4>Partie assistée</h4>"
        "<p>Une partie où vous avez demandé un conseil, où la fenêtre de l'entraîneur vous a montré ses "
        "meilleures actions, ou où vous avez repris une case est une <b>partie assistée</b>\u00a0: elle est "
        "gardée dans l'historique et comptée dans les statistiques, mais n'entre pas au tableau des meilleurs "
        "scores, qui est pour les parties que personne n'a aidées.</p>"
        "<h4>Triche</h4>"
        "<p>Dans une partie touchée par la triche, l'entraîneur ne juge rien.</p>");
}

CoachGuide::CoachGuide(QWidget& board, std::function<bool()> english)
    : SecondaryWindow(board, "Guide", QSize(460, 520), QSize(320, 300), Keyboard::Leaves)
    , english_(std::move(english))
{
    setWindowTitle(QString::fromUtf8("Guide de l'entraîneur"));
    setFont(sansFont(8.25));
    auto* layout = new QVBoxLayout(this);
    text_ = new QTextBrowser;
    text_->setObjectName("Texte");
    text_->setOpenLinks(false);
    layout->addWidget(text_);
    addButtonRow(*layout);
    retranslate();
}

void CoachGuide::retranslate()
{
    text_->setHtml(coachGuideText(english_()));
    text_->setAccessibleName(windowTitle());
}

} // namespace daxo
