#include "support/board_fixture.h"
#include "widgets/status_panel.h"

#include <QAction>
#include <QUrl>


namespace daxo {
namespace {

using MainWindowTest = test::BoardFixture;

// A panel too narrow for its text shortens the caption, never the value.
TEST_F(MainWindowTest, AStatusPanelShortensItsCaptionNotItsValue)
{
    window.game().setCaption(Label::Label20, "E");
    window.game().setText(Cell::Text6, "-999999");
    auto* panel = find<StatusPanel>("Panel3");
    const QString shown = panel->shownText();
    EXPECT_EQ(panel->text(), "Points remaining for Bonus : 1000059");
    EXPECT_TRUE(shown.endsWith(" : 1000059") && shown.startsWith("Points")) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026)));
    EXPECT_LE(panel->fontMetrics().horizontalAdvance(shown), panel->contentsRect().width());
    EXPECT_EQ(find<StatusPanel>("Panel2")->shownText(), "Sub Total : -999999");
}

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
