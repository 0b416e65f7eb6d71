#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>

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

private:
    mutable QSettings settings_;
};

} // namespace daxo
