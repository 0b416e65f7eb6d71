#pragma once

#include "game/ports.h"

#include <QTranslator>

#include <memory>
#include <string>

namespace daxo {

class Game;

// The translations in use, following the game's language code: Daxo's own
// catalogue for the language its windows speak (for English, the language
// the texts are written in, its plurals alone), and Qt's own (the Yes and
// No of the message boxes, the print dialog) for the language of its
// messages, none for English.
// Through it the game finds its texts in the languages Daxo added.
class Catalogues final : public TextTranslator, private GameListener {
public:
    // The game must outlive this object.
    explicit Catalogues(Game& game);
    ~Catalogues() override;
    Catalogues(const Catalogues&) = delete;
    Catalogues& operator=(const Catalogues&) = delete;

    // Puts in use the catalogues of `code` ahead of the code itself, for
    // the captions written before the code is stored.
    void use(const std::string& code);

    // TextTranslator
    bool speaks(std::string_view languageCode) const override;
    std::string translate(std::string_view languageCode, std::string_view english) const override;

private:
    void captionChanged(Label label, const std::string& caption) override;
    // Puts in `slot` the catalogue `name` of `folder`, none for no name.
    void install(std::unique_ptr<QTranslator>& slot, const QString& name, const QString& folder);

    Game& game_;
    std::string code_;
    std::unique_ptr<QTranslator> daxo_; // daxo_<catalogue>
    std::unique_ptr<QTranslator> qt_;   // qtbase_<catalogue>, or Daxo's own for Qt's words
};

} // namespace daxo
