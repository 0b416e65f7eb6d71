#include "settings_file.h"

#include "game/game.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <unistd.h>

namespace daxo {

QString settingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/daxo/images.ini";
}

bool writeSettingsFile(const QString& path, const std::string& setName, const std::string& languageCode)
{
    // A file the player made read-only is left so, whoever runs the game.
    const QFileInfo target(path);
    if (target.exists() && (!target.isFile() || !(target.permissions() & QFileDevice::WriteOwner)))
        return false;
    if (!QDir().mkpath(target.absolutePath()))
        return false;

    const std::string content = setName + '\r' + languageCode + "\r\n";
    const auto size = static_cast<qint64>(content.size());

    // The values go to a new file beside the old one, which replaces it only
    // once every byte has reached the disk. The commit alone is not trusted
    // with that: it has been seen to succeed after a short write.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content.data(), size) != size || !file.flush() || ::fsync(file.handle()) != 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void SaveSettings(const Game& game)
{
    writeSettingsFile(settingsFilePath(), game.caption(Label::Label18), game.caption(Label::Label20));
}

} // namespace daxo
