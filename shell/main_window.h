#pragma once

#include "game/game.h"
#include "widgets/window_ports.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <span>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QUrl;

namespace daxo {

class MarkOverlay;
class PictureBox;
class PlayerMessages;
class PrinterPort;
class StatusPanel;

// What the board reaches beyond itself: the other windows, the steps of the
// language and picture-set windows that bring back the stored settings, and
// the printer set-up.
struct BoardLinks {
    WindowDirectory& windows;
    LanguageSwitch& languages;
    PictureSets& pictureSets;
    PrinterPort& printers;
    Coaching& coaching;
};

// Where the status bar's panels of these widths go in a bar of that size:
// side by side at their own widths, evenly spaced, centred.
std::vector<QRect> panelPlaces(std::span<const int> widths, QSize bar);

// The game board, window `Daxo`: the score sheet, the dice column, the
// hidden cheat panel, the status bar and the menu. It shows the game and
// forwards the player's actions to it; the rules are the game's.
class MainWindow final : public QMainWindow,
                         public FacePictures,
                         public CheatControls,
                         public BoardMarks,
                         private GameListener {
    Q_OBJECT
public:
    // The game and the links must outlive the window.
    MainWindow(Game& game, PlayerMessages& messages, BoardLinks links);
    ~MainWindow() override;

    Game& game() { return game_; }

    // The load step, before the window is first shown: resets the count of
    // boxes and brings back the picture set and the language of the
    // settings file.
    void Form_Load();

    // The image of `face` (1 to 6) in the current picture set, Picture1 to
    // Picture6, from which the dice take their pictures.
    PictureBox& facePicture(int face);
    void setFacePicture(int face, const QIcon& picture) override;

    // The cheat reveal: shows or hides the cheat panel and the dice cells,
    // and the Quit button the panel would lie under.
    void showCheatControls(bool shown) override;

    // BoardMarks
    void markThrow() override;
    void markDice(const std::array<bool, 5>& keep) override;
    void markBox(Button box) override;
    void clearMarks() override;

    // Whether the player's clicks and typing on the board reach the game:
    // not while another player, a computer, plays on it. What the player
    // changed on a control meanwhile goes back to what the game holds.
    void setTakesInput(bool takes);

    // Opens web addresses; the default hands them to the desktop's browser.
    void setUrlOpener(std::function<bool(const QUrl&)> opener) { openUrl_ = std::move(opener); }

    void Daxo_Click();
    void Mespages_Click();
    void Imprimer_Click();
    void prop_Click();
    void langues_Click();
    void Image12_Click();
    void regle_Click();
    void apropos_Click();
    void conseil_Click();
    void entraineur_Click();
    void Option1_Click();
    void Option2_Click();

Q_SIGNALS:
    // The program is about to end, every window still as the player left it.
    void ending();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Building the board (main_window_layout.cpp).
    void buildBoard();
    void buildScoreFrame(QWidget* board);
    void buildDiceFrame(QWidget* board);
    void buildCheatFrame(QWidget* board);
    void buildStatusBar();
    void buildMenus();
    void setTabOrder();

    void connectControls();
    void showGameState();
    // Names the controls for screen readers in the language in use.
    void nameControls();
    // Points out these controls, saying `why` to screen readers.
    void mark(const std::vector<QWidget*>& controls, const QString& why);

    void Form_Resize();
    void Form_Unload();
    void openAddress(const QString& address);

    // GameListener
    void textChanged(Cell cell, const std::string& text) override;
    void lockChanged(Cell cell, bool locked) override;
    void buttonEnabledChanged(Button button, bool enabled) override;
    void holdBoxChanged(int die, const HoldBox& box) override;
    void captionChanged(Label label, const std::string& caption) override;
    void panelChanged(int panel, const PanelText& text) override;
    void diePictureChanged(int die, int face) override;
    void quitRequested() override;
    void undoStateChanged(bool canUndo, bool canRedo) override;

    Game& game_;
    PlayerMessages& messages_;
    BoardLinks links_;
    std::function<bool(const QUrl&)> openUrl_;
    QSize fixedSize_;
    bool takesInput_ = true;

    std::array<QLineEdit*, kCellCount> cells_{};        // Text1 to Text20
    std::array<QPushButton*, kButtonCount + 1> commands_{}; // Command1 to Command14
    std::array<QCheckBox*, kDieCount> holds_{};         // Check1 to Check5
    std::array<PictureBox*, 12> pictures_{};            // Picture1 to Picture12
    std::array<QLabel*, kLabelCount> stateLabels_{};    // in the order of Label
    std::array<StatusPanel*, kPanelCount> panels_{};
    QWidget* cheatPanel_ = nullptr;                     // Frame4
    QRadioButton* cheat_ = nullptr;                     // Option1
    QRadioButton* uncheat_ = nullptr;                   // Option2
    MarkOverlay* marks_ = nullptr;                      // the hint's
    QAction* undo_ = nullptr;                           // annuler
    QAction* redo_ = nullptr;                           // retablir
};

} // namespace daxo
