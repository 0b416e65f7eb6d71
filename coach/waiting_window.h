#pragma once

#include "widgets/secondary_window.h"

class QLabel;
class QProgressBar;

namespace daxo {

class Coach;

// The window `Calcul`, shown while a hint waits for perfect play to be
// worked out; the player plays on meanwhile.
class WaitingWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // The coach must outlive the window.
    WaitingWindow(QWidget& board, const Coach& coach);

    void retranslate() override;

private:
    const Coach& coach_;
    QLabel* label_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

} // namespace daxo
