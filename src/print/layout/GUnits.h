#pragma once

#include <QColor>
#include <cstdint>

/// Pages are laid out in units of a quarter point whatever the device: the same
/// layout then draws on screen, paper, PDF or an image by scaling alone.
namespace GUnits {

inline constexpr double PerPoint = 4.0;

inline constexpr double fromPoints(double points)
{
    return points * PerPoint;
}

/// A colour held as 0x00BBGGRR, red in the lowest byte.
inline QColor colour(uint32_t bgr)
{
    return QColor(int(bgr & 0xff), int((bgr >> 8) & 0xff), int((bgr >> 16) & 0xff));
}

inline constexpr uint32_t rgb(int r, int g, int b)
{
    return uint32_t(r & 0xff) | (uint32_t(g & 0xff) << 8) | (uint32_t(b & 0xff) << 16);
}

/// A colour field that holds no colour: the next level up decides.
inline constexpr uint32_t NoColour = 0xFFFFFFFFu;

} // namespace GUnits
