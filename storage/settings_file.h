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
// hand may have it.
StoredSettings parseSettings(std::string_view bytes);

// The same values from the two ends of a file too big to read whole: the
// set name from its first bytes, the code from its last bytes. `tail`
// starts one byte before the last bytes, so that a line end just before
// them is seen. A line that either end cuts off is not taken, and where the
// tail holds no whole line the code is the last whole line of the head.
StoredSettings parseSettingsEnds(std::string_view head, std::string_view tail);

// Reads the settings file at `path`. A big file is read only at its two
// ends, a few kilobytes each, so that a huge or foreign file cannot stall
// the start and still gives back the code on its last line. A missing or
// unreadable file holds nothing.
StoredSettings readSettingsFile(const QString& path);

// Saves the board's picture set name (Label18) and language code (Label20)
// to the settings file. A failure is not reported: the values stay applied
// for the run.
void SaveSettings(const Game& game);

} // namespace daxo
