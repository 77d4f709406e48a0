#pragma once

#include "drawing/pen.h"
#include "forms.h"

#include <QLabel>
#include <QMainWindow>
#include <cstdint>
#include <random>

class ImageBox;
class PictureBox;

// The main window: the toy itself, with the canvas, the four knob halves and the signature.
class Form1 : public forms::Window<QMainWindow> {
public:
    Form1();

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

    void Picture1_KeyPress(std::int16_t KeyAscii);
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

private:
    void fitMenuBar();

    QWidget* client_ = nullptr;
};
