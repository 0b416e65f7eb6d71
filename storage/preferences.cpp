#include "preferences.h"

#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

namespace daxo {
namespace {

// The full name the system gives the login (its first comma-separated
// field), else the login itself.
QString loginName()
{
    if (const passwd* user = ::getpwuid(::getuid())) {
        const QString full = QString::fromLocal8Bit(user->pw_gecos).section(',', 0, 0).trimmed();
        return full.isEmpty() ? QString::fromLocal8Bit(user->pw_name) : full;
    }
    return qEnvironmentVariable("USER");
}

} // namespace

Preferences::Preferences()
    : Preferences(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/daxo/daxo.conf")
{
}

Preferences::Preferences(const QString& path)
    : settings_(path, QSettings::IniFormat)
{
}

bool Preferences::coachOpen() const { return settings_.value("coach/open", false).toBool(); }

QByteArray Preferences::coachGeometry() const { return settings_.value("coach/geometry").toByteArray(); }

void Preferences::setCoach(bool open, const QByteArray& geometry)
{
    settings_.setValue("coach/open", open);
    if (!geometry.isEmpty())
        settings_.setValue("coach/geometry", geometry);
    settings_.sync();
}

QString Preferences::playerName() const
{
    const QString name = settings_.value("scores/player").toString();
    return name.isEmpty() ? loginName() : name;
}

void Preferences::setPlayerName(const QString& name)
{
    settings_.setValue("scores/player", name);
    settings_.sync();
}

QList<Preferences::Player> Preferences::players() const
{
    QList<Player> players;
    const int count = settings_.beginReadArray("seats");
    for (int row = 0; row < count; ++row) {
        settings_.setArrayIndex(row);
        const bool computer = settings_.value("kind").toString() == "computer";
        players.append({computer, computer ? QString() : settings_.value("name").toString(),
                        computer ? settings_.value("level").toString() : QString()});
    }
    settings_.endArray();
    if (players.isEmpty())
        players.append({false, playerName(), {}});
    return players;
}

// The humans' names are kept by row beside the table, so that a row turned
// computer and back finds its name again.
void Preferences::setPlayers(const QList<Player>& players)
{
    QStringList names = tableNames();
    settings_.remove("seats"); // a smaller table leaves no seats of the one before
    settings_.beginWriteArray("seats", static_cast<int>(players.size()));
    for (int row = 0; row < players.size(); ++row) {
        const Player& player = players[row];
        settings_.setArrayIndex(row);
        settings_.setValue("kind", player.computer ? "computer" : "human");
        settings_.setValue("name", player.name);
        settings_.setValue("level", player.level);
        while (names.size() <= row)
            names.append(QString());
        if (!player.computer && !player.name.isEmpty())
            names[row] = player.name;
    }
    settings_.endArray();
    settings_.setValue("table/names", names);
    settings_.sync();
}

QStringList Preferences::tableNames() const { return settings_.value("table/names").toStringList(); }

QString Preferences::pace() const { return settings_.value("table/pace", "normal").toString(); }

void Preferences::setPace(const QString& pace)
{
    settings_.setValue("table/pace", pace);
    settings_.sync();
}

bool Preferences::scoreboardAtTable() const { return settings_.value("table/scoreboard", true).toBool(); }

void Preferences::setScoreboardAtTable(bool open)
{
    settings_.setValue("table/scoreboard", open);
    settings_.sync();
}

} // namespace daxo
