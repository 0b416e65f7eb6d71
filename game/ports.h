#pragma once

#include "record.h"
#include "sheet.h"

#include <string>

namespace daxo {

// Where the faces of a throw come from.
class DiceSource {
public:
    virtual ~DiceSource() = default;
    // A face from 1 to 6.
    virtual int nextFace() = 0;
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
};

} // namespace daxo
