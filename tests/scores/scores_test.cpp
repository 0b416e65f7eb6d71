#include "i18n/language_window.h"
#include "scores/high_scores_window.h"
#include "scores/history_keeper.h"
#include "scores/new_high_score_window.h"
#include "scores/perfect_play_source.h"
#include "scores/scores_texts.h"
#include "scores/statistics_window.h"
#include "storage/preferences.h"
#include "support/board_fixture.h"
#include "support/eventually.h"

#include <QAction>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QGraphicsTextItem>
#include <QLineEdit>
#include <QLineSeries>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QValueAxis>

#include <functional>

namespace daxo {
namespace {

using test::eventually;

class Scores : public test::BoardFixture {
protected:
    // The history as it stands on disk, once the keeper has written what it
    // was given: read as another program would.
    std::vector<StoredGame> kept()
    {
        windows.keeper().history().finish(10000);
        return History(History::defaultPath()).allGames();
    }
    std::vector<HighScore> best()
    {
        windows.keeper().history().finish(10000);
        return History(History::defaultPath()).highScores().value_or(std::vector<HighScore>{});
    }

    // A game of twelve turns of four 6s and a 5: 127 points.
    void finishAGame(std::initializer_list<Answer> end = {Answer::No, Answer::No}) { playBoxes(end); }

    void choose(const char* language)
    {
        window.langues_Click();
        windows.findLanguage()->findChild<QRadioButton*>(language)->click();
    }
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
    const std::vector<StoredGame> games = kept();
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(std::pair(games[0].summary.total, games[0].summary.finished()), std::pair(127, true));
    EXPECT_EQ(games[0].summary.boxes[5], std::optional(24));
    EXPECT_EQ(std::pair(games[1].summary.total, games[1].summary.finished()), std::pair(30, false));
    EXPECT_TRUE(games[2].summary.begun && !games[2].summary.finished());
    EXPECT_EQ(games[0].record.start().seed, 1u);
    EXPECT_EQ(games[1].record.start().seed, 2u);
}

// Kept as it goes: whatever ends the program, at most the turn in play is
// lost. The first throw keeps the game's seed; each box, the box.
TEST_F(Scores, AGameIsKeptAsItGoes)
{
    throwDice({1, 2, 3, 4, 5});
    std::vector<StoredGame> games = kept();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].record.start().seed, 1u);
    throwDice({6, 6, 6, 1, 2});
    click("Command7");
    games = kept();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].summary.boxes[5], std::optional(18));
    EXPECT_EQ(games[0].record.events(), window.game().record().events());
}

// A finished game stays finished: taking back its last box makes it
// assisted at once, said once, and it leaves the high scores then, not at
// the next game; finished again or left, it stays one finished game.
TEST_F(Scores, AFinishedGameTakenBackStaysFinishedAndAssisted)
{
    finishAGame();
    ASSERT_TRUE(eventually([&] { return windows.existingWindow("Bravo") && windows.newHighScore().isVisible(); }));
    windows.newHighScore().reject();
    ASSERT_EQ(best().size(), 1u);
    window.game().undo();
    ASSERT_TRUE(eventually([&] { return messages.notices.size() == 1; }));
    EXPECT_TRUE(messages.notices.front().contains(QString::fromUtf8("partie assistée"))) << messages.notices.front().toStdString();
    EXPECT_TRUE(best().empty()) << "at once";
    std::vector<StoredGame> games = kept();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_TRUE(games[0].summary.finished() && games[0].assisted);

    window.game().redo();
    window.game().undo();
    find<QAction>("Nouveau")->trigger();
    games = kept();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_TRUE(games[0].summary.finished() && games[0].assisted) << "still the finished game";
    EXPECT_EQ(games[0].summary.total, 127);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.notices.size(), 1) << "said once";

    // Undone, then finished again another way: the new finish stands.
    finishAGame();
    window.game().undo();
    messages.answers.queue({Answer::No, Answer::No});
    throwDice({1, 1, 1, 1, 1});
    click("Command13");
    games = kept();
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[1].summary.boxes[11], std::optional(5));
    EXPECT_TRUE(games[1].assisted);
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
    ASSERT_TRUE(eventually([&] { return messages.notices.size() == 1; }));
    EXPECT_TRUE(messages.notices.front().contains("history")) << messages.notices.front().toStdString();
    finishAGame({Answer::Yes});
    windows.keeper().history().finish(10000);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.notices.size(), 1) << "once";
    QFile::remove(folder);
    throwDice({1, 1, 1, 1, 1});
    click("Command2");
    window.close();
    const std::vector<StoredGame> games = kept();
    EXPECT_EQ(games.size(), 3u);
    EXPECT_EQ(std::count_if(games.begin(), games.end(), [](const StoredGame& game) { return game.summary.finished(); }),
              2);
}

// A finished game that enters the high scores says so after the game's own
// question, and takes the player's name, which is remembered; Escape keeps
// the name offered, and no score goes without a name.
TEST_F(Scores, ANewHighScoreTakesThePlayersName)
{
    window.game().setCaption(Label::Label20, "F");
    Preferences().setPlayerName("Camille");
    finishAGame();
    EXPECT_EQ(messages.asked.size(), 5u) << "three refusals and the two end questions came first";
    ASSERT_TRUE(eventually([&] { return windows.existingWindow("Bravo") && windows.newHighScore().isVisible(); }));
    NewHighScoreWindow& news = windows.newHighScore();
    EXPECT_EQ(news.findChild<QLabel*>("Label1")->text(), "Votre partie de 127 points prend la 1re place des meilleurs scores.");
    auto* name = news.findChild<QLineEdit*>("Nom");
    EXPECT_EQ(name->text(), "Camille");
    name->setText(QString::fromUtf8("Zoé"));
    news.findChild<QPushButton*>("OK")->click();
    ASSERT_EQ(best().size(), 1u);
    EXPECT_EQ(best().front().player, QString::fromUtf8("Zoé"));
    EXPECT_EQ(Preferences().playerName(), QString::fromUtf8("Zoé"));

    find<QAction>("meilleurs")->trigger();
    auto* table = windows.highScores().findChild<QTableWidget*>("Tableau");
    ASSERT_TRUE(eventually([&] { return table->rowCount() == 1; }));
    EXPECT_EQ((QStringList{table->verticalHeaderItem(0)->text(), table->item(0, 0)->text(), table->item(0, 2)->text()}),
              (QStringList{"1", "127", QString::fromUtf8("Zoé")}));
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), "Joueur");

    for (const auto& [typed, escape, kept] : {std::tuple("Anne", true, "Camille"), std::tuple("  ", false, "Camille")}) {
        Preferences().setPlayerName("Camille");
        find<QAction>("Nouveau")->trigger();
        finishAGame();
        ASSERT_TRUE(eventually([&] { return news.isVisible(); }));
        name->setText(typed);
        if (escape)
            news.reject();
        else
            news.findChild<QPushButton*>("OK")->click();
        const std::vector<HighScore> lines = best();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [&](const HighScore& line) { return line.player == kept; }),
                  escape ? 1 : 2)
            << typed;
        EXPECT_FALSE(std::any_of(lines.begin(), lines.end(), [](const HighScore& line) { return line.player.isEmpty(); }));
    }
}

// A game with a hint is assisted: kept, but off the high scores, and no
// name is asked.
TEST_F(Scores, AnAssistedGameStaysOffTheHighScores)
{
    window.game().noteHint();
    finishAGame();
    EXPECT_TRUE(best().empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(windows.existingWindow("Bravo"), nullptr);
    EXPECT_EQ(kept().size(), 1u);
}

// With none, the high scores say what enters them; they redraw their
// headers and dates in the language chosen while they are open.
TEST_F(Scores, TheHighScoresSayWhatTheyAreAndFollowTheLanguage)
{
    choose("Option1");
    find<QAction>("meilleurs")->trigger();
    auto* empty = windows.highScores().findChild<QLabel*>("Vide");
    ASSERT_TRUE(eventually([&] { return empty->isVisible(); }));
    EXPECT_TRUE(empty->text().startsWith("Aucun score pour l'instant.")) << empty->text().toStdString();
    windows.highScores().close();

    finishAGame();
    ASSERT_TRUE(eventually([&] { return windows.existingWindow("Bravo") && windows.newHighScore().isVisible(); }));
    windows.newHighScore().reject();
    find<QAction>("meilleurs")->trigger();
    auto* table = windows.highScores().findChild<QTableWidget*>("Tableau");
    ASSERT_TRUE(eventually([&] { return table->rowCount() == 1 && table->isVisible(); }));
    EXPECT_FALSE(empty->isVisible());
    EXPECT_TRUE(table->item(0, 1)->text().contains('/'));
    choose("Option2");
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), "Player");
    EXPECT_TRUE(table->item(0, 1)->text().contains('-')) << "an English date: " << table->item(0, 1)->text().toStdString();
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

// The games the histogram's staircase counts: each bin is a step of two
// points at its count.
int gamesDrawnIn(const QChart& histogram)
{
    const auto* games = qobject_cast<const QAreaSeries*>(histogram.series().front());
    double counted = 0;
    const QList<QPointF> steps = games->upperSeries()->points();
    for (qsizetype point = 0; point < steps.size(); point += 2)
        counted += steps[point].y();
    return static_cast<int>(counted);
}

class StatisticsTest : public Scores {
protected:
    StatisticsTest()
    {
        strategies.release();
        window.game().setCaption(Label::Label20, "E");
    }
    ~StatisticsTest() override { statistics.reset(); }

    QString summary() { return statistics->findChild<QLabel*>("Resume")->text(); }
    void open()
    {
        statistics = std::make_unique<StatisticsWindow>(window, window.game(), windows.keeper().history(), perfect);
        statistics->show();
    }

    QTemporaryDir cache;
    PerfectPlaySource perfect{strategies, 50, cache.filePath("perfect.json")};
    std::unique_ptr<StatisticsWindow> statistics;
};

// The statistics set the player's games against perfect play, in the
// language shown, and follow the games as they are played.
TEST_F(StatisticsTest, TheStatisticsSetTheGamesAgainstPerfectPlay)
{
    finishAGame({Answer::Yes});
    finishAGame();
    open();
    ASSERT_TRUE(eventually([&] { return perfect.statistics() && summary().startsWith("Games finished: 2."); }));
    EXPECT_TRUE(QFile::exists(cache.filePath("perfect.json")));
    EXPECT_EQ(summary(), "Games finished: 2. Mean: 127.0, best: 127, standard deviation: 0.0. Bonus: 0% of the games.");
    auto* boxes = statistics->findChild<QTableWidget*>("Cases");
    EXPECT_EQ((QStringList{boxes->verticalHeaderItem(5)->text(), boxes->item(5, 0)->text()}), (QStringList{"6", "24.0"}));
    EXPECT_EQ(boxes->item(5, 1)->text(), QString::number(perfect.statistics()->boxMeans[5], 'f', 1));

    // A third game comes in while the window is open, and into the
    // histogram; a redraw that changes nothing keeps the charts as they are.
    find<QAction>("Nouveau")->trigger();
    finishAGame();
    ASSERT_TRUE(eventually([&] { return summary().startsWith("Games finished: 3."); }));
    auto* histogram = statistics->findChild<QChartView*>("Histogramme");
    EXPECT_EQ(gamesDrawnIn(*histogram->chart()), 3);
    const QChart* drawn = histogram->chart();
    statistics->retranslate();
    EXPECT_EQ(histogram->chart(), drawn);

    // In French at once: the summary, the headers, the charts, the commas.
    choose("Option1");
    EXPECT_TRUE(summary().startsWith(QString::fromUtf8("Parties finies\u00a0: 3. Moyenne\u00a0: 127,0"))) << summary().toStdString();
    EXPECT_EQ(boxes->horizontalHeaderItem(0)->text(), "Votre moyenne");
    EXPECT_EQ(boxes->item(5, 0)->text(), "24,0");
    EXPECT_EQ(statistics->findChild<QChartView*>("Histogramme")->chart()->title(), "Scores finaux");
    EXPECT_EQ(statistics->findChild<QChartView*>("Progres")->chart()->locale(), QLocale(QLocale::French));
}

// No finished game, one, then enough for a deviation; points kept within
// the chart, and its axis ending at the last game.
TEST_F(StatisticsTest, SayWhatTheyShowFromNoGameOn)
{
    open();
    ASSERT_TRUE(eventually([&] { return summary().startsWith("No game finished yet"); }));
    EXPECT_EQ(statistics->findChild<QTableWidget*>("Cases")->item(0, 0)->text(), QString::fromUtf8("—"));
    statistics->hide();

    finishAGame();
    statistics->show();
    ASSERT_TRUE(eventually([&] { return summary().startsWith("One game finished, of 127 points."); }));
    EXPECT_FALSE(summary().contains("deviation"));
    ASSERT_TRUE(eventually([&] { return statistics->findChild<QChartView*>("Progres")->chart()->series().size() == 1; }));
    const QChart* progress = statistics->findChild<QChartView*>("Progres")->chart();
    const auto* games = qobject_cast<QValueAxis*>(progress->axes(Qt::Horizontal).front());
    EXPECT_EQ(std::pair(games->min(), games->max()), std::pair(0.5, 1.5)) << "the one point inside the chart";
}

// Perfect play still being worked out is said, not shown as an empty axis.
TEST_F(StatisticsTest, SayThatPerfectPlayIsBeingWorkedOut)
{
    test::TestStrategySource held(true);
    PerfectPlaySource waiting(held, 50, cache.filePath("none.json"));
    StatisticsWindow window(this->window, this->window.game(), windows.keeper().history(), waiting);
    window.show();
    ASSERT_TRUE(eventually([&] { return window.findChild<QLabel*>("Resume")->text().contains("being worked out"); }));
    EXPECT_TRUE(window.findChild<QChartView*>("Histogramme")->chart()->title().contains("Perfect play is being worked out"));
}

// The games' counts are written with the language's digit groups.
TEST(ScoresTextsTest, GroupDigitsAndKeepTheFrenchSpaces)
{
    HistoryFigures many;
    many.games = 10000;
    many.mean = 1234.5;
    many.best = 2000;
    many.deviation = 3.25;
    many.bonusGames = 5000;
    EXPECT_EQ(ScoresTexts(true).summary(many),
              "Games finished: 10,000. Mean: 1,234.5, best: 2,000, standard deviation: 3.3. Bonus: 50% of the games.");
    EXPECT_EQ(ScoresTexts(false).summary(many),
              QString::fromUtf8("Parties finies\u00a0: 10\u202f000. Moyenne\u00a0: 1\u202f234,5, meilleure\u00a0: 2\u202f000, "
                                "écart type\u00a0: 3,3. Bonus\u00a0: 50\u00a0% des parties."));
    EXPECT_EQ(ScoresTexts(true).ordinal(1) + ScoresTexts(true).ordinal(2) + ScoresTexts(true).ordinal(3) +
                  ScoresTexts(true).ordinal(11) + ScoresTexts(true).ordinal(22),
              "1st2nd3rd11th22nd");
}

} // namespace
} // namespace daxo
