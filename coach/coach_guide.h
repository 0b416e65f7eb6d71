#pragma once

#include "widgets/secondary_window.h"

class QTextBrowser;

namespace daxo {

// The window `Guide`, under Aide: what the coach shows and what its words
// mean, the expected final score, the loss, the perfect decisions and the
// assisted game among them. The game's own rules stay in their window.
class CoachGuide final : public SecondaryWindow {
    Q_OBJECT
public:
    explicit CoachGuide(QWidget& board);

    void retranslate() override;

private:
    QTextBrowser* text_ = nullptr;
};

// The guide's page in the language of the catalogue in use, as rich text.
QString coachGuideText();

} // namespace daxo
