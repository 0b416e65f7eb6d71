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

#include "coach/coach.h"
#include "game/random_dice_source.h"
#include "players/computer_turns.h"
#include "players/scoreboard_window.h"
#include "shell/about_window.h"
#include "players/seating.h"
#include "scores/perfect_play_source.h"
#include "scores/scores_texts.h"
#include "storage/preferences.h"
#include "support/board_fixture.h"
#include "support/eventually.h"
#include "support/snapshot.h"
#include "support/transcript.h"
#include "widgets/face_images.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QProcess>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QWindow>

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
            // The end's question takes the focus only once the last box was
            // heard: the news before the winners' (said at once) stood its pause.
            if (clock.elapsed() < earlierNewsStands)
                said << "Asked before the last box was heard";
        };
        clock.start();
        start(QLocale::system().uiLanguages());
    }

    // The program's windows, as a run on a desktop in `languages` starts
    // them, after the run before if any.
    void start(const QStringList& languages)
    {
        windows.reset();
        windows = std::make_unique<Windows>(dice, messages, printers, strategies, languages);
        // What screen readers hear of the computers' turns, in its place
        // among the questions.
        QObject::connect(&windows->computerTurns(), &ComputerTurns::announced,
                         [this](const QString& news) {
                             said << "Heard " + news;
                             const qint64 pause = newsPause(pace, static_cast<std::size_t>(news.size()), false).count();
                             earlierNewsStands = std::exchange(lastNewsStands, clock.elapsed() + pause * 9 / 10);
                         });
        // The desktop opens the addresses asked, unless a script says it cannot.
        windows->main().setUrlOpener([this](const QUrl& url) {
            said << "Opened " + url.toString();
            return addressesOpen;
        });
        windows->main().show();
    }
    ~WindowScript() override
    {
        EXPECT_TRUE(dice.scripted.exhausted());
        EXPECT_TRUE(messages.answers.exhausted());
    }

    QWidget& windowNamed(const QString& name) { return windows->window(name.toStdString()); }

    template <typename Control>
    Control* controlOf(const QString& window, const QString& name)
    {
        auto* control = windowNamed(window).findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << window.toStdString() << " " << name.toStdString();
        return control;
    }

    // Until the computers have played and the history has answered what it
    // was asked, so that what it tells comes after the action that caused it.
    void settle()
    {
        // At the slow pace a script acts in the computers' turns.
        if (pace != Pace::Slow)
            test::eventually([&] { return !windows->seating().computerInPlay(); });
        if (const auto* scoreboard = qobject_cast<const ScoreboardWindow*>(windows->existingWindow("Marque")))
            test::eventually([&] { return !scoreboard->chancesComing(); });
        test::eventually([&] { return !windows->coach().oddsComing(); });
        if (const AnalysisWindow* analysis = windows->findAnalysis())
            test::eventually([&] { return !analysis->courseComing(); }, 60000);
        // Perfect play's own games, once its table is ready.
        if (const QWidget* statistics = windows->existingWindow("Statistiques"); statistics && strategies.strategy()) {
            const QString coming = ScoresTexts(windows->game().languageCode()).perfectPlayComing();
            test::eventually([&] { return !statistics->findChild<QLabel*>("Resume")->text().contains(coming); }, 120000);
        }
        windows->keeper().history().finish(10000);
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Plays one action, and writes down what it showed.
    void play(const QStringList& words, QStringList& out)
    {
        const QString& verb = words.front();
        const QStringList rest = words.mid(1);
        if (verb == "code") {
            windows->applyLanguageOf(rest.value(0).toStdString());
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
            windows->computerTurns().setPace(pace);
            windows->seating().seat(seats, windows->game().languageCode());
        } else if (verb == "pace") {
            pace = paceOfKey(rest.at(0).toStdString());
            windows->computerTurns().setPace(pace);
        } else if (verb == "cheat") {
            windows->about().Image_Click(); // the About picture shows the cheat panel
            controlOf<QAbstractButton>("Daxo", rest.value(0) == "off" ? "Option2" : "Option1")->click();
        } else if (verb == "table") {
            // A table still being worked out: perfect play's own games are
            // not known yet either, though a test before kept them.
            const QString games = PerfectPlaySource::defaultCachePath();
            if (rest.value(0) == "held") {
                QFile::remove(games + ".held");
                QFile::rename(games, games + ".held");
            } else {
                QFile::rename(games + ".held", games);
                strategies.release();
            }
        } else if (verb == "hint") {
            windows->askForHint();
        } else if (verb == "await") {
            // The offer of the analysis comes first when the history is
            // slow to say whether a game entered the high scores: it is left.
            if (!test::eventually([&] {
                    QWidget* offer = windows->existingWindow("Fin");
                    if (rest.at(0) != "Fin" && offer && offer->isVisible())
                        offer->close();
                    const QWidget* window = windows->existingWindow(rest.at(0).toStdString());
                    return window && window->isVisible();
                }))
                out << rest.at(0) + " did not come";
        } else if (verb == "wait") {
            QTest::qWait(rest.at(0).toInt());
        } else if (verb == "show") {
            settle();
            const QWidget* shown = windows->existingWindow(rest.at(0).toStdString());
            if (!shown) {
                out << rest.at(0) + " is not open";
                return;
            }
            // Only the controls named, if any are (a name ending in * stands
            // for all those it begins), each with the rows of its table.
            const test::Snapshot snapshot(*shown);
            const QStringList named = rest.mid(1);
            bool kept = true;
            for (const QString& line : snapshot.lines) {
                const QString control = line.section(' ', 0, 0);
                if (!line.startsWith("  "))
                    kept = named.isEmpty() || line == snapshot.lines.front() ||
                           std::ranges::any_of(named, [&](const QString& name) {
                               return name.endsWith('*') ? control.startsWith(name.chopped(1)) : control == name;
                           });
                if (kept)
                    out << line;
            }
        } else if (verb == "confirm") {
            messages.confirmRefusals = true;
        } else if (verb == "type") {
            QWidget* control = controlOf<QWidget>(rest.at(0), rest.at(1));
            const QString value = rest.mid(2).join(' ');
            if (auto* edit = qobject_cast<QLineEdit*>(control))
                edit->setText(value);
            else if (auto* spin = qobject_cast<QSpinBox*>(control))
                spin->setValue(value.toInt());
            else if (auto* list = qobject_cast<QComboBox*>(control))
                list->setCurrentIndex(value.toInt());
        } else if (verb == "keys" || verb == "paste") {
            // Typed a key at a time as the player does, or pasted at once;
            // "9*3000" stands for 3000 nines.
            auto* cell = controlOf<QLineEdit>(rest.at(0), rest.at(1));
            QString text = rest.mid(2).join(' ');
            if (const QRegularExpressionMatch many = QRegularExpression("^(.)\\*(\\d+)").match(text); many.hasMatch())
                text.replace(0, many.capturedLength(), many.captured(1).repeated(many.captured(2).toInt()));
            cell->selectAll();
            for (const QString& typed : verb == "paste" ? QStringList{text} : text.split(QString(), Qt::SkipEmptyParts)) {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed);
                QApplication::sendEvent(cell, &press);
            }
        } else if (verb == "act") {
            // What a screen reader does with a control: its press or toggle.
            QAccessibleActionInterface* can =
                QAccessible::queryAccessibleInterface(controlOf<QWidget>(rest.at(0), rest.at(1)))->actionInterface();
            const QString action = rest.at(2) == "toggle" ? QAccessibleActionInterface::toggleAction()
                                                          : QAccessibleActionInterface::pressAction();
            if (can && can->actionNames().contains(action))
                can->doAction(action);
            else
                out << "No " + rest.at(2) + " on " + rest.at(1);
        } else if (verb == "write") {
            // What a screen reader writes into a cell: text inserted, or its value.
            QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(controlOf<QWidget>(rest.at(0), rest.at(1)));
            const QString text = rest.mid(3).join(' ');
            if (rest.at(2) == "value")
                cell->setText(QAccessible::Value, text);
            else
                cell->editableTextInterface()->insertText(0, text);
        } else if (verb == "caption") {
            // A caption the game keeps, set as a file read at start would.
            for (const Label label : {Label::Label1, Label::Label17, Label::Label18, Label::Label19, Label::Label20}) {
                if (name(label) == rest.at(0).toStdString())
                    windows->game().setCaption(label, rest.mid(1).join(' ').toStdString());
            }
        } else if (verb == "key") {
            // A key pressed as the player does: in a window, where its
            // keyboard is, or on one of its controls ("Daxo/Text9").
            QWidget& window = windowNamed(rest.at(0).section('/', 0, 0));
            window.activateWindow();
            if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }))
                out << rest.at(0) + " does not take the keyboard";
            if (rest.at(0).contains('/'))
                controlOf<QWidget>(rest.at(0).section('/', 0, 0), rest.at(0).section('/', 1))->setFocus();
            QWidget* focus = QApplication::focusWidget();
            QWidget* target = focus && focus->window() == &window ? focus : &window;
            // Its modifiers go down a moment before the key, as a hand's do.
            const QKeySequence keys(rest.at(1));
            const auto modifiers = [&](bool down) {
                constexpr std::pair<Qt::KeyboardModifier, Qt::Key> kModifiers[] = {
                    {Qt::ControlModifier, Qt::Key_Control}, {Qt::AltModifier, Qt::Key_Alt}, {Qt::ShiftModifier, Qt::Key_Shift}};
                for (const auto& [modifier, key] : kModifiers) {
                    if (keys[0].keyboardModifiers() & modifier)
                        down ? QTest::keyPress(target, key) : QTest::keyRelease(target, key);
                }
            };
            modifiers(true);
            QTest::qWait(20);
            QTest::keySequence(target, keys);
            modifiers(false);
        } else if (verb == "menu") {
            // A menu of the bar opened by the mouse a moment, and left.
            auto* bar = windowNamed(rest.at(0)).findChild<QMenuBar*>();
            const QMenu* menu = controlOf<QMenu>(rest.at(0), rest.at(1));
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
            QTest::qWait(20);
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
        } else if (verb == "activate") {
            windowNamed(rest.at(0)).activateWindow(); // as a window manager may, or the player
        } else if (verb == "active") {
            // Which window holds the keyboard, a moment after.
            QTest::qWait(100);
            const QWidget* active = QApplication::activeWindow();
            out << "Active " + (active ? active->objectName() : QString("none"));
        } else if (verb == "windows") {
            // The windows shown, each once, over the window they belong to;
            // a modal one blocks the board.
            QStringList shown;
            for (const QWidget* top : QApplication::topLevelWidgets()) {
                if (top->isVisible())
                    shown << top->objectName() + (top->parentWidget() ? " over " + top->parentWidget()->objectName() : "") +
                                 (top->isModal() ? " modal" : "");
            }
            shown.sort();
            out << "Shown " + shown.join(", ");
        } else if (verb == "addresses") {
            addressesOpen = rest.value(0) != "unopenable";
        } else if (verb == "queue") {
            for (const QString& face : rest)
                dice.scripted.queue({face.toInt()});
        } else if (verb == "geometry") {
            // Where the window's named controls lie in it, and its size and
            // the sizes a window manager may give it.
            const QWidget& window = windowNamed(rest.at(0));
            const auto box = [](const QRect& r) { return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); };
            out << QString("%1 %2x%3 at %8,%9, from %4x%5 to %6x%7")
                       .arg(window.objectName()).arg(window.width()).arg(window.height())
                       .arg(window.minimumWidth()).arg(window.minimumHeight())
                       .arg(window.maximumWidth()).arg(window.maximumHeight()).arg(window.x()).arg(window.y());
            for (const QWidget* control : window.findChildren<QWidget*>()) {
                if (control->window() == &window && control->isVisibleTo(&window) && !control->objectName().isEmpty() &&
                    !control->objectName().startsWith("qt_"))
                    out << "  " + control->objectName() + " " + box(QRect(control->mapTo(&window, QPoint()), control->size())) +
                               (control == window.focusWidget() ? " focused" : "");
            }
            // A table's columns in the room it gives them, and any text too
            // wide for its column.
            for (const QTableWidget* table : window.findChildren<QTableWidget*>()) {
                QStringList widths, cut;
                for (int column = 0; column < table->columnCount(); ++column) {
                    widths << QString::number(table->columnWidth(column));
                    const auto cuts = [&](const QFontMetrics& metrics, const QString& text) {
                        for (const QString& line : text.split('\n')) {
                            if (metrics.horizontalAdvance(line) > table->columnWidth(column))
                                cut << '"' + line + '"';
                        }
                    };
                    cuts(table->horizontalHeader()->fontMetrics(), table->horizontalHeaderItem(column)->text());
                    for (int row = 0; row < table->rowCount(); ++row) {
                        if (const QTableWidgetItem* cell = table->item(row, column))
                            cuts(QFontMetrics(cell->font().resolve(table->font())), cell->text());
                    }
                }
                out << "  " + table->objectName() + " columns " + widths.join(' ') + " in " +
                           QString::number(table->viewport()->width()) + (cut.isEmpty() ? "" : ", cutting " + cut.join(' '));
            }
            // The order Tab takes, from the control that has the focus.
            QStringList tabs;
            for (QWidget* at = window.focusWidget(); at && !tabs.contains(at->objectName()); at = at->nextInFocusChain()) {
                if (at->window() == &window && (at->focusPolicy() & Qt::TabFocus) && at->isVisibleTo(&window))
                    tabs << at->objectName();
            }
            out << "  Tab order: " + tabs.join(' ');
        } else if (verb == "resize") {
            // As a window manager that stops nothing, on a bare X server; or
            // to the smallest the window allows.
            QWidget& window = windowNamed(rest.at(0));
            if (rest.at(1) == "smallest")
                window.resize(window.minimumSize());
            else
                window.windowHandle()->resize(rest.at(1).toInt(), rest.at(2).toInt());
        } else if (verb == "mouse") {
            QTest::mouseClick(controlOf<QWidget>(rest.at(0), rest.at(1)), Qt::LeftButton);
        } else if (verb == "buttons") {
            // Qt's own: a message box's buttons and the print dialog's title.
            QMessageBox box(QMessageBox::Warning, "", "", QMessageBox::Yes | QMessageBox::No);
            QPrinter printer;
            out << "Buttons " + box.button(QMessageBox::Yes)->text() + " " + box.button(QMessageBox::No)->text() +
                       ", print dialog " + QPrintDialog(&printer).windowTitle();
        } else if (verb == "faces") {
            out << facesShown();
        } else if (verb == "printers") {
            for (const QString& choice : rest)
                printers.queue({choice == "Pdf" ? test::Choice::Pdf : choice == "Broken" ? test::Choice::Broken
                                                                                           : test::Choice::Cancel});
        } else if (verb == "escape") {
            qobject_cast<QDialog*>(&windowNamed(rest.at(0)))->reject();
        } else if (verb == "boxes") {
            // Twelve turns of four 6s and a 5, a box each in order, the
            // refusals confirmed: 127 points; the end answered as given.
            for (int n = 2; n <= 13; ++n) {
                if (n == 8 || n == 9 || n == 11)
                    messages.answers.queue({Answer::Yes});
                for (const QString& answer : n == 13 ? rest : QStringList())
                    messages.answers.queue({answer == "Yes" ? Answer::Yes : Answer::No});
                dice.scripted.queue({6, 6, 6, 6, 5});
                controlOf<QPushButton>("Daxo", "Command1")->click();
                controlOf<QPushButton>("Daxo", QString("Command%1").arg(n))->click();
            }
        } else if (verb == "history") {
            windows->keeper().history().finish(10000);
            for (const StoredGame& kept : History(History::defaultPath()).allGames())
                out << "Kept " + test::describe(kept);
            const auto best = History(History::defaultPath()).highScores().value_or(std::vector<HighScore>{});
            for (std::size_t rank = 0; rank < best.size(); ++rank)
                out << QString("Best %1: %2 %3").arg(rank + 1).arg(best[rank].score).arg(best[rank].player);
        } else if (verb == "block") {
            // A file where the history's folder should be; "block off" takes it away.
            const QString folder = QFileInfo(History::defaultPath()).absolutePath();
            QDir(folder).removeRecursively();
            QFile::remove(folder);
            if (QFile blocking(folder); rest.value(0) != "off")
                blocking.open(QIODevice::WriteOnly);
        } else if (verb == "name") {
            Preferences().setPlayerName(rest.join(' '));
        } else if (verb == "pref") {
            // A preference as a hand edited it; "\s" is a blank.
            QSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/daxo/daxo.conf",
                      QSettings::IniFormat)
                .setValue(rest.at(0), rest.mid(1).join(' ').replace("\\s", " "));
        } else if (verb == "restore") {
            // As a start does, after the board is shown.
            windows->restoreTable();
            windows->restoreCoachWindow();
        } else if (verb == "keep") {
            windows->keepForNextRun();
        } else if (verb == "move") {
            windowNamed(rest.at(0)).move(rest.at(1).toInt(), rest.at(2).toInt()); // as on a screen this one is not
        } else if (verb == "prefs") {
            QSettings prefs(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/daxo/daxo.conf",
                            QSettings::IniFormat);
            for (const QString& key : prefs.allKeys()) {
                const QVariant value = prefs.value(key);
                out << "Prefs " + key + "=" + (value.typeId() == QMetaType::QStringList ? value.toStringList().join(',')
                                               : value.typeId() == QMetaType::QByteArray
                                                   ? QString("(%1 bytes)").arg(value.toByteArray().size())
                                                   : value.toString());
            }
        } else if (verb == "start") {
            start(rest);
        } else if (verb == "file") {
            // The settings file as a hand or another program left it, its
            // bytes written as the transcripts write them.
            QDir().mkpath(QFileInfo(settingsFilePath()).absolutePath());
            QFile file(settingsFilePath());
            if (file.open(QIODevice::WriteOnly))
                file.write(bytesOf(rest.join(' ')));
        } else if (verb == "unsave") {
            QFile::remove(settingsFilePath());
        } else if (verb == "settings") {
            out << "Settings " + textOf(test::settingsFileContents());
        } else {
            ADD_FAILURE() << "no action " << verb.toStdString();
        }
        settle();
        // Each print dialog asked for its sheet, and each page printed, as
        // its reader reads it.
        for (const QString& document : printers.documents.mid(dialogsTold))
            said << "Print dialog for " + document;
        dialogsTold = printers.documents.size();
        for (const QString& file : printers.files.mid(filesTold))
            said << (QFile::exists(file) ? "Printed " + printedText(file) : QString("Printed nothing"));
        filesTold = printers.files.size();
        for (const QString& notice : messages.notices)
            said << "Told " + notice;
        messages.notices.clear();
        out << said;
        said.clear();
    }

    // Bytes as a transcript writes them: \r, \n and \xHH for what does not
    // print, and "x*3000" for 3000 x's.
    static QString textOf(const QByteArray& bytes)
    {
        QString text;
        for (const char byte : bytes) {
            const auto code = static_cast<unsigned char>(byte);
            text += byte == '\r' ? "\\r" : byte == '\n' ? "\\n"
                  : code < 0x20 || code >= 0x7f ? QString("\\x%1").arg(code, 2, 16, QChar('0'))
                                                : QString(QChar(code));
        }
        return text;
    }
    static QByteArray bytesOf(const QString& text)
    {
        QByteArray bytes;
        static const QRegularExpression escape(R"(\\r|\\n|\\x([0-9a-f]{2})|(.)\*(\d+)|.)");
        for (auto match = escape.globalMatch(text); match.hasNext();) {
            const QRegularExpressionMatch one = match.next();
            const QString all = one.captured();
            bytes += all == "\\r" ? QByteArray("\r") : all == "\\n" ? QByteArray("\n")
                   : one.hasCaptured(1) ? QByteArray(1, static_cast<char>(one.captured(1).toInt(nullptr, 16)))
                   : one.hasCaptured(3) ? one.captured(2).toLatin1().repeated(one.captured(3).toInt())
                                        : all.toUtf8();
        }
        return bytes;
    }

    // Which picture set the board's six faces and its five dice look like:
    // the first of all the sets' faces each looks like, told as set:face
    // when it is another face.
    QString facesShown()
    {
        const auto setOf = [](const PictureBox& picture, int face) {
            const QImage shown = picture.picture().pixmap(49, 49).toImage();
            for (int set = 1; set <= kPictureSetCount; ++set) {
                for (int other = 1; other <= 6 && face > 0; ++other) {
                    if (shown == faceImage(set, other).pixmap(49, 49).toImage())
                        return other == face ? QString::number(set) : QString("%1:%2").arg(set).arg(other);
                }
            }
            return QString("-");
        };
        QStringList faces, dice;
        for (int face = 1; face <= 6; ++face)
            faces << setOf(windows->main().facePicture(face), face);
        for (int die = 1; die <= kDieCount; ++die)
            dice << setOf(*controlOf<PictureBox>("Daxo", QString("Picture%1").arg(7 + die)), windows->game().diePicture(die));
        return "Faces of sets " + faces.join(' ') + ", dice of sets " + dice.join(' ');
    }

    static QString printedText(const QString& pdf)
    {
        QProcess reader;
        reader.start("pdfinfo", {pdf});
        reader.waitForFinished(20000);
        const QString pages = QString::fromUtf8(reader.readAllStandardOutput()).section("Pages:", 1).section('\n', 0, 0);
        reader.start("pdftotext", {pdf, "-"});
        reader.waitForFinished(20000);
        return pages.simplified() + " page: " + QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    }

    qsizetype dialogsTold = 0, filesTold = 0;
    bool addressesOpen = true;
    Pace pace = Pace::Instant;
    QElapsedTimer clock;
    qint64 earlierNewsStands = 0, lastNewsStands = 0; // until when the news before the last, and the last, stand
    // Every test starts on a first start: no settings, no history.
    test::NoFiles noFiles;
    ScriptedOrSeeded dice;
    test::Messages messages;
    QStringList said; // the questions asked, what was heard, in their order
    test::PdfPrinters printers;
    test::TestStrategySource strategies{true};
    std::unique_ptr<Windows> windows;
};

QString scripts() { return QStringLiteral(DAXO_TEST_DATA) + "/windows"; }

TEST_P(WindowScript, ShowsWhatItsTranscriptSays)
{
    const std::string path = (scripts() + "/" + GetParam()).toStdString();
    // Perfect play is at hand from the start, unless the script holds it
    // back as a table still being worked out.
    const std::vector<std::string> lines = test::linesOf(path);
    if (std::ranges::find(lines, "> table held") == lines.end())
        strategies.release();
    QStringList heard;
    for (const std::string& kept : lines) {
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
