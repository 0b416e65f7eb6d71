#pragma once

#include "widgets/secondary_window.h"

namespace daxo {

// The window `Fin`, shown when a game ends, after the game's own question:
// it offers the analysis of the game, which the player may leave.
class AnalysisOffer final : public SecondaryWindow {
    Q_OBJECT
public:
    explicit AnalysisOffer(QWidget& board);

Q_SIGNALS:
    void accepted();
};

} // namespace daxo
