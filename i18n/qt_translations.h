#pragma once

#include "game/ports.h"

#include <QTranslator>

namespace daxo {

class Game;

// Qt's own texts (the Yes and No of the message boxes, the print dialog)
// follow the game's language code as the game's own messages do: French
// for the code "F", Qt's English for every other code.
class QtTranslations final : private GameListener {
public:
    // The game must outlive this object.
    explicit QtTranslations(Game& game);
    ~QtTranslations() override;
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

private:
    void captionChanged(Label label, const std::string& caption) override;
    void follow(const std::string& languageCode);

    Game& game_;
    QTranslator french_;
    bool installed_ = false;
};

} // namespace daxo
