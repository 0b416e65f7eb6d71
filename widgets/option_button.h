#pragma once

#include <QRadioButton>

namespace daxo {

// An option button that the player selects the same way whatever the way:
// the mouse, the keyboard or assistive technology. A screen reader's press
// or toggle clicks it as the mouse does, so that its clicked handler runs,
// also on the option already selected.
class OptionButton final : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);
};

// Selects an option as the program's own steps do: its handler runs only
// when the option was not selected before. A player's click runs the
// handler each time, through the option's clicked signal.
template <typename Handler>
void selectInCode(QRadioButton& option, Handler&& handler)
{
    if (option.isChecked())
        return;
    option.setChecked(true);
    handler();
}

} // namespace daxo
