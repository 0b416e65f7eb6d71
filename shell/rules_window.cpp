#include "rules_window.h"

#include "game/rules_texts.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/secondary_window.h"
#include "widgets/shapes.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace daxo {
namespace {

// The window's surface, with the two lines between the paragraphs.
class RulesSurface final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const Shapes shapes{.lines = {QLine(fromTwips(240), fromTwips(720), fromTwips(6600), fromTwips(720)),
                                      QLine(fromTwips(240), fromTwips(3120), fromTwips(6600), fromTwips(3120))}};
        shapes.paint(painter);
    }
};

} // namespace

RulesWindow::RulesWindow(QWidget& board, LanguageSwitch& languages)
    : SecondaryWindow(board, "Règle", twipsRect(0, 0, 6765, 7530).size())
    , languages_(languages)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8("Règle du Daxo"));

    auto* surface = new RulesSurface(this);
    surface->setGeometry(rect());

    const QRect places[] = {twipsRect(120, 0, 6495, 615), twipsRect(120, 840, 6615, 2175),
                            twipsRect(120, 3240, 6495, 3735)};
    for (int i = 0; i < 3; ++i) {
        const std::string labelName = "Label" + std::to_string(i + 1);
        auto* label = placeControl<QLabel>(surface, labelName.c_str(), places[i]);
        label->setFont(sansFont(12));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setText(QString::fromUtf8(kFrenchRules[static_cast<std::size_t>(i)]));
    }

    auto* ok = placeControl<QPushButton>(surface, "Command1", twipsRect(2760, 7080, 1335, 375));
    ok->setText("&OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &RulesWindow::Command1_Click);

    centreOn(*this, board);
}

void RulesWindow::Form_Load() { languages_.applyLanguage(); }

void RulesWindow::Command1_Click() { close(); }

} // namespace daxo
