#pragma once

#include "forms/forms.h"

#include <QLineEdit>
#include <QPushButton>

// The name dialog: OK signs the drawing with the typed name and closes; Cancel just closes.
class Dialog1 : public forms::Window<QWidget> {
public:
    Dialog1();
    void OKButton_Click();
    void CancelButton_Click();

    QLineEdit* Text1 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};
