// The program's windows played from scripts, as a player does, and what
// each shows held to a transcript reviewed once by eye: every caption in
// every language, what the screen reader hears of each control, the texts
// and figures the windows write, whatever the game asks.
//
// Each file of tests/data/windows is a script: a line "> action" plays,
// the lines after it are what the program must show or ask. To write the
// transcripts anew after a change meant to change them (then read the
// difference before committing it):
//   DAXO_WRITE_TRANSCRIPTS=1 build/tests/daxo_coach_ui_tests --gtest_filter='Windows/*'

#include "game/random_dice_source.h"
#include "players/computer_turns.h"
#include "players/seating.h"
#include "support/board_fixture.h"
#include "support/eventually.h"
#include "support/snapshot.h"
#include "support/transcript.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

namespace daxo {
namespace {

// The scripted faces; or, once a script asks for them, seeded dice, for
// the games whose computers throw their own.
class ScriptedOrSeeded final : public DiceSource {
public:
    int nextFace() override { return source().nextFace(); }
    std::uint64_t startGame() override { return source().startGame(); }
    std::uint64_t position() const override { return seeded ? seeded->position() : scripted.position(); }
    void rewind(std::uint64_t position) override { source().rewind(position); }

    test::ScriptedDice scripted;
    std::optional<RandomDiceSource> seeded;

private:
    DiceSource& source() { return seeded ? static_cast<DiceSource&>(*seeded) : scripted; }
};

Seat seatOf(const QString& word)
{
    const QString what = word.section(':', 1);
    if (word.startsWith("computer:"))
        return {.kind = Seat::Kind::Computer, .level = what.toStdString()};
    return {.kind = Seat::Kind::Human, .name = what.toStdString()};
}

class WindowScript : public ::testing::TestWithParam<QString> {
protected:
    WindowScript()
    {
        messages.whenAsked = [this](const Question& question) {
            said << "Ask " + QString::fromStdString(question.title) + ": " +
                        QString::fromStdString(question.prompt).replace("\r\n", "\\r\\n");
        };
        strategies.release();
        // What screen readers hear of the computers' turns, in its place
        // among the questions.
        QObject::connect(&windows.computerTurns(), &ComputerTurns::announced,
                         [this](const QString& news) { said << "Heard " + news; });
    }
    ~WindowScript() override
    {
        EXPECT_TRUE(dice.scripted.exhausted());
        EXPECT_TRUE(messages.answers.exhausted());
    }

    QWidget& windowNamed(const QString& name) { return windows.window(name.toStdString()); }

    template <typename Control>
    Control* controlOf(const QString& window, const QString& name)
    {
        auto* control = windowNamed(window).findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << window.toStdString() << " " << name.toStdString();
        return control;
    }

    void settle()
    {
        test::eventually([&] { return !windows.seating().computerInPlay(); });
        QApplication::processEvents();
    }

    // Plays one action, and writes down what it showed.
    void play(const QStringList& words, QStringList& out)
    {
        const QString& verb = words.front();
        const QStringList rest = words.mid(1);
        if (verb == "code") {
            windows.applyLanguageOf(rest.value(0).toStdString());
        } else if (verb == "dice") {
            dice.seeded.emplace(rest.at(0).toULongLong());
        } else if (verb == "throw") {
            for (const QString& face : rest)
                dice.scripted.queue({face.toInt()});
            controlOf<QPushButton>("Daxo", "Command1")->click();
        } else if (verb == "click") {
            controlOf<QAbstractButton>(rest.at(0), rest.at(1))->click();
        } else if (verb == "trigger") {
            controlOf<QAction>("Daxo", rest.at(0))->trigger();
        } else if (verb == "answer") {
            for (const QString& answer : rest)
                messages.answers.queue({answer == "Yes" ? Answer::Yes : Answer::No});
        } else if (verb == "open") {
            showNotModal(windowNamed(rest.at(0)));
        } else if (verb == "close") {
            windowNamed(rest.at(0)).close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } else if (verb == "seat") {
            Seats seats;
            for (const QString& word : rest)
                seats.push_back(seatOf(word));
            windows.computerTurns().setPace(Pace::Instant);
            windows.seating().seat(seats, false);
        } else if (verb == "hint") {
            windows.askForHint();
        } else if (verb == "wait") {
            QTest::qWait(rest.at(0).toInt());
        } else if (verb == "show") {
            settle();
            const QWidget* shown = windows.existingWindow(rest.at(0).toStdString());
            if (!shown) {
                out << rest.at(0) + " is not open";
                return;
            }
            const test::Snapshot snapshot(*shown);
            for (const QString& line : snapshot.lines) {
                if (rest.size() == 1 || line == snapshot.lines.front() || rest.mid(1).contains(line.section(' ', 0, 0)))
                    out << line;
            }
        } else if (verb == "confirm") {
            messages.confirmRefusals = true;
        } else if (verb == "unsave") {
            QFile::remove(settingsFilePath());
        } else if (verb == "settings") {
            out << "Settings " + QString::fromLatin1(test::settingsFileContents()).replace("\r", "\\r").replace("\n", "\\n");
        } else {
            ADD_FAILURE() << "no action " << verb.toStdString();
        }
        settle();
        for (const QString& notice : messages.notices)
            said << "Told " + notice;
        messages.notices.clear();
        out << said;
        said.clear();
    }

    // Every test starts on a first start: no settings, no history.
    test::NoFiles noFiles;
    ScriptedOrSeeded dice;
    test::Messages messages;
    QStringList said; // the questions asked, what was heard, in their order
    test::PdfPrinters printers;
    test::TestStrategySource strategies{true};
    Windows windows{dice, messages, printers, strategies};
};

QString scripts() { return QStringLiteral(DAXO_TEST_DATA) + "/windows"; }

TEST_P(WindowScript, ShowsWhatItsTranscriptSays)
{
    windows.main().show();
    const std::string path = (scripts() + "/" + GetParam()).toStdString();
    QStringList heard;
    for (const std::string& kept : test::linesOf(path)) {
        const QString line = QString::fromStdString(kept);
        if (line.startsWith("> ")) {
            heard << line;
            play(line.mid(2).split(' ', Qt::SkipEmptyParts), heard);
        } else if (line.isEmpty() || line.startsWith('#')) {
            heard << line;
        }
    }
    std::vector<std::string> said;
    for (const QString& line : heard)
        said.push_back(line.toStdString());
    test::expectTranscript(path, said);
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowScript, ::testing::ValuesIn(QDir(scripts()).entryList(QDir::Files, QDir::Name)),
                         [](const auto& info) {
                             return info.param.section('.', 0, 0).replace('-', '_').toStdString();
                         });

} // namespace
} // namespace daxo
