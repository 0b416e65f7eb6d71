#pragma once

#include <QString>
#include <string>

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

// Saves the board's picture set name (Label18) and language code (Label20)
// to the settings file. A failure is not reported: the values stay applied
// for the run.
void SaveSettings(const Game& game);

} // namespace daxo
