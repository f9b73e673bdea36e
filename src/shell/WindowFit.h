#pragma once

#include <QRect>
#include <QSize>

// Where a window opens on a desktop whose work area (the screen less its task
// bars and panels) is `available`: at its preferred size where that fits, else as
// large as the area leaves room for, with space for the window manager's frame;
// never below the layout's minimum; centred in the area.
namespace WindowFit {
// Room the window manager's title bar and borders take around a window.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

QRect FittedGeometry(QSize preferred, QSize minimum, const QRect &available);
} // namespace WindowFit
