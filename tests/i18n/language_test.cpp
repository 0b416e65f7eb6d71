#include "i18n/language_window.h"
#include "settings/pictures_window.h"
#include "shell/rules_window.h"
#include "support/board_fixture.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>

namespace daxo {
namespace {

class Languages : public test::BoardFixture {
protected:
    void choose(const char* option)
    {
        window.langues_Click();
        windows.findLanguage()->findChild<QRadioButton*>(option)->click();
    }

    bool iconIs(const char* flag)
    {
        LanguageWindow* language = windows.findLanguage();
        return language->windowIcon().cacheKey() == language->findChild<PictureBox*>(flag)->picture().cacheKey();
    }
};

// Applying a language creates hidden the windows whose captions it writes,
// and gives the language window the flag of the language applied.
TEST_F(Languages, TheApplyStepCreatesWindowsHiddenAndRaisesTheFlag)
{
    EXPECT_EQ(windows.findPictures(), nullptr);
    choose("Option2");
    EXPECT_FALSE(windows.findPictures()->isVisible()) << "created hidden for its captions";
    EXPECT_TRUE(iconIs("Picture1"));
    choose("Option1");
    EXPECT_TRUE(iconIs("Picture2"));
}

// Qt's own buttons and dialogs speak the game's language: French for "F",
// English for every other code, switched with each language applied.
TEST_F(Languages, QtsOwnTextsFollowTheLanguage)
{
    auto yesNo = [] {
        QMessageBox box(QMessageBox::Warning, "", "", QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text() + "/" + box.button(QMessageBox::No)->text();
    };
    auto printTitle = [] {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        return dialog.windowTitle();
    };
    EXPECT_EQ(yesNo(), "&Yes/&No") << "a first start, with no code";
    choose("Option1");
    EXPECT_EQ(yesNo(), "&Oui/&Non");
    EXPECT_EQ(printTitle(), "Imprimer");
    choose("Option2");
    EXPECT_EQ(yesNo(), "&Yes/&No");
    EXPECT_EQ(printTitle(), "Print");
    window.game().setCaption(Label::Label20, "F");
    window.game().setCaption(Label::Label20, "D");
    EXPECT_EQ(yesNo(), "&Yes/&No");
}

// What opening the language window, then the rules window, does with each
// code: the options shown, the code after each, whether each saved.
struct Opening {
    std::string code;
    bool frenchShown, englishShown;
    std::string codeAfterLanguage;
    bool languageSaved;
    std::string codeAfterRules;
    QString rulesStart;
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
    EXPECT_EQ(test::settingsFileContents() != "<missing>", o.languageSaved);

    window.regle_Click();
    EXPECT_EQ(window.game().languageCode(), o.codeAfterRules);
    EXPECT_EQ(test::settingsFileContents(), QByteArray("\r") + o.codeAfterRules.c_str() + "\r\n");
    EXPECT_TRUE(windows.findRules()->findChild<QLabel*>("Label1")->text().startsWith(o.rulesStart));
}

INSTANTIATE_TEST_SUITE_P(Codes, OpeningWithCode, ::testing::Values(
    Opening{"E", false, true, "E", true, "E", "THE GOAL"},
    Opening{"F", true, false, "F", false, "F", "LE BUT"},
    Opening{"D", false, false, "D", false, "D", "LE BUT"},
    Opening{"", true, false, "", false, "F", "LE BUT"},
    Opening{"Z", true, false, "Z", false, "F", "LE BUT"}));

} // namespace
} // namespace daxo
