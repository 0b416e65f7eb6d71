#include "analysis_offer.h"

#include "widgets/fonts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace daxo {

AnalysisOffer::AnalysisOffer(QWidget& board)
    : SecondaryWindow(board, "Fin", QSize(340, 90), QSize(340, 90), Keyboard::Takes)
{
    setWindowTitle(QString::fromUtf8("Entraîneur"));
    setFont(sansFont(8.25));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QString::fromUtf8("La partie est finie. Voulez-vous voir son analyse\u00a0?"));
    label->setObjectName("Label1");
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* show = new QPushButton("&Voir l'analyse");
    show->setObjectName("Voir");
    show->setDefault(true);
    addButtonRow(*layout, {show});
    connect(show, &QPushButton::clicked, this, [this] {
        QWidget::close();
        Q_EMIT accepted();
    });
}

} // namespace daxo
