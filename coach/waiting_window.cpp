#include "waiting_window.h"

#include "coach.h"
#include "coach_texts.h"
#include "widgets/fonts.h"
#include "widgets/strategy_source.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace daxo {

WaitingWindow::WaitingWindow(QWidget& board, const Coach& coach)
    : SecondaryWindow(board, "Calcul", QSize(330, 80), QSize(330, 80), Keyboard::Leaves)
    , coach_(coach)
{
    setWindowTitle(QString::fromUtf8("Entraîneur"));
    setFont(sansFont(8.25));
    auto* layout = new QVBoxLayout(this);
    label_ = new QLabel(QString::fromUtf8("L'entraîneur calcule le jeu parfait…"));
    label_->setObjectName("Label1");
    layout->addWidget(label_);
    progress_ = new QProgressBar;
    progress_->setObjectName("Progression");
    progress_->setRange(0, 100);
    layout->addWidget(progress_);
    connect(&coach.source(), &StrategySource::progressed, this,
            [this](double done) { progress_->setValue(static_cast<int>(done * 100)); });
    retranslate();
}

// The label's caption comes from the caption table; the bar follows it.
void WaitingWindow::retranslate()
{
    progress_->setAccessibleName(label_->text());
    progress_->setFormat(CoachTexts(coach_.languageCode()).percentFormat());
}

} // namespace daxo
