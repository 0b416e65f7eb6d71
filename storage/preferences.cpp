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

} // namespace daxo
