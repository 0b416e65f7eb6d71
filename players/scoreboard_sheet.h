#pragma once

#include <QWidget>

namespace daxo {

struct Scoreboard;

// The scoreboard laid out as a page to print, never shown: its title, its
// heading and its grid, the player in play in bold.
class ScoreboardSheet final : public QWidget {
    Q_OBJECT
public:
    ScoreboardSheet(const QString& title, const Scoreboard& scoreboard);
};

} // namespace daxo
