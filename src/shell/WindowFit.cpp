#include "shell/WindowFit.h"

#include <algorithm>

namespace WindowFit {

QRect FittedGeometry(QSize preferred, QSize minimum, const QRect &available)
{
    const QSize room(available.width() - kFrameWidth, available.height() - kFrameHeight);
    const QSize size = preferred.boundedTo(room).expandedTo(minimum);
    QRect geometry(QPoint(), size);
    geometry.moveCenter(available.center());
    // Centring the frame: the title bar sits above the window.
    geometry.translate(0, (kFrameHeight - kFrameWidth) / 2);
    // A window larger than the area starts at its top-left corner, title bar in view.
    geometry.moveLeft(std::max(geometry.left(), available.left() + kFrameWidth / 2));
    geometry.moveTop(std::max(geometry.top(), available.top() + kFrameHeight - kFrameWidth / 2));
    return geometry;
}

} // namespace WindowFit
