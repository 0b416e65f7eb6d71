#include "preferences.h"

#include <QStandardPaths>

namespace daxo {

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

} // namespace daxo
