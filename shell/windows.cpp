#include "windows.h"

#include "about_window.h"
#include "main_window.h"
#include "rules_window.h"
#include "player_messages.h"
#include "print/print_window.h"
#include "print/sheets.h"
#include "settings/pictures_window.h"

namespace daxo {

Windows::Windows(DiceSource& dice, PlayerMessages& messages, PrinterPort& printers)
    : messages_(messages)
    , printers_(printers)
    , game_(dice, messages)
    , about_([this] { return new AboutWindow(main()); })
    , rules_([this] { return new RulesWindow(main()); })
    , pictures_([this] { return new PicturesWindow(main()); })
    , print_([this] { return new PrintWindow(main(), *this); })
    , blankSheet_([this] { return new BlankSheet(main()); })
    , rulesSheet_([this] { return new RulesSheet(main()); })
    , playerSheet_([this] { return new PlayerSheet(main(), game_); })
{
}

Windows::~Windows() = default;

MainWindow& Windows::main()
{
    if (!main_)
        main_ = std::make_unique<MainWindow>(*this, game_, messages_);
    return *main_;
}

AboutWindow& Windows::about() { return about_.get(); }

RulesWindow& Windows::rules() { return rules_.get(); }

PicturesWindow& Windows::pictures() { return pictures_.get(); }

PrintWindow& Windows::print() { return print_.get(); }

Sheet& Windows::blankSheet() { return blankSheet_.get(); }

Sheet& Windows::rulesSheet() { return rulesSheet_.get(); }

Sheet& Windows::playerSheet() { return playerSheet_.get(); }

AboutWindow* Windows::findAbout() const { return about_.find(); }

RulesWindow* Windows::findRules() const { return rules_.find(); }

PicturesWindow* Windows::findPictures() const { return pictures_.find(); }

PrintWindow* Windows::findPrint() const { return print_.find(); }

PlayerSheet* Windows::findPlayerSheet() const { return playerSheet_.find(); }

} // namespace daxo
