#pragma once

#include "widgets/picture_box.h"
#include "widgets/status_panel.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBrowser>
#include <QValueAxis>
#include <QWidget>

namespace daxo::test {

// What a player sees of a window and a screen reader says of it, a line a
// named control: its kind, its text, its state, and its accessible name
// and description where it has them. Menus list their items; tables their
// heads and cells; charts their title and lines.
class Snapshot {
public:
    explicit Snapshot(const QWidget& window)
    {
        // A window whose icon is one of its own pictures (a flag) says which.
        QString icon;
        for (const PictureBox* picture : window.findChildren<PictureBox*>()) {
            if (picture->window() == &window && !window.windowIcon().isNull() &&
                picture->picture().cacheKey() == window.windowIcon().cacheKey())
                icon = " icon " + picture->objectName();
        }
        add(window.objectName() + " window \"" + window.windowTitle() + "\"" + (window.isVisible() ? "" : " hidden") + icon);
        for (const QWidget* control : window.findChildren<QWidget*>()) {
            if (!control->objectName().isEmpty() && control->window() == &window && !isPart(*control))
                describe(*control);
        }
        for (const QMenu* menu : window.findChildren<QMenu*>()) {
            if (!menu->objectName().isEmpty())
                describeMenu(*menu);
        }
    }

    QStringList lines;

private:
    void add(const QString& line) { lines << line; }

    // The widgets Qt builds inside a control, named by Qt itself.
    static bool isPart(const QWidget& control) { return control.objectName().startsWith("qt_"); }

    // The day and time a game was played are the run's own: their digits
    // are written as 9s, their form as it is.
    static QString quoted(QString text)
    {
        static const QRegularExpression when("\\d{2,4}[/-]\\d{2}[/-]\\d{2,4} \\d{2}:\\d{2}");
        for (auto match = when.globalMatch(text); match.hasNext();) {
            const QRegularExpressionMatch found = match.next();
            text.replace(found.capturedStart(), found.capturedLength(),
                         found.captured().replace(QRegularExpression("\\d"), "9"));
        }
        text.replace('\n', "\\n");
        // A caption read from a file may hold any byte.
        for (qsizetype at = 0; at < text.size(); ++at) {
            if (text[at].unicode() < 0x20)
                text.replace(at, 1, QString("\\x%1").arg(text[at].unicode(), 2, 16, QChar('0')));
        }
        return '"' + text + '"';
    }

    static QString spoken(const QWidget& control, const QString& shown)
    {
        QString said;
        if (!control.accessibleName().isEmpty() && control.accessibleName() != shown)
            said += " name " + quoted(control.accessibleName());
        if (!control.accessibleDescription().isEmpty())
            said += " about " + quoted(control.accessibleDescription());
        if (!control.toolTip().isEmpty() && control.toolTip() != shown)
            said += " tip " + quoted(control.toolTip());
        return said;
    }

    void describe(const QWidget& control)
    {
        QString line = control.objectName();
        QString shown;
        if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
            shown = button->text();
            line += " button " + quoted(shown) + (button->isChecked() ? " checked" : "");
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
            shown = edit->text();
            line += " cell " + quoted(shown) + (edit->isReadOnly() ? " read-only" : "");
        } else if (const auto* label = qobject_cast<const QLabel*>(&control)) {
            shown = label->text();
            line += " label " + quoted(shown);
            // A status panel too narrow for its text shortens what it shows.
            if (const auto* panel = qobject_cast<const StatusPanel*>(label); panel && panel->shownText() != shown)
                line += " shown " + quoted(panel->shownText());
            const QColor ink = label->palette().color(QPalette::WindowText);
            if (ink != label->window()->palette().color(QPalette::WindowText))
                line += " in " + ink.name();
        } else if (const auto* combo = qobject_cast<const QComboBox*>(&control)) {
            QStringList items;
            for (int i = 0; i < combo->count(); ++i)
                items << quoted(combo->itemText(i)) + (i == combo->currentIndex() ? "*" : "");
            line += " list " + items.join(" | ");
        } else if (const auto* spin = qobject_cast<const QSpinBox*>(&control)) {
            line += " number " + QString::number(spin->value());
        } else if (const auto* progress = qobject_cast<const QProgressBar*>(&control)) {
            line += " progress " + QString::number(progress->value());
        } else if (const auto* browser = qobject_cast<const QTextBrowser*>(&control)) {
            line += " text " + quoted(browser->toPlainText());
        } else if (const auto* table = qobject_cast<const QTableWidget*>(&control)) {
            describeTable(*table, line);
            return;
        } else if (const auto* view = qobject_cast<const QChartView*>(&control)) {
            describeChart(*view, line);
            return;
        } else if (qobject_cast<const QMenuBar*>(&control)) {
            return;
        } else if (const QVariant title = control.property("title"); title.isValid()) {
            shown = title.toString();
            line += " frame " + quoted(shown);
        } else {
            line += " " + QString::fromUtf8(control.metaObject()->className()).remove("daxo::");
        }
        if (!control.isEnabled())
            line += " disabled";
        if (control.isHidden())
            line += " hidden";
        add(line + spoken(control, shown));
    }

    void describeTable(const QTableWidget& table, QString line)
    {
        QStringList heads;
        for (int column = 0; column < table.columnCount(); ++column) {
            const QTableWidgetItem* head = table.horizontalHeaderItem(column);
            const QString shown = head ? head->text() : QString();
            // A head cut short is whole in its tip and for screen readers.
            const QString tip = head ? head->toolTip() : QString();
            const QString said = head ? head->data(Qt::AccessibleTextRole).toString() : QString();
            heads << quoted(shown) + (tip.isEmpty() || tip == shown ? "" : " tip " + quoted(tip)) +
                         (said.isEmpty() || said == shown || said == tip ? "" : " said " + quoted(said));
        }
        add(line + " table " + heads.join(" | ") + (table.isHidden() ? " hidden" : "") + spoken(table, {}));
        for (int row = 0; row < table.rowCount(); ++row) {
            const QTableWidgetItem* head = table.verticalHeaderItem(row);
            QStringList cells;
            for (int column = 0; column < table.columnCount(); ++column) {
                const QTableWidgetItem* cell = table.item(row, column);
                cells << quoted(cell ? cell->text() : QString());
            }
            add("  " + quoted(head ? head->text() : QString()) + ": " + cells.join(" | "));
        }
    }

    void describeChart(const QChartView& view, QString line)
    {
        const QChart* chart = view.chart();
        QStringList series;
        for (const QAbstractSeries* one : chart->series())
            series << quoted(one->name());
        QStringList axes;
        // A value axis with its range, in the chart's own numbers.
        for (const QAbstractAxis* axis : chart->axes()) {
            const auto* values = qobject_cast<const QValueAxis*>(axis);
            axes << quoted(axis->titleText()) +
                        (values ? " " + chart->locale().toString(values->min()) + " to " + chart->locale().toString(values->max())
                                : QString());
        }
        add(line + " chart " + quoted(chart->title()) + " lines " + series.join(" | ") + " axes " + axes.join(" | ") +
            (view.isHidden() ? " hidden" : ""));
    }

    void describeMenu(const QMenu& menu)
    {
        add(menu.objectName() + " menu " + quoted(menu.title()));
        for (const QAction* action : menu.actions()) {
            if (action->isSeparator() || action->menu())
                continue;
            add("  " + action->objectName() + " " + quoted(action->text()) +
                (action->shortcut().isEmpty() ? QString() : " " + action->shortcut().toString()) +
                (action->isEnabled() ? QString() : " disabled"));
        }
    }
};

} // namespace daxo::test
