#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

// An image control: shows its picture at its natural size in points and reports every mouse press
// on its whole rectangle. It never takes the focus.
class ImageBox : public QWidget {
    Q_OBJECT

public:
    explicit ImageBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    // The embedded artwork `name`, shown as drawn for the ratio of the screen it is on.
    void setArtwork(const QString& name);
    // What it shows at its current device pixel ratio.
    const QPixmap& picture() const;

    std::function<void(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y)>
        MouseDown;

    // A left press in the middle, as assistive technology asks for one.
    void press();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString artwork_;
    mutable QPixmap picture_;
    mutable qreal pictureRatio_ = 0;
};
