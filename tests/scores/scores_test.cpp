#include "i18n/language_window.h"
#include "scores/history_keeper.h"
#include "scores/perfect_play_source.h"
#include "scores/scores_texts.h"
#include "scores/statistics_window.h"
#include "support/board_fixture.h"
#include "support/eventually.h"

#include <QAction>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLineSeries>
#include <QRadioButton>
#include <QTableWidget>
#include <QValueAxis>


namespace daxo {
namespace {

using test::eventually;

class Scores : public test::BoardFixture {
protected:
    // A game of twelve turns of four 6s and a 5: 127 points.
    void finishAGame(std::initializer_list<Answer> end = {Answer::No, Answer::No}) { playBoxes(end); }

    void choose(const char* language)
    {
        window.langues_Click();
        windows.findLanguage()->findChild<QRadioButton*>(language)->click();
    }
};

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

} // namespace
} // namespace daxo
