#pragma once

#include "drawing/pen.h"
#include "forms/forms.h"
#include "output/capture.h"
#include "output/picture.h"
#include "output/printer.h"
#include "output/save.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>

class ImageBox;
class PictureBox;

// The main window: the toy itself, with the canvas, the four knob halves and the signature.
class Form1 : public forms::Window<QMainWindow> {
    Q_DECLARE_TR_FUNCTIONS(Form1)

public:
    Form1();

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

    void Picture1_KeyPress(std::int16_t KeyAscii);
    bool Picture1_KeyDown(std::int16_t KeyCode, Qt::KeyboardModifiers Shift);
    void Image2_MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void Image3_MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void Image4_MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void Image5_MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);

    // The menu bar's commands, one per entry.
    void print1_Click();
    void save1_Click();
    void exit1_Click();
    void BlackColor_Click();
    void WhiteColor_Click();
    void RedColor_Click();
    void BlueColor_Click();
    void GreenColor_Click();
    void YellowColor_Click();
    void MagentaColor_Click();
    void OrangeColor_Click();
    void CyanColor_Click();
    void GrayColor_Click();
    void BlackScreen_Click();
    void GrayScreen_Click();
    void ShakeItBaby_Click();
    void RandomPen_Click();
    void One1_Click();
    void two1_Click();
    void five1_Click();
    void ten1_Click();
    void fifty1_Click();
    void FiveSpeed_Click();
    void FiftySpeed_Click();
    void HunSpeed_Click();
    void TwoHunSpeed_Click();
    void AddYourName1_Click();
    void ControlGame_Click();
    void AboutPemrod_Click();

    // The toy's picture: the client area in device pixels, rendered from the widgets.
    Picture CaptureClient(Form1& frmSrc);
    // `hWndSrc`'s client area (Client true) or whole window with its frame, from LeftSrc,
    // TopSrc, in device pixels.
    Picture CaptureWindow(QWidget* hWndSrc, bool Client, int LeftSrc, int TopSrc, int WidthSrc,
                          int HeightSrc);
    Picture CreateBitmapPicture(const QImage& hBmp, const QList<QRgb>& hPal);
    // Returns "" when the picture was drawn, else why not.
    QString PrintPictureToFitPage(output::Printer& Prn, const Picture& Pic);

    // The client area (the toy under the menu bar) and its size in twips.
    QWidget& client() const { return *client_; }
    float ScaleWidth() const;
    float ScaleHeight() const;

    ImageBox* Image1 = nullptr;
    PictureBox* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    ImageBox* Image2 = nullptr;
    ImageBox* Image3 = nullptr;
    ImageBox* Image4 = nullptr;
    ImageBox* Image5 = nullptr;

    drawing::PenState Pen;
    bool KeyPreview = false;
    // Seeded once per run; tests reseed it.
    std::mt19937 Random{std::random_device{}()};

    output::CommonDialog CommonDialog1;

    // The platform services below are replaceable so tests can stand in for them.
    output::DisplayQuery displayCaps = output::queryDisplay;
    std::function<std::unique_ptr<output::Printer>(QString& error)> printerFactory =
        output::defaultPrinter;
    // Tells the user what failed; by default in a message box.
    std::function<void(const QString& title, const QString& message)> reportFailure;

private:
    void fitMenuBar(int width);
    // Clipboard cleared, the capture taken and put on it; failures are reported.
    Picture captureToClipboard();

    QWidget* client_ = nullptr;
};
