#pragma once

#include "canvas.h"

#include <cstdint>
#include <random>
#include <string>

namespace drawing {

// The pen: position and step in canvas twips, ink as the decimal text of a packed colour.
struct PenState {
    std::int16_t XPos = 0;
    std::int16_t YPos = 0;
    std::int16_t XPos2 = 0;
    std::int16_t YPos2 = 0;
    std::int16_t PenSpeed = 0;
    std::string InkColor;
};

inline constexpr std::int16_t MinPos = 1;
inline constexpr std::int16_t MaxPos = 32767;

void setStartState(PenState& pen);
std::uint32_t inkValue(const PenState& pen);
void setInk(PenState& pen, std::uint32_t color);

void moveLeft(PenState& pen, Canvas& canvas);
void moveRight(PenState& pen, Canvas& canvas);
void moveUp(PenState& pen, Canvas& canvas);
void moveDown(PenState& pen, Canvas& canvas);
void erase(Canvas& canvas);

enum class KeyAction { None, Erase, Left, Up, Right, Down };
KeyAction keyAction(std::int16_t KeyAscii);
void keyPress(PenState& pen, Canvas& canvas, std::int16_t KeyAscii);
// The arrow keys, as Windows key codes; they move as "a", "w", "d" and "x" do.
inline constexpr std::int16_t KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40;
KeyAction keyDownAction(std::int16_t KeyCode);
// Returns whether the key moved the pen.
bool keyDown(PenState& pen, Canvas& canvas, std::int16_t KeyCode);

// A uniform number in [0, 1) from 32 random bits, never 1 itself.
float unitRandom(std::uint32_t bits);
// Rounds to the nearest integer, ties to even.
std::int16_t roundHalfEven(float value);
// Drops the pen anywhere in the window's inner area (twips) and marks the spot.
void placeAtRandom(PenState& pen, Canvas& canvas, float scaleWidth, float scaleHeight,
                   std::mt19937& generator);

} // namespace drawing
