#include "i18n/language_window.h"
#include "settings/face_images.h"
#include "settings/pictures_window.h"
#include "settings/settings_file.h"
#include "support/board_fixture.h"

#include <QElapsedTimer>
#include <QRadioButton>
#include <QRandomGenerator>

#include <optional>

namespace daxo {
namespace {

QByteArray fileContents()
{
    QFile file(settingsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A run of the program, from its settings file to the board's load step.
class ProgramRun {
public:
    ProgramRun()
        : windows(dice, messages, printers)
    {
        windows.main();
    }

    // Which set the board's faces look like, 0 if none of the five.
    int faceSet()
    {
        const QImage six = windows.main().facePicture(6).picture().pixmap(49, 49).toImage();
        for (int set = 1; set <= 5; ++set) {
            if (six == faceImage(set, 6).pixmap(49, 49).toImage())
                return set;
        }
        return 0;
    }

    QString quitCaption() { return windows.main().findChild<QPushButton*>("Command14")->text(); }
    const std::string& setName() { return windows.game().caption(Label::Label18); }
    const std::string& code() { return windows.game().languageCode(); }

    test::ScriptedDice dice;
    test::ScriptedMessages messages;
    test::PdfPrinters printers;
    Windows windows;
};

void writeFile(const std::optional<QByteArray>& contents)
{
    QFile::remove(settingsFilePath());
    if (!contents)
        return;
    QDir().mkpath(QFileInfo(settingsFilePath()).absolutePath());
    QFile file(settingsFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(*contents);
}

struct StartUp {
    const char* what;
    std::optional<QByteArray> file;
    std::string setName;
    std::string code;
    int faceSet;
    const char* quitCaption;
    QByteArray fileAfter;
};

void PrintTo(const StartUp& s, std::ostream* os) { *os << s.what; }

class StartingUp : public ::testing::TestWithParam<StartUp> {};

TEST_P(StartingUp, RestoresWhatTheFileHolds)
{
    const StartUp& s = GetParam();
    writeFile(s.file);
    ProgramRun run;
    EXPECT_EQ(run.setName(), s.setName);
    EXPECT_EQ(run.code(), s.code);
    EXPECT_EQ(run.quitCaption(), s.quitCaption);
    EXPECT_EQ(fileContents(), s.fileAfter);
    EXPECT_EQ(run.faceSet(), s.faceSet);
}

INSTANTIATE_TEST_SUITE_P(Files, StartingUp, ::testing::Values(
    StartUp{"no file", std::nullopt, "", "", 1, "&Quitter", "<missing>"},
    StartUp{"set and code", "Image 3\rE\r\n", "Image 3", "E", 3, "&Quit", "Image 3\rE\r\n"},
    StartUp{"set only", "Image 3\r\n", "Image 3", "", 3, "&Quitter", "Image 3\r\r\n"},
    StartUp{"code only", "\rE\r\n", "", "E", 1, "&Quit", "\rE\r\n"},
    StartUp{"French", "Image 1\rF\r\n", "Image 1", "F", 1, "&Quitter", "Image 1\rF\r\n"},
    StartUp{"third code", "Image 5\rD\r\n", "Image 5", "D", 5, "&Quitter", "Image 5\rD\r\n"},
    StartUp{"more lines", "Image 2\rX\rF\r\n", "Image 2", "F", 2, "&Quitter", "Image 2\rF\r\n"},
    StartUp{"blank last line", "Image 2\rE\r\r\n", "Image 2", "", 2, "&Quitter", "Image 2\r\r\n"},
    StartUp{"line feeds", "Image 4\nE\n", "Image 4", "E", 4, "&Quit", "Image 4\rE\r\n"},
    StartUp{"no line end", "Image 4\rE", "Image 4", "E", 4, "&Quit", "Image 4\rE\r\n"},
    StartUp{"unknown values", "Image 9\rQ\r\n", "Image 9", "Q", 1, "&Quitter", "Image 9\rQ\r\n"},
    StartUp{"empty file", "", "", "", 1, "&Quitter", ""}));

TEST(StartingUp, AHugeFileIsReadOnlyAsFarAsItsFirstLines)
{
    writeFile("Image 4\rE\r\n" + QByteArray(50 * 1024 * 1024, 'x'));
    QElapsedTimer clock;
    clock.start();
    ProgramRun run;
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(run.setName(), "Image 4");
    EXPECT_EQ(run.code(), "E") << "the line cut short by the read is not taken";
    EXPECT_EQ(fileContents(), "Image 4\rE\r\n");
}

TEST(StartingUp, ABinaryFileIsKeptAsItsBytes)
{
    QByteArray junk(3000, '\0');
    QRandomGenerator random(7);
    for (char& byte : junk)
        byte = static_cast<char>(random.bounded(256));
    junk.replace('\r', '\x01').replace('\n', '\x02');
    writeFile("\x01\x02\xff" + QByteArray(1, '\0') + "\r" + junk + "\r\n");
    ProgramRun run;
    EXPECT_EQ(run.setName(), std::string("\x01\x02\xff\0", 4));
    EXPECT_EQ(run.code(), junk.toStdString());
    EXPECT_EQ(run.faceSet(), 1);

    // A save writes the unknown code back byte for byte.
    run.windows.pictures().findChild<QRadioButton*>("Option2")->click();
    EXPECT_EQ(fileContents(), "Image 2\r" + junk + "\r\n");
}

TEST(StartingUp, TheChoicesOfOneRunComeBackInTheNext)
{
    writeFile(std::nullopt);
    {
        ProgramRun first;
        first.windows.main().Image12_Click();
        first.windows.findPictures()->findChild<QRadioButton*>("Option4")->click();
        first.windows.main().langues_Click();
        first.windows.findLanguage()->findChild<QRadioButton*>("Option2")->click();
        first.windows.main().findChild<QPushButton*>("Command14")->click();
    }
    ProgramRun second;
    EXPECT_EQ(second.faceSet(), 4);
    EXPECT_EQ(second.quitCaption(), "&Quit");
    EXPECT_EQ(second.windows.main().findChild<QLabel*>("Panel2")->text(), "Sub Total : 0");
}

} // namespace
} // namespace daxo
