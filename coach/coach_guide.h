#pragma once

#include "widgets/secondary_window.h"

#include <functional>

class QTextBrowser;

namespace daxo {

// The window `Guide`, under Aide: what the coach shows and what its words
// mean, the expected final score, the loss, the perfect decisions and the
// assisted game among them. The game's own rules stay in their window.
class CoachGuide final : public SecondaryWindow {
    Q_OBJECT
public:
    // `english` tells the language the windows speak.
    CoachGuide(QWidget& board, std::function<bool()> english);

    void retranslate() override;

private:
    std::function<bool()> english_;
    QTextBrowser* text_ = nullptr;
};

// The guide's page in either language, as rich text.
QString coachGuideText(bool english);

} // namespace daxo
