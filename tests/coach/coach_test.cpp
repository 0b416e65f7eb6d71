#include "coach/analysis_offer.h"
#include "coach/analysis_window.h"
#include "coach/coach.h"
#include "coach/coach_window.h"
#include "coach/waiting_window.h"
#include "i18n/language_window.h"
#include "shell/about_window.h"
#include "solver/game_analysis.h"
#include "storage/preferences.h"
#include "support/board_fixture.h"
#include "widgets/mark_overlay.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <functional>
#include <QProcess>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace daxo {
namespace {

using solver::Action;

// Runs the event loop until `done` holds, for at most a few seconds.
bool eventually(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

class CoachTest : public test::BoardFixture {
protected:
    CoachTest() { strategies.release(); }

    const solver::Strategy& table() { return test::wholeTable(); }

    void askForHint() { find<QAction>("conseil")->trigger(); }

    std::vector<QString> marked()
    {
        std::vector<QString> names;
        for (QWidget* control : window.findChild<MarkOverlay*>("marks")->marked())
            names.push_back(control->objectName());
        return names;
    }

    // The judgement of the game in play, as the engine gives it.
    solver::Judgement judged() { return solver::judge(window.game().record(), table()); }

    CoachWindow& openCoach()
    {
        window.entraineur_Click();
        CoachWindow& coach = windows.coachWindow();
        EXPECT_TRUE(eventually([&] { return coach.findChild<QTreeWidget*>("Actions")->isVisible(); }));
        return coach;
    }

    QString text(QWidget& in, const char* name) { return in.findChild<QLabel*>(name)->text(); }
};

// A hint marks what the engine ranks first, and only marks it: no hold
// box is ticked. The next action takes the marks away.
TEST_F(CoachTest, AHintMarksTheBestAction)
{
    window.show();
    askForHint(); // before the first throw: throw
    ASSERT_TRUE(eventually([&] { return !marked().empty(); }));
    EXPECT_EQ(marked(), std::vector<QString>{"Command1"});
    EXPECT_EQ(find<QPushButton>("Command1")->accessibleDescription(), QString::fromUtf8("Conseil : lancer les dés"));

    throwDice({1, 2, 1, 3, 4});
    EXPECT_TRUE(marked().empty());
    EXPECT_TRUE(find<QPushButton>("Command1")->accessibleDescription().isEmpty());
    const Action best = table().advise({}, {2, 1, 1, 1, 0, 0}, 2).front();
    ASSERT_EQ(solver::describe(best), "keep:11");
    askForHint();
    EXPECT_EQ(marked(), (std::vector<QString>{"Picture8", "Picture10"}));
    for (int die = 1; die <= 5; ++die)
        EXPECT_FALSE(find<QCheckBox>(QString("Check%1").arg(die))->isChecked());

    find<QCheckBox>("Check1")->click();
    find<QCheckBox>("Check3")->click();
    throwDice({6, 6, 6});
    throwDice({1, 6, 6});
    askForHint(); // no throw left: a box
    const Action last = table().advise({}, solver::countsOf(std::array{1, 1, 1, 6, 6}), 0).front();
    ASSERT_EQ(last.kind, Action::Kind::Score);
    EXPECT_EQ(marked(), std::vector<QString>{QString::fromStdString(name(solver::buttonOf(last.box)))});
    EXPECT_TRUE(window.game().record().assisted());
}

// The first hint may wait for the table: the player sees it being worked
// out and plays on; the hint then shows for where the game stands.
TEST_F(CoachTest, AHintWaitsForTheTableWhilePlayGoesOn)
{
    test::TestStrategySource slow(true);
    Windows held{dice, messages, printers, slow};
    MainWindow& board = held.main();
    board.show();
    board.conseil_Click();
    EXPECT_TRUE(slow.requested());
    EXPECT_TRUE(held.waiting().isVisible());
    dice.queue({5, 5, 5, 5, 5});
    board.findChild<QPushButton*>("Command1")->click();
    slow.release();
    ASSERT_TRUE(eventually([&] { return !held.waiting().isVisible(); }));
    const auto* marks = board.findChild<MarkOverlay*>("marks");
    ASSERT_EQ(marks->marked().size(), 1u);
    const Action best = table().advise({}, {0, 0, 0, 0, 5, 0}, 2).front();
    EXPECT_EQ(marks->marked().front()->objectName(), QString::fromStdString(name(solver::buttonOf(best.box))));
}

// After each choice the coach window shows the loss the engine gives it,
// pointed out when it cost 0.2 points or more.
TEST_F(CoachTest, TheCoachWindowShowsTheLossOfEachChoice)
{
    CoachWindow& coach = openCoach();
    EXPECT_TRUE(text(coach, "Verdict").startsWith(QString::fromUtf8("Aucun choix")));
    throwDice({1, 2, 1, 3, 4});
    click("Command13"); // the Moins with 11, a poor choice
    const solver::JudgedDecision last = judged().decisions.back();
    ASSERT_GE(last.chosen.loss, 0.2);
    const QString loss = QLocale(QLocale::French).toString(last.chosen.loss, 'f', 2);
    EXPECT_TRUE(text(coach, "Verdict").contains("Marquer Moins, perte " + loss)) << text(coach, "Verdict").toStdString();
    EXPECT_TRUE(text(coach, "Verdict").startsWith(QString::fromUtf8("⚠")));
    EXPECT_EQ(coach.findChild<QLabel*>("Verdict")->palette().color(QPalette::WindowText), QColor(176, 0, 0));

    const QString expected = QLocale(QLocale::French).toString(solver::expectedFinal(judged().now, table()), 'f', 2);
    EXPECT_EQ(text(coach, "Attendu"), "Score final attendu : " + expected);
    auto* actions = coach.findChild<QTreeWidget*>("Actions");
    EXPECT_EQ(actions->topLevelItem(0)->text(0), QString::fromUtf8("Lancer les dés"));
    EXPECT_EQ(actions->topLevelItemCount(), 5);
    EXPECT_FALSE(coach.findChild<QLabel*>("Assistee")->isVisible()) << "no hint, no cheat";
}

// The analysis lists the game's decisions in order, with their losses.
TEST_F(CoachTest, TheAnalysisListsEveryDecisionInOrder)
{
    CoachWindow& coach = openCoach();
    throwDice({3, 3, 5, 3, 1});
    for (const char* hold : {"Check1", "Check2", "Check4"})
        find<QCheckBox>(hold)->click();
    throwDice({3, 2});
    click("Command4");
    throwDice({6, 2, 4, 3, 5});
    click("Command9");
    coach.findChild<QPushButton*>("Analyser")->click();
    AnalysisWindow* analysis = windows.findAnalysis();
    ASSERT_NE(analysis, nullptr);
    auto* rows = analysis->findChild<QTableWidget*>("Decisions");
    ASSERT_TRUE(eventually([&] { return rows->isVisible(); }));
    const solver::Judgement judgement = judged();
    ASSERT_EQ(rows->rowCount(), 3) << "a first throw is no choice";
    const QStringList choices{"Garder 3 3 3", "Marquer Trois", "Marquer Suite"};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(rows->item(row, 3)->text(), choices[row]);
        EXPECT_EQ(rows->item(row, 5)->text(),
                  QLocale(QLocale::French).toString(judgement.decisions[static_cast<std::size_t>(row)].chosen.loss, 'f', 2));
    }
    EXPECT_EQ(rows->item(0, 2)->text(), "1 3 3 3 5");
    EXPECT_EQ(rows->item(1, 2)->text(), "2 3 3 3 3");
    EXPECT_EQ(rows->item(2, 0)->text(), "2");
}

// A game the cheat mode touched is not judged, and nothing else is shown.
TEST_F(CoachTest, TheCheatModeStopsTheJudgement)
{
    CoachWindow& coach = openCoach();
    windows.about().Image_Click();
    find<QRadioButton>("Option1")->click();
    window.game().typeText(Cell::Text1, "6");
    EXPECT_EQ(text(coach, "Etat"), QString::fromUtf8("La triche a touché cette partie : l'entraîneur ne peut pas la juger."));
    for (const char* part : {"Actions", "Attendu", "Verdict", "Assistee"})
        EXPECT_FALSE(coach.findChild<QWidget*>(part)->isVisible()) << part;
    askForHint();
    EXPECT_TRUE(window.findChild<MarkOverlay*>("marks")->marked().empty());
}

// In English the coach's words and numbers are English: a point, not a
// comma.
TEST_F(CoachTest, TheCoachSpeaksTheLanguageShown)
{
    window.langues_Click();
    windows.findLanguage()->findChild<QRadioButton*>("Option2")->click();
    CoachWindow& coach = openCoach();
    EXPECT_EQ(coach.windowTitle(), "Coach");
    EXPECT_EQ(coach.findChild<QPushButton*>("Analyser")->text(), "&Game analysis");
    EXPECT_EQ(find<QAction>("conseil")->text(), "&Hint");
    throwDice({2, 2, 4, 5, 6});
    const QString expected = QString::number(solver::expectedFinal(judged().now, table()), 'f', 2);
    EXPECT_EQ(text(coach, "Attendu"), "Expected final score: " + expected);
    EXPECT_EQ(coach.findChild<QTreeWidget*>("Actions")->headerItem()->text(2), "Loss");
    window.langues_Click();
    windows.findLanguage()->findChild<QRadioButton*>("Option1")->click();
    EXPECT_EQ(coach.windowTitle(), QString::fromUtf8("Entraîneur"));
    EXPECT_TRUE(text(coach, "Attendu").startsWith("Score final attendu : "));
}

// The end of a game, after the game's own question, offers the analysis,
// which prints on one page.
TEST_F(CoachTest, TheEndOfAGameOffersItsAnalysis)
{
    window.show();
    playBoxes({Answer::Yes});
    ASSERT_NE(windows.existingWindow("Fin"), nullptr);
    EXPECT_TRUE(windows.offer().isVisible());
    windows.offer().findChild<QPushButton*>("Voir")->click();
    auto* rows = windows.analysis().findChild<QTableWidget*>("Decisions");
    ASSERT_TRUE(eventually([&] { return rows->isVisible(); }));
    EXPECT_EQ(rows->rowCount(), 12) << "each of twelve turns: a box";
    EXPECT_EQ(rows->item(11, 0)->text(), "12");

    printers.queue({test::Choice::Pdf});
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windows.analysis()));
    QTest::keyClick(&windows.analysis(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(printers.files.size(), 1);
    EXPECT_EQ(printers.documents.back(), "Analyse de la partie");
    QProcess info;
    info.start("pdfinfo", {printers.files.front()});
    info.waitForFinished(20000);
    EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           1"));
}

// Every control of the coach's windows that takes the keyboard is named
// for screen readers, in either language; the hint's marks say what they
// mark.
TEST_F(CoachTest, EveryControlOfTheCoachIsNamed)
{
    auto unnamed = [](QWidget& window) {
        QStringList missing;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            const QAccessible::State state = node->state();
            if (state.focusable && !state.invisible && node->text(QAccessible::Name).isEmpty())
                missing << (node->object() ? node->object()->objectName() : QString("a cell"));
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(&window));
        return missing;
    };
    Button box = Button::Command5;
    for (const char* language : {"Option2", "Option1"}) {
        window.langues_Click();
        windows.findLanguage()->findChild<QRadioButton*>(language)->click();
        CoachWindow& coach = openCoach();
        throwDice({4, 4, 1, 2, 3});
        coach.findChild<QPushButton*>("Analyser")->click();
        ASSERT_TRUE(eventually([&] { return windows.analysis().findChild<QWidget*>("Decisions")->isVisible(); }));
        EXPECT_EQ(unnamed(coach), QStringList{}) << language;
        EXPECT_EQ(unnamed(windows.analysis()), QStringList{}) << language;
        click(QString::fromStdString(name(box)));
        box = Button::Command6;
    }
    askForHint();
    for (QWidget* marked : window.findChild<MarkOverlay*>("marks")->marked())
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(marked)->text(QAccessible::Description).isEmpty());
}

// Whether the coach window was open, and where, comes back with the next
// run.
TEST_F(CoachTest, TheCoachWindowIsRememberedFromRunToRun)
{
    windows.keepForNextRun();
    EXPECT_FALSE(Preferences().coachOpen());
    window.show();
    CoachWindow& coach = openCoach();
    coach.move(40, 60);
    windows.keepForNextRun();
    EXPECT_TRUE(Preferences().coachOpen());

    test::TestStrategySource other;
    Windows next{dice, messages, printers, other};
    next.restoreCoachWindow();
    ASSERT_NE(next.findCoachWindow(), nullptr);
    EXPECT_TRUE(next.findCoachWindow()->isVisible());
    EXPECT_EQ(next.findCoachWindow()->pos(), coach.pos());
}

} // namespace
} // namespace daxo
