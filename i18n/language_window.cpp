#include "language_window.h"

#include "captions.h"
#include "flags.h"
#include "game/game.h"
#include "storage/settings_file.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/option_button.h"
#include "widgets/picture_box.h"

#include <QPushButton>
#include <QRadioButton>

namespace daxo {

LanguageWindow::LanguageWindow(QWidget& board, Game& game, WindowDirectory& windows)
    : SecondaryWindow(board, "Langue", twipsRect(0, 0, 2625, 885).size())
    , game_(game)
    , windows_(windows)
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

    french_ = placeControl<OptionButton>(this, "Option1", twipsRect(120, 120, 1095, 255));
    french_->setText(QString::fromUtf8("Français"));
    french_->setChecked(true);
    english_ = placeControl<OptionButton>(this, "Option2", twipsRect(120, 480, 1095, 255));
    english_->setText("Anglais");
    third_ = placeControl<OptionButton>(this, "Option3", twipsRect(120, 840, 1095, 255));
    third_->setText("Allemand");
    third_->hide();
    connect(french_, &QRadioButton::clicked, this, &LanguageWindow::Option1_Click);
    connect(english_, &QRadioButton::clicked, this, &LanguageWindow::Option2_Click);

    auto* close = placeControl<QPushButton>(this, "Command1", twipsRect(1560, 240, 975, 375));
    close->setText("&Fermer");
    connect(close, &QPushButton::clicked, this, &LanguageWindow::Command1_Click);

    centreOn(*this, board);
}

void LanguageWindow::Form_Load() { selectOptionOf(game_.languageCode()); }

void LanguageWindow::selectOptionOf(const std::string& code)
{
    if (code == "E")
        selectInCode(*english_, [this] { Option2_Click(); });
    else if (code == "F")
        selectInCode(*french_, [this] { Option1_Click(); });
    else if (code == "D")
        selectInCode(*third_, [] {}); // stands for the code, switches nothing
}

void LanguageWindow::Option1_Click()
{
    if (english_->isChecked()) {
        writeCaptions(windows_, game_, Language::English);
        game_.setCaption(Label::Label20, "E");
        setWindowIcon(unionFlag_->picture());
    }
    if (french_->isChecked()) {
        writeCaptions(windows_, game_, Language::French);
        game_.setCaption(Label::Label20, "F");
        setWindowIcon(frenchFlag_->picture());
    }
    if (third_->isChecked())
        game_.setCaption(Label::Label20, "D");
    SaveSettings(game_);
}

void LanguageWindow::Option2_Click() { Option1_Click(); }

void LanguageWindow::Command1_Click() { close(); }

} // namespace daxo
