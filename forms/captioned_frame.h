#pragma once

#include <QGroupBox>

// A frame with its caption on its top edge, as desktop toolkits draw group boxes: the border
// runs through the middle of the caption's line and the caption sits in a gap of it. Controls
// inside keep positions relative to the frame's top-left corner, not below the caption.
class CaptionedFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit CaptionedFrame(const QString& caption, QWidget* parent = nullptr)
        : QGroupBox(caption, parent) {}

    // The etched border's width on every side; it runs through the caption's middle on top.
    static constexpr int BorderWidth = 2;
    int topEdge() const { return fontMetrics().height() / 2; }

protected:
    void paintEvent(QPaintEvent* event) override;
};
