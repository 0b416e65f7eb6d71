#include "scores/perfect_play_source.h"
#include "support/test_strategy_source.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace daxo {
namespace {

constexpr const char* kMeans = "[1,2,3,4,5,6,7,8,9,10,11,12]";

void write(const QString& path, const std::string& json)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(json.data(), static_cast<qint64>(json.size()));
}

// A cache is taken only whole and for the same games: else the figures are
// worked out again (here never, as the table is held back), unless another
// run kept them meanwhile. The counts of
// a damaged cache must not make it spread out more scores than games.
TEST(PerfectPlayCache, IsTakenOnlyWhenSound)
{
    struct Case {
        const char* what;
        std::string json;
        bool taken;
    };
    const auto cache = [](int version, int games, const std::string& means, const std::string& counts) {
        return "{\"version\":" + std::to_string(version) + ",\"games\":" + std::to_string(games) + ",\"boxMeans\":"
             + means + ",\"bonusRate\":0.5,\"mean\":0.75,\"scoreCounts\":" + counts + "}";
    };
    const Case cases[] = {
        {"sound", cache(1, 4, kMeans, "[1,3]"), true},
        {"another version", cache(2, 4, kMeans, "[1,3]"), false},
        {"other games", cache(1, 5, kMeans, "[1,3]"), false},
        {"a box short", cache(1, 4, "[1,2,3,4,5,6,7,8,9,10,11]", "[1,3]"), false},
        {"fewer scores than games", cache(1, 4, kMeans, "[1,2]"), false},
        {"a huge count", cache(1, 4, kMeans, "[2000000000,3]"), false},
        {"a negative count", cache(1, 4, kMeans, "[-1,5]"), false},
        {"a count that is no number", cache(1, 4, kMeans, "[\"4\"]"), false},
        {"no JSON", "\x01\x02garbage", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        write(folder.filePath("perfect.json"), c.json);
        test::TestStrategySource held(true);
        PerfectPlaySource source(held, 4, folder.filePath("perfect.json"));
        source.request();
        ASSERT_EQ(source.statistics() != nullptr, c.taken);
        EXPECT_TRUE(held.requested() != c.taken) << "the work starts only without a cache";
        if (c.taken) {
            EXPECT_EQ(source.statistics()->totals, (std::vector<int>{0, 1, 1, 1}));
            EXPECT_DOUBLE_EQ(source.statistics()->boxMeans[11], 12);
            EXPECT_DOUBLE_EQ(source.statistics()->mean, 0.75);
        }
    }
    // Kept by another run while this one waited for its table: read, not
    // played again.
    QTemporaryDir folder;
    test::TestStrategySource held(true);
    PerfectPlaySource source(held, 4, folder.filePath("perfect.json"));
    source.request();
    write(folder.filePath("perfect.json"), cache(1, 4, kMeans, "[1,3]"));
    held.release();
    QCoreApplication::processEvents();
    ASSERT_TRUE(source.statistics());
    EXPECT_EQ(source.statistics()->totals, (std::vector<int>{0, 1, 1, 1}));
}

} // namespace
} // namespace daxo
