#pragma once

#include <QRadioButton>

namespace daxo {

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
