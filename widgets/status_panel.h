#pragma once

#include <QLabel>

namespace daxo {

// A sunken panel of the status bar showing a caption followed by a value.
// When both do not fit, the caption gives way, shortened by an ellipsis in
// its middle; the value is always shown whole. The label's text, which
// screen readers and the tooltip give, stays the whole text.
class StatusPanel final : public QLabel {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr);

    void setParts(const QString& caption, const QString& value);
    // What the panel shows in its width.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QString value_;
};

} // namespace daxo
