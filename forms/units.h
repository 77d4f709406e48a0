#pragma once

// Layout and canvas coordinates are twips; Qt's logical pixel is 15 twips (96 dpi).
namespace units {

inline constexpr double TwipsPerPixel = 15.0;
inline constexpr double DotsPerInch = 1440.0 / TwipsPerPixel;

constexpr double twipsToPixels(double twips) {
    return twips / TwipsPerPixel;
}
// Layout values are whole, non-negative twips; 15 is odd, so there are no ties.
constexpr int twipsToPixelsRounded(int twips) {
    return (twips + 7) / 15;
}
constexpr double pixelsToTwips(double pixels) {
    return pixels * TwipsPerPixel;
}

} // namespace units
