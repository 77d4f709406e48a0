#include "dialog1.h"

#include "form1.h"
#include "forms/colors.h"
#include "forms/layout.h"

#include <QWindow>
#include <array>

namespace {

using layout::Kind;
constexpr std::uint32_t None = layout::PlatformDefault;

const layout::Window Settings{"Tell Pemrod Your Name", 5790, 390, true, 2760, 3750,
                              colors::ButtonFace,      false};

// In tab order; the buttons overlap their left neighbours by a pixel.
const std::array<layout::Control, 3> Controls{{
    {"Text1", Kind::TextBox, "", 0, 0, 3375, 375, 12640511, None, nullptr, "Your name"},
    {"OKButton", Kind::Button, "OK", 3360, 0, 1215, 375, 65280, colors::ButtonText},
    {"CancelButton", Kind::Button, "Cancel", 4560, 0, 1215, 375, 255, colors::ButtonText},
}};

constexpr const char* Signed = " Made This!";

} // namespace

Dialog1::Dialog1() {
    // A dialog frame; owned by the main window when shown, which keeps it off the taskbar.
    setWindowFlags(Qt::Dialog);
    layout::setUpWindow(*this, Settings);
    const layout::Controls controls = layout::build(*this, Controls);
    Text1 = controls.get<QLineEdit>(QStringLiteral("Text1"));
    OKButton = controls.get<QPushButton>(QStringLiteral("OKButton"));
    CancelButton = controls.get<QPushButton>(QStringLiteral("CancelButton"));
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
        forms::get<Form1>().Label1->setText(Text1->text() + QString::fromUtf8(Signed));
    forms::unload<Dialog1>();
}

void Dialog1::CancelButton_Click() {
    forms::unload<Dialog1>();
}
