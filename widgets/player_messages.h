#pragma once

#include "game/ports.h"

#include <QString>

namespace daxo {

// Everything the program asks or tells the player in a message box. Tests
// answer through a scripted implementation instead of a real modal box.
class PlayerMessages : public QuestionPort {
public:
    // A plain notice with an OK button.
    virtual void inform(const QString& title, const QString& text) = 0;
};

// Modal message boxes over the active window.
class MessageBoxes final : public PlayerMessages {
public:
    Answer ask(const Question& question) override;
    void inform(const QString& title, const QString& text) override;
};

} // namespace daxo
