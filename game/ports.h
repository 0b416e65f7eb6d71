#pragma once

#include "record.h"
#include "sheet.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace daxo {

// Where the faces of a throw come from.
class DiceSource {
public:
    virtual ~DiceSource() = default;
    // A face from 1 to 6.
    virtual int nextFace() = 0;
    // A game begins: its dice come from here on. Returns the seed they come
    // from, with which the same actions give the same dice again.
    virtual std::uint64_t startGame() = 0;
    // How far into the game's dice the throws have gone, and back there:
    // undo takes the dice back with the sheet, so that the same actions
    // throw the same dice again and no throw can be chosen.
    virtual std::uint64_t position() const = 0;
    virtual void rewind(std::uint64_t position) = 0;
};

// A Yes/No question to the player, Yes being the default answer.
struct Question {
    enum class Icon { Exclamation, Question };
    std::string prompt;
    std::string title;
    Icon icon = Icon::Exclamation;
    friend bool operator==(const Question&, const Question&) = default;
};

enum class Answer { Yes, No };

// Asks the player and waits for the answer; nothing else happens meanwhile.
class QuestionPort {
public:
    virtual ~QuestionPort() = default;
    virtual Answer ask(const Question& question) = 0;
};

// Told of every change of the sheet, in the order the changes happen, so a
// window can mirror the game. Each call comes after the state has changed
// and before the change's own consequences run.
class GameListener {
public:
    virtual ~GameListener() = default;
    virtual void textChanged(Cell, const std::string& /*text*/) {}
    virtual void lockChanged(Cell, bool /*locked*/) {}
    virtual void buttonEnabledChanged(Button, bool /*enabled*/) {}
    virtual void holdBoxChanged(int /*die*/, const HoldBox&) {}
    virtual void captionChanged(Label, const std::string& /*caption*/) {}
    virtual void panelChanged(int /*panel*/, const PanelText& /*text*/) {}
    // The die picture takes the image of `face` (1 to 6), or none for 0. It
    // is raised on every redraw, also for an unchanged face, because the
    // images of the faces may have been replaced since the last copy.
    virtual void diePictureChanged(int /*die*/, int /*face*/) {}
    // A cell of the printable player's sheet took a new text.
    virtual void playerSheetChanged(Cell, const std::string& /*text*/) {}
    // The player asked to end the program.
    virtual void quitRequested() {}
    // The record of the game took a new event, or a new game began one.
    virtual void recordChanged(const GameRecord& /*record*/) {}
    // A game was finished: its twelfth box scored and the end-of-game
    // question answered. Told last, after all the answer led to.
    virtual void gameFinished(const GameRecord& /*finished*/) {}
    // New game is about to replace this record, finished or not.
    virtual void gameLeft(const GameRecord& /*left*/) {}
    // Whether undo or redo can be done may have changed.
    virtual void undoStateChanged(bool /*canUndo*/, bool /*canRedo*/) {}
};

// The game's own texts in the languages Daxo speaks beyond the game's
// French and English: each of its English texts, in the language of a code.
class TextTranslator {
public:
    virtual ~TextTranslator() = default;
    // Whether a language beyond French and English is spoken for the code.
    virtual bool speaks(std::string_view languageCode) const = 0;
    virtual std::string translate(std::string_view languageCode, std::string_view english) const = 0;
};

// The course of a game at a table of several players, asked by the game at
// the moments it changes: a game of one player has none, and goes exactly
// as it always has.
class TablePort {
public:
    virtual ~TablePort() = default;
    // A box was scored (or scored again by redo), its turn reset and
    // counted: the board passes to the next player.
    virtual void boxScored() = 0;
    // The sheet in play has its twelfth box. Whether that ends the game (it
    // is the last player's); when it does, the board is made ready for the
    // game's own question first.
    virtual bool endsTheGame() = 0;
    // New game cleared the sheet: every player's sheet starts anew.
    virtual void newGame() = 0;
    // Whether undo may take back the box that ended the turn before this
    // one: a human's, with no one having acted since.
    virtual bool canTakeBack() const = 0;
    // Puts that human's sheet back on the board, to be undone.
    virtual void takeBack() = 0;
};

} // namespace daxo
