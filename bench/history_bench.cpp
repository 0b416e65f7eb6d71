// The history at any size, as the player meets it: files of 1,000, 10,000
// and 100,000 finished games, and the time and memory it takes to open the
// statistics and the high scores, what a box and a New game keep the board
// waiting with them open or closed, and with the file held by another
// program; and the first hint of a run, cold and with the solved table kept
// on disk.
//   history_bench [games...]

#include "coach/background_strategy_source.h"
#include "scores/high_scores_window.h"
#include "scores/history_keeper.h"
#include "scores/perfect_play_source.h"
#include "scores/statistics_window.h"
#include "storage/async_history.h"
#include "support/random_games.h"
#include "widgets/player_messages.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

namespace {

using namespace daxo;

// Tells nothing: the benchmark looks at time, not at messages.
class Silent final : public PlayerMessages {
public:
    Answer ask(const Question&) override { return Answer::No; }
    void inform(const QString&, const QString&) override {}
};

double residentMiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

double millisecondsSince(const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e6; }

// Runs the event loop until `done` holds; the time it took.
double until(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return millisecondsSince(clock);
}

// How long the board waits at most for an action and what follows it on
// its thread: the action itself, then each pass of the event loop until
// nothing has come for a while (the history's answers come from its
// thread).
double longestWait(const std::function<void()>& action)
{
    QElapsedTimer clock;
    clock.start();
    action();
    double longest = millisecondsSince(clock);
    QElapsedTimer quiet;
    quiet.start();
    while (quiet.elapsed() < 150) {
        clock.restart();
        if (QCoreApplication::instance()->thread()->eventDispatcher()->processEvents(QEventLoop::AllEvents))
            quiet.restart();
        longest = std::max(longest, millisecondsSince(clock));
        QThread::msleep(1);
    }
    return longest;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A history of `games` games: 2,000 played through the game and kept as the
// program keeps them, then copied at later starts up to the count, as SQL
// does it in a moment.
void fill(const QString& path, int games)
{
    const int played = std::min(games, 2000);
    {
        History history(path);
        test::RandomGames play(7, {.unfinished = 0.05, .hinted = 0.1, .undone = 0.02, .cheated = 0.01, .judged = 1});
        for (int game = 0; game < played; ++game)
            history.store(play.next(game));
    }
    {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "fill");
        database.setDatabaseName(path);
        database.open();
        QSqlQuery query(database);
        query.exec("BEGIN");
        for (int copy = 1; copy * played < games; ++copy) {
            query.exec(QString("INSERT INTO games (started, seed, number, stored, score, bonus, finished, assisted,"
                               " cheated, record, total_loss, mean_loss, player, b1, b2, b3, b4, b5, b6, b7, b8, b9,"
                               " b10, b11, b12) SELECT started + %1, seed + %1, number, stored, score, bonus, finished,"
                               " assisted, cheated, record, total_loss, mean_loss, player, b1, b2, b3, b4, b5, b6, b7,"
                               " b8, b9, b10, b11, b12 FROM games WHERE started < %2")
                           .arg(copy * 1000000)
                           .arg(std::min(played, games - copy * played)));
        }
        query.exec("COMMIT");
        query.exec("VACUUM");
    }
    QSqlDatabase::removeDatabase("fill");
}

struct Opening {
    double milliseconds;
    double moreMiB;
};

// The window shown on a history opened afresh, until its figures are in.
template <typename Window>
Opening openWindow(const QString& path, const std::function<Window*(AsyncHistory&)>& make,
                   const std::function<bool(Window&)>& shown)
{
    AsyncHistory history(path);
    const double before = residentMiB();
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<Window> window(make(history));
    window->show();
    until([&] { return shown(*window); });
    return {millisecondsSince(clock), residentMiB() - before};
}

// The longest wait of the board over a game played to its end, then New
// game.
double longestWaitOfAGame(Game& game)
{
    double longest = 0;
    for (int box = 2; box <= 13; ++box) {
        longest = std::max(longest, longestWait([&] { game.Command1_Click(); }));
        longest = std::max(longest, longestWait([&] { game.click(button(box)); }));
    }
    return std::max(longest, longestWait([&] { game.Nouveau_Click(); }));
}

void measureHistory(int games, StrategySource& strategies, PerfectPlaySource& perfect)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("history.sqlite");
    fill(path, games);
    const double perGame = static_cast<double>(QFileInfo(path).size()) / std::max(games, 1);

    QWidget board;
    Silent messages;
    test::AcceptingRefusals answers;
    RandomDiceSource dice(11);
    Game game(dice, answers);
    game.setCaption(Label::Label20, "F");

    // The database's own share: opening the file, and working out the
    // figures.
    QElapsedTimer clock;
    clock.start();
    std::optional<History> direct(std::in_place, path);
    const double opening = millisecondsSince(clock);
    std::vector<double> figures;
    for (int run = 0; run < 5; ++run) {
        clock.restart();
        direct->figures();
        figures.push_back(millisecondsSince(clock));
    }
    direct.reset();

    std::vector<double> statistics, highScores, statisticsMiB, highScoresMiB;
    for (int run = 0; run < 5; ++run) {
        const Opening s = openWindow<StatisticsWindow>(
            path, [&](AsyncHistory& history) { return new StatisticsWindow(board, game, history, perfect); },
            [](StatisticsWindow& window) { return !window.findChild<QLabel*>("Resume")->text().isEmpty(); });
        statistics.push_back(s.milliseconds);
        statisticsMiB.push_back(s.moreMiB);
        const Opening h = openWindow<HighScoresWindow>(
            path, [&](AsyncHistory& history) { return new HighScoresWindow(board, game, history); },
            [](HighScoresWindow& window) {
                return window.findChild<QTableWidget*>("Tableau")->rowCount() > 0 ||
                       !window.findChild<QLabel*>("Vide")->isHidden();
            });
        highScores.push_back(h.milliseconds);
        highScoresMiB.push_back(h.moreMiB);
    }

    HistoryKeeper keeper(game, messages, strategies, path, 3000);
    keeper.history().finish(60000);
    const double closed = longestWaitOfAGame(game);
    StatisticsWindow statisticsWindow(board, game, keeper.history(), perfect);
    HighScoresWindow highScoresWindow(board, game, keeper.history());
    statisticsWindow.show();
    highScoresWindow.show();
    longestWait([] {}); // their opening, measured above, is not the game's
    const double open = longestWaitOfAGame(game);

    QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
    holder.setDatabaseName(path);
    holder.open();
    QSqlQuery hold(holder);
    hold.exec("BEGIN EXCLUSIVE");
    const double locked = longestWaitOfAGame(game);
    hold.exec("COMMIT");
    hold = QSqlQuery();
    holder.close();
    holder = QSqlDatabase();
    QSqlDatabase::removeDatabase("holder");

    std::printf("| %d | %.0f B | %.0f ms | %.0f ms | %.0f ms | %.1f MiB | %.0f ms | %.1f MiB | %.1f ms | %.1f ms |"
                " %.1f ms |\n",
                games, perGame, opening, median(figures), median(statistics),
                *std::max_element(statisticsMiB.begin(), statisticsMiB.end()), median(highScores),
                *std::max_element(highScoresMiB.begin(), highScoresMiB.end()), closed, open, locked);
    std::fflush(stdout);
}

// From asking for perfect play to having it.
double firstHint()
{
    BackgroundStrategySource strategies;
    QElapsedTimer clock;
    clock.start();
    strategies.request();
    until([&] { return strategies.strategy() != nullptr; });
    return millisecondsSince(clock);
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::stoi(argv[i]));
    if (sizes.empty())
        sizes = {0, 1000, 10000, 100000};

    std::printf("| first hint of a run | cold (no table kept) | %.0f ms |\n", firstHint());
    std::printf("| first hint of a run | warm (the table kept) | %.0f ms |\n\n", firstHint());

    // Perfect play's own figures, worked out once before the windows open.
    BackgroundStrategySource strategies;
    PerfectPlaySource perfect(strategies);
    perfect.request();
    until([&] { return perfect.statistics() != nullptr; });

    std::printf("| games | file a game | file opened | figures in SQL | statistics open | memory more |"
                " high scores open | memory more | longest wait, windows closed | windows open | file held |\n"
                "|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (const int games : sizes)
        measureHistory(games, strategies, perfect);
    return 0;
}
