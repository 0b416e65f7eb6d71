#include "about_window.h"

#include "accessible_names.h"
#include "game/game.h"
#include "widgets/app_icon.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/picture_box.h"
#include "widgets/secondary_window.h"

#include <QLabel>
#include <QPushButton>

namespace daxo {

AboutWindow::AboutWindow(QWidget& board, Game& game, CheatControls& cheat)
    : SecondaryWindow(board, "Apropos", twipsRect(0, 0, 3135, 1530).size())
    , game_(game)
    , cheat_(cheat)
{
    setWindowTitle("A propos");
    setFont(sansFont(8.25));

    image_ = placeControl<PictureBox>(this, "Image", twipsRect(120, 480, 480, 480));
    image_->setFrameStyle(QFrame::NoFrame);
    image_->setPicture(appIcon());
    image_->setPictureSize(image_->size());
    image_->setActivatable(true);
    connect(image_, &PictureBox::clicked, this, &AboutWindow::Image_Click);

    auto* maker = placeControl<QLabel>(this, "Label3", twipsRect(600, 120, 2295, 255));
    maker->setText("Ondrak Games");
    maker->setFont(sansFont(12, QFont::Bold));
    maker->setAlignment(Qt::AlignCenter);
    placeControl<QLabel>(this, "Label1", twipsRect(1200, 480, 975, 225))->setText("29/05/2002");
    placeControl<QLabel>(this, "Label2", twipsRect(1200, 720, 1455, 225))->setText("Version 2.05");

    auto* ok = placeControl<QPushButton>(this, "btnOK", twipsRect(1320, 1080, 1095, 375));
    ok->setText("OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutWindow::btnOK_Click);

    setTabOrder(ok, image_);
    captionChanged(Label::Label20, game_.languageCode());
    game_.addListener(*this);

    centreOnScreen(*this);
}

AboutWindow::~AboutWindow() { game_.removeListener(*this); }

void AboutWindow::captionChanged(Label label, const std::string&)
{
    if (label == Label::Label20)
        image_->setAccessibleName(AccessibleNames::aboutPicture());
}

void AboutWindow::Form_Load() { cheatShown_ = false; }

void AboutWindow::Image_Click()
{
    cheatShown_ = !cheatShown_;
    cheat_.showCheatControls(cheatShown_);
}

void AboutWindow::btnOK_Click() { hide(); }

} // namespace daxo
