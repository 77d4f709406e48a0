#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

// An image control: shows its picture at natural size and reports every mouse press on its
// whole rectangle. It never takes the focus.
class ImageBox : public QWidget {
    Q_OBJECT

public:
    explicit ImageBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

    std::function<void(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y)>
        MouseDown;

    // A left press in the middle, as assistive technology asks for one.
    void press();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};
