#include "pen.h"

#include "settings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace drawing {
namespace {

// Positions are 16-bit; a step that would pass the top of the range stops there.
std::int16_t clampPos(int value) {
    return static_cast<std::int16_t>(std::clamp(value, int{MinPos}, int{MaxPos}));
}

// One step from the pen along one axis (dx or dy is -1 or 1, the other 0): the far end is
// kept in XPos2 or YPos2, the line drawn in the ink, and the pen moves there.
void step(PenState& pen, Canvas& canvas, int dx, int dy) {
    std::int16_t toX = pen.XPos;
    std::int16_t toY = pen.YPos;
    if (dx != 0) toX = pen.XPos2 = clampPos(pen.XPos + dx * pen.PenSpeed);
    if (dy != 0) toY = pen.YPos2 = clampPos(pen.YPos + dy * pen.PenSpeed);
    canvas.Line(pen.XPos, pen.YPos, toX, toY, inkValue(pen));
    pen.XPos = toX;
    pen.YPos = toY;
}

} // namespace

void setStartState(PenState& pen) {
    setInk(pen, settings::White);
    pen.XPos = 3788;
    pen.YPos = 2288;
    pen.PenSpeed = 50;
}

std::uint32_t inkValue(const PenState& pen) {
    std::uint32_t value = 0;
    std::from_chars(pen.InkColor.data(), pen.InkColor.data() + pen.InkColor.size(), value);
    return value;
}

void setInk(PenState& pen, std::uint32_t color) {
    pen.InkColor = std::to_string(color);
}

void moveLeft(PenState& pen, Canvas& canvas) {
    step(pen, canvas, -1, 0);
}

void moveRight(PenState& pen, Canvas& canvas) {
    step(pen, canvas, 1, 0);
}

void moveUp(PenState& pen, Canvas& canvas) {
    step(pen, canvas, 0, -1);
}

void moveDown(PenState& pen, Canvas& canvas) {
    step(pen, canvas, 0, 1);
}

void erase(Canvas& canvas) {
    canvas.Cls();
}

KeyAction keyAction(std::int16_t KeyAscii) {
    // Lower-case letters and the keypad digits only.
    static constexpr std::array<std::pair<std::int16_t, KeyAction>, 9> keys{{
        {32, KeyAction::Erase},
        {97, KeyAction::Left},
        {52, KeyAction::Left},
        {119, KeyAction::Up},
        {56, KeyAction::Up},
        {100, KeyAction::Right},
        {54, KeyAction::Right},
        {120, KeyAction::Down},
        {50, KeyAction::Down},
    }};
    for (const auto& [code, action] : keys)
        if (code == KeyAscii) return action;
    return KeyAction::None;
}

namespace {

void run(KeyAction action, PenState& pen, Canvas& canvas) {
    switch (action) {
    case KeyAction::Erase:
        erase(canvas);
        break;
    case KeyAction::Left:
        moveLeft(pen, canvas);
        break;
    case KeyAction::Up:
        moveUp(pen, canvas);
        break;
    case KeyAction::Right:
        moveRight(pen, canvas);
        break;
    case KeyAction::Down:
        moveDown(pen, canvas);
        break;
    case KeyAction::None:
        break;
    }
}

} // namespace

void keyPress(PenState& pen, Canvas& canvas, std::int16_t KeyAscii) {
    run(keyAction(KeyAscii), pen, canvas);
}

KeyAction keyDownAction(std::int16_t KeyCode) {
    switch (KeyCode) {
    case KeyLeft:
        return KeyAction::Left;
    case KeyUp:
        return KeyAction::Up;
    case KeyRight:
        return KeyAction::Right;
    case KeyDown:
        return KeyAction::Down;
    default:
        return KeyAction::None;
    }
}

bool keyDown(PenState& pen, Canvas& canvas, std::int16_t KeyCode) {
    const KeyAction action = keyDownAction(KeyCode);
    run(action, pen, canvas);
    return action != KeyAction::None;
}

float unitRandom(std::uint32_t bits) {
    // 24 random bits fill a float's mantissa exactly, so the result is below 1.
    return static_cast<float>(bits >> 8) * 0x1p-24f;
}

std::int16_t roundHalfEven(float value) {
    // nearbyint rounds in the default mode, to nearest with ties to even.
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(value), -32768.0f, 32767.0f));
}

void placeAtRandom(PenState& pen, Canvas& canvas, float scaleWidth, float scaleHeight,
                   // cppcheck-suppress constParameter ; drawing a number advances it
                   std::mt19937& generator) {
    // The pen never stands left of or above 1, wherever it comes from.
    pen.XPos = std::max(MinPos, roundHalfEven(unitRandom(generator()) * scaleWidth));
    pen.YPos = std::max(MinPos, roundHalfEven(unitRandom(generator()) * scaleHeight));
    canvas.PSet(pen.XPos, pen.YPos, inkValue(pen));
}

} // namespace drawing
