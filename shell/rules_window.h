#pragma once

#include "secondary_window.h"

namespace daxo {

// The Rules window `Règle`: the rules in three paragraphs. OK destroys it;
// the next opening creates it anew.
class RulesWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    explicit RulesWindow(QWidget& board);

    void Command1_Click();
};

} // namespace daxo
