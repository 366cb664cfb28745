#pragma once
// The framework's colour numbers: blue in the high byte, red in the low one.
namespace kelvaro::colors {

constexpr int Black = 0x000000;
constexpr int DarkRed = 0x000080;
constexpr int Red = 0x0000FF;
constexpr int Green = 0x008000;
constexpr int Navy = 0x800000;
constexpr int Blue = 0xFF0000;
constexpr int Grey = 0x808080;

} // namespace kelvaro::colors
