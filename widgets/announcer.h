#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace daxo {

// Tells screen readers what happens on a window that no control of it
// says by itself, as a computer's move: the control that has the focus
// there describes it, which a screen reader reads out as the description of
// the locus of focus changes. The control's own description comes back as
// soon as the focus moves, so that it never reads stale news later.
class Announcer final : public QObject {
    Q_OBJECT
public:
    // `window` must outlive the announcer.
    explicit Announcer(QWidget& window, QObject* parent = nullptr);
    ~Announcer() override;

    void announce(const QString& news);
    // The last news, for as long as it stands.
    QString news() const { return news_; }

private:
    void restore();

    QWidget& window_;
    QPointer<QWidget> described_;
    QString ownDescription_;
    QString news_;
};

} // namespace daxo
