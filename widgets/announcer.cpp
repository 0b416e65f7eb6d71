#include "announcer.h"

#include <QApplication>
#include <QWidget>

namespace daxo {

Announcer::Announcer(QWidget& window, QObject* parent)
    : QObject(parent)
    , window_(window)
{
    connect(qApp, &QApplication::focusChanged, this, [this] { restore(); });
}

Announcer::~Announcer() { restore(); }

void Announcer::announce(const QString& news)
{
    QWidget* focus = window_.focusWidget();
    QWidget* target = focus ? focus : &window_;
    if (target != described_) {
        restore();
        described_ = target;
        ownDescription_ = target->accessibleDescription();
    }
    news_ = news;
    // The same news twice in a row is news again: say it anew.
    if (target->accessibleDescription() == news)
        target->setAccessibleDescription(QString());
    target->setAccessibleDescription(news);
}

void Announcer::restore()
{
    if (described_)
        described_->setAccessibleDescription(ownDescription_);
    described_ = nullptr;
    ownDescription_.clear();
    news_.clear();
}

} // namespace daxo
