#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

namespace daxo {

// A layer over a widget that draws a bright frame around some of the
// controls within it, to point them out. Clicks and keys go through it to
// the controls beneath.
class MarkOverlay final : public QWidget {
    Q_OBJECT
public:
    explicit MarkOverlay(QWidget& covered);

    // Frames these controls instead of those framed before.
    void mark(const std::vector<QWidget*>& controls);
    void clear();
    std::vector<QWidget*> marked() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QPointer<QWidget>> marked_;
};

} // namespace daxo
