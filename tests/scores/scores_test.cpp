#include "scores/high_scores_window.h"
#include "scores/history_keeper.h"
#include "scores/new_high_score_window.h"
#include "scores/perfect_play_source.h"
#include "scores/statistics_window.h"
#include "storage/preferences.h"
#include "support/board_fixture.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGraphicsTextItem>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTableWidget>
#include <QValueAxis>

namespace daxo {
namespace {

class Scores : public test::BoardFixture {
protected:
    History& history() { return windows.keeper().history(); }

    // A game of twelve turns of four 6s and a 5: 127 points.
    void finishAGame(std::initializer_list<Answer> end = {Answer::No, Answer::No}) { playBoxes(end); }
};

// Every game is kept: finished, left by New game, or in play when the
// program ends; a game never begun is not.
TEST_F(Scores, EveryGameBegunIsKept)
{
    window.show();
    finishAGame({Answer::Yes});
    throwDice({1, 2, 3, 4, 5});
    click("Command9");
    find<QAction>("Nouveau")->trigger();
    throwDice({6, 6, 6, 6, 6});
    window.close(); // the end of the program: the game in play goes too
    const std::vector<StoredGame> games = history().allGames();
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(std::pair(games[0].summary.total, games[0].summary.finished()), std::pair(127, true));
    EXPECT_EQ(games[0].summary.boxes[5], std::optional(24));
    EXPECT_EQ(std::pair(games[1].summary.total, games[1].summary.finished()), std::pair(30, false));
    EXPECT_TRUE(games[2].summary.begun && !games[2].summary.finished());
    EXPECT_EQ(games[0].record.start().seed, 1u);
    EXPECT_EQ(games[1].record.start().seed, 2u);
}

// A game undone after its end and finished again stays one game.
TEST_F(Scores, AGameFinishedTwiceIsOneGame)
{
    finishAGame();
    window.game().undo();
    messages.answers.queue({Answer::No, Answer::No});
    throwDice({6, 6, 6, 6, 5});
    click("Command13");
    const std::vector<StoredGame> games = history().allGames();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_TRUE(games[0].assisted) << "undone";
}

// A history that cannot be written is told once; the games wait in hand
// and are kept once it can be written again, and play goes on.
TEST_F(Scores, TroubleIsToldOnceAndTheGamesKeptLater)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/daxo";
    QDir(folder).removeRecursively();
    QFile blocking(folder);
    ASSERT_TRUE(blocking.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocking.close();
    finishAGame({Answer::Yes});
    ASSERT_EQ(messages.notices.size(), 1);
    EXPECT_TRUE(messages.notices.front().contains("history")) << messages.notices.front().toStdString();
    finishAGame({Answer::Yes});
    EXPECT_EQ(messages.notices.size(), 1) << "once";
    QFile::remove(folder);
    throwDice({1, 1, 1, 1, 1});
    click("Command2");
    window.close();
    EXPECT_EQ(history().allGames().size(), 3u);
    EXPECT_EQ(history().finishedGames().size(), 2u);
}

// A finished game that enters the high scores says so after the game's own
// question, and takes the player's name, which is remembered.
TEST_F(Scores, ANewHighScoreTakesThePlayersName)
{
    window.game().setCaption(Label::Label20, "F");
    Preferences().setPlayerName("Camille");
    finishAGame();
    EXPECT_EQ(messages.answers.asked().size(), 5u) << "three refusals and the two end questions came first";
    NewHighScoreWindow& news = windows.newHighScore();
    ASSERT_TRUE(news.isVisible());
    EXPECT_EQ(news.findChild<QLabel*>("Label1")->text(), "Votre partie de 127 points prend la 1re place des meilleurs scores.");
    auto* name = news.findChild<QLineEdit*>("Nom");
    EXPECT_EQ(name->text(), "Camille");
    name->setText(QString::fromUtf8("Zoé"));
    news.findChild<QPushButton*>("OK")->click();
    EXPECT_EQ(history().highScores().front().player, QString::fromUtf8("Zoé"));
    EXPECT_EQ(Preferences().playerName(), QString::fromUtf8("Zoé"));

    find<QAction>("meilleurs")->trigger();
    auto* table = windows.highScores().findChild<QTableWidget*>("Tableau");
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ((QStringList{table->verticalHeaderItem(0)->text(), table->item(0, 0)->text(), table->item(0, 2)->text()}),
              (QStringList{"1", "127", QString::fromUtf8("Zoé")}));
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), "Joueur");
}

// A game with a hint is assisted: kept, but off the high scores.
TEST_F(Scores, AnAssistedGameStaysOffTheHighScores)
{
    window.game().noteHint();
    finishAGame();
    EXPECT_EQ(windows.existingWindow("Bravo"), nullptr);
    EXPECT_TRUE(history().highScores().empty());
    EXPECT_EQ(history().finishedGames().size(), 1u);
}

// Every text the chart draws, its axis labels among them.
std::vector<std::string> textsDrawnIn(const QGraphicsItem& item)
{
    std::vector<std::string> texts;
    if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(&item))
        texts.push_back(text->toPlainText().toStdString());
    for (const QGraphicsItem* child : item.childItems())
        std::ranges::move(textsDrawnIn(*child), std::back_inserter(texts));
    return texts;
}

// The statistics set the player's games against perfect play, in the
// language shown.
TEST_F(Scores, TheStatisticsSetTheGamesAgainstPerfectPlay)
{
    strategies.release();
    finishAGame({Answer::Yes});
    finishAGame();
    QTemporaryDir cache;
    PerfectPlaySource perfect(strategies, 50, cache.filePath("perfect.json"));
    window.game().setCaption(Label::Label20, "E");
    StatisticsWindow statistics(window, window.game(), windows.keeper(), perfect);
    statistics.show();
    QElapsedTimer clock;
    clock.start();
    while (!perfect.statistics() && clock.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_NE(perfect.statistics(), nullptr);
    EXPECT_TRUE(QFile::exists(cache.filePath("perfect.json")));
    EXPECT_EQ(statistics.findChild<QLabel*>("Resume")->text(),
              "Games finished: 2. Mean: 127.0, best: 127, standard deviation: 0.0. Bonus: 0% of the games.");
    auto* boxes = statistics.findChild<QTableWidget*>("Cases");
    EXPECT_EQ((QStringList{boxes->verticalHeaderItem(5)->text(), boxes->item(5, 0)->text()}), (QStringList{"6", "24.0"}));
    EXPECT_EQ(boxes->item(5, 1)->text(), QString::number(perfect.statistics()->boxMeans[5], 'f', 1));

    // The progress is drawn game after game, its ticks on whole games.
    const QChart* progress = statistics.findChild<QChartView*>("Progres")->chart();
    const auto* games = qobject_cast<QValueAxis*>(progress->axes(Qt::Horizontal).front());
    EXPECT_EQ(progress->locale(), QLocale(QLocale::English));
    EXPECT_EQ(std::pair(games->min(), games->max()), std::pair(1.0, 2.0));
    EXPECT_EQ(games->tickCount(), 2);
    const std::vector<std::string> drawn = textsDrawnIn(*progress);
    for (const char* label : {"1", "2"})
        EXPECT_EQ(std::ranges::count(drawn, label), 1) << "game label " << label;

    // A second source reads the cache instead of playing again.
    PerfectPlaySource cached(strategies, 50, cache.filePath("perfect.json"));
    cached.request();
    ASSERT_NE(cached.statistics(), nullptr);
    EXPECT_EQ(cached.statistics()->totals.size(), 50u);
    EXPECT_DOUBLE_EQ(cached.statistics()->boxMeans[5], perfect.statistics()->boxMeans[5]);
}

} // namespace
} // namespace daxo
