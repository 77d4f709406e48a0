#pragma once

#include <QColor>
#include <cstdint>

// Colour values are packed red + 256 * green + 65536 * blue; 0x80000000 + n names system colour n.
namespace colors {

inline constexpr std::uint32_t SystemColor = 0x80000000u;
inline constexpr std::uint32_t WindowBackground = SystemColor + 5;
inline constexpr std::uint32_t WindowText = SystemColor + 8;
inline constexpr std::uint32_t CaptionText = SystemColor + 9;
inline constexpr std::uint32_t ButtonFace = SystemColor + 15;
inline constexpr std::uint32_t ButtonText = SystemColor + 18;

// Packed values come out exactly; system colours come from the application palette.
QColor toQColor(std::uint32_t value);

} // namespace colors
