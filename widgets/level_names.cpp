#include "level_names.h"

namespace daxo {

QString LevelNames::level(std::string_view key)
{
    if (key == "beginner")
        return tr("beginner");
    if (key == "regular")
        return tr("regular");
    if (key == "strong")
        return tr("strong");
    if (key == "perfect")
        return tr("perfect");
    if (key == "competitive")
        return tr("competitive");
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

QString LevelNames::computer(std::string_view key)
{
    if (key == "beginner")
        return tr("Beginner computer");
    if (key == "regular")
        return tr("Regular computer");
    if (key == "strong")
        return tr("Strong computer");
    if (key == "perfect")
        return tr("Perfect computer");
    if (key == "competitive")
        return tr("Competitive computer");
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace daxo
