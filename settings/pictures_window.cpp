#include "pictures_window.h"

#include "game/game.h"
#include "storage/settings_file.h"
#include "widgets/controls.h"
#include "widgets/face_images.h"
#include "widgets/fonts.h"
#include "widgets/option_button.h"
#include "widgets/picture_box.h"
#include "widgets/window_ports.h"

#include <QPushButton>
#include <QRadioButton>

namespace daxo {
namespace {

std::string setName(int set) { return "Image " + std::to_string(set); }

using Handler = void (PicturesWindow::*)();
constexpr Handler kSampleHandlers[kPictureSetCount] = {&PicturesWindow::Picture11_Click, &PicturesWindow::Picture21_Click,
                                                       &PicturesWindow::Picture31_Click, &PicturesWindow::Picture41_Click,
                                                       &PicturesWindow::Picture51_Click};
constexpr Handler kOptionHandlers[kPictureSetCount] = {&PicturesWindow::Option1_Click, &PicturesWindow::Option2_Click,
                                                       &PicturesWindow::Option3_Click, &PicturesWindow::Option4_Click,
                                                       &PicturesWindow::Option5_Click};

} // namespace

PicturesWindow::PicturesWindow(QWidget& board, Game& game, FacePictures& faces)
    : SecondaryWindow(board, "Pictures", twipsRect(0, 0, 4890, 1905).size())
    , game_(game)
    , boardFaces_(faces)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Image");
    setWindowIcon(faceImage(3, 5));
    setFont(sansFont(8.25));

    constexpr int kSampleLefts[kPictureSetCount] = {90, 1080, 2040, 3000, 3960};
    constexpr int kOptionLefts[kPictureSetCount] = {120, 1080, 2040, 3000, 3960};

    for (int set = 1; set <= kPictureSetCount; ++set) {
        const auto s = static_cast<std::size_t>(set - 1);
        // Face 1 is the set's sample; faces 2 to 6 are held out of sight.
        for (int face = 1; face <= 6; ++face) {
            const std::string pictureName = "Picture" + std::to_string(set) + std::to_string(face);
            auto* picture = placeControl<PictureBox>(this, pictureName.c_str(), twipsRect(kSampleLefts[s], 120, 800, 800));
            picture->setPicture(faceImage(set, face));
            picture->setVisible(face == 1);
            faces_[s][static_cast<std::size_t>(face - 1)] = picture;
        }
        PictureBox* sample = faces_[s][0];
        sample->setAccessibleName(QString::fromStdString(setName(set)));
        sample->setCursor(Qt::PointingHandCursor);
        connect(sample, &PictureBox::clicked, this, kSampleHandlers[s]);

        const std::string optionName = "Option" + std::to_string(set);
        auto* option = placeControl<OptionButton>(this, optionName.c_str(), twipsRect(kOptionLefts[s], 960, 975, 375));
        option->setText(QString::fromStdString(setName(set)));
        connect(option, &QRadioButton::clicked, this, kOptionHandlers[s]);
        options_[s] = option;
    }

    auto* close = placeControl<QPushButton>(this, "Command1", twipsRect(1920, 1440, 975, 375));
    close->setText("&Fermer");
    connect(close, &QPushButton::clicked, this, &PicturesWindow::Command1_Click);

    centreOn(*this, board);
}

void PicturesWindow::Picture11_Click() { applySet(1); }
void PicturesWindow::Picture21_Click() { applySet(2); }
void PicturesWindow::Picture31_Click() { applySet(3); }
void PicturesWindow::Picture41_Click() { applySet(4); }
void PicturesWindow::Picture51_Click() { applySet(5); }

void PicturesWindow::Option1_Click() { Picture11_Click(); }
void PicturesWindow::Option2_Click() { Picture21_Click(); }
void PicturesWindow::Option3_Click() { Picture31_Click(); }
void PicturesWindow::Option4_Click() { Picture41_Click(); }
void PicturesWindow::Option5_Click() { Picture51_Click(); }

void PicturesWindow::Command1_Click() { close(); }

// Selecting an option that was not selected yet runs its handler, which
// applies the set once more.
void PicturesWindow::Form_Load()
{
    const std::string& current = game_.caption(Label::Label18);
    for (int set = 1; set <= kPictureSetCount; ++set) {
        const auto s = static_cast<std::size_t>(set - 1);
        if (current == setName(set))
            selectInCode(*options_[s], [this, set] { applySet(set); }); // as its option's handler does
    }
}

// The dice already on the board keep their pictures: they take the new
// faces when their cells next change.
void PicturesWindow::applySet(int set)
{
    const auto& faces = faces_[static_cast<std::size_t>(set - 1)];
    for (int face = 1; face <= 6; ++face)
        boardFaces_.setFacePicture(face, faces[static_cast<std::size_t>(face - 1)]->picture());
    game_.setCaption(Label::Label18, setName(set));
    SaveSettings(game_);
    Form_Load();
}

} // namespace daxo
