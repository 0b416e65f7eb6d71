#pragma once

#include <QFrame>
#include <QIcon>

namespace daxo {

// A sunken box showing one picture at its natural size in the top left
// corner, as the die pictures and face samples are shown. Setting a picture
// copies it: the box keeps what it was given until it is given another.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QIcon& picture() const { return picture_; }
    void setPicture(const QIcon& picture);
    void setPictureSize(QSize size);

    // A picture that does something when clicked can also be reached with
    // the keyboard (Space or Enter) and pressed by assistive technology,
    // which then takes it for a button.
    void setActivatable(bool activatable);
    bool isActivatable() const { return activatable_; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QIcon picture_;
    QSize pictureSize_{49, 49};
    bool activatable_ = false;
};

} // namespace daxo
