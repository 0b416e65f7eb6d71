#include "windows.h"

#include "about_window.h"
#include "i18n/captions.h"
#include "i18n/language_window.h"
#include "main_window.h"
#include "rules_window.h"
#include "widgets/player_messages.h"
#include "print/print_window.h"
#include "print/sheets.h"
#include "settings/pictures_window.h"

namespace daxo {

Windows::Windows(DiceSource& dice, PlayerMessages& messages, PrinterPort& printers)
    : messages_(messages)
    , printers_(printers)
    , game_(dice, messages)
    , about_([this] { return new AboutWindow(main()); })
    , rules_([this] { return new RulesWindow(main(), *this); })
    , pictures_([this] { return inActiveLanguage(new PicturesWindow(main()), "Pictures"); })
    , print_([this] { return inActiveLanguage(new PrintWindow(main(), *this), "Printer1"); })
    , language_([this] { return new LanguageWindow(main(), *this); })
    , blankSheet_([this] { return new BlankSheet(main()); })
    , rulesSheet_([this] { return new RulesSheet(main()); })
    , playerSheet_([this] { return new PlayerSheet(main(), game_); })
{
}

Windows::~Windows() = default;

MainWindow& Windows::main()
{
    if (!main_) {
        main_ = std::make_unique<MainWindow>(*this, game_, messages_);
        main_->Form_Load(); // known by now to the windows its load step creates
    }
    return *main_;
}

AboutWindow& Windows::about() { return about_.get(); }

RulesWindow& Windows::rules() { return rules_.get(); }

PicturesWindow& Windows::pictures() { return pictures_.get(); }

PrintWindow& Windows::print() { return print_.get(); }

LanguageWindow& Windows::language() { return language_.get(); }

QWidget& Windows::byName(std::string_view name)
{
    if (name == "Pictures")
        return pictures();
    if (name == "Printer1")
        return print();
    if (name == "Langue")
        return language();
    if (name == "Règle")
        return rules();
    if (name == "Apropos")
        return about();
    return main();
}

// Windows that their close button destroys and that write no captions of
// their own when created; without this they would come back in French.
template <typename Window>
Window* Windows::inActiveLanguage(Window* window, std::string_view name)
{
    if (const auto language = languageOf(game_.languageCode()))
        writeWindowCaptions(*window, name, *language);
    return window;
}

Sheet& Windows::blankSheet() { return blankSheet_.get(); }

Sheet& Windows::rulesSheet() { return rulesSheet_.get(); }

Sheet& Windows::playerSheet() { return playerSheet_.get(); }

AboutWindow* Windows::findAbout() const { return about_.find(); }

RulesWindow* Windows::findRules() const { return rules_.find(); }

PicturesWindow* Windows::findPictures() const { return pictures_.find(); }

PrintWindow* Windows::findPrint() const { return print_.find(); }

LanguageWindow* Windows::findLanguage() const { return language_.find(); }

PlayerSheet* Windows::findPlayerSheet() const { return playerSheet_.find(); }

} // namespace daxo
