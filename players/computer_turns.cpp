#include "computer_turns.h"

#include "seating.h"
#include "table_texts.h"
#include "game/game.h"
#include "game/number_text.h"
#include "widgets/announcer.h"
#include "widgets/box_names.h"
#include "widgets/strategy_source.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

namespace daxo {
namespace {

std::array<int, 5> facesOf(const Dice& dice)
{
    std::array<int, 5> faces{};
    for (std::size_t die = 0; die < faces.size(); ++die)
        faces[die] = static_cast<int>(readNumber(dice[die]));
    return faces;
}

// A seat's last box, as its cell was left.
std::optional<ScoreEvent> lastBox(const GameRecord& record)
{
    for (auto event = record.events().rbegin(); event != record.events().rend(); ++event) {
        if (const auto* scored = std::get_if<ScoreEvent>(&*event))
            return *scored;
    }
    return std::nullopt;
}

} // namespace

ComputerTurns::ComputerTurns(Game& game, Seating& seating, StrategySource& strategies, QWidget& board, QObject* parent)
    : QObject(parent)
    , game_(game)
    , seating_(seating)
    , strategies_(strategies)
    , board_(board)
    , announcer_(new Announcer(board, this))
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ComputerTurns::step);
    connect(&seating_, &Seating::passed, this, &ComputerTurns::passed);
    connect(&seating_, &Seating::ended, this, &ComputerTurns::ended);
    connect(&seating_, &Seating::tableChanged, this, [this] {
        timer_.stop();
        lock(seating_.computerInPlay());
    });
    connect(&strategies_, &StrategySource::ready, this, &ComputerTurns::schedule);
    qApp->installEventFilter(this);
}

ComputerTurns::~ComputerTurns() { qApp->removeEventFilter(this); }

void ComputerTurns::setPace(Pace pace) { pace_ = pace; }

bool ComputerTurns::english() const { return speaksEnglish(game_.languageCode()); }

QString ComputerTurns::nameOf(int seat) const
{
    return TableTexts(english()).seatNames(seating_.seats()).value(seat);
}

// A computer's box passes the board on: the box is told before whose
// turn it is now.
QString ComputerTurns::boxJustScored()
{
    const std::optional<int> seat = std::exchange(scoringSeat_, std::nullopt);
    const Table* table = seating_.table();
    if (!seat || !table)
        return {};
    const std::optional<ScoreEvent> box = lastBox(table->recordOf(*seat));
    if (!box)
        return {};
    return TableTexts(english()).scored(nameOf(*seat), theBox(box->box, english()),
                                        static_cast<int>(readNumber(box->score))) +
           ' ';
}

void ComputerTurns::passed(int seat)
{
    hurried_ = false;
    timer_.stop();
    lock(seating_.computerInPlay());
    announce(boxJustScored() + TableTexts(english()).turnOf(nameOf(seat)));
    schedule();
}

void ComputerTurns::ended(const std::vector<int>& places)
{
    timer_.stop();
    lock(false);
    const Table* table = seating_.table();
    if (!table)
        return;
    const QStringList names = TableTexts(english()).seatNames(seating_.seats());
    QStringList first;
    int total = 0;
    for (std::size_t seat = 0; seat < places.size(); ++seat) {
        if (places[seat] == 1) {
            first << names.value(static_cast<int>(seat));
            total = summarize(table->recordOf(static_cast<int>(seat))).total;
        }
    }
    announce(boxJustScored() + TableTexts(english()).winners(first, total));
}

void ComputerTurns::hurry()
{
    if (!seating_.computerInPlay())
        return;
    hurried_ = true;
    timer_.start(0);
}

void ComputerTurns::schedule()
{
    if (!seating_.computerInPlay() || timer_.isActive())
        return;
    if (!strategies_.strategy()) {
        strategies_.request(); // ready() schedules again
        return;
    }
    timer_.start(hurried_ ? std::chrono::milliseconds(0) : stepPause(pace_));
}

void ComputerTurns::step()
{
    Table* table = seating_.table();
    const solver::Strategy* strategy = strategies_.strategy();
    if (!table || !strategy)
        return;
    // A box scored passes the board on, or ends the game: the news of
    // the pass, or of the end, tells it first.
    scoringSeat_ = table->seatInPlay();
    const std::optional<Table::Step> done = table->playComputerStep(*strategy);
    scoringSeat_.reset();
    if (done && done->kind != Table::Step::Kind::Score) {
        const TableTexts texts(english());
        const QString name = nameOf(done->seat);
        announce(done->kind == Table::Step::Kind::Throw ? texts.threw(name, facesOf(game_.dice()))
                                                        : texts.kept(name, facesOf(game_.dice()), done->held));
    }
    schedule();
}

void ComputerTurns::announce(const QString& news)
{
    announcer_->announce(news);
    Q_EMIT announced(news);
}

void ComputerTurns::lock(bool locked)
{
    if (locked == locked_)
        return;
    locked_ = locked;
    Q_EMIT boardLocked(locked);
}

bool ComputerTurns::onBoard(QObject* watched) const
{
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget && widget->window() == &board_;
}

// Input to the board in a computer's turn hurries it and goes no further;
// undo passes while it can take back the box that ended a human's turn.
bool ComputerTurns::eventFilter(QObject* watched, QEvent* event)
{
    if (!locked_ || !onBoard(watched))
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) && game_.canUndo())
            return false;
        if (event->type() == QEvent::KeyPress)
            hurry();
        event->accept(); // no shortcut either
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        hurry();
        return true;
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace daxo
