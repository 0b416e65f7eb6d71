#include "i18n/caption_table.h"
#include "i18n/captions.h"
#include "i18n/language_window.h"
#include "print/print_window.h"
#include "settings/pictures_window.h"
#include "shell/rules_window.h"
#include "support/board_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QCoreApplication>
#include <QMenu>
#include <QRadioButton>

namespace daxo {
namespace {

QString captionOf(QObject* control)
{
    if (auto* action = qobject_cast<QAction*>(control))
        return action->text();
    if (auto* menu = qobject_cast<QMenu*>(control))
        return menu->title();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        return frame->title();
    return "<no caption>";
}

class Languages : public test::BoardFixture {
protected:
    void choose(const char* option)
    {
        window.langues_Click();
        windows.findLanguage()->findChild<QRadioButton*>(option)->click();
    }

    // Every row of the table stands on its control, in its window.
    void expectTable(Language language)
    {
        for (const CaptionRow& row : captionTable()) {
            if (row.control && row.control == std::string_view(kStatusBar))
                continue;
            QWidget& owner = windows.byName(row.window);
            const QString expected = QString::fromUtf8(language == Language::French ? row.french : row.english);
            const QString shown = row.control ? captionOf(findControl(owner, row.control)) : owner.windowTitle();
            EXPECT_EQ(shown, expected) << row.window << " " << (row.control ? row.control : "(title)");
        }
    }

    QStringList panels()
    {
        QStringList texts;
        for (int panel = 1; panel <= 6; ++panel)
            texts << panelText(panel);
        return texts;
    }

    QByteArray settings()
    {
        QFile file(settingsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    qint64 languageIcon() { return windows.findLanguage()->windowIcon().cacheKey(); }
    qint64 flag(const char* picture)
    {
        return windows.findLanguage()->findChild<PictureBox*>(picture)->picture().cacheKey();
    }
};

TEST_F(Languages, EnglishAndFrenchReachEveryWindowAndPanel)
{
    EXPECT_EQ(windows.findPictures(), nullptr);
    choose("Option2");
    // The windows that did not exist were created for their captions.
    EXPECT_NE(windows.findPictures(), nullptr);
    EXPECT_NE(windows.findPrint(), nullptr);
    EXPECT_NE(windows.findRules(), nullptr);
    EXPECT_NE(windows.findAbout(), nullptr);
    EXPECT_FALSE(windows.findPictures()->isVisible());
    expectTable(Language::English);
    EXPECT_EQ(panels(), (QStringList{QString::fromUtf8("Game n°1"), "Sub Total : 0", "Points remaining for Bonus : 60",
                                     "Bonus : ", "Total : 0", "Total dice : 0"}));
    EXPECT_EQ(window.game().languageCode(), "E");
    EXPECT_EQ(languageIcon(), flag("Picture1"));
    EXPECT_EQ(settings(), "\rE\r\n");

    throwDice({6, 6, 6, 6, 1});
    click("Command7");
    throwDice({2, 2, 2, 3, 4});
    choose("Option1");
    expectTable(Language::French);
    EXPECT_EQ(panels(), (QStringList{QString::fromUtf8("Partie n°1"), "Sous Total : 24", "Reste pour Bonus : 36",
                                     "Bonus : 0", "Total : 24", QString::fromUtf8("Total des dés : 13")}));
    EXPECT_EQ(window.game().languageCode(), "F");
    EXPECT_EQ(languageIcon(), flag("Picture2"));
    EXPECT_EQ(settings(), "\rF\r\n");

    // The game's own texts follow the code.
    click("Command2");
    EXPECT_EQ(panelText(2), "Sous Total : 24");
    EXPECT_EQ(panelText(6), QString::fromUtf8("Total des dés : 0"));
}

TEST_F(Languages, ReopenedWindowsComeBackInTheLanguageInUse)
{
    choose("Option2");
    windows.findLanguage()->Command1_Click();
    for (const char* name : {"Pictures", "Printer1"}) {
        windows.byName(name).close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QFile::remove(settingsFilePath());

    EXPECT_EQ(windows.print().windowTitle(), "Print");
    EXPECT_EQ(windows.pictures().windowTitle(), "Pictures");
    EXPECT_EQ(windows.pictures().findChild<QRadioButton*>("Option3")->text(), "Picture 3");
    EXPECT_EQ(settings(), "<missing>") << "taking the captions saves nothing";
}

// What opening the language and rules windows does with each code.
struct Opening {
    std::string code;
    bool frenchShown;
    bool englishShown;
    std::string codeAfterLanguage; // after opening Langue
    bool languageSaved;
    std::string codeAfterRules;    // after opening Règle then
    QString rulesTitle;
};

class OpeningWithCode : public Languages, public ::testing::WithParamInterface<Opening> {};

TEST_P(OpeningWithCode, AppliesWhatTheCodeSays)
{
    const Opening& o = GetParam();
    window.game().setCaption(Label::Label20, o.code);
    window.langues_Click();
    EXPECT_EQ(windows.findLanguage()->findChild<QRadioButton*>("Option1")->isChecked(), o.frenchShown);
    EXPECT_EQ(windows.findLanguage()->findChild<QRadioButton*>("Option2")->isChecked(), o.englishShown);
    EXPECT_EQ(window.game().languageCode(), o.codeAfterLanguage);
    EXPECT_EQ(settings() != "<missing>", o.languageSaved);

    window.regle_Click();
    EXPECT_EQ(window.game().languageCode(), o.codeAfterRules);
    EXPECT_EQ(settings(), QByteArray("\r") + o.codeAfterRules.c_str() + "\r\n") << "the rules apply and save";
    EXPECT_EQ(windows.findRules()->findChild<QLabel*>("Label1")->text().left(6), o.rulesTitle);
}

INSTANTIATE_TEST_SUITE_P(Codes, OpeningWithCode, ::testing::Values(
    Opening{"E", false, true, "E", true, "E", "THE GO"},
    Opening{"F", true, false, "F", false, "F", "LE BUT"},
    Opening{"D", false, false, "D", false, "D", "LE BUT"},
    Opening{"", true, false, "", false, "F", "LE BUT"},
    Opening{"Z", true, false, "Z", false, "F", "LE BUT"}));

} // namespace
} // namespace daxo
