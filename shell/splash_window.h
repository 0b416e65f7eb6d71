#pragma once

#include <QDateTime>
#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

namespace daxo {

// The title card `Acceuil` shown at start-up. It gives way to the board one
// second after it was loaded, or at once on a character key or a click on
// its free surface.
class SplashWindow final : public QWidget {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    // `proceed` opens the board; the splash then closes and destroys itself.
    explicit SplashWindow(std::function<void()> proceed, Clock clock = &QDateTime::currentDateTime);

    void Timer1_Timer();
    void Frame1_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void Form_KeyPress();
    void proceedToBoard();

    std::function<void()> proceed_;
    Clock clock_;
    QDateTime loadTime_;
    QLabel* elapsed_ = nullptr;
    QLabel* productName_ = nullptr;
    QLabel* version_ = nullptr;
    QTimer* timer_ = nullptr;
    bool proceeded_ = false;
};

} // namespace daxo
