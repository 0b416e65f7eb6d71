#pragma once

#include "widgets/secondary_window.h"

namespace daxo {

class Windows;

// The Rules window `Règle`: the rules in three paragraphs. OK destroys it;
// the next opening creates it anew.
class RulesWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    RulesWindow(QWidget& board, Windows& windows);

    // Applies the language in use to every window, this one included.
    void Form_Load();
    void Command1_Click();

private:
    Windows& windows_;
};

} // namespace daxo
