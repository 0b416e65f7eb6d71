#pragma once

#include <QByteArray>
#include <QSettings>
#include <QList>
#include <QString>
#include <QStringList>

namespace daxo {

// What the additions to the game remember from one run to the next, kept
// apart from the settings file, whose two lines are the game's own:
// $XDG_CONFIG_HOME/daxo/daxo.conf.
class Preferences {
public:
    Preferences();
    explicit Preferences(const QString& path);

    // Whether the coach window was open when the game last ended, and where.
    bool coachOpen() const;
    QByteArray coachGeometry() const;
    void setCoach(bool open, const QByteArray& geometry);

    // The name the high scores last took, or the login's full name.
    QString playerName() const;
    void setPlayerName(const QString& name);

    // The players at the table, in the order they play: each a human with
    // a name or a computer at a level (its English name). A single human,
    // the game alone, when none were set.
    struct Player {
        bool computer = false;
        QString name;  // a human's
        QString level; // a computer's
        friend bool operator==(const Player&, const Player&) = default;
    };
    QList<Player> players() const;
    void setPlayers(const QList<Player>& players);
    // The names last given to the humans of the table, by row.
    QStringList tableNames() const;
    // How fast the computers play: "slow", "normal", "fast" or "instant".
    QString pace() const;
    void setPace(const QString& pace);
    // Whether the scoreboard opens with a table's game: until the player
    // closes it at a table.
    bool scoreboardAtTable() const;
    void setScoreboardAtTable(bool open);

private:
    mutable QSettings settings_;
};

} // namespace daxo
