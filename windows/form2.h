#pragma once

#include "forms/forms.h"

#include <QPushButton>

class ImageBox;

// The About window: version, picture, author and contact. Its button only hides it.
class Form2 : public forms::Window<QWidget> {
public:
    Form2();
    void Command1_Click();

    QPushButton* Command1 = nullptr;
    ImageBox* Image1 = nullptr;
};
