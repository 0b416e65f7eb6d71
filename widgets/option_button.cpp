#include "option_button.h"

#include <QAccessibleWidget>

namespace daxo {
namespace {

// A caption as a screen reader speaks it, without the ampersand that marks
// its access key; a doubled ampersand stands for one.
QString withoutAccessKey(const QString& caption)
{
    QString spoken;
    bool escaped = false;
    for (const QChar character : caption) {
        if (character == u'&' && !escaped) {
            escaped = true;
            continue;
        }
        spoken += character;
        escaped = false;
    }
    return spoken;
}

// What a screen reader reaches of an option button. Qt's own interface
// toggles the button without clicking it, so that a handler tied to the
// click never hears of the choice.
class AccessibleOption final : public QAccessibleWidget {
public:
    explicit AccessibleOption(OptionButton* option)
        : QAccessibleWidget(option, QAccessible::RadioButton)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && option()->accessibleName().isEmpty())
            return withoutAccessKey(option()->text());
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() || action == toggleAction()) {
            if (option()->isEnabled())
                option()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    OptionButton* option() const { return static_cast<OptionButton*>(widget()); }
};

QAccessibleInterface* accessibleOption(const QString&, QObject* object)
{
    if (auto* option = qobject_cast<OptionButton*>(object))
        return new AccessibleOption(option);
    return nullptr;
}

} // namespace

OptionButton::OptionButton(QWidget* parent)
    : QRadioButton(parent)
{
    static const bool installed = (QAccessible::installFactory(accessibleOption), true);
    Q_UNUSED(installed);
}

} // namespace daxo
