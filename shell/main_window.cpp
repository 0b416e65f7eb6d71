#include "main_window.h"

#include "accessible_names.h"
#include "shell_texts.h"
#include "storage/settings_file.h"
#include "widgets/app_icon.h"
#include "widgets/languages.h"
#include "widgets/mark_overlay.h"
#include "widgets/picture_box.h"
#include "widgets/player_messages.h"
#include "widgets/printer_port.h"
#include "widgets/secondary_window.h"
#include "widgets/status_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QUrl>

namespace daxo {
namespace {

constexpr const char* kHomepage = DAXO_HOMEPAGE_URL;
constexpr const char* kAuthorPages = DAXO_AUTHOR_URL;

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// The menu caption of a web address: the address without its scheme and
// trailing slash, with its first letter as the access key.
QString addressCaption(const QString& address)
{
    const QUrl url(address);
    return "&" + url.host() + (url.path() == "/" ? QString() : url.path());
}

} // namespace

MainWindow::MainWindow(Game& game, PlayerMessages& messages, BoardLinks links)
    : game_(game)
    , messages_(messages)
    , links_(links)
    , openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    setObjectName("Daxo");
    setWindowTitle("Daxo");
    setWindowIcon(appIcon());
    // A fixed board: it can be minimised but not maximised.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    buildBoard();
    showGameState();
    game_.addListener(*this);
    connectControls();

    // The fixed size is declared to the window manager; Form_Resize keeps it
    // where no window manager enforces it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    fixedSize_ = sizeHint();
    setFixedSize(fixedSize_);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

MainWindow::~MainWindow()
{
    game_.removeListener(*this);
}

void MainWindow::buildMenus()
{
    auto addMenu = [](QWidget* parent, const char* name, const char* caption) {
        auto* menu = new QMenu(QString::fromUtf8(caption), parent);
        menu->setObjectName(QString::fromUtf8(name));
        return menu;
    };
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromUtf8(name));
        action->setShortcut(shortcut);
        // The shortcut works from anywhere in the window.
        addAction(action);
        return action;
    };
    auto addSeparator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromUtf8(name)); };

    QMenu* file = addMenu(menuBar(), "Fichier", "&Fichier");
    connect(addItem(file, "Nouveau", "&Nouvelle partie", Qt::Key_F2), &QAction::triggered, this,
            [this] { game_.Nouveau_Click(); });
    undo_ = addItem(file, "annuler", "&Annuler", QKeySequence::Undo);
    connect(undo_, &QAction::triggered, this, [this] { game_.undo(); });
    redo_ = addItem(file, "retablir", QString::fromUtf8("&Rétablir"), Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    connect(redo_, &QAction::triggered, this, [this] { game_.redo(); });
    undoStateChanged(game_.canUndo(), game_.canRedo());
    addSeparator(file, "SepTable");
    connect(addItem(file, "joueurs", QString::fromUtf8("&Joueurs…")), &QAction::triggered, this,
            [this] { showNotModal(links_.windows.window("Joueurs")); });
    connect(addItem(file, "marque", "&Tableau des scores"), &QAction::triggered, this,
            [this] { showNotModal(links_.windows.window("Marque")); });
    addSeparator(file, "Sep");
    connect(addItem(file, "Imprimer", "&Imprimer", Qt::CTRL | Qt::Key_P), &QAction::triggered, this,
            &MainWindow::Imprimer_Click);
    connect(addItem(file, "prop", QString::fromUtf8("&Propiété Imprimante")), &QAction::triggered, this,
            &MainWindow::prop_Click);
    addSeparator(file, "SepScores");
    connect(addItem(file, "meilleurs", "&Meilleurs scores"), &QAction::triggered, this,
            [this] { showNotModal(links_.windows.window("Meilleurs")); });
    connect(addItem(file, "statistiques", "&Statistiques"), &QAction::triggered, this,
            [this] { showNotModal(links_.windows.window("Statistiques")); });
    addSeparator(file, "sep2");
    connect(addItem(file, "quit", "&Quitter"), &QAction::triggered, this, &QWidget::close);
    menuBar()->addMenu(file);

    QMenu* options = addMenu(menuBar(), "Option", "&Options");
    connect(addItem(options, "langues", "&Langues"), &QAction::triggered, this, &MainWindow::langues_Click);
    addSeparator(options, "Sep3");
    connect(addItem(options, "Image12", "&Images"), &QAction::triggered, this, &MainWindow::Image12_Click);
    menuBar()->addMenu(options);

    QMenu* help = addMenu(menuBar(), "Aide", "&Aide");
    connect(addItem(help, "regle", QString::fromUtf8("&Règle"), Qt::Key_F1), &QAction::triggered, this,
            &MainWindow::regle_Click);
    // Ctrl+H rather than H alone, which a cheat cell would take as typing.
    connect(addItem(help, "conseil", "&Conseil", Qt::CTRL | Qt::Key_H), &QAction::triggered, this,
            &MainWindow::conseil_Click);
    connect(addItem(help, "entraineur", QString::fromUtf8("&Entraîneur")), &QAction::triggered, this,
            &MainWindow::entraineur_Click);
    connect(addItem(help, "guide", QString::fromUtf8("&Guide de l'entraîneur")), &QAction::triggered, this,
            [this] { showNotModal(links_.windows.window("Guide")); });
    addSeparator(help, "Sep4");
    QMenu* sites = addMenu(help, "site", "&Sites");
    connect(addItem(sites, "Daxo", addressCaption(kHomepage)), &QAction::triggered, this, &MainWindow::Daxo_Click);
    connect(addItem(sites, "Mespages", "&Les pages de Tomas QUERNEL"), &QAction::triggered, this,
            &MainWindow::Mespages_Click);
    help->addMenu(sites);
    addSeparator(help, "Sep5");
    connect(addItem(help, "apropos", "&A propos"), &QAction::triggered, this, &MainWindow::apropos_Click);
    menuBar()->addMenu(help);
}

void MainWindow::connectControls()
{
    for (int n = 1; n <= kButtonCount; ++n) {
        connect(commands_[static_cast<std::size_t>(n - 1)], &QPushButton::clicked, this, [this, n] {
            if (takesInput_)
                game_.click(button(n));
        });
    }
    connect(commands_[kButtonCount], &QPushButton::clicked, this, &QWidget::close); // Command14, Quit
    for (int die = 1; die <= kDieCount; ++die) {
        connect(holds_[static_cast<std::size_t>(die - 1)], &QCheckBox::clicked, this, [this, die](bool held) {
            if (takesInput_)
                game_.setHeld(die, held);
            else
                holdBoxChanged(die, game_.holdBox(die));
        });
    }
    // What the player types in cheat mode goes through the game's chains
    // like what the game writes itself, whether it came from the keyboard or
    // from assistive technology. Text that reached a locked cell is taken
    // back; what the game writes itself comes back here unchanged.
    for (int n = 1; n <= kCellCount; ++n) {
        QLineEdit* edit = cells_[static_cast<std::size_t>(n - 1)];
        connect(edit, &QLineEdit::textChanged, this, [this, n, edit](const QString& text) {
            if (!takesInput_ || !game_.typeText(cell(n), text.toStdString()))
                edit->setText(fromStd(game_.text(cell(n))));
        });
    }
    connect(cheat_, &QRadioButton::clicked, this, &MainWindow::Option1_Click);
    connect(uncheat_, &QRadioButton::clicked, this, &MainWindow::Option2_Click);
}

// Brings every control in line with the game, as it stands before the first
// change arrives through the listener.
void MainWindow::showGameState()
{
    for (int n = 1; n <= kCellCount; ++n) {
        textChanged(cell(n), game_.text(cell(n)));
        lockChanged(cell(n), game_.isLocked(cell(n)));
    }
    for (int n = 1; n <= kButtonCount; ++n)
        buttonEnabledChanged(button(n), game_.isEnabled(button(n)));
    for (int die = 1; die <= kDieCount; ++die) {
        holdBoxChanged(die, game_.holdBox(die));
        diePictureChanged(die, game_.diePicture(die));
    }
    for (Label label : {Label::Label1, Label::Label17, Label::Label18, Label::Label19, Label::Label20})
        captionChanged(label, game_.caption(label));
    for (int panel = 1; panel <= kPanelCount; ++panel)
        panelChanged(panel, game_.panel(panel));
    nameControls();
}

void MainWindow::nameControls()
{
    const AccessibleNames names = AccessibleNames(game_.languageCode());
    commands_[0]->setAccessibleName(names.throwButton());
    for (int n = number(Button::Command2); n <= kButtonCount; ++n)
        commands_[static_cast<std::size_t>(n - 1)]->setAccessibleName(names.box(button(n)));
    for (int n = 1; n <= kCellCount; ++n)
        cells_[static_cast<std::size_t>(n - 1)]->setAccessibleName(names.cell(cell(n)));
    for (int die = 1; die <= kDieCount; ++die) {
        holds_[static_cast<std::size_t>(die - 1)]->setAccessibleName(names.hold(die));
        pictures_[static_cast<std::size_t>(6 + die)]->setAccessibleName(names.diePicture(die, game_.diePicture(die)));
    }
}

void MainWindow::Form_Load()
{
    game_.setCaption(Label::Label19, "0");

    // Unknown values stay in their labels for the run, and the next save
    // writes them back as they came.
    const bool firstStart = !QFile::exists(settingsFilePath());
    const StoredSettings stored = readSettingsFile(settingsFilePath());
    game_.setCaption(Label::Label18, stored.setName);
    game_.setCaption(Label::Label20, stored.languageCode);

    // The board holds set 1 as laid out; the other sets are applied, and
    // saved again, through the picture window.
    for (int set = 2; set <= 5; ++set) {
        if (stored.setName == "Image " + std::to_string(set))
            links_.pictureSets.applyPictureSet(set);
    }

    // A first start speaks the desktop's language rather than French windows
    // beside English messages; a code Daxo does not know switches nothing.
    const std::string& code = game_.languageCode();
    if (firstStart)
        links_.languages.applyDesktopLanguage();
    else if (code == "D" || languageOfCode(code))
        links_.languages.applyLanguageOf(code);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void MainWindow::Form_Resize()
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    if (fixedSize_.isValid() && size() != fixedSize_)
        resize(fixedSize_);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

// Closing the board ends the program, and every other window goes with it.
void MainWindow::Form_Unload()
{
    Q_EMIT ending();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    QCoreApplication::exit(0);
}

void MainWindow::Imprimer_Click() { showNotModal(links_.windows.window("Printer1")); }

// The printer set-up alone; the printer chosen is offered first next time.
void MainWindow::prop_Click() { links_.printers.choosePrinter(this, {}); }

void MainWindow::langues_Click() { showNotModal(links_.windows.window("Langue")); }

void MainWindow::Image12_Click() { showNotModal(links_.windows.window("Pictures")); }

void MainWindow::regle_Click() { showNotModal(links_.windows.window("Règle")); }

void MainWindow::apropos_Click() { showNotModal(links_.windows.window("Apropos")); }

void MainWindow::conseil_Click() { links_.coaching.askForHint(); }

void MainWindow::entraineur_Click() { showNotModal(links_.windows.window("Entraîneur")); }

void MainWindow::mark(const std::vector<QWidget*>& controls, const QString& why)
{
    for (QWidget* control : marks_->marked())
        control->setAccessibleDescription({});
    for (QWidget* control : controls)
        control->setAccessibleDescription(why);
    marks_->mark(controls);
}

void MainWindow::markThrow() { mark({commands_[0]}, AccessibleNames(game_.languageCode()).hintThrow()); }

void MainWindow::markDice(const std::array<bool, 5>& keep)
{
    std::vector<QWidget*> dice;
    for (int die = 1; die <= kDieCount; ++die) {
        if (keep[static_cast<std::size_t>(die - 1)])
            dice.push_back(pictures_[static_cast<std::size_t>(6 + die)]);
    }
    mark(dice, AccessibleNames(game_.languageCode()).hintKeep());
}

void MainWindow::markBox(Button box)
{
    if (number(box) >= number(Button::Command2) && number(box) <= kButtonCount)
        mark({commands_[static_cast<std::size_t>(number(box) - 1)]}, AccessibleNames(game_.languageCode()).hintScore());
}

void MainWindow::clearMarks() { mark({}, {}); }

PictureBox& MainWindow::facePicture(int face)
{
    return *pictures_[static_cast<std::size_t>(face - 1)];
}

void MainWindow::setFacePicture(int face, const QIcon& picture)
{
    if (face >= 1 && face <= 6)
        facePicture(face).setPicture(picture);
}

void MainWindow::showCheatControls(bool shown)
{
    cheatPanel_->setVisible(shown);
    for (int die = 1; die <= kDieCount; ++die)
        cells_[static_cast<std::size_t>(die - 1)]->setVisible(shown);
    commands_[kButtonCount]->setVisible(!shown); // Command14
}

void MainWindow::Option1_Click() { game_.setCellsLocked(!cheat_->isChecked()); }

void MainWindow::Option2_Click() { Option1_Click(); }

void MainWindow::Daxo_Click() { openAddress(kHomepage); }

void MainWindow::Mespages_Click() { openAddress(kAuthorPages); }

void MainWindow::openAddress(const QString& address)
{
    if (openUrl_(QUrl(address)))
        return;
    messages_.inform(ShellTexts::title(), ShellTexts(game_.languageCode()).addressFailed(address));
}

void MainWindow::textChanged(Cell c, const std::string& text)
{
    QLineEdit* edit = cells_[static_cast<std::size_t>(number(c) - 1)];
    const QString shown = fromStd(text);
    // A cell the player is typing into already shows its text; setting it
    // again would move the cursor.
    if (edit->text() != shown)
        edit->setText(shown);
}

void MainWindow::lockChanged(Cell c, bool locked)
{
    QLineEdit* edit = cells_[static_cast<std::size_t>(number(c) - 1)];
    edit->setReadOnly(locked);
    // Open cells take part in the tab chain; locked ones are only read.
    edit->setFocusPolicy(locked ? Qt::ClickFocus : Qt::StrongFocus);
}

void MainWindow::buttonEnabledChanged(Button b, bool enabled)
{
    commands_[static_cast<std::size_t>(number(b) - 1)]->setEnabled(enabled);
}

void MainWindow::holdBoxChanged(int die, const HoldBox& box)
{
    QCheckBox* hold = holds_[static_cast<std::size_t>(die - 1)];
    hold->setEnabled(box.enabled);
    hold->setChecked(box.checked);
}

void MainWindow::captionChanged(Label label, const std::string& caption)
{
    stateLabels_[static_cast<std::size_t>(label)]->setText(fromStd(caption));
    if (label == Label::Label20)
        nameControls();
}

void MainWindow::panelChanged(int panel, const PanelText& text)
{
    panels_[static_cast<std::size_t>(panel - 1)]->setParts(fromStd(text.caption), fromStd(text.value));
}

void MainWindow::diePictureChanged(int die, int face)
{
    // Picture1 to Picture6 hold the faces of the current set, Picture7 the
    // blank die; Picture8 to Picture12 are the five dice.
    const PictureBox* source = pictures_[static_cast<std::size_t>(face == 0 ? 6 : face - 1)];
    PictureBox* shown = pictures_[static_cast<std::size_t>(6 + die)];
    shown->setPicture(source->picture());
    shown->setAccessibleName(AccessibleNames(game_.languageCode()).diePicture(die, face));
}

void MainWindow::quitRequested() { close(); }

void MainWindow::setTakesInput(bool takes) { takesInput_ = takes; }

void MainWindow::undoStateChanged(bool canUndo, bool canRedo)
{
    undo_->setEnabled(canUndo);
    redo_->setEnabled(canRedo);
}

} // namespace daxo
