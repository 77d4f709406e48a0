#pragma once

#include <QLabel>

// A label whose text wraps at word boundaries and which shows only the lines that fit whole
// in its height (always the first): never the tops of the next line's letters.
class WholeLinesLabel : public QLabel {
    Q_OBJECT

public:
    explicit WholeLinesLabel(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
