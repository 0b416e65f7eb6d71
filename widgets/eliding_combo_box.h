#pragma once

#include <QComboBox>

namespace daxo {

// A list to choose from that may be narrower than its longest choice: the
// choice shown is cut short with an ellipsis when it must be, and whole in
// its list, its tooltip and for screen readers.
class ElidingComboBox final : public QComboBox {
    Q_OBJECT
public:
    // At least `characters` wide.
    explicit ElidingComboBox(int characters, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace daxo
