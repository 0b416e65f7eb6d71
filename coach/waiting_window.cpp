#include "waiting_window.h"

#include "widgets/fonts.h"
#include "widgets/strategy_source.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace daxo {

WaitingWindow::WaitingWindow(QWidget& board, StrategySource& source)
    : SecondaryWindow(board, "Calcul", QSize(330, 80))
{
    setWindowTitle(QString::fromUtf8("Entraîneur"));
    setFont(sansFont(8.25));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QString::fromUtf8("L'entraîneur calcule le jeu parfait…"));
    label->setObjectName("Label1");
    layout->addWidget(label);
    progress_ = new QProgressBar;
    progress_->setObjectName("Progression");
    progress_->setRange(0, 100);
    progress_->setAccessibleName(label->text());
    layout->addWidget(progress_);
    connect(&source, &StrategySource::progressed, this,
            [this](double done) { progress_->setValue(static_cast<int>(done * 100)); });
    centreOn(*this, board);
}

} // namespace daxo
