#include "end_of_game.h"

#include <QEvent>
#include <QWidget>

namespace daxo {

EndOfGame::EndOfGame(Steps steps, QObject* parent)
    : QObject(parent)
    , steps_(std::move(steps))
{
    patience_.setSingleShot(true);
    patience_.setInterval(kPatienceMs);
    connect(&patience_, &QTimer::timeout, this, [this] {
        waitingForRank_ = false;
        showNext();
    });
}

// What the game before left open is stale now: the new game's windows
// take its place.
void EndOfGame::finished(bool offerAnalysis)
{
    if (shown_) {
        shown_->removeEventFilter(this);
        shown_->close();
        shown_.clear();
    }
    offerWanted_ = offerAnalysis;
    if (rankHeld_) { // a table's game is kept before its question
        rankHeld_ = false;
        waitingForRank_ = false;
        showNext();
        return;
    }
    finishedTold_ = true;
    nameWanted_ = false;
    waitingForRank_ = true;
    patience_.start();
}

// Nothing shows before the game's own question was answered.
void EndOfGame::ranked(bool entersHighScores)
{
    nameWanted_ = entersHighScores;
    if (!finishedTold_) {
        rankHeld_ = true;
        return;
    }
    finishedTold_ = false;
    waitingForRank_ = false;
    patience_.stop();
    showNext();
}

void EndOfGame::showNext()
{
    if (shown_ && shown_->isVisible())
        return;
    if (nameWanted_) {
        if (QWidget* name = steps_.name()) {
            show(name);
            return;
        }
        nameWanted_ = false;
    }
    if (offerWanted_ && !waitingForRank_) {
        offerWanted_ = false;
        show(steps_.offer());
    }
}

void EndOfGame::show(QWidget* window)
{
    shown_ = window;
    if (window)
        window->installEventFilter(this);
}

// The window shown went: the next one comes.
bool EndOfGame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == shown_ && event->type() == QEvent::Hide) {
        shown_->removeEventFilter(this);
        shown_.clear();
        QMetaObject::invokeMethod(this, &EndOfGame::showNext, Qt::QueuedConnection);
    }
    return false;
}

} // namespace daxo
