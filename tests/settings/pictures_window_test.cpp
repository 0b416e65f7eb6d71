#include "settings/pictures_window.h"

#include "storage/settings_file.h"
#include "support/board_fixture.h"

#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QTest>

namespace daxo {
namespace {

class PicturesWindowTest : public test::BoardFixture {
protected:
    PicturesWindow& open()
    {
        window.Image12_Click();
        return *windows.findPictures();
    }

    // The board's six faces are those of `set`.
    bool boardHasSet(PicturesWindow& pictures, int set)
    {
        for (int face = 1; face <= 6; ++face) {
            auto* source = pictures.findChild<PictureBox*>(QString("Picture%1%2").arg(set).arg(face));
            if (window.facePicture(face).picture().cacheKey() != source->picture().cacheKey())
                return false;
        }
        return true;
    }

    QRadioButton* option(PicturesWindow& pictures, int set)
    {
        return pictures.findChild<QRadioButton*>(QString("Option%1").arg(set));
    }
};

TEST_F(PicturesWindowTest, ChoosingASetByOptionOrSample)
{
    window.game().setCaption(Label::Label20, "E");
    PicturesWindow& pictures = open();
    EXPECT_EQ(test::settingsFileContents(), "<missing>") << "opening with no set named saves nothing";

    option(pictures, 3)->click();
    EXPECT_TRUE(boardHasSet(pictures, 3));
    EXPECT_EQ(window.game().caption(Label::Label18), "Image 3");
    EXPECT_EQ(test::settingsFileContents(), "Image 3\rE\r\n");

    QTest::mouseClick(pictures.findChild<PictureBox*>("Picture51"), Qt::LeftButton);
    EXPECT_TRUE(boardHasSet(pictures, 5));
    EXPECT_TRUE(option(pictures, 5)->isChecked() && !option(pictures, 3)->isChecked());
    EXPECT_EQ(test::settingsFileContents(), "Image 5\rE\r\n");
}

TEST_F(PicturesWindowTest, OpeningAppliesTheCurrentSetOnceMore)
{
    window.game().setCaption(Label::Label18, "Image 4");
    window.game().setCaption(Label::Label20, "F");
    PicturesWindow& pictures = open();
    EXPECT_TRUE(option(pictures, 4)->isChecked());
    EXPECT_TRUE(boardHasSet(pictures, 4));
    EXPECT_EQ(test::settingsFileContents(), "Image 4\rF\r\n");

    // Closing destroys the window; the next opening is a new one.
    pictures.findChild<QPushButton*>("Command1")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.findPictures(), nullptr);
    EXPECT_TRUE(option(open(), 4)->isChecked());
}

TEST_F(PicturesWindowTest, DiceOnTheTableKeepTheirLookUntilTheirCellsChange)
{
    throwDice({1, 2, 3, 4, 5});
    const qint64 oldThree = window.facePicture(3).picture().cacheKey();
    PicturesWindow& pictures = open();
    option(pictures, 2)->click();
    EXPECT_EQ(find<PictureBox>("Picture10")->picture().cacheKey(), oldThree);

    find<QCheckBox>("Check3")->click();
    throwDice({6, 6, 6, 6});
    EXPECT_TRUE(dieShows(3, 3)) << "every die is redrawn when one changes";
    EXPECT_TRUE(dieShows(1, 6));
    EXPECT_NE(find<PictureBox>("Picture10")->picture().cacheKey(), oldThree);
}

} // namespace
} // namespace daxo
