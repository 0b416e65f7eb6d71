#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class QWidget;

namespace daxo {

// The windows that follow the game's own end-of-game question, one after
// the other and never one over another: first the names of new high scores
// (one for each human of a table who made one), then the offer of the
// game's analysis. Whether the game entered
// the high scores is known once the history has kept it; the offer waits
// for that a moment, then comes first rather than keep the player waiting.
class EndOfGame final : public QObject {
    Q_OBJECT
public:
    // Each shows its window and returns it; `name` nothing once no name is
    // left to take.
    struct Steps {
        std::function<QWidget*()> name;  // `Bravo`
        std::function<QWidget*()> offer; // `Fin`
    };
    explicit EndOfGame(Steps steps, QObject* parent = nullptr);

    // A game was finished, its question answered; its analysis is to be
    // offered or not.
    void finished(bool offerAnalysis);
    // The history has kept it: whether it asks for names. A table's game is
    // kept before its question: what it brought waits for the answer.
    void ranked(bool entersHighScores);

    // How long the offer waits for the history.
    static constexpr int kPatienceMs = 500;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showNext();
    void show(QWidget* window);

    Steps steps_;
    QTimer patience_;
    QPointer<QWidget> shown_;
    bool waitingForRank_ = false;
    bool finishedTold_ = false; // and no rank since
    bool rankHeld_ = false;     // told before the game was finished
    bool nameWanted_ = false;
    bool offerWanted_ = false;
};

} // namespace daxo
