#pragma once


#include <string_view>

class QObject;
class QString;
class QWidget;

namespace daxo {

class Game;
struct SpokenLanguage;
class WindowDirectory;

// Writes the caption table's column of `language` (a translation of its
// English column in the languages Daxo added), row by row: the board,
// its six status-bar panels, then the other windows, each created hidden
// where it does not exist yet.
void writeCaptions(WindowDirectory& windows, Game& game, const SpokenLanguage& language);

// The control named `name` among the window's own controls and menus, not
// among those of the windows it owns, which reuse the same names.
QObject* findControl(QWidget& window, const QString& name);

// Writes the rows of the window named `name` only, into `window`.
void writeWindowCaptions(QWidget& window, std::string_view name, const SpokenLanguage& language);

} // namespace daxo
