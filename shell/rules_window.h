#pragma once

#include "widgets/secondary_window.h"
#include "widgets/window_ports.h"

namespace daxo {

// The Rules window `Règle`: the rules in three paragraphs. OK destroys it;
// the next opening creates it anew.
class RulesWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    RulesWindow(QWidget& board, LanguageSwitch& languages);

    // Applies the language in use to every window, this one included.
    void Form_Load();
    void Command1_Click();

private:
    LanguageSwitch& languages_;
};

} // namespace daxo
