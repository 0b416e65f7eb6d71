#pragma once

#include "widgets/secondary_window.h"

class QProgressBar;

namespace daxo {

class StrategySource;

// The window `Calcul`, shown while a hint waits for perfect play to be
// worked out; the player plays on meanwhile.
class WaitingWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    WaitingWindow(QWidget& board, StrategySource& source);

private:
    QProgressBar* progress_ = nullptr;
};

} // namespace daxo
