#include "coach.h"

#include "solver/strategy.h"
#include "solver/win_chances.h"
#include "widgets/box_names.h"
#include "widgets/strategy_source.h"
#include "widgets/winning_odds.h"

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

void Coach::setOdds(WinningOdds& odds)
{
    odds_ = &odds;
    connect(odds_, &WinningOdds::ready, this, &Coach::oddsReady);
}

void Coach::boardPassed()
{
    hintWaitsForOdds_ = false;
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

bool Coach::weighsOdds() const
{
    return odds_ && servesPlayerInPlay() && judgement_ && judgement_->now.throwsMade > 0 && !touchedByCheat();
}

const std::vector<double>* Coach::chancesNow() const
{
    if (!weighsOdds())
        return nullptr;
    const std::vector<double>* chances = odds_->actionChances(judgement_->now);
    return chances && chances->size() == actionsNow().size() ? chances : nullptr;
}

std::size_t Coach::toWin() const
{
    const std::vector<double>* chances = chancesNow();
    return chances ? solver::bestChance(*chances) : 0;
}

bool Coach::oddsComing() const { return weighsOdds() && !chancesNow() && odds_->actionsComing(); }

void Coach::askOdds()
{
    if (odds_ && (watched_ || hintWaitsForOdds_) && weighsOdds())
        odds_->request();
}

void Coach::oddsReady()
{
    Q_EMIT changed();
    if (hintWaitsForOdds_) {
        hintWaitsForOdds_ = false;
        showHint();
    }
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
    hintWaitsForOdds_ = false;
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
    askOdds();
    Q_EMIT changed();
    noteWatching();
}

// At a table, the action with the best chance of winning, once the odds
// of the point in play are known (within milliseconds, mostly); else, or
// alone at the board, the best expected score.
void Coach::showHint()
{
    const std::vector<solver::Action> actions = actionsNow();
    if (actions.empty())
        return;
    if (weighsOdds() && !chancesNow()) {
        hintWaitsForOdds_ = true;
        odds_->request();
        if (odds_->actionsComing())
            return;
        hintWaitsForOdds_ = false;
    }
    mark(actions[toWin()]);
}

// The action, on the controls that take it: the throw button, the dice to
// keep (the first ones showing the faces to keep), or the box to score.
void Coach::mark(const solver::Action& action)
{
    switch (action.kind) {
    case solver::Action::Kind::Throw:
        marks_.markThrow();
        break;
    case solver::Action::Kind::Score:
        marks_.markBox(solver::buttonOf(action.box));
        break;
    case solver::Action::Kind::Keep: {
        solver::FaceCounts left = action.kept;
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
