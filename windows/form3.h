#pragma once

#include "forms/forms.h"

#include <QPushButton>

// The How-to-use window: the keys that move the pen. Its button only hides it.
class Form3 : public forms::Window<QWidget> {
public:
    Form3();
    void Command1_Click();

    QPushButton* Command1 = nullptr;
};
