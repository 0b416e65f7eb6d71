#include "app/windows.h"
#include "game/random_dice_source.h"
#include "players/computer_turns.h"
#include "players/ranking_window.h"
#include "players/scoreboard.h"
#include "players/scoreboard_window.h"
#include "players/seating.h"
#include "players/table_texts.h"
#include "shell/main_window.h"
#include "storage/history.h"
#include "storage/settings_file.h"
#include "support/board_fixture.h"
#include "support/eventually.h"
#include "support/qt_printing.h"
#include "widgets/box_names.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLayout>
#include <QMenuBar>
#include <QProcess>
#include <QTableWidget>
#include <QTest>

#include <functional>

namespace daxo {
namespace {

using test::eventually;

Seat human(std::string name) { return {.kind = Seat::Kind::Human, .name = std::move(name)}; }
Seat computer(std::string level) { return {.kind = Seat::Kind::Computer, .level = std::move(level)}; }

// The program's windows with seeded dice, perfect play at hand, and a
// table to seat.
class TableTest : public ::testing::Test {
protected:
    TableTest()
    {
        player.confirmRefusals = true;
        player.everyAnswerScripted = false;
        strategies.release();
        strategies.request();
        game().setCaption(Label::Label20, "F");
    }

    Game& game() { return windows.game(); }
    Seating& seating() { return windows.seating(); }
    Table& table() { return *seating().table(); }

    void seat(const Seats& seats, Pace pace = Pace::Instant)
    {
        windows.computerTurns().setPace(pace);
        ASSERT_TRUE(seating().seat(seats, "F"));
    }

    // The human in play throws once and scores the first free box.
    void humanTurn()
    {
        ASSERT_FALSE(seating().computerInPlay());
        board.findChild<QPushButton*>("Command1")->click();
        for (int n = 2; n <= 13; ++n) {
            if (game().isEnabled(button(n))) {
                board.findChild<QPushButton*>(QString::fromStdString(name(button(n))))->click();
                return;
            }
        }
    }

    // The computers play until a human's turn, or the end.
    bool computersPlayed()
    {
        return eventually([&] { return !seating().table() || !seating().computerInPlay(); });
    }

    test::NoFiles noFiles;
    RandomDiceSource dice{2027};
    test::Messages player;
    test::PdfPrinters printers;
    test::TestStrategySource strategies{true};
    Windows windows{dice, player, printers, strategies};
    MainWindow& board = windows.main();
};

// A whole game of three on the board: the human scripted, a regular
// computer and perfect play (what is said and shown of it, and what the
// history keeps, is the window transcripts'). The game's own question waits
// for the last computer's last box as long as every step does.
TEST_F(TableTest, AWholeGameOfThreeIsPlayedOnTheBoard)
{
    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> saidAt; // the last box, then the winners, before the question
    QObject::connect(&windows.computerTurns(), &ComputerTurns::announced, [&] { saidAt.push_back(clock.elapsed()); });
    std::vector<qint64> saidBeforeTheQuestion;
    qint64 askedAt = 0;
    player.whenAsked = [&](const Question& question) {
        if (question.title == "Fin de la partie") {
            askedAt = clock.elapsed();
            saidBeforeTheQuestion = saidAt;
        }
    };
    seat({human("Camille"), computer("regular"), computer("perfect")});
    for (int turn = 1; turn <= 12; ++turn) {
        if (turn == 12)
            windows.computerTurns().setPace(Pace::Fast);
        humanTurn();
        ASSERT_TRUE(computersPlayed()) << turn;
    }
    ASSERT_TRUE(table().over());
    ASSERT_GE(saidBeforeTheQuestion.size(), 2u);
    EXPECT_GE(askedAt - saidBeforeTheQuestion[saidBeforeTheQuestion.size() - 2], stepPause(Pace::Fast).count());
}

// In a computer's turn the board takes no input: a click hurries the turn
// to its end, which is then said in one sentence, and a control pressed by
// assistive technology does nothing. A modifier key alone hurries nothing,
// and the menu works: Ctrl+Z, or Fichier > Annuler, takes back the box that
// ended the human's turn before the computer acts.
TEST_F(TableTest, AComputersTurnTakesNoInputButHurriesAndUndo)
{
    QStringList heard;
    QObject::connect(&windows.computerTurns(), &ComputerTurns::announced, [&](const QString& news) { heard << news; });
    seat({human("Camille"), computer("regular"), computer("strong")}, Pace::Slow);
    board.show();
    board.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&board));
    auto* menuBar = board.findChild<QMenuBar*>();
    auto* undo = board.findChild<QAction*>("annuler");
    const std::function<void()> takeBack[] = {
        [&] {
            QTest::keyPress(&board, Qt::Key_Control);
            QTest::qWait(20); // what a press hurries would be played by now
            QTest::keyClick(&board, Qt::Key_Z, Qt::ControlModifier);
            QTest::keyRelease(&board, Qt::Key_Control);
        },
        [&] {
            QTest::mouseClick(menuBar, Qt::LeftButton, {}, menuBar->actionGeometry(menuBar->actions().front()).center());
            QTest::qWait(20);
            if (QWidget* menu = QApplication::activePopupWidget())
                menu->close();
            undo->trigger();
        },
    };
    for (const auto& back : takeBack) {
        humanTurn();
        ASSERT_EQ(table().seatInPlay(), 1);
        ASSERT_TRUE(game().canUndo());
        back();
        ASSERT_EQ(table().seatInPlay(), 0) << "the box is taken back before the computer acts";
        EXPECT_FALSE(summarize(table().recordOf(1)).begun);
        EXPECT_TRUE(game().isEnabled(Button::Command2));
    }
    humanTurn();

    auto* go = board.findChild<QPushButton*>("Command1");
    const std::size_t before = game().record().events().size();
    go->click(); // as a screen reader's press would
    EXPECT_EQ(game().record().events().size(), before);
    EXPECT_EQ(table().seatInPlay(), 1);

    // Slow, the turn would take seconds, a step more than one; a click
    // plays it out at once, and says it whole.
    const qsizetype saidBefore = heard.size();
    QTest::mouseClick(go, Qt::LeftButton);
    ASSERT_GT(stepPause(Pace::Slow).count(), 1000);
    ASSERT_TRUE(eventually([&] { return table().seatInPlay() == 2; }, 1000));
    const RecordSummary hurried = summarize(table().recordOf(1));
    EXPECT_EQ(std::count_if(hurried.boxes.begin(), hurried.boxes.end(), [](auto box) { return box.has_value(); }), 1);
    ASSERT_EQ(heard.size(), saidBefore + 1) << "the turn in one sentence";
    EXPECT_TRUE(heard.back().startsWith(QString::fromUtf8("Ordinateur régulier ")) &&
                heard.back().endsWith(" Ordinateur fort joue."))
        << heard.back().toStdString();
    EXPECT_FALSE(summarize(table().recordOf(2)).begun) << "the next computer plays at the pace again";
    EXPECT_FALSE(game().canUndo()) << "a computer's move is never undone";
}

// The coach serves the human in play: a hint in a computer's turn marks
// nothing and helps no one; the human's hint marks the human's game.
TEST_F(TableTest, TheCoachServesOnlyTheHumans)
{
    seat({human("Camille"), computer("perfect"), human("Bruno")}, Pace::Slow);
    humanTurn();
    ASSERT_TRUE(seating().computerInPlay());
    windows.askForHint();
    EXPECT_FALSE(table().recordOf(1).assisted());
    windows.computerTurns().hurry();
    ASSERT_TRUE(computersPlayed());
    windows.askForHint();
    EXPECT_TRUE(table().recordOf(2).assisted());
    EXPECT_FALSE(table().recordOf(1).assisted());
    EXPECT_FALSE(table().recordOf(0).assisted());
}

// Whether a window of the board can stand beside it on a 1280×800 screen,
// the board in the middle: no wider at its smallest than the room there.
bool fitsBesideTheBoard(const QWidget& window, const QWidget& board)
{
    const int room = (1280 - board.frameGeometry().width()) / 2 - 8 - 2; // a gap, and the window's frame
    return std::max(window.minimumWidth(), window.layout()->minimumSize().width()) <= room;
}

// The scoreboard: a column a player, the player in play marked, the boxes,
// subtotal, bonus and total, and each one's expected final under perfect
// play; live and on one printed page (the window scripts'). It opens with a table's game, unless
// closed at a table before, and stands beside the board on a small screen
// for every table, each column whole, long names cut short, as the players
// window does.
TEST_F(TableTest, TheScoreboardShowsEveryoneAndWhoIsReallyAhead)
{
    for (int size = 6; size >= 2; --size) {
        Seats seats{human("Camille-Alexandrine Dupont")};
        while (static_cast<int>(seats.size()) < size)
            seats.push_back(computer(size % 2 ? "regular" : "beginner"));
        seat(seats);
        ScoreboardWindow& scoreboard = windows.scoreboard();
        ASSERT_TRUE(scoreboard.isVisible()) << size;
        EXPECT_TRUE(fitsBesideTheBoard(scoreboard, board)) << size;
        scoreboard.resize(scoreboard.minimumSize());
        QCoreApplication::processEvents();
        auto* sheets = scoreboard.findChild<QTableWidget*>("Feuilles");
        const QStringList names = TableTexts("F").seatNames(seats);
        int widths = 0;
        for (int column = 0; column < size; ++column) {
            widths += sheets->columnWidth(column);
            QFont bold = sheets->font();
            bold.setBold(true);
            EXPECT_GE(sheets->columnWidth(column), QFontMetrics(bold).horizontalAdvance("219,4")) << size;
            const QTableWidgetItem* head = sheets->horizontalHeaderItem(column);
            EXPECT_EQ(head->toolTip(), names[column]);
            for (const QString& line : head->text().split('\n'))
                EXPECT_LE(sheets->horizontalHeader()->fontMetrics().horizontalAdvance(line), sheets->columnWidth(column));
        }
        EXPECT_LE(widths, sheets->viewport()->width()) << size;
        EXPECT_TRUE(sheets->horizontalHeaderItem(0)->text().contains(QString::fromUtf8("…"))) << size;
        EXPECT_EQ(sheets->horizontalHeaderItem(0)->data(Qt::AccessibleTextRole).toString(),
                  names[0] + QString::fromUtf8(" joue."));
    }
    board.findChild<QAction*>("joueurs")->trigger();
    EXPECT_TRUE(fitsBesideTheBoard(windows.window("Joueurs"), board));
    windows.scoreboard().findChild<QPushButton*>("Fermer")->click();
    seat({human("Camille"), computer("regular")});
    EXPECT_FALSE(windows.scoreboard().isVisible()) << "closed at a table, it stays closed";
}

} // namespace
} // namespace daxo
