#include "coach.h"

#include "solver/strategy.h"
#include "widgets/box_names.h"
#include "widgets/strategy_source.h"

namespace daxo {

Coach::Coach(Game& game, StrategySource& source, BoardMarks& marks, QObject* parent)
    : QObject(parent)
    , game_(game)
    , source_(source)
    , marks_(marks)
{
    connect(&source_, &StrategySource::ready, this, &Coach::tableReady);
    connect(&source_, &StrategySource::progressed, this, &Coach::changed);
    game_.addListener(*this);
    rejudge();
}

Coach::~Coach() { game_.removeListener(*this); }

void Coach::wakeUp() { source_.request(); }

void Coach::setWatched(bool watched)
{
    watched_ = watched;
    if (watched)
        wakeUp();
    noteWatching();
}

// Before a turn's first throw the window shows the throw alone: no choice
// is ranked there.
bool Coach::showsBestActions() const
{
    return watched_ && servesPlayerInPlay() && !touchedByCheat() && judgement_ && judgement_->now.throwsMade > 0 && !actionsNow().empty();
}

// Noted after the change that showed the actions has run its course: the
// record is not to grow while its listeners are still hearing of it.
void Coach::noteWatching()
{
    if (!showsBestActions())
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (showsBestActions())
                game_.noteCoachWindow();
        },
        Qt::QueuedConnection);
}

void Coach::setServing(std::function<bool()> servesPlayerInPlay) { serves_ = std::move(servesPlayerInPlay); }

void Coach::boardPassed()
{
    if (!hintWaiting_)
        return;
    hintWaiting_ = false;
    Q_EMIT hintWaitingChanged(false);
}

void Coach::askForHint()
{
    if (!servesPlayerInPlay())
        return;
    game_.noteHint();
    if (source_.strategy()) {
        showHint();
        return;
    }
    source_.request();
    hintWaiting_ = true;
    Q_EMIT hintWaitingChanged(true);
}

std::vector<solver::Action> Coach::actionsNow() const
{
    const solver::Strategy* strategy = source_.strategy();
    if (!strategy || !judgement_ || !judgement_->judged)
        return {};
    std::vector<solver::Action> actions = solver::actionsAt(judgement_->now, *strategy);
    if (judgement_->now.throwsMade == 0 && !actions.empty() && actions.front().kind == solver::Action::Kind::Throw)
        actions.resize(1);
    return actions;
}

GameRecord Coach::gameToAnalyse() const
{
    const bool begun = game_.record().events().size() > 1;
    return begun || !finished_ ? game_.record() : *finished_;
}

void Coach::tableReady()
{
    rejudge();
    if (hintWaiting_) {
        hintWaiting_ = false;
        showHint();
        Q_EMIT hintWaitingChanged(false);
    }
}

// The next decision takes the hint's marks away.
void Coach::recordChanged(const GameRecord&)
{
    if (marked_) {
        marks_.clearMarks();
        marked_ = false;
    }
    rejudge();
}

void Coach::gameFinished(const GameRecord& finished)
{
    finished_ = finished;
}

void Coach::captionChanged(Label label, const std::string&)
{
    if (label == Label::Label20)
        Q_EMIT changed();
}

void Coach::rejudge()
{
    if (const solver::Strategy* strategy = source_.strategy())
        judgement_ = solver::judge(game_.record(), *strategy);
    Q_EMIT changed();
    noteWatching();
}

// The best action, on the controls that take it: the throw button, the dice
// to keep (the first ones showing the faces to keep), or the box to score.
void Coach::showHint()
{
    const std::vector<solver::Action> actions = actionsNow();
    if (actions.empty())
        return;
    const solver::Action& best = actions.front();
    switch (best.kind) {
    case solver::Action::Kind::Throw:
        marks_.markThrow();
        break;
    case solver::Action::Kind::Score:
        marks_.markBox(solver::buttonOf(best.box));
        break;
    case solver::Action::Kind::Keep: {
        solver::FaceCounts left = best.kept;
        std::array<bool, 5> keep{};
        const Dice dice = game_.dice();
        for (std::size_t die = 0; die < keep.size(); ++die) {
            const int face = dice[die].size() == 1 ? dice[die][0] - '0' : 0;
            auto& wanted = left[static_cast<std::size_t>(std::clamp(face, 1, 6) - 1)];
            if (face >= 1 && face <= 6 && wanted > 0) {
                --wanted;
                keep[die] = true;
            }
        }
        // Keeping none is throwing them all: the throw button says it.
        if (std::find(keep.begin(), keep.end(), true) == keep.end())
            marks_.markThrow();
        else
            marks_.markDice(keep);
        break;
    }
    }
    marked_ = true;
}

} // namespace daxo
