#pragma once

#include "scripted_ports.h"
#include "shell/player_messages.h"

#include <QStringList>

namespace daxo::test {

// Scripted answers to the questions, and a record of the notices shown.
class ScriptedMessages final : public PlayerMessages {
public:
    Answer ask(const Question& question) override { return answers.ask(question); }
    void inform(const QString& title, const QString& text) override { notices << title + ": " + text; }

    ScriptedAnswers answers;
    QStringList notices;
};

} // namespace daxo::test
