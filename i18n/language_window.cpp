#include "language_window.h"

#include "captions.h"
#include "catalogues.h"
#include "flags.h"
#include "game/game.h"
#include "storage/settings_file.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/languages.h"
#include "widgets/option_button.h"
#include "widgets/picture_box.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace daxo {
namespace {

// The added languages stand below the game's two, where the third option,
// never shown, lies; each a row further down, wider for their names.
constexpr int kRowTwips = 360;
constexpr int kAddedTopTwips = 840;

} // namespace

LanguageWindow::LanguageWindow(QWidget& board, Game& game, WindowDirectory& windows, Catalogues& catalogues)
    : SecondaryWindow(board, "Langue",
                      twipsRect(0, 0, 2625, kAddedTopTwips + (static_cast<int>(spokenLanguages().size()) - 2) * kRowTwips +
                                                120)
                          .size())
    , game_(game)
    , windows_(windows)
    , catalogues_(catalogues)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Langues");
    setFont(sansFont(8.25));

    unionFlag_ = placeControl<PictureBox>(this, "Picture1", QRect());
    unionFlag_->setPicture(unionFlag());
    unionFlag_->hide();
    frenchFlag_ = placeControl<PictureBox>(this, "Picture2", QRect());
    frenchFlag_->setPicture(frenchFlag());
    frenchFlag_->hide();
    setWindowIcon(frenchFlag_->picture());

    const auto languages = spokenLanguages();
    auto* french = placeControl<OptionButton>(this, "Option1", twipsRect(120, 120, 1095, 255));
    french->setText(QString::fromUtf8("Français"));
    french->setChecked(true);
    auto* english = placeControl<OptionButton>(this, "Option2", twipsRect(120, 480, 1095, 255));
    english->setText("Anglais");
    options_ = {{french, &languages[0]}, {english, &languages[1]}};
    third_ = placeControl<OptionButton>(this, "Option3", twipsRect(120, 840, 1095, 255));
    third_->setText("Allemand");
    third_->hide();
    for (std::size_t added = 2; added < languages.size(); ++added) {
        const std::string name = "Option" + std::to_string(added + 2);
        auto* option = placeControl<OptionButton>(
            this, name.c_str(), twipsRect(120, kAddedTopTwips + static_cast<int>(added - 2) * kRowTwips, 2415, 255));
        option->setText(QString::fromUtf8(languages[added].name)); // named in itself, in every language
        options_.emplace_back(option, &languages[added]);
    }
    for (const auto& [option, language] : options_)
        connect(option, &QRadioButton::clicked, this, &LanguageWindow::Option1_Click);

    auto* close = placeControl<QPushButton>(this, "Command1", twipsRect(1560, 240, 975, 375));
    close->setText("&Fermer");
    connect(close, &QPushButton::clicked, this, &LanguageWindow::Command1_Click);

    centreOn(*this, board);
}

void LanguageWindow::Form_Load() { selectOptionOf(game_.languageCode()); }

QRadioButton* LanguageWindow::optionOf(const std::string& code) const
{
    for (const auto& [option, language] : options_) {
        if (language->code == code)
            return option;
    }
    return nullptr;
}

void LanguageWindow::selectOptionOf(const std::string& code)
{
    if (code == "D")
        selectInCode(*third_, [] {}); // stands for the code, switches nothing
    else if (QRadioButton* option = optionOf(code))
        selectInCode(*option, [this] { Option1_Click(); });
}

void LanguageWindow::applyWithoutSaving(const std::string& code)
{
    if (QRadioButton* option = optionOf(code)) {
        // Nor through the windows its captions create, whose load steps
        // apply the language once more.
        const QScopedValueRollback notSaving(saves_, false);
        option->setChecked(true);
        apply();
    }
}

// English first, then French, then the added languages: the options are
// exclusive, so one acts at most.
void LanguageWindow::apply()
{
    for (const auto& [option, language] : options_) {
        if (!option->isChecked())
            continue;
        catalogues_.use(language->code); // the captions below are written in it
        writeCaptions(windows_, game_, *language);
        game_.setCaption(Label::Label20, language->code);
        setWindowIcon(language->isEnglish() ? unionFlag_->picture()
                      : language->isFrench() ? frenchFlag_->picture()
                                             : flagOf(*language));
    }
    if (third_->isChecked())
        game_.setCaption(Label::Label20, "D");
}

void LanguageWindow::Option1_Click()
{
    apply();
    if (saves_)
        SaveSettings(game_);
}

void LanguageWindow::Option2_Click() { Option1_Click(); }

void LanguageWindow::Command1_Click() { close(); }

} // namespace daxo
