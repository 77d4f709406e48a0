#pragma once

#include <QPushButton>

// A push button whose whole face is its own colour, caption centred, with plain 3-D edges.
class GraphicalButton : public QPushButton {
    Q_OBJECT

public:
    GraphicalButton(const QString& caption, const QColor& face, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_;
};
