#include "support/board_fixture.h"

#include <QAction>
#include <QUrl>


namespace daxo {
namespace {

using MainWindowTest = test::BoardFixture;

TEST_F(MainWindowTest, AnAddressThatCannotBeOpenedIsReported)
{
    QList<QUrl> opened;
    window.setUrlOpener([&](const QUrl& url) {
        opened << url;
        return opened.size() == 1;
    });
    find<QAction>("Daxo")->trigger();
    EXPECT_TRUE(messages.notices.isEmpty());
    find<QAction>("Mespages")->trigger();
    ASSERT_EQ(messages.notices.size(), 1);
    EXPECT_TRUE(messages.notices.front().contains(opened.back().toString())) << messages.notices.front().toStdString();
}

} // namespace
} // namespace daxo
