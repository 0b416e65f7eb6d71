#include "settings_file.h"

#include "game/game.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <unistd.h>

#include <vector>

namespace daxo {
namespace {

// Far more than the two short lines the file is made of: the bytes read at
// each end of a file.
constexpr qint64 kReadLimit = 4096;

std::string_view viewOf(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// `bytes` after their first line end, or nothing when they hold none.
std::string_view afterFirstLineEnd(std::string_view bytes)
{
    const std::size_t end = bytes.find_first_of("\r\n");
    if (end == std::string_view::npos)
        return {};
    const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
    return bytes.substr(end + (crlf ? 2 : 1));
}

std::vector<std::string> linesOf(std::string_view bytes, bool cutShort)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty() && !cutShort)
        lines.push_back(std::move(line)); // the end of the file ends the last line
    return lines;
}

} // namespace

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

    const std::string content = formatSettings(setName, languageCode);
    const auto size = static_cast<qint64>(content.size());

    // The values go to a new file beside the old one, which replaces it only
    // once every byte has reached the disk. The commit alone is not trusted
    // with that: it has been seen to succeed after a short write. Where no
    // new file can be made beside it (a writable file in a read-only
    // folder), the file is written in place rather than the choice lost.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content.data(), size) != size || !file.flush() || ::fsync(file.handle()) != 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::string formatSettings(const std::string& setName, const std::string& languageCode)
{
    return setName + '\r' + languageCode + "\r\n";
}

StoredSettings parseSettings(std::string_view bytes)
{
    const std::vector<std::string> lines = linesOf(bytes, false);
    StoredSettings stored;
    if (!lines.empty())
        stored.setName = lines.front();
    // The code is read even after an empty first line, which a language
    // chosen before any picture set leaves.
    if (lines.size() > 1)
        stored.languageCode = lines.back();
    return stored;
}

StoredSettings parseSettingsEnds(std::string_view head, std::string_view tail)
{
    const std::vector<std::string> headLines = linesOf(head, true);
    const std::vector<std::string> tailLines = linesOf(afterFirstLineEnd(tail), false);
    StoredSettings stored;
    if (!headLines.empty())
        stored.setName = headLines.front();
    if (!tailLines.empty())
        stored.languageCode = tailLines.back();
    else if (headLines.size() > 1)
        stored.languageCode = headLines.back();
    return stored;
}

StoredSettings readSettingsFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(2 * kReadLimit);
    if (file.atEnd())
        return parseSettings(viewOf(bytes));
    const QByteArray head = bytes.left(kReadLimit);
    QByteArray tail;
    if (!file.isSequential() && file.seek(file.size() - kReadLimit - 1))
        tail = file.read(kReadLimit + 1);
    return parseSettingsEnds(viewOf(head), viewOf(tail));
}

void SaveSettings(const Game& game)
{
    writeSettingsFile(settingsFilePath(), game.caption(Label::Label18), game.caption(Label::Label20));
}

} // namespace daxo
