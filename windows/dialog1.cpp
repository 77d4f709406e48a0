#include "dialog1.h"

#include "form1.h"
#include "forms/colors.h"
#include "forms/layout.h"

#include <QCoreApplication>
#include <QWindow>
#include <array>

namespace {

using layout::Kind;

const layout::Window Settings{.context = "Dialog1",
                              .caption = QT_TRANSLATE_NOOP("Dialog1", "Tell Pemrod Your Name"),
                              .clientWidth = 5790,
                              .clientHeight = 390,
                              .hasPosition = true,
                              .clientLeft = 2760,
                              .clientTop = 3750,
                              .backColor = colors::ButtonFace,
                              .type = Qt::Dialog};

// In tab order; the buttons overlap their left neighbours by a pixel.
const std::array<layout::Control, 3> Controls{{
    {.name = "Text1",
     .kind = Kind::TextBox,
     .box = {0, 0, 3375, 375},
     .backColor = 12640511,
     .accessibleName = QT_TRANSLATE_NOOP("Dialog1", "Your name")},
    {.name = "OKButton",
     .kind = Kind::Button,
     .caption = QT_TRANSLATE_NOOP("Dialog1", "OK"),
     .box = {3360, 0, 1215, 375},
     .backColor = 65280,
     .foreColor = colors::ButtonText},
    {.name = "CancelButton",
     .kind = Kind::Button,
     .caption = QT_TRANSLATE_NOOP("Dialog1", "Cancel"),
     .box = {4560, 0, 1215, 375},
     .backColor = 255,
     .foreColor = colors::ButtonText},
}};

//: The signature on the drawing: %1 is the name the child typed, as typed (it may be empty).
constexpr const char* Signed = QT_TRANSLATE_NOOP("Dialog1", "%1 Made This!");

} // namespace

Dialog1::Dialog1() {
    // A dialog frame; owned by the main window when shown, which keeps it off the taskbar.
    layout::setUpWindow(*this, Settings);
    layout::build(*this, Controls, Settings.context);
    Text1 = findChild<QLineEdit*>(QStringLiteral("Text1"));
    OKButton = findChild<QPushButton*>(QStringLiteral("OKButton"));
    CancelButton = findChild<QPushButton*>(QStringLiteral("CancelButton"));
    QObject::connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    QObject::connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    Text1->setFocus();
}

void Dialog1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (forms::isLoaded<Form1>() && windowHandle())
        windowHandle()->setTransientParent(forms::get<Form1>().windowHandle());
}

void Dialog1::OKButton_Click() {
    if (forms::isLoaded<Form1>())
        forms::get<Form1>().Label1->setText(
            QCoreApplication::translate(Settings.context, Signed).arg(Text1->text()));
    forms::unload<Dialog1>();
}

void Dialog1::CancelButton_Click() {
    forms::unload<Dialog1>();
}
