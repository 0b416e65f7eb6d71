#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace daxo {

class Game;

// The settings file keeps two captions of the board from one run to the
// next: the name of the dice picture set and the language code. It holds
// exactly the set name, a carriage return, the code, a carriage return and a
// line feed: no section, no key, despite its name.

// The one place of the file: images.ini in the folder daxo of the user's
// configuration folder ($XDG_CONFIG_HOME, ~/.config by default).
QString settingsFilePath();

// Replaces the file at `path` with the two values, atomically: after any
// failure the previous file is left whole. A file that is not writable, or
// a folder in its place, is left alone. Returns whether the file now holds
// the values.
bool writeSettingsFile(const QString& path, const std::string& setName, const std::string& languageCode);

// What the settings file holds, as bytes; empty where it holds nothing.
struct StoredSettings {
    std::string setName;
    std::string languageCode;
    friend bool operator==(const StoredSettings&, const StoredSettings&) = default;
};

// The file's bytes for the two values.
std::string formatSettings(const std::string& setName, const std::string& languageCode);

// The values in a file's bytes: the set name is the first line, the language
// code the last line after the first. A line ends at a carriage return, at a
// carriage return and line feed, or at a lone line feed, as a file edited by
// hand may have it. When `cutShort`, the bytes stop before the file does,
// and a last line without its line end is not taken.
StoredSettings parseSettings(std::string_view bytes, bool cutShort = false);

// Reads the settings file at `path`. Only its first few kilobytes are read,
// so that a huge or foreign file cannot stall the start. A missing or
// unreadable file holds nothing.
StoredSettings readSettingsFile(const QString& path);

// Saves the board's picture set name (Label18) and language code (Label20)
// to the settings file. A failure is not reported: the values stay applied
// for the run.
void SaveSettings(const Game& game);

} // namespace daxo
