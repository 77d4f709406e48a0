#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <functional>

// An image control: shows its picture at its natural size in points and reports every mouse press
// on its whole rectangle, again and again while the press is held. It never takes the focus.
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
    // A press at `at` held down until let go (a finger on a zone around the picture, say).
    void hold(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at);
    void letGo() { repeat_.stop(); }

    // Held down, a press repeats as a held key does: after the first wait, every interval.
    static constexpr int RepeatDelayMs = 400;
    static constexpr int RepeatIntervalMs = 60;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void reportPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at);

    QTimer repeat_;
    Qt::MouseButton heldButton_ = Qt::NoButton;
    Qt::KeyboardModifiers heldModifiers_;
    QPointF heldAt_;
    QString artwork_;
    mutable QPixmap picture_;
    mutable qreal pictureRatio_ = 0;
};
