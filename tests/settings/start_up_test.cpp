#include "settings/pictures_window.h"
#include "support/board_fixture.h"
#include "widgets/face_images.h"

#include <QDir>
#include <QRadioButton>
#include <QRandomGenerator>

#include <optional>

namespace daxo {
namespace {

void writeFile(const std::optional<QByteArray>& contents)
{
    QFile::remove(settingsFilePath());
    QDir().mkpath(QFileInfo(settingsFilePath()).absolutePath());
    QFile file(settingsFilePath());
    if (contents && file.open(QIODevice::WriteOnly))
        file.write(*contents);
}

// A run of the program up to the board's load step, from the settings file
// written just before.
struct ProgramRun {
    explicit ProgramRun(const std::optional<QByteArray>& file, const QStringList& desktop = {"fr-FR", "fr"})
        : windows(dice, messages, printers, strategies, desktop)
    {
        writeFile(file);
        windows.main();
    }

    // Which set the board's faces look like, 0 if none of the five.
    int faceSet()
    {
        const QImage six = windows.main().facePicture(6).picture().pixmap(49, 49).toImage();
        for (int set = 1; set <= 5; ++set)
            if (six == faceImage(set, 6).pixmap(49, 49).toImage())
                return set;
        return 0;
    }

    test::ScriptedDice dice;
    test::Messages messages;
    test::PdfPrinters printers;
    test::TestStrategySource strategies;
    Windows windows;
};

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
    ProgramRun run(s.file);
    EXPECT_EQ(run.windows.game().caption(Label::Label18), s.setName);
    EXPECT_EQ(run.windows.game().languageCode(), s.code);
    EXPECT_EQ(run.windows.main().findChild<QPushButton*>("Command14")->text(), s.quitCaption);
    EXPECT_EQ(test::settingsFileContents(), s.fileAfter);
    EXPECT_EQ(run.faceSet(), s.faceSet);
}

INSTANTIATE_TEST_SUITE_P(Files, StartingUp, ::testing::Values(
    StartUp{"no file", std::nullopt, "", "F", 1, "&Quitter", "<missing>"},
    StartUp{"set and code", "Image 3\rE\r\n", "Image 3", "E", 3, "&Quit", "Image 3\rE\r\n"},
    StartUp{"set only", "Image 3\r\n", "Image 3", "", 3, "&Quitter", "Image 3\r\r\n"},
    StartUp{"code only", "\rE\r\n", "", "E", 1, "&Quit", "\rE\r\n"},
    StartUp{"third code", "Image 5\rD\r\n", "Image 5", "D", 5, "&Quitter", "Image 5\rD\r\n"},
    StartUp{"line feeds", "Image 4\nE\n", "Image 4", "E", 4, "&Quit", "Image 4\rE\r\n"},
    StartUp{"unknown values", "Image 9\rQ\r\n", "Image 9", "Q", 1, "&Quitter", "Image 9\rQ\r\n"},
    StartUp{"huge last line", "Image 4\rE\r\n" + QByteArray(8 << 20, 'x'), "Image 4", "E", 4, "&Quit",
            "Image 4\rE\r\n"}));

// A first start speaks the desktop's language, French, one Daxo added or
// else English, its windows and messages alike, and saves nothing: the
// player's own choice is the first a settings file keeps.
TEST(StartingUp, TheFirstStartSpeaksTheDesktopsLanguage)
{
    const struct {
        QStringList desktop;
        std::string code;
        const char* quitCaption;
        const char* gameNumber;
    } cases[] = {
        {{"fr-FR", "fr"}, "F", "&Quitter", "Partie n°1"},
        {{"de-DE", "de"}, "de", "&Beenden", "Spiel Nr. 1"},
        {{"en-GB", "en"}, "E", "&Quit", "Game n°1"},
        {{"ja-JP", "ja"}, "E", "&Quit", "Game n°1"},
        {{"ja-JP", "pl-PL"}, "pl", "&Zakończ", "Gra nr 1"},
    };
    for (const auto& c : cases) {
        ProgramRun run(std::nullopt, c.desktop);
        EXPECT_EQ(run.windows.game().languageCode(), c.code);
        EXPECT_EQ(run.windows.main().findChild<QPushButton*>("Command14")->text(), c.quitCaption);
        EXPECT_EQ(run.windows.main().findChild<QLabel*>("Panel1")->text(), c.gameNumber);
        EXPECT_EQ(std::string(run.windows.game().texts().gameNumber) + "1", c.gameNumber) << "the game's own messages";
        EXPECT_EQ(test::settingsFileContents(), "<missing>");
    }
}

TEST(StartingUp, ABinaryFileIsKeptAsItsBytes)
{
    QByteArray junk(3000, '\0');
    QRandomGenerator random(7);
    for (char& byte : junk)
        byte = static_cast<char>(random.bounded(256));
    junk.replace('\r', '\x01').replace('\n', '\x02');
    ProgramRun run("\x01\xff" + QByteArray(1, '\0') + "\r" + junk + "\r\n");
    EXPECT_EQ(run.windows.game().caption(Label::Label18), std::string("\x01\xff\0", 3));
    EXPECT_EQ(run.faceSet(), 1);
    // A save writes the unknown code back byte for byte.
    run.windows.pictures().findChild<QRadioButton*>("Option2")->click();
    EXPECT_EQ(test::settingsFileContents(), "Image 2\r" + junk + "\r\n");
}

} // namespace
} // namespace daxo
