#include "splash_window.h"

#include "version.h"
#include "widgets/controls.h"
#include "widgets/face_images.h"
#include "widgets/fonts.h"
#include "widgets/picture_box.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace daxo {
namespace {

// The clock is read in whole seconds.
QDateTime wholeSeconds(QDateTime time)
{
    const QTime t = time.time();
    time.setTime(QTime(t.hour(), t.minute(), t.second()));
    return time;
}

// The frame that holds the whole card; a click on its free surface, not on
// the logo or a label, opens the board.
class CardFrame final : public QFrame {
public:
    using QFrame::QFrame;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
            !childAt(event->position().toPoint()) && onClick)
            onClick();
    }
};

// Sizes a label to its text. A right-aligned label keeps its right edge, so
// that it grows towards the inside of the card.
void fitToText(QLabel* label)
{
    const QRect before = label->geometry();
    label->adjustSize();
    if (label->alignment() & Qt::AlignRight)
        label->move(before.right() - label->width() + 1, before.top());
}

} // namespace

SplashWindow::SplashWindow(std::function<void()> proceed, Clock clock)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , proceed_(std::move(proceed))
    , clock_(std::move(clock))
{
    setObjectName("Acceuil");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(fromTwips(6090), fromTwips(3930));
    setFocusPolicy(Qt::StrongFocus); // it sees every key itself

    auto* frame = placeControl<CardFrame>(this, "Frame1", twipsRect(150, 60, 5865, 3795));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->onClick = [this] { Frame1_Click(); };

    auto* logo = placeControl<PictureBox>(frame, "imgLogo", twipsRect(240, 720, 2055, 2265));
    logo->setFrameStyle(QFrame::NoFrame);
    logo->setPicture(faceImage(1, 5));
    logo->setPictureSize(logo->size()); // stretched to fill the image

    productName_ = placeControl<QLabel>(frame, "lblProductName", twipsRect(2880, 960, 2430, 765));
    productName_->setFont(arialFont(32.25, QFont::Bold));
    productName_->setText("Produit");

    version_ = placeControl<QLabel>(frame, "lblVersion", twipsRect(4560, 2700, 885, 285));
    version_->setFont(arialFont(12, QFont::Bold));
    version_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    version_->setText("Version");

    elapsed_ = placeControl<QLabel>(frame, "Label1", twipsRect(720, 240, 855, 375));
    elapsed_->setText("00:00:00");
    elapsed_->setFont(arialFont(9.75, QFont::Bold));
    elapsed_->setAlignment(Qt::AlignCenter);
    elapsed_->setAutoFillBackground(true);
    QPalette palette = elapsed_->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
    palette.setColor(QPalette::WindowText, Qt::yellow);
    elapsed_->setPalette(palette);
    elapsed_->hide();

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setInterval(1000);
    timer_->setTimerType(Qt::PreciseTimer); // never early: the first tick sees a second gone
    connect(timer_, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);

    Form_Load();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::Form_Load()
{
    loadTime_ = wholeSeconds(clock_());
    version_->setText(QString("Version %1.%2.%3").arg(DAXO_VERSION_MAJOR).arg(DAXO_VERSION_MINOR).arg(DAXO_VERSION_PATCH));
    fitToText(version_);
    productName_->setText("Daxo");
    fitToText(productName_);
    timer_->start();
}

void SplashWindow::Timer1_Timer()
{
    const qint64 seconds = loadTime_.secsTo(wholeSeconds(clock_()));
    elapsed_->setText(QString("%1:%2:%3")
                          .arg(seconds / 3600)
                          .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                          .arg(seconds % 60, 2, 10, QLatin1Char('0')));
    // Any tick from the first second on: a tick that comes late must not
    // leave the card waiting for a key.
    if (seconds >= 1)
        proceedToBoard();
}

void SplashWindow::keyPressEvent(QKeyEvent* event)
{
    // Keys that type a character proceed; arrows, function keys and lone
    // modifiers do not.
    if (!event->text().isEmpty())
        Form_KeyPress();
    else
        QWidget::keyPressEvent(event);
}

void SplashWindow::Form_KeyPress() { proceedToBoard(); }

void SplashWindow::Frame1_Click() { proceedToBoard(); }

void SplashWindow::proceedToBoard()
{
    if (proceeded_)
        return;
    proceeded_ = true;
    timer_->stop();
    proceed_();
    close();
}

} // namespace daxo
