#pragma once

#include <cstdint>

// The colours the menu sets, for the pen and the screen: packed red + 256 * green +
// 65536 * blue.
namespace drawing::settings {

inline constexpr std::uint32_t Black = 0;
inline constexpr std::uint32_t White = 16777215;
inline constexpr std::uint32_t Red = 255;
inline constexpr std::uint32_t Blue = 16711680;
inline constexpr std::uint32_t Green = 65280;
inline constexpr std::uint32_t Yellow = 65535;
inline constexpr std::uint32_t Magenta = 16711935;
inline constexpr std::uint32_t Orange = 33023;
inline constexpr std::uint32_t Cyan = 16776960;
inline constexpr std::uint32_t Gray = 8421504;

inline constexpr std::uint32_t PenColors[] = {Black,  White,   Red,    Blue, Green,
                                              Yellow, Magenta, Orange, Cyan, Gray};
inline constexpr std::uint32_t ScreenColors[] = {Black, Gray};

} // namespace drawing::settings
