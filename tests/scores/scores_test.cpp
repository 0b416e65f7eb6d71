#include "scores/perfect_play_source.h"
#include "scores/statistics_window.h"
#include "support/board_fixture.h"
#include "support/eventually.h"

#include <QChartView>

namespace daxo {
namespace {

// What the statistics show, from no game on and in each language, is the
// window scripts' (tests/data/windows/20-statistics.txt). Here, what no
// script sees: a redraw that changes nothing keeps the charts as they are,
// for building them again would hold the board.
using Statistics = test::BoardFixture;

TEST_F(Statistics, TheStatisticsKeepTheirChartsWhenNothingChanged)
{
    strategies.release();
    playBoxes({Answer::No, Answer::No});
    QTemporaryDir cache;
    PerfectPlaySource perfect{strategies, 50, cache.filePath("perfect.json")};
    StatisticsWindow statistics(window, window.game(), windows.keeper().history(), perfect);
    statistics.show();
    auto* histogram = statistics.findChild<QChartView*>("Histogramme");
    ASSERT_TRUE(test::eventually([&] { return histogram->chart()->series().size() == 2; }));
    const QChart* drawn = histogram->chart();
    statistics.retranslate();
    EXPECT_EQ(histogram->chart(), drawn);
}

} // namespace
} // namespace daxo
