#pragma once

#include "drawing/canvas.h"

#include <QFrame>
#include <QImage>
#include <cstdint>
#include <functional>

class QPainter;

// The canvas control: a sunken 2-pixel border around a persistent backing image in device
// pixels. Strokes go into the image and only the changed rectangle is repainted, so a drawing
// survives being covered, minimised or moved off screen.
class PictureBox : public QFrame, public Canvas {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void Line(float x1, float y1, float x2, float y2, std::uint32_t color) override;
    void PSet(float x, float y, std::uint32_t color) override;
    void Cls() override;
    void setBackColor(std::uint32_t color) override;
    std::uint32_t BackColor() const override { return backColor_; }
    void setDrawWidth(int pixels) override;
    int DrawWidth() const override { return drawWidth_; }

    // Character code of each typed character.
    std::function<void(std::int16_t KeyAscii)> KeyPress;
    // Windows key code of each key that types no character (the arrows, say); returns whether
    // it was used.
    std::function<bool(std::int16_t KeyCode, Qt::KeyboardModifiers Shift)> KeyDown;

    const QImage& backingImage() const { return backing_; }
    // Whether anything was drawn since the screen was last wiped (or since the start).
    bool drawnOn() const { return drawnOn_; }

signals:
    void drawnOnChanged(bool drawnOn);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static QPointF toPixelCentre(float x, float y);
    void drawBorder(QPainter& painter) const;
    void stroke(QPointF from, QPointF to, std::uint32_t color);

    QImage backing_;
    std::uint32_t backColor_ = 0;
    int drawWidth_ = 1;
    bool drawnOn_ = false;
};
