#include "i18n/language_window.h"
#include "scores/scores_texts.h"
#include "support/board_fixture.h"
#include "support/eventually.h"
#include "support/snapshot.h"
#include "widgets/languages.h"
#include "widgets/secondary_window.h"
#include "widgets/status_panel.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <functional>
#include <map>

namespace daxo {
namespace {

// The windows a player can open, but those that only come at a game's end.
constexpr const char* kWindows[] = {"Daxo",  "Apropos", "Règle",        "Pictures", "Printer1",
                                    "Langue", "Entraîneur", "Analyse",  "Guide",    "Meilleurs",
                                    "Statistiques", "Joueurs", "Marque", "Classement"};

constexpr std::string_view kLaidOutWindows[] = {"Daxo", "Apropos", "Règle", "Pictures", "Printer1", "Langue"};

QString shown(const QString& caption) { return QString(caption).remove(QRegularExpression("&(?!&)")); }

// The captions a window cuts off or elides, measured in the control's own
// font and style.
QStringList cutOff(const QWidget& window)
{
    QStringList cut;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (control->window() != &window || !control->isVisibleTo(&window) || control->objectName().isEmpty())
            continue;
        const QFontMetrics metrics(control->font());
        int room = 0;
        QString text;
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const auto element = qobject_cast<const QCheckBox*>(button)      ? QStyle::SE_CheckBoxContents
                                 : qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                                            : QStyle::SE_PushButtonContents;
            room = control->style()->subElementRect(element, &option, button).width();
            text = shown(button->text());
        } else if (const auto* panel = qobject_cast<const StatusPanel*>(control)) {
            room = panel->contentsRect().width();
            text = panel->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            if (label->text().isEmpty() || label->pixmap().cacheKey() != 0)
                continue;
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) > label->height())
                    cut << QString("%1 \"%2\" needs %3 of %4 in height")
                               .arg(control->objectName(), label->text())
                               .arg(label->heightForWidth(label->width()))
                               .arg(label->height());
                continue;
            }
            room = label->contentsRect().width() - 2 * label->margin() - label->indent();
            text = shown(label->text());
        } else if (const QVariant title = control->property("title"); title.isValid()) {
            room = control->width() - 2 * metrics.averageCharWidth();
            text = title.toString();
        } else {
            continue;
        }
        // The total's label reaches 24 pixels into the board on each side of
        // the rectangle drawn around the total: its caption, centred, stays
        // inside the rectangle.
        if (control->objectName() == "Label16")
            room -= 2 * 24;
        if (metrics.horizontalAdvance(text) > room)
            cut << QString("%1 \"%2\" needs %3 of %4").arg(control->objectName(), text).arg(metrics.horizontalAdvance(text)).arg(room);
    }
    return cut;
}

// The accelerators a window's controls, or a menu's items, share.
QStringList sharedAccelerators(const QStringList& captions)
{
    static const QRegularExpression accelerator("&([^&])");
    std::map<QChar, QStringList> by;
    for (const QString& caption : captions) {
        const QRegularExpressionMatch match = accelerator.match(caption);
        if (match.hasMatch())
            by[match.captured(1).at(0).toLower()] << caption;
    }
    QStringList shared;
    for (const auto& [key, holders] : by) {
        if (holders.size() > 1)
            shared << holders.join(" / ");
    }
    return shared;
}

QStringList sharedAccelerators(const QWidget& window)
{
    QStringList captions;
    const auto mine = [&](const QWidget* control) { return control->window() == &window && control->isVisibleTo(&window); };
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (mine(button))
            captions << button->text();
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() && mine(label))
            captions << label->text();
    }
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        for (const QAction* menu : bar->actions())
            captions << menu->text();
    }
    QStringList shared = sharedAccelerators(captions);
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        QStringList items;
        for (const QAction* item : menu->actions())
            items << item->text();
        shared << sharedAccelerators(items);
    }
    return shared;
}

// The controls of a window that take the keyboard but have no name for a
// screen reader; a table's blank cell is said as blank.
QStringList unnamed(QWidget& window)
{
    QStringList missing;
    const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        const QAccessible::State state = node->state();
        if (node->object() && state.focusable && !state.invisible && node->text(QAccessible::Name).isEmpty())
            missing << node->object()->objectName();
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(&window));
    return missing;
}

// A run of the program on a desktop in `first`, a few boxes into a game,
// every window open, through the languages in `order`: what each window
// shows in each, and, the first time, what a language cuts off, gives one
// accelerator twice or leaves unnamed for a screen reader.
std::map<std::string, QStringList> throughLanguages(const std::vector<std::string>& order, bool measure)
{
    test::NoFiles noFiles;
    test::ScriptedDice dice;
    test::Messages messages;
    test::PdfPrinters printers;
    test::TestStrategySource strategies;
    const SpokenLanguage* first = languageOfCode(order.front());
    Windows windows{dice, messages, printers, strategies, {QString::fromUtf8(first->catalogue).replace('_', '-')}};
    windows.main().show();
    for (const Button box : {Button::Command7, Button::Command12}) {
        dice.queue({6, 6, 6, 6, 5});
        windows.main().findChild<QPushButton*>("Command1")->click();
        windows.main().findChild<QPushButton*>(QString::fromStdString(name(box)))->click();
    }
    for (const char* name : kWindows)
        showNotModal(windows.window(name));
    windows.showAnalysis(false); // of the game in play
    // The statistics read the history and play perfect play's games in the
    // background, the first run for both.
    const auto* summary = windows.window("Statistiques").findChild<QLabel*>("Resume");
    const QString playing = ScoresTexts(windows.game().languageCode()).perfectPlayComing();
    EXPECT_TRUE(test::eventually([&] { return !summary->text().isEmpty() && !summary->text().contains(playing); }, 300000));
    std::map<std::string, QStringList> seen;
    for (const std::string& code : order) {
        windows.language().applyWithoutSaving(code);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
        QStringList& lines = seen[code];
        for (const char* name : kWindows) {
            QWidget& window = windows.window(name);
            lines << test::Snapshot(window).lines;
            if (!measure)
                continue;
            // The game's own windows in its own two languages are as they
            // were laid out, one French caption a little cut off among them.
            const bool laidOut = std::ranges::find(kLaidOutWindows, std::string_view(name)) != std::end(kLaidOutWindows);
            for (const QString& cut : laidOut && (code == "F" || code == "E") ? QStringList() : cutOff(window))
                ADD_FAILURE() << code << " " << name << ": " << cut.toStdString();
            for (const QString& shared : sharedAccelerators(window))
                ADD_FAILURE() << code << " " << name << " shares an accelerator: " << shared.toStdString();
            for (const QString& control : unnamed(window))
                ADD_FAILURE() << code << " " << name << ": " << control.toStdString() << " has no name";
        }
    }
    return seen;
}

// Every caption fits its control, every accelerator is its window's or its
// menu's own and every control that takes the keyboard has a name, in every
// language; and a window switched to a language
// shows what it shows when opened in it, whichever language it spoke
// before: the same run through them the other way round sees the same.
TEST(LanguagesOnEveryWindow, FitEveryCaptionAndSwitchWhole)
{
    std::vector<std::string> order;
    for (const SpokenLanguage& language : spokenLanguages())
        order.push_back(language.code);
    const auto forward = throughLanguages(order, true);
    std::reverse(order.begin(), order.end());
    const auto backward = throughLanguages(order, false);
    for (const std::string& code : order) {
        const QStringList& one = forward.at(code);
        const QStringList& other = backward.at(code);
        ASSERT_EQ(one.size(), other.size()) << code;
        for (qsizetype line = 0; line < one.size(); ++line)
            EXPECT_EQ(one[line], other[line]) << code;
    }
}

} // namespace
} // namespace daxo
