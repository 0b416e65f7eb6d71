#pragma once

#include "app/windows.h"
#include "shell/main_window.h"
#include "storage/history.h"
#include "storage/settings_file.h"
#include "support/qt_printing.h"
#include "support/scripted_ports.h"
#include "support/test_strategy_source.h"
#include "widgets/picture_box.h"
#include "widgets/player_messages.h"
#include "widgets/printer_port.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>

namespace daxo::test {

inline QByteArray settingsFileContents()
{
    QFile file(settingsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Answers the program's questions as the test scripted them, and keeps
// every notice shown. A combination not on the dice may be confirmed
// without a script.
class Messages final : public PlayerMessages {
public:
    Answer ask(const Question& question) override
    {
        if (whenAsked)
            whenAsked(question);
        if (confirmRefusals && (question.title == "Attention !" || question.title == "Warning !"))
            return Answer::Yes;
        return answers.next(Answer::No, "a question");
    }
    void inform(const QString& title, const QString& text) override { notices << title + ": " + text; }

    Script<Answer> answers;
    std::function<void(const Question&)> whenAsked;
    bool confirmRefusals = false;
    QStringList notices;
};

// Answers the print dialog as scripted: a printer into a new PDF file, a
// printer that cannot print, or a cancel.
enum class Choice { Pdf, Broken, Cancel };

class PdfPrinters final : public PrinterPort, public Script<Choice> {
public:
    QStringList files; // printed into, in the order the dialogs were answered
    QStringList documents; // what each dialog was asked for

    std::unique_ptr<QPrinter> choosePrinter(QWidget*, const QString& document) override
    {
        documents << document;
        const Choice choice = next(Choice::Cancel, "a print dialog");
        if (choice == Choice::Cancel)
            return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        const QString file = choice == Choice::Pdf ? folder_.filePath(QString("page%1.pdf").arg(files.size() + 1))
                                                   : folder_.filePath("no such folder/page.pdf");
        printer->setOutputFileName(file);
        if (choice == Choice::Pdf)
            files << file;
        return printer;
    }

private:
    QTemporaryDir folder_;
};

// A game as the history keeps it, in a line: its game and seat, who played
// it, its boxes, total and state.
inline QString describe(const StoredGame& game)
{
    QStringList boxes;
    for (const std::optional<int>& box : game.summary.boxes)
        boxes << (box ? QString::number(*box) : QString("-"));
    return QString("game %1 (seed %12) seat %2/%3 %4%5: %6 = %7%8%9%10%11")
        .arg(game.record.start().game)
        .arg(game.seat + 1)
        .arg(game.seats)
        .arg(game.computer ? "computer " + game.level : "human")
        .arg(game.player.isEmpty() ? QString() : " " + game.player)
        .arg(boxes.join(' '))
        .arg(game.summary.total)
        .arg(game.summary.finished() ? ", finished" : ", left")
        .arg(game.assisted ? ", assisted" : "")
        .arg(game.cheated ? ", cheated" : "")
        .arg(game.place ? QString(", place %1").arg(*game.place) : QString())
        .arg(game.record.start().seed);
}

// A first start: no settings file, no history, no preferences, whatever
// the tests before left in the same program's folders.
struct NoFiles {
    NoFiles()
    {
        QFile::remove(settingsFilePath());
        QFile::remove(History::defaultPath());
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/daxo/daxo.conf");
    }
};

// The program's windows with scripted dice and answers, and ways to play
// them as the player does.
class BoardFixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_TRUE(dice.exhausted());
        EXPECT_TRUE(messages.answers.exhausted());
        EXPECT_TRUE(printers.exhausted());
    }

    template <typename Widget>
    Widget* find(const QString& name)
    {
        auto* widget = window.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    void click(const QString& name)
    {
        QPushButton* button = find<QPushButton>(name);
        ASSERT_TRUE(button->isEnabled()) << name.toStdString();
        button->click();
    }

    void throwDice(std::initializer_list<int> faces)
    {
        dice.queue(faces);
        click("Command1");
    }

    // Scores the boxes Command2 to Command13 but `skip`, one a turn with
    // four 6s and a 5: Full, Suite and Daxo are refused, and confirmed. All
    // twelve make 127 points. `endAnswers` answer the end of the game.
    void playBoxes(std::initializer_list<Answer> endAnswers, int skip = 0)
    {
        for (int n = 2; n <= 13; ++n) {
            if (n == skip)
                continue;
            if (n == 8 || n == 9 || n == 11)
                messages.answers.queue({Answer::Yes});
            if (n == 13)
                messages.answers.queue(endAnswers);
            throwDice({6, 6, 6, 6, 5});
            click(QString::fromStdString(name(button(n))));
        }
    }

    NoFiles noFiles;
    ScriptedDice dice;
    Messages messages;
    PdfPrinters printers;
    // Perfect play stays unready unless a test releases it: working it out
    // takes a while, more so under the sanitizers.
    TestStrategySource strategies{true};
    Windows windows{dice, messages, printers, strategies};
    MainWindow& window = windows.main();
};

} // namespace daxo::test
