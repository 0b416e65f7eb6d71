#include "coach_guide.h"

#include "widgets/fonts.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace daxo {
namespace {

QString wrapped(const char* tag, const QString& text)
{
    return QString("<%1>%2</%1>").arg(QString::fromUtf8(tag), text);
}

} // namespace

QString coachGuideText()
{
    // A piece of the page each, so that a translation can follow it part by part.
    const QString pieces[] = {
        wrapped("h3", CoachGuide::tr("The coach")),
        wrapped("p", CoachGuide::tr("Daxo knows perfect play exactly: from any position, the points that playing as well as can be would score on average by the end of the game. From that it tells what each choice costs.")),
        wrapped("h4", CoachGuide::tr("Hint (Ctrl+H)")),
        wrapped("p", CoachGuide::tr("Help &gt; Hint marks the best action on the board: the Go button, the dice to keep, or the box to score. It only points; the hold boxes stay as you left them.")),
        wrapped("h4", CoachGuide::tr("The coach window")),
        wrapped("p", CoachGuide::tr("<b>Expected final score</b>: what perfect play would score on average by the end of the game from where your game stands, the points already on your sheet included.")),
        wrapped("p", CoachGuide::tr("<b>Best actions</b>: what can be done now, best first, each with the expected final score it leads to and its <b>loss</b>: what it costs against the best action, in expected final score. A loss of 0 is a perfect choice.")),
        wrapped("p", CoachGuide::tr("<b>Last choice</b>: what your last decision cost. A choice that cost 0.2 points or more is pointed out, with the best one beside it.")),
        wrapped("h4", CoachGuide::tr("Game analysis")),
        wrapped("p", CoachGuide::tr("Every decision of a game with what it cost: which dice to keep and which box to score (a turn's first throw is no choice). The <b>total loss</b> is what your game cost against perfect play; the loss <b>per decision</b> is its mean; the <b>perfect decisions</b> are the share of decisions that lost nothing. The chart follows the expected final score after each decision.")),
        wrapped("h4", CoachGuide::tr("Assisted game")),
        wrapped("p", CoachGuide::tr("A game in which you asked for a hint, had the coach window show you its best actions, or took back a box is an <b>assisted game</b>: it is kept in the history and counted in the statistics, but it does not enter the high scores, which are for games no one helped.")),
        wrapped("h4", CoachGuide::tr("Cheat mode")),
        wrapped("p", CoachGuide::tr("In a game touched by the cheat mode the coach judges nothing.")),
    };
    QString page;
    for (const QString& piece : pieces)
        page += piece;
    return page;
}

CoachGuide::CoachGuide(QWidget& board)
    : SecondaryWindow(board, "Guide", QSize(460, 520), QSize(320, 300), Keyboard::Leaves)
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
    text_->setHtml(coachGuideText());
    text_->setAccessibleName(windowTitle());
}

} // namespace daxo
