#include "computer_turns.h"

#include "seating.h"
#include "table_texts.h"
#include "game/game.h"
#include "game/number_text.h"
#include "widgets/announcer.h"
#include "widgets/box_names.h"
#include "widgets/strategy_source.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QWidget>
#include <algorithm>
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

// What a seat's last turn came to: the dice it kept after each throw,
// and the box it scored, as its cell was left.
struct LastTurn {
    std::vector<std::vector<int>> keptAfterEachThrow;
    std::optional<ScoreEvent> box;
};

LastTurn lastTurnOf(const GameRecord& record)
{
    LastTurn turn;
    auto event = record.events().rbegin();
    for (; event != record.events().rend() && !turn.box; ++event) {
        if (const auto* scored = std::get_if<ScoreEvent>(&*event))
            turn.box = *scored;
    }
    for (; event != record.events().rend(); ++event) {
        if (std::holds_alternative<ScoreEvent>(*event) || std::holds_alternative<NewGameEvent>(*event))
            break;
        const auto* thrown = std::get_if<ThrowEvent>(&*event);
        if (!thrown || thrown->throwNumber < 2)
            continue;
        std::vector<int> kept;
        for (std::size_t die = 0; die < thrown->held.size(); ++die) {
            if (thrown->held[die])
                kept.push_back(static_cast<int>(readNumber(thrown->dice[die])));
        }
        turn.keptAfterEachThrow.insert(turn.keptAfterEachThrow.begin(), kept);
    }
    return turn;
}

bool isModifier(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock: return true;
    default: return false;
    }
}

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel: return true;
    default: return false;
    }
}

bool isPress(QEvent::Type type)
{
    return type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
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
    clock_.start();
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

QString ComputerTurns::nameOf(int seat) const
{
    return TableTexts(game_.languageCode()).seatNames(seating_.seats()).value(seat);
}

// A computer's box passes the board on: the box is told before whose
// turn it is now; a turn played out at once is told whole.
QString ComputerTurns::boxJustScored()
{
    const std::optional<int> seat = std::exchange(scoringSeat_, std::nullopt);
    const Table* table = seating_.table();
    if (!seat || !table)
        return {};
    const LastTurn turn = lastTurnOf(table->recordOf(*seat));
    if (!turn.box)
        return {};
    const TableTexts texts(game_.languageCode());
    const QString box = BoxNames(game_.languageCode()).theBox(turn.box->box);
    const int points = static_cast<int>(readNumber(turn.box->score));
    return sayingPace() == Pace::Instant ? texts.turnSummary(nameOf(*seat), turn.keptAfterEachThrow, box, points)
                                         : texts.scored(nameOf(*seat), box, points);
}

void ComputerTurns::passed(int seat)
{
    timer_.stop();
    const Table* table = seating_.table();
    if (table && table->over())
        return; // the end says it all
    const QString box = boxJustScored();
    hurried_ = false; // the next turn goes at the pace again
    lock(seating_.computerInPlay());
    say((box.isEmpty() ? QString() : box + ' ') + TableTexts(game_.languageCode()).turnOf(nameOf(seat)), pace_);
    schedule();
}

// The last box is said as every step is, then the winners; the game's own
// question, which takes the focus, comes only once they were heard.
void ComputerTurns::ended(const std::vector<int>& places)
{
    timer_.stop();
    const Table* table = seating_.table();
    if (!table) {
        lock(false);
        return;
    }
    const QString box = boxJustScored();
    if (!box.isEmpty()) {
        say(box, sayingPace());
        waitUntilSaid();
    }
    const QStringList names = TableTexts(game_.languageCode()).seatNames(seating_.seats());
    QStringList first;
    int total = 0;
    for (std::size_t seat = 0; seat < places.size(); ++seat) {
        if (places[seat] == 1) {
            first << names.value(static_cast<int>(seat));
            total = summarize(table->recordOf(static_cast<int>(seat))).total;
        }
    }
    say(TableTexts(game_.languageCode()).winners(first, total), Pace::Instant);
    waitUntilSaid();
    hurried_ = false;
    lock(false);
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
    timer_.start(hurried_ ? 0 : std::max<qint64>(0, saidBy_ - clock_.elapsed()));
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
    const std::optional<Table::Step> done = table->playComputerStep(*strategy, strategies_.openings());
    scoringSeat_.reset();
    // A turn played out at once is said whole with its box.
    if (done && done->kind != Table::Step::Kind::Score && sayingPace() != Pace::Instant) {
        const TableTexts texts(game_.languageCode());
        const QString name = nameOf(done->seat);
        say(done->kind == Table::Step::Kind::Throw ? texts.threw(name, facesOf(game_.dice()))
                                                   : texts.kept(name, facesOf(game_.dice()), done->held),
            pace_);
    }
    schedule();
}

void ComputerTurns::say(const QString& news, Pace pace)
{
    announcer_->announce(news);
    const auto pause = newsPause(pace, static_cast<std::size_t>(news.size()), QAccessible::isActive());
    saidBy_ = clock_.elapsed() + pause.count();
    Q_EMIT announced(news);
}

void ComputerTurns::waitUntilSaid()
{
    const qint64 left = saidBy_ - clock_.elapsed();
    if (left <= 0 || hurried_)
        return;
    QEventLoop loop;
    QTimer::singleShot(left, &loop, &QEventLoop::quit);
    waiting_ = &loop;
    loop.exec();
    waiting_ = nullptr;
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

bool ComputerTurns::isMenuKey(const QKeyEvent& key) const
{
    const QKeySequence pressed(key.keyCombination());
    const QList<QAction*> actions = board_.actions();
    if (std::ranges::any_of(actions, [&](const QAction* action) {
            return action->isEnabled() && action->shortcuts().contains(pressed);
        }))
        return true;
    const auto* menuBar = board_.findChild<QMenuBar*>();
    return menuBar && std::ranges::any_of(menuBar->actions(), [&](const QAction* menu) {
               return QKeySequence::mnemonic(menu->text()) == pressed;
           });
}

bool ComputerTurns::passesThrough(QObject* watched, QEvent* event) const
{
    for (const QObject* part = watched; part; part = part->parent()) {
        if (qobject_cast<const QMenuBar*>(part))
            return true;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride &&
        event->type() != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return isModifier(key->key()) || isMenuKey(*key);
}

// Input to the board in a computer's turn hurries it and goes no further;
// the menu, and the keys that reach it, work as always. While the end's
// news is said, a key or a click anywhere cuts it short.
bool ComputerTurns::eventFilter(QObject* watched, QEvent* event)
{
    if (!isInput(event->type()) || !qobject_cast<QWidget*>(watched))
        return false;
    if (waiting_) {
        const bool modifier = event->type() == QEvent::KeyPress && isModifier(static_cast<QKeyEvent*>(event)->key());
        if (isPress(event->type()) && !modifier) {
            hurried_ = true;
            waiting_->quit();
        }
        event->accept();
        return true;
    }
    if (!locked_ || !onBoard(watched) || passesThrough(watched, event))
        return false;
    if (isPress(event->type()))
        hurry();
    event->accept(); // no shortcut either
    return true;
}

} // namespace daxo
