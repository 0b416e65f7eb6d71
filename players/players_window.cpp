#include "players_window.h"

#include "remembered_table.h"
#include "table_texts.h"
#include "game/game.h"
#include "table/levels.h"
#include "widgets/box_names.h"
#include "widgets/eliding_combo_box.h"
#include "widgets/fonts.h"

#include <QComboBox>
#include <algorithm>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace daxo {
namespace {

constexpr int kHumanItem = 0;
constexpr int kComputerItem = 1;

int levelIndex(const std::string& name)
{
    const auto all = levels();
    for (std::size_t index = 0; index < all.size(); ++index) {
        if (all[index].name == name)
            return static_cast<int>(index);
    }
    return 1; // regular
}

QString numbered(const char* name, int row) { return QString::fromUtf8(name) + QString::number(row + 1); }

} // namespace

PlayersWindow::PlayersWindow(QWidget& board, const Game& game, const Preferences& preferences)
    : SecondaryWindow(board, "Joueurs", QSize(330, 300), QSize(300, 260), Keyboard::Takes)
    , game_(game)
    , preferences_(preferences)
{
    setWindowTitle("Joueurs");
    setFont(sansFont(8.25));
    auto* layout = new QVBoxLayout(this);

    auto* countRow = new QHBoxLayout;
    auto* countLabel = new QLabel("&Nombre de joueurs\u00a0:");
    countLabel->setObjectName("Label1");
    count_ = new QSpinBox;
    count_->setObjectName("Nombre");
    count_->setRange(1, kMostSeats);
    countLabel->setBuddy(count_);
    countRow->addWidget(countLabel);
    countRow->addWidget(count_);
    countRow->addStretch();
    layout->addLayout(countRow);

    auto* grid = new QGridLayout;
    grid->setColumnStretch(3, 1);
    for (int row = 0; row < kMostSeats; ++row) {
        Row& controls = rows_[static_cast<std::size_t>(row)];
        auto* number = new QLabel(QString::number(row + 1));
        number->setObjectName(numbered("Rang", row));
        controls.kind = new QComboBox;
        controls.kind->setObjectName(numbered("Genre", row));
        controls.kind->addItems({QString(), QString()});
        controls.name = new QLineEdit;
        controls.name->setObjectName(numbered("Nom", row));
        controls.name->setMaxLength(40);
        // Narrow enough to stand beside the board on a small screen: the
        // level's strength may be cut short when closed, never in its list.
        controls.level = new ElidingComboBox(12);
        controls.level->setObjectName(numbered("Niveau", row));
        controls.name->setMinimumWidth(controls.level->minimumSizeHint().width());
        for (std::size_t level = 0; level < levels().size(); ++level)
            controls.level->addItem(QString());
        grid->addWidget(number, row, 0);
        grid->addWidget(controls.kind, row, 1);
        // A human's name and a computer's level share the place: one shows.
        grid->addWidget(controls.name, row, 3);
        grid->addWidget(controls.level, row, 3);
        connect(controls.kind, &QComboBox::currentIndexChanged, this, [this, row] { kindChosen(row); });
    }
    layout->addLayout(grid);
    connect(count_, &QSpinBox::valueChanged, this, &PlayersWindow::countChosen);

    auto* paceRow = new QHBoxLayout;
    auto* paceLabel = new QLabel("&Allure des ordinateurs\u00a0:");
    paceLabel->setObjectName("Label2");
    pace_ = new QComboBox;
    pace_->setObjectName("Allure");
    for (std::size_t pace = 0; pace < kPaces.size(); ++pace)
        pace_->addItem(QString());
    paceLabel->setBuddy(pace_);
    paceRow->addWidget(paceLabel);
    paceRow->addWidget(pace_);
    paceRow->addStretch();
    layout->addLayout(paceRow);
    layout->addStretch();

    auto* play = new QPushButton("&Jouer");
    play->setObjectName("Jouer");
    play->setDefault(true);
    addButtonRow(*layout, {play});
    connect(play, &QPushButton::clicked, this, [this] {
        QWidget::close();
        Q_EMIT played(seats(), pace());
    });

    retranslate();
    showTable({Seat{}}, Pace::Normal);
}

void PlayersWindow::showTable(const Seats& seats, Pace pace)
{
    count_->setValue(static_cast<int>(seats.size()));
    for (int row = 0; row < kMostSeats; ++row) {
        Row& controls = rows_[static_cast<std::size_t>(row)];
        const Seat seat = row < static_cast<int>(seats.size()) ? seats[static_cast<std::size_t>(row)] : Seat{};
        controls.name->setText(QString::fromStdString(seat.name));
        controls.offered.clear();
        controls.level->setCurrentIndex(levelIndex(seat.level));
        controls.kind->setCurrentIndex(seat.human() ? kHumanItem : kComputerItem);
        kindChosen(row);
    }
    pace_->setCurrentIndex(static_cast<int>(std::ranges::find(kPaces, pace) - kPaces.begin()));
    countChosen();
}

Seats PlayersWindow::seats() const
{
    Seats seats;
    for (int row = 0; row < count_->value(); ++row) {
        const Row& controls = rows_[static_cast<std::size_t>(row)];
        if (controls.kind->currentIndex() == kHumanItem) {
            QString name = controls.name->text().simplified();
            if (name.isEmpty())
                name = offeredName(preferences_, seats, row, game_.languageCode());
            seats.push_back({.kind = Seat::Kind::Human, .name = name.toStdString()});
        } else {
            const Level& level = levels()[static_cast<std::size_t>(controls.level->currentIndex())];
            seats.push_back({.kind = Seat::Kind::Computer, .level = std::string(level.name)});
        }
    }
    return seats;
}

Pace PlayersWindow::pace() const { return kPaces[static_cast<std::size_t>(std::max(0, pace_->currentIndex()))]; }

// A row turned human is offered a name at once, to keep or to change.
void PlayersWindow::kindChosen(int row)
{
    Row& controls = rows_[static_cast<std::size_t>(row)];
    const bool human = controls.kind->currentIndex() == kHumanItem;
    const bool shown = row < count_->value();
    controls.name->setVisible(shown && human);
    controls.level->setVisible(shown && !human);
    if (human && controls.name->text().trimmed().isEmpty()) {
        controls.offered = offeredName(preferences_, seats(), row, game_.languageCode());
        controls.name->setText(controls.offered);
    }
}

void PlayersWindow::countChosen()
{
    for (int row = 0; row < kMostSeats; ++row) {
        const bool shown = row < count_->value();
        rows_[static_cast<std::size_t>(row)].kind->setVisible(shown);
        findChild<QLabel*>(numbered("Rang", row))->setVisible(shown);
        kindChosen(row);
    }
}

void PlayersWindow::retranslate()
{
    const TableTexts texts(game_.languageCode());
    for (int row = 0; row < kMostSeats; ++row) {
        Row& controls = rows_[static_cast<std::size_t>(row)];
        controls.kind->setItemText(kHumanItem, texts.human());
        controls.kind->setItemText(kComputerItem, texts.computer());
        for (std::size_t level = 0; level < levels().size(); ++level)
            controls.level->setItemText(static_cast<int>(level), texts.levelChoice(levels()[level]));
        controls.kind->setAccessibleName(texts.kindOf(row + 1));
        controls.name->setAccessibleName(texts.nameOf(row + 1));
        controls.level->setAccessibleName(texts.levelOf(row + 1));
        if (!controls.offered.isEmpty() && controls.name->text() == controls.offered) {
            controls.offered = offeredName(preferences_, seats(), row, game_.languageCode());
            controls.name->setText(controls.offered);
        }
    }
    for (std::size_t pace = 0; pace < kPaces.size(); ++pace)
        pace_->setItemText(static_cast<int>(pace), texts.paceName(kPaces[pace]));
}

} // namespace daxo
