#include "windows.h"

#include "i18n/captions.h"
#include "i18n/language_window.h"
#include "print/print_window.h"
#include "print/sheets.h"
#include "settings/pictures_window.h"
#include "shell/about_window.h"
#include "shell/main_window.h"
#include "shell/rules_window.h"
#include "widgets/player_messages.h"

namespace daxo {

Windows::Windows(DiceSource& dice, PlayerMessages& messages, PrinterPort& printers)
    : messages_(messages)
    , printers_(printers)
    , game_(dice, messages)
    , about_([this] { return new AboutWindow(main(), game_, main()); })
    , rules_([this] { return new RulesWindow(main(), *this); })
    , pictures_([this] { return inActiveLanguage(new PicturesWindow(main(), game_, main()), "Pictures"); })
    , print_([this] {
        return inActiveLanguage(new PrintWindow(main(), game_, sheets(), printers_, messages_), "Printer1");
    })
    , language_([this] { return new LanguageWindow(main(), game_, *this); })
{
}

Windows::~Windows() = default;

MainWindow& Windows::main()
{
    if (!main_) {
        main_ = std::make_unique<MainWindow>(game_, messages_, BoardLinks{*this, *this, *this, printers_});
        main_->Form_Load(); // known by now to the windows its load step creates
    }
    return *main_;
}

AboutWindow& Windows::about() { return about_.get(); }

RulesWindow& Windows::rules() { return rules_.get(); }

PicturesWindow& Windows::pictures() { return pictures_.get(); }

PrintWindow& Windows::print() { return print_.get(); }

LanguageWindow& Windows::language() { return language_.get(); }

PrintSheets& Windows::sheets()
{
    if (!sheets_)
        sheets_ = std::make_unique<PrintSheets>(main(), game_);
    return *sheets_;
}

QWidget& Windows::window(std::string_view name)
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

void Windows::applyLanguage() { language().Option1_Click(); }

void Windows::applyLanguageOf(const std::string& code)
{
    LanguageWindow& window = language();
    window.selectOptionOf(code);
    window.Option1_Click();
}

void Windows::applyPictureSet(int set)
{
    switch (set) {
    case 1: return pictures().Picture11_Click();
    case 2: return pictures().Picture21_Click();
    case 3: return pictures().Picture31_Click();
    case 4: return pictures().Picture41_Click();
    case 5: return pictures().Picture51_Click();
    }
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

AboutWindow* Windows::findAbout() const { return about_.find(); }

RulesWindow* Windows::findRules() const { return rules_.find(); }

PicturesWindow* Windows::findPictures() const { return pictures_.find(); }

PrintWindow* Windows::findPrint() const { return print_.find(); }

LanguageWindow* Windows::findLanguage() const { return language_.find(); }

} // namespace daxo
