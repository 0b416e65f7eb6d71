#include "coach/analysis_offer.h"
#include "coach/analysis_sheet.h"
#include "coach/analysis_window.h"
#include "coach/coach_texts.h"
#include "coach/coach_guide.h"
#include "coach/coach.h"
#include "coach/coach_window.h"
#include "coach/waiting_window.h"
#include "players/players_window.h"
#include "players/ranking_window.h"
#include "players/scoreboard_window.h"
#include "scores/new_high_score_window.h"
#include "i18n/language_window.h"
#include "shell/about_window.h"
#include "solver/game_analysis.h"
#include "storage/preferences.h"
#include "support/board_fixture.h"
#include "support/eventually.h"
#include "widgets/mark_overlay.h"
#include "widgets/sheet_printing.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <functional>
#include <QProcess>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QPainter>
#include <QPicture>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTextBrowser>

namespace daxo {
namespace {

using solver::Action;

using test::eventually;

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
        EXPECT_TRUE(eventually([&] { return coach.findChild<QLabel*>("Attendu")->isVisible(); }));
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
    EXPECT_EQ(find<QPushButton>("Command1")->accessibleDescription(), QString::fromUtf8("Conseil\u00a0: lancer les dés"));

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
// pointed out when it cost 0.2 points or more. Before a turn's first throw
// it shows the throw alone.
TEST_F(CoachTest, TheCoachWindowShowsTheLossOfEachChoice)
{
    CoachWindow& coach = openCoach();
    auto* actions = coach.findChild<QTableWidget*>("Actions");
    EXPECT_TRUE(text(coach, "Verdict").startsWith(QString::fromUtf8("Aucun choix")));
    ASSERT_EQ(actions->rowCount(), 1);
    EXPECT_EQ(actions->item(0, 0)->text(), QString::fromUtf8("Lancer les dés"));
    throwDice({1, 2, 1, 3, 4});
    EXPECT_EQ(actions->rowCount(), 5);
    EXPECT_EQ(actions->item(0, 0)->text(), "Garder les 1 et 1");
    EXPECT_EQ(actions->verticalHeaderItem(0)->text(), "1");
    click("Command13"); // the Moins with 11, a poor choice
    const solver::JudgedDecision last = judged().decisions.back();
    ASSERT_GE(last.chosen.loss, 0.2);
    const QString loss = QLocale(QLocale::French).toString(last.chosen.loss, 'f', 2);
    EXPECT_EQ(text(coach, "Verdict"), QString::fromUtf8("⚠ Dernier choix\u00a0: Marquer la case -, perte ") + loss +
                                          QString::fromUtf8("\u00a0; le meilleur était\u00a0: Garder les 1 et 1."));
    EXPECT_EQ(coach.findChild<QLabel*>("Verdict")->palette().color(QPalette::WindowText), QColor(176, 0, 0));

    const QString expected = QLocale(QLocale::French).toString(solver::expectedFinal(judged().now, table()), 'f', 2);
    EXPECT_EQ(text(coach, "Attendu"), QString::fromUtf8("Score final attendu\u00a0: ") + expected);
}

// The coach window shows more than a hint: once it has shown the best
// actions of a position, the game is assisted, and the window says so. Not
// while it only works out perfect play, nor before a turn's first throw.
TEST_F(CoachTest, TheCoachWindowShowingItsActionsMakesTheGameAssisted)
{
    test::TestStrategySource slow(true);
    Windows held{dice, messages, printers, slow};
    MainWindow& board = held.main();
    held.coachWindow().show();
    dice.queue({1, 2, 3, 4, 6});
    board.findChild<QPushButton*>("Command1")->click();
    QCoreApplication::processEvents();
    EXPECT_FALSE(board.game().record().assisted()) << "only working out";
    slow.release();
    ASSERT_TRUE(eventually([&] { return board.game().record().assisted(); }));
    EXPECT_TRUE(held.coachWindow().findChild<QLabel*>("Assistee")->isVisible());

    board.game().Nouveau_Click();
    QCoreApplication::processEvents();
    EXPECT_FALSE(board.game().record().assisted()) << "the throw alone is shown before the first throw";
    held.coachWindow().close();
    dice.queue({1, 2, 3, 4, 6});
    board.findChild<QPushButton*>("Command1")->click();
    QCoreApplication::processEvents();
    EXPECT_FALSE(board.game().record().assisted()) << "closed, it shows nothing";
}

// Once the game is over the window shows its final score and the way to
// its analysis, not an expectation over an empty table.
TEST_F(CoachTest, AtTheEndTheCoachWindowShowsTheScoreAndTheWayToTheAnalysis)
{
    CoachWindow& coach = openCoach();
    playBoxes({Answer::No, Answer::No});
    EXPECT_EQ(text(coach, "Attendu"), QString::fromUtf8("Partie finie\u00a0: 127 points"));
    EXPECT_TRUE(text(coach, "Etat").contains("analyse")) << text(coach, "Etat").toStdString();
    for (const char* gone : {"Actions", "Titre1", "Verdict"})
        EXPECT_FALSE(coach.findChild<QWidget*>(gone)->isVisible()) << gone;
    EXPECT_TRUE(coach.findChild<QPushButton*>("Analyser")->isDefault());
    EXPECT_EQ(windows.existingWindow("Fin"), nullptr) << "the window has its own way to the analysis";
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
    const QStringList choices{"Garder les 3, 3 et 3", "Marquer la case 3", "Marquer la case Suite"};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(rows->item(row, 3)->text(), choices[row]);
        EXPECT_EQ(rows->item(row, 5)->text(),
                  QLocale(QLocale::French).toString(judgement.decisions[static_cast<std::size_t>(row)].chosen.loss, 'f', 2));
    }
    EXPECT_EQ(rows->item(0, 2)->text(), "1 3 3 3 5");
    EXPECT_EQ(rows->item(1, 2)->text(), "2 3 3 3 3");
    EXPECT_EQ(rows->item(2, 0)->text(), "2");
    EXPECT_EQ(rows->verticalHeaderItem(2)->text(), "3");
}

// Before the first throw there is nothing to analyse, and said so; mid-game
// the line across the chart is the score so far, not a final score.
TEST_F(CoachTest, TheAnalysisSaysWhenThereIsNothingToAnalyse)
{
    windows.showAnalysis(false);
    AnalysisWindow& analysis = windows.analysis();
    ASSERT_TRUE(eventually([&] { return !analysis.findChild<QProgressBar*>("Progression")->isVisible(); }));
    EXPECT_EQ(text(analysis, "Resume"), QString::fromUtf8("Rien à analyser pour l'instant\u00a0: la partie n'a pas commencé."));
    EXPECT_FALSE(analysis.findChild<QWidget*>("Decisions")->isVisible());

    throwDice({6, 6, 6, 6, 1});
    click("Command7");
    windows.showAnalysis(false);
    ASSERT_TRUE(eventually([&] { return analysis.findChild<QWidget*>("Graphique")->isVisible(); }));
    const QChart* chart = analysis.findChild<QChartView*>("Graphique")->chart();
    QStringList names;
    for (const QAbstractSeries* series : chart->series())
        names << series->name();
    EXPECT_EQ(names, (QStringList{"Score final attendu", "Score jusqu'ici"}));
}

// A game the cheat mode touched is not judged, and nothing else is shown.
TEST_F(CoachTest, TheCheatModeStopsTheJudgement)
{
    CoachWindow& coach = openCoach();
    windows.about().Image_Click();
    find<QRadioButton>("Option1")->click();
    window.game().typeText(Cell::Text1, "6");
    EXPECT_EQ(text(coach, "Etat"),
              QString::fromUtf8("La triche a touché cette partie\u00a0: l'entraîneur ne peut pas la juger."));
    for (const char* part : {"Actions", "Attendu", "Verdict", "Assistee"})
        EXPECT_FALSE(coach.findChild<QWidget*>(part)->isVisible()) << part;
    askForHint();
    EXPECT_TRUE(window.findChild<MarkOverlay*>("marks")->marked().empty());
}

// The end of a game, after the game's own question, offers the analysis,
// which prints on one page, its chart's legend with it.
TEST_F(CoachTest, TheEndOfAGameOffersItsAnalysis)
{
    window.show();
    playBoxes({Answer::Yes});
    // A new high score: its name first, and only then the offer.
    ASSERT_TRUE(eventually([&] { return windows.existingWindow("Bravo") && windows.newHighScore().isVisible(); }));
    EXPECT_EQ(windows.existingWindow("Fin"), nullptr);
    windows.newHighScore().reject();
    ASSERT_TRUE(eventually([&] { return windows.existingWindow("Fin") && windows.offer().isVisible(); }));
    windows.offer().findChild<QPushButton*>("Voir")->click();
    auto* rows = windows.analysis().findChild<QTableWidget*>("Decisions");
    ASSERT_TRUE(eventually([&] { return rows->isVisible(); }));
    EXPECT_EQ(rows->rowCount(), 12) << "each of twelve turns: a box";
    EXPECT_EQ(rows->item(11, 0)->text(), "12");

    // It leaves the keyboard to the board until the player goes there.
    printers.queue({test::Choice::Pdf});
    windows.analysis().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windows.analysis()));
    QTest::keyClick(&windows.analysis(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(printers.files.size(), 1);
    EXPECT_EQ(printers.documents.back(), "Analyse de la partie");
    QProcess info;
    info.start("pdfinfo", {printers.files.front()});
    info.waitForFinished(20000);
    EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           1"));
    QProcess text;
    text.start("pdftotext", {"-layout", printers.files.front(), "-"});
    text.waitForFinished(20000);
    // pdftotext writes the "fi" of the chart's face as one ligature.
    const QString page = QString::fromUtf8(text.readAllStandardOutput()).replace(QChar(0xfb01), "fi");
    EXPECT_TRUE(page.contains(QRegularExpression("Score final attendu +Score final\\n")))
        << "both names of the legend, side by side: " << page.toStdString();
}

// On paper as on the screen, the chart's legend shows each line's colour
// and name: the page is played back from a recording, and what the screen
// clips by itself must not be lost on the way.
TEST_F(CoachTest, ThePrintedAnalysisDrawsItsLegendAsTheScreenDoes)
{
    playBoxes({Answer::No, Answer::No});
    const solver::Judgement judgement = judged();
    AnalysisSheet sheet("Analyse de la partie", judgement, CoachTexts(false));
    const QImage direct = sheet.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage played(sheet.size(), QImage::Format_RGB32);
    played.fill(Qt::white);
    QPainter painter(&played);
    painter.drawPicture(0, 0, sheetDrawing(sheet));
    painter.end();

    const auto* view = sheet.findChild<QChartView*>();
    ASSERT_NE(view, nullptr);
    const QRectF inScene = view->chart()->legend()->sceneBoundingRect();
    const QRect legend(view->mapTo(&sheet, view->mapFromScene(inScene.topLeft())), inScene.size().toSize());
    ASSERT_FALSE(legend.isEmpty());
    int differing = 0;
    for (int y = legend.top(); y <= legend.bottom(); ++y) {
        for (int x = legend.left(); x <= legend.right(); ++x) {
            const QColor a = direct.pixelColor(x, y), b = played.pixelColor(x, y);
            differing += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 96;
        }
    }
    EXPECT_LT(differing, legend.width() * legend.height() / 100) << "of " << legend.width() * legend.height();
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
// run; a place that no longer stands well beside the board is found anew.
TEST_F(CoachTest, TheCoachWindowIsRememberedFromRunToRun)
{
    windows.keepForNextRun();
    EXPECT_FALSE(Preferences().coachOpen());
    window.show();
    CoachWindow& coach = openCoach();
    const QPoint placed = coach.pos();
    windows.keepForNextRun();
    EXPECT_TRUE(Preferences().coachOpen());

    test::TestStrategySource other;
    {
        Windows next{dice, messages, printers, other};
        next.main().show();
        next.restoreCoachWindow();
        ASSERT_NE(next.findCoachWindow(), nullptr);
        EXPECT_TRUE(next.findCoachWindow()->isVisible());
        EXPECT_EQ(next.findCoachWindow()->pos(), placed);
    }

    coach.move(5000, 5000); // as on a screen this one is not
    windows.keepForNextRun();
    Windows next{dice, messages, printers, other};
    next.main().show();
    next.restoreCoachWindow();
    EXPECT_EQ(next.findCoachWindow()->pos(), placed);
}

// Opening the coach window, from the menu or at the start of a run, leaves
// the keyboard on the board: its keys go on working.
TEST_F(CoachTest, TheCoachWindowLeavesTheKeyboardToTheBoard)
{
    table(); // worked out now, not while the windows are being shown
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    find<QAction>("entraineur")->trigger();
    ASSERT_TRUE(windows.coachWindow().isVisible());
    EXPECT_TRUE(eventually([&] { return QApplication::activeWindow() == &window; }));
    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(marked(), std::vector<QString>{"Command1"}) << "the hint's key";
    QTest::keyClick(&window, Qt::Key_F2);
    EXPECT_EQ(window.game().caption(Label::Label17), "2");

    // A window manager that activates every window it maps gets no say;
    // the player who goes to the window later does.
    windows.coachWindow().close();
    find<QAction>("entraineur")->trigger();
    windows.coachWindow().activateWindow();
    QTest::qWait(100);
    EXPECT_EQ(QApplication::activeWindow(), &window);
    QTest::qWait(500);
    windows.coachWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windows.coachWindow()));
    QTest::qWait(50);
    EXPECT_EQ(QApplication::activeWindow(), &windows.coachWindow());

    windows.keepForNextRun();
    windows.coachWindow().close();
    Windows next{dice, messages, printers, strategies};
    next.main().show();
    next.main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&next.main()));
    next.restoreCoachWindow();
    ASSERT_TRUE(next.coachWindow().isVisible());
    EXPECT_TRUE(eventually([&] { return QApplication::activeWindow() == &next.main(); }));
}

// Every window the additions bring redraws its words and figures the moment
// a language is applied, not only its title and buttons.
TEST_F(CoachTest, EveryAddedWindowFollowsTheLanguageAtOnce)
{
    throwDice({1, 2, 3, 4, 4});
    click("Command5");
    throwDice({6, 6, 6, 5, 4});
    window.langues_Click();
    auto* french = windows.findLanguage()->findChild<QRadioButton*>("Option1");
    auto* english = windows.findLanguage()->findChild<QRadioButton*>("Option2");
    english->click();

    showNotModal(windows.coachWindow());
    windows.showAnalysis(false);
    showNotModal(windows.waiting());
    showNotModal(windows.guide());
    windows.newHighScore().offer(1, 2, 228, "Camille");
    showNotModal(windows.newHighScore());
    showNotModal(windows.window("Joueurs"));
    showNotModal(windows.window("Marque"));
    windows.ranking().showRanking({Seat{.name = "Anne"}, Seat{.kind = Seat::Kind::Computer, .level = "strong"}},
                                  {150, 230}, {2, 1});
    showNotModal(windows.ranking());
    ASSERT_TRUE(eventually([&] { return windows.analysis().findChild<QWidget*>("Decisions")->isVisible(); }));
    ASSERT_TRUE(eventually([&] { return windows.coachWindow().findChild<QLabel*>("Attendu")->isVisible(); }));

    struct Row {
        const char* window;
        std::function<QString()> shown;
        QString english;
        QString french;
    };
    const double expected = solver::expectedFinal(judged().now, table());
    auto label = [](QWidget& in, const char* name) { return [&in, name] { return in.findChild<QLabel*>(name)->text(); }; };
    auto header = [](QWidget& in, const char* name, int column) {
        return [&in, name, column] { return in.findChild<QTableWidget*>(name)->horizontalHeaderItem(column)->text(); };
    };
    const Row rows[] = {
        {"Entraîneur", [&] { return windows.coachWindow().windowTitle(); }, "Coach", "Entraîneur"},
        {"Entraîneur", label(windows.coachWindow(), "Attendu"),
         "Expected final score: " + QLocale(QLocale::English).toString(expected, 'f', 2),
         "Score final attendu\u00a0: " + QLocale(QLocale::French).toString(expected, 'f', 2)},
        {"Entraîneur", [&] { return windows.coachWindow().findChild<QPushButton*>("Analyser")->text(); },
         "&Game analysis", "&Analyse de la partie"},
        {"Entraîneur", header(windows.coachWindow(), "Actions", 2), "Loss", "Perte"},
        {"Aide", [&] { return find<QAction>("conseil")->text(); }, "&Hint", "&Conseil"},
        {"Entraîneur", [&] { return windows.coachWindow().findChild<QTableWidget*>("Actions")->item(0, 0)->text(); },
         "Keep the ", "Garder les "},
        {"Entraîneur", [&] { return windows.coachWindow().findChild<QLabel*>("Assistee")->toolTip(); }, "A game played",
         "Une partie jouée"},
        {"Analyse", label(windows.analysis(), "Resume"), "Score: ", "Score\u00a0: "},
        {"Analyse", header(windows.analysis(), "Decisions", 5), "Loss", "Perte"},
        {"Analyse", [&] { return windows.analysis().findChild<QChartView*>("Graphique")->chart()->title(); },
         "Expected final score after", "Score final attendu après"},
        {"Calcul", label(windows.waiting(), "Label1"), "The coach is working", "L'entraîneur calcule"},
        {"Calcul", [&] { return windows.waiting().findChild<QProgressBar*>("Progression")->accessibleName(); },
         "The coach is working", "L'entraîneur calcule"},
        {"Guide", [&] { return windows.guide().findChild<QTextBrowser*>("Texte")->toPlainText(); }, "The coach",
         "L'entraîneur"},
        {"Bravo", label(windows.newHighScore(), "Label1"), "Your 228-point game takes 2nd place",
         "Votre partie de 228 points prend la 2e place"},
        {"Joueurs", [&] { return windows.players().findChild<QComboBox*>("Niveau1")->itemText(1); },
         "Regular — about 185 points a game", "Régulier — environ 185 points par partie"},
        {"Joueurs", [&] { return windows.players().findChild<QComboBox*>("Allure")->itemText(0); }, "Slow", "Lente"},
        {"Marque", label(windows.scoreboard(), "Tour"), "Game n°1 — ", "Partie n°1 — "},
        {"Marque", [&] { return windows.scoreboard().findChild<QTableWidget*>("Feuilles")->verticalHeaderItem(6)->text(); },
         "Sub Total", "Sous Total"},
        {"Classement", label(windows.ranking(), "Gagnant"), "Strong computer wins with 230 points.",
         "Ordinateur fort gagne avec 230 points."},
        {"Classement", [&] { return windows.ranking().findChild<QTableWidget*>("Places")->verticalHeaderItem(0)->text(); },
         "1st", "1er"},
    };
    for (QRadioButton* language : {french, english, french}) {
        language->click();
        const bool inEnglish = language == english;
        for (const Row& row : rows) {
            const QString shown = row.shown();
            EXPECT_TRUE(shown.startsWith(inEnglish ? row.english : row.french))
                << row.window << ": " << shown.toStdString();
        }
    }
}

// The guide says what the coach's words mean, in the language shown.
TEST_F(CoachTest, TheGuideExplainsTheCoachInTheLanguageShown)
{
    find<QAction>("guide")->trigger();
    auto* text = windows.guide().findChild<QTextBrowser*>("Texte");
    for (const char* term : {"Score final attendu", "perte", "Partie assistée", "décisions parfaites"})
        EXPECT_TRUE(text->toPlainText().contains(QString::fromUtf8(term), Qt::CaseInsensitive)) << term;
    window.langues_Click();
    windows.findLanguage()->findChild<QRadioButton*>("Option2")->click();
    EXPECT_EQ(windows.guide().windowTitle(), "Coach guide");
    for (const char* term : {"Expected final score", "loss", "Assisted game", "perfect decisions"})
        EXPECT_TRUE(text->toPlainText().contains(QString::fromUtf8(term), Qt::CaseInsensitive)) << term;
}

} // namespace
} // namespace daxo
