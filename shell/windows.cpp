#include "windows.h"

#include "about_window.h"
#include "main_window.h"
#include "rules_window.h"
#include "player_messages.h"
#include "settings/pictures_window.h"

namespace daxo {

Windows::Windows(DiceSource& dice, PlayerMessages& messages)
    : messages_(messages)
    , game_(dice, messages)
    , about_([this] { return new AboutWindow(main()); })
    , rules_([this] { return new RulesWindow(main()); })
    , pictures_([this] { return new PicturesWindow(main()); })
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

AboutWindow* Windows::findAbout() const { return about_.find(); }

RulesWindow* Windows::findRules() const { return rules_.find(); }

PicturesWindow* Windows::findPictures() const { return pictures_.find(); }

} // namespace daxo
