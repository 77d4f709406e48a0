#include "form1.h"

#include "forms/accessibility.h"
#include "forms/artwork.h"
#include "forms/colors.h"
#include "forms/compact_menu_style.h"
#include "forms/image_box.h"
#include "forms/layout.h"
#include "forms/menu_bar.h"
#include "forms/picture_box.h"
#include "forms/units.h"

#include "dialog1.h"
#include "drawing/settings.h"
#include "form2.h"
#include "form3.h"
#include "translations/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr const char* SaveTitle = QT_TRANSLATE_NOOP("Form1", "Save Your Bitmap");
constexpr int MaxMenuTrim = 8; // pixels off each menu title's padding, at most

// What a screen reader says about the drawing screen.
constexpr const char* DrawingKeys =
    QT_TRANSLATE_NOOP("Form1", "Draw with the arrow keys, or with the letters and digits: A or 4 "
                               "moves the pen left, D or 6 right, W or 8 up, X or 2 down; the "
                               "space bar erases the screen.");

using layout::Kind;

// The inner area's first place on the screen; orange shows nowhere, the background picture
// covers it.
const layout::Window Settings{.context = "Form1",
                              .caption = QT_TRANSLATE_NOOP("Form1", "Scribblewick!"),
                              .clientWidth = 8985,
                              .clientHeight = 6585,
                              .hasPosition = true,
                              .clientLeft = 1020,
                              .clientTop = 1260,
                              .backColor = 0x0080FF,
                              .minButton = true,
                              .leftToRight = true};

// In tab order; the knob halves are announced by what they do.
const std::array<layout::Control, 7> Controls{{
    {.name = "Image1", .kind = Kind::Image, .box = {0, 0, 9000, 6600}, .picture = "background"},
    {.name = "Picture1",
     .kind = Kind::Canvas,
     .box = {720, 720, 7575, 4575},
     .backColor = 0x000000,
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "Drawing screen")},
    {.name = "Label1",
     .kind = Kind::Label,
     .box = {240, 240, 8535, 255},
     .backColor = 0x0000FF,
     .wraps = true},
    {.name = "Image2",
     .kind = Kind::Image,
     .box = {720, 5460, 480, 960},
     .picture = "knob_left",
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "Move left")},
    {.name = "Image3",
     .kind = Kind::Image,
     .box = {1200, 5460, 480, 960},
     .picture = "knob_right",
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "Move right")},
    {.name = "Image5",
     .kind = Kind::Image,
     .box = {7320, 5460, 960, 480},
     .picture = "knob_up",
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "Move up")},
    {.name = "Image4",
     .kind = Kind::Image,
     .box = {7320, 5940, 960, 480},
     .picture = "knob_down",
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "Move down")},
}};

} // namespace

Form1::Form1() {
    installAccessibility();
    // The menu bar first: the inner area goes where designed, under it.
    buildMenuBar(*menuBar(), *this, drawing::menuTree<Form1>(), Settings.context);
    fitMenuBar(units::twipsToPixelsRounded(Settings.clientWidth));
    client_ = &layout::setUpWindow(*this, Settings);
    layout::build(*client_, Controls, Settings.context);
    Image1 = findChild<ImageBox*>(QStringLiteral("Image1"));
    Picture1 = findChild<PictureBox*>(QStringLiteral("Picture1"));
    Label1 = findChild<QLabel*>(QStringLiteral("Label1"));
    Image2 = findChild<ImageBox*>(QStringLiteral("Image2"));
    Image3 = findChild<ImageBox*>(QStringLiteral("Image3"));
    Image4 = findChild<ImageBox*>(QStringLiteral("Image4"));
    Image5 = findChild<ImageBox*>(QStringLiteral("Image5"));

    Picture1->KeyPress = [this](std::int16_t KeyAscii) { Picture1_KeyPress(KeyAscii); };
    Picture1->KeyDown = [this](std::int16_t KeyCode, Qt::KeyboardModifiers Shift) {
        return Picture1_KeyDown(KeyCode, Shift);
    };
    Picture1->setAccessibleDescription(QCoreApplication::translate(Settings.context, DrawingKeys));
    Image2->MouseDown = [this](auto Button, auto Shift, float X, float Y) {
        Image2_MouseDown(Button, Shift, X, Y);
    };
    Image3->MouseDown = [this](auto Button, auto Shift, float X, float Y) {
        Image3_MouseDown(Button, Shift, X, Y);
    };
    Image4->MouseDown = [this](auto Button, auto Shift, float X, float Y) {
        Image4_MouseDown(Button, Shift, X, Y);
    };
    Image5->MouseDown = [this](auto Button, auto Shift, float X, float Y) {
        Image5_MouseDown(Button, Shift, X, Y);
    };

    // The signature reads in the desktop's direction, though it sits on the picture.
    Label1->setLayoutDirection(QGuiApplication::layoutDirection());
    Picture1->setFocus();

    CommonDialog1.DialogTitle = QCoreApplication::translate(Settings.context, SaveTitle);
    // Shown to the person, and kept on stderr where a desktop's log finds it.
    reportFailure = [this](const QString& title, const QString& message) {
        std::fprintf(stderr, "scribblewick: %s: %s\n", qUtf8Printable(title),
                     qUtf8Printable(message));
#ifdef Q_OS_WASM
        // The page may hold one waiting exec() only, and a message needs none: it stays open
        // over the toy until closed.
        auto* box = new QMessageBox(QMessageBox::Warning, title, message, QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
#else
        QMessageBox::warning(this, title, message);
#endif
    };
#ifdef Q_OS_WASM
    output::onClipboardRefused([this](const QString& reason) {
        reportFailure(tr("Could not copy"),
                      tr("The picture could not be put on the clipboard: %1.").arg(reason));
    });
#endif
}

void Form1::fitMenuBar(int width) {
    // The menu bar stays one line wide: trim the padding between titles just enough.
    QMenuBar& bar = *menuBar();
    // Measured left to right: Qt 6.4 sizes a right-to-left bar from its not yet laid out place.
    const bool ownDirection = bar.testAttribute(Qt::WA_SetLayoutDirection);
    const Qt::LayoutDirection direction = bar.layoutDirection();
    bar.setLayoutDirection(Qt::LeftToRight);
    const int overflow = bar.sizeHint().width() - width;
    if (ownDirection)
        bar.setLayoutDirection(direction);
    else
        bar.unsetLayoutDirection();
    const bool joinedScript = QLocale().script() == QLocale::ArabicScript;
    if (overflow <= 0 && !joinedScript) return;
    const int titles = static_cast<int>(bar.actions().size());
    const int trim = std::clamp((overflow + titles - 1) / titles, 0, MaxMenuTrim);
    auto* style = new CompactMenuStyle(trim, !joinedScript);
    style->setParent(&bar);
    bar.setStyle(style);
    // The menus' entries join as their titles do (a style does not pass on to them).
    if (joinedScript)
        for (QMenu* menu : bar.findChildren<QMenu*>())
            menu->setStyle(style);
    // Titles too long for one line go behind an overflow button: a translation to shorten.
    if (overflow > trim * titles)
        std::fprintf(stderr, "scribblewick: the menu bar is %d pixels too wide for the window\n",
                     overflow - trim * titles);
}

void Form1::Form_Load() {
    drawing::setStartState(Pen);
    KeyPreview = true;
}

// The other windows go with the main window, so the program always ends with it.
void Form1::Form_Unload(int& Cancel) {
    (void)Cancel;
    forms::unload<Form2>();
    forms::unload<Form3>();
    forms::unload<Dialog1>();
}

void Form1::Picture1_KeyPress(std::int16_t KeyAscii) {
    drawing::keyPress(Pen, *Picture1, KeyAscii);
}

// The arrow keys draw as the letters do, for children on any keyboard layout; with Shift,
// Ctrl or Alt they are left to the desktop.
bool Form1::Picture1_KeyDown(std::int16_t KeyCode, Qt::KeyboardModifiers Shift) {
    if ((Shift & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    return drawing::keyDown(Pen, *Picture1, KeyCode);
}

void Form1::Image2_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float, float) {
    drawing::moveLeft(Pen, *Picture1);
}

void Form1::Image3_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float, float) {
    drawing::moveRight(Pen, *Picture1);
}

void Form1::Image4_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float, float) {
    drawing::moveDown(Pen, *Picture1);
}

void Form1::Image5_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float, float) {
    drawing::moveUp(Pen, *Picture1);
}

Picture Form1::captureToClipboard() {
    output::clearClipboard();
    Picture picture = CaptureClient(*this);
    const QString refused = output::putOnClipboard(picture);
    if (!refused.isEmpty())
        reportFailure(tr("Could not copy"),
                      tr("The picture could not be put on the clipboard: %1.").arg(refused));
    return picture;
}

// Save and print use the picture they captured, never what the clipboard holds by then.
void Form1::print1_Click() {
    const Picture picture = captureToClipboard();
    QString error;
    const std::unique_ptr<output::Printer> printer = printerFactory(error);
    if (!printer) {
        reportFailure(tr("Could not print"), tr("Scribblewick could not print: %1.").arg(error));
        return;
    }
    error = PrintPictureToFitPage(*printer, picture);
    if (error.isEmpty() && !printer->EndDoc()) error = printer->errorString();
    if (!error.isEmpty())
        reportFailure(tr("Could not print"),
                      tr("The picture could not be printed on \u201c%1\u201d: %2.")
                          .arg(translations::isolated(printer->name()), error));
}

void Form1::save1_Click() {
    const Picture picture = captureToClipboard();
    CommonDialog1.DefaultExt = QStringLiteral(".BMP");
#ifdef Q_OS_WASM
    // The page has no file system a person sees: the browser downloads the picture, asking
    // where when it is set to, under the name the dialog gives a name typed without extension.
    const QString name = QStringLiteral("Scribblewick") + CommonDialog1.DefaultExt;
    if (const QString error = output::downloadBitmap(picture, name); !error.isEmpty())
        reportFailure(tr("Could not save"),
                      tr("The picture could not be saved as \u201c%1\u201d: %2.")
                          .arg(translations::isolated(name), error));
    return;
#endif
    //: The one file type of the save dialog: keep "(*.bmp)" as it is.
    CommonDialog1.Filter = tr("Bitmap Image (*.bmp)") + QStringLiteral("|*.bmp");
    if (CommonDialog1.InitDir.isEmpty()) {
        // Pictures go where the desktop keeps pictures, else home; never the folder the toy
        // happened to be started from. Looked up here, not at start-up (it reads a file).
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        CommonDialog1.InitDir = QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
    }
    CommonDialog1.ShowSave(this);
    if (CommonDialog1.FileName.isEmpty()) return;
    const QString error = output::writeBitmap(picture, CommonDialog1.FileName);
    if (error.isEmpty()) // the next save starts where this one went
        CommonDialog1.InitDir = QFileInfo(CommonDialog1.FileName).absolutePath();
    else
        reportFailure(
            tr("Could not save"),
            tr("The picture could not be saved as \u201c%1\u201d: %2.")
                .arg(translations::isolated(QDir::toNativeSeparators(CommonDialog1.FileName)),
                     error));
}

Picture Form1::CaptureClient(Form1& frmSrc) {
    const double dpr = frmSrc.devicePixelRatioF();
    int width = 0;
    int height = 0;
    if (!output::roundToInt32(units::twipsToPixels(frmSrc.ScaleWidth()) * dpr, width) ||
        !output::roundToInt32(units::twipsToPixels(frmSrc.ScaleHeight()) * dpr, height))
        return {};
    return CaptureWindow(&frmSrc, true, 0, 0, width, height);
}

Picture Form1::CaptureWindow(QWidget* hWndSrc, bool Client, int LeftSrc, int TopSrc, int WidthSrc,
                             int HeightSrc) {
    if (!hWndSrc || WidthSrc <= 0 || HeightSrc <= 0) return {};
    auto* mainWindow = qobject_cast<QMainWindow*>(hWndSrc);
    QWidget* clientArea =
        mainWindow && mainWindow->centralWidget() ? mainWindow->centralWidget() : hWndSrc;
    QImage bitmap = output::grabWindow(*hWndSrc, *clientArea, Client,
                                       QRect(LeftSrc, TopSrc, WidthSrc, HeightSrc));
    const output::DisplayCaps caps = displayCaps(*hWndSrc);
    if (!output::usesPalette(caps)) return CreateBitmapPicture(bitmap, {});
    return CreateBitmapPicture(output::toIndexed(bitmap, caps.systemPalette), caps.systemPalette);
}

Picture Form1::CreateBitmapPicture(const QImage& hBmp, const QList<QRgb>& hPal) {
    return {hBmp, hPal, units::DotsPerInch * devicePixelRatioF()};
}

QString Form1::PrintPictureToFitPage(output::Printer& Prn, const Picture& Pic) {
    return output::PrintPictureToFitPage(Prn, Pic);
}

void Form1::exit1_Click() {
    forms::unload<Form2>();
    forms::unload<Form3>();
    forms::unload<Form1>();
}

namespace settings = drawing::settings;

void Form1::BlackColor_Click() {
    drawing::setInk(Pen, settings::Black);
}
void Form1::WhiteColor_Click() {
    drawing::setInk(Pen, settings::White);
}
void Form1::RedColor_Click() {
    drawing::setInk(Pen, settings::Red);
}
void Form1::BlueColor_Click() {
    drawing::setInk(Pen, settings::Blue);
}
void Form1::GreenColor_Click() {
    drawing::setInk(Pen, settings::Green);
}
void Form1::YellowColor_Click() {
    drawing::setInk(Pen, settings::Yellow);
}
void Form1::MagentaColor_Click() {
    drawing::setInk(Pen, settings::Magenta);
}
void Form1::OrangeColor_Click() {
    drawing::setInk(Pen, settings::Orange);
}
void Form1::CyanColor_Click() {
    drawing::setInk(Pen, settings::Cyan);
}
void Form1::GrayColor_Click() {
    drawing::setInk(Pen, settings::Gray);
}

// Setting the screen colour wipes the canvas, as erasing does.
void Form1::BlackScreen_Click() {
    Picture1->setBackColor(settings::Black);
}
void Form1::GrayScreen_Click() {
    Picture1->setBackColor(settings::Gray);
}

void Form1::ShakeItBaby_Click() {
    drawing::erase(*Picture1);
}

void Form1::RandomPen_Click() {
    drawing::placeAtRandom(Pen, *Picture1, ScaleWidth(), ScaleHeight(), Random);
}

void Form1::One1_Click() {
    Picture1->setDrawWidth(1);
}
void Form1::two1_Click() {
    Picture1->setDrawWidth(2);
}
void Form1::five1_Click() {
    Picture1->setDrawWidth(5);
}
void Form1::ten1_Click() {
    Picture1->setDrawWidth(10);
}
void Form1::fifty1_Click() {
    Picture1->setDrawWidth(50);
}

void Form1::FiveSpeed_Click() {
    Pen.PenSpeed = 5;
}
void Form1::FiftySpeed_Click() {
    Pen.PenSpeed = 50;
}
void Form1::HunSpeed_Click() {
    Pen.PenSpeed = 100;
}
void Form1::TwoHunSpeed_Click() {
    Pen.PenSpeed = 200;
}

namespace {

// Loads the window if need be and shows it, brought to the front when it was open already.
template <class F> void open() {
    F& window = forms::get<F>();
    window.setVisible(true);
    window.raise();
    window.activateWindow();
}

} // namespace

void Form1::AddYourName1_Click() {
    open<Dialog1>();
}

void Form1::ControlGame_Click() {
    open<Form3>();
}

void Form1::AboutPemrod_Click() {
    open<Form2>();
}

float Form1::ScaleWidth() const {
    return static_cast<float>(units::pixelsToTwips(client_->width()));
}

float Form1::ScaleHeight() const {
    return static_cast<float>(units::pixelsToTwips(client_->height()));
}
