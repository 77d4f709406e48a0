#pragma once

#include <cstdint>

// The drawing operations the pen needs. Coordinates are canvas twips from the inner top-left
// corner; colours are packed values. Everything outside the drawable area is clipped silently.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void Line(float x1, float y1, float x2, float y2, std::uint32_t color) = 0;
    virtual void PSet(float x, float y, std::uint32_t color) = 0;
    virtual void Cls() = 0;
    virtual void setBackColor(std::uint32_t color) = 0;
    virtual std::uint32_t BackColor() const = 0;
    virtual void setDrawWidth(int pixels) = 0;
    virtual int DrawWidth() const = 0;
};
