#pragma once

#include <QtGlobal>

// The launcher measures itself in twips (1/1440 inch) so that its slide and its
// hover zones keep their physical size on every screen; pixels follow from the
// screen's logical DPI.
namespace Twips {
constexpr int kPerInch = 1440;

inline int toPixels(int twips, qreal dpi)
{
    return qRound(twips * dpi / kPerInch);
}
inline int fromPixels(int pixels, qreal dpi)
{
    return qRound(pixels * kPerInch / dpi);
}
} // namespace Twips
