#include "captions.h"

#include "caption_table.h"
#include "game/game.h"
#include "panels.h"
#include "widgets/languages.h"
#include "widgets/window_ports.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace daxo {
namespace {

void setCaption(QObject* control, const QString& caption)
{
    if (auto* action = qobject_cast<QAction*>(control))
        action->setText(caption);
    else if (auto* menu = qobject_cast<QMenu*>(control))
        menu->setTitle(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(caption);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(caption);
    else if (auto* frame = qobject_cast<QGroupBox*>(control))
        frame->setTitle(caption);
}

QString captionIn(const CaptionRow& row, const SpokenLanguage& language)
{
    if (language.isFrench())
        return QString::fromUtf8(row.french);
    if (language.isEnglish())
        return QString::fromUtf8(row.english.text);
    return QCoreApplication::translate("Captions", row.english.text, row.english.comment);
}

void writeRow(QWidget& window, const CaptionRow& row, const SpokenLanguage& language)
{
    const QString caption = captionIn(row, language);
    if (!row.control)
        window.setWindowTitle(caption);
    else if (QObject* control = findControl(window, QString::fromUtf8(row.control)))
        setCaption(control, caption);
}

} // namespace

QObject* findControl(QWidget& window, const QString& name)
{
    QObjectList pending = window.children();
    while (!pending.isEmpty()) {
        QObject* object = pending.takeFirst();
        if (object->objectName() == name)
            return object;
        const auto* widget = qobject_cast<QWidget*>(object);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget))
            continue;
        pending += object->children();
    }
    return nullptr;
}

void writeCaptions(WindowDirectory& windows, Game& game, const SpokenLanguage& language)
{
    for (const CaptionRow& row : captionTable()) {
        if (row.control && std::string_view(row.control) == kStatusBar) {
            const auto panels = panelTexts(game, language);
            for (int panel = 1; panel <= static_cast<int>(panels.size()); ++panel)
                game.setPanel(panel, panels[static_cast<std::size_t>(panel - 1)]);
        } else if (!row.onlyWhileOpen) {
            writeRow(windows.window(row.window), row, language);
        } else if (QWidget* open = windows.existingWindow(row.window)) {
            writeRow(*open, row, language);
        }
    }
}

void writeWindowCaptions(QWidget& window, std::string_view name, const SpokenLanguage& language)
{
    for (const CaptionRow& row : captionTable()) {
        if (row.window == name)
            writeRow(window, row, language);
    }
}

} // namespace daxo
