#include "shell/ShellArt.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <iterator>

namespace ShellArt {

namespace {

// A transparent pixmap of `size` logical pixels, painted in a `unit` x `unit`
// coordinate system.
QPixmap drawn(int size, qreal unit, const std::function<void(QPainter &)> &paint)
{
    QPixmap pixmap = blankPixmap(QSize(size, size));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / unit, size / unit);
    paint(painter);
    return pixmap;
}

QPen roundPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void paintNameCard(QPainter &p, const QColor &ink)
{
    p.setPen(roundPen(ink, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4, 6, 16, 12), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(8.5, 10.5), 2.1, 2.1);
    p.drawRoundedRect(QRectF(5.6, 13.4, 5.8, 2.6), 1.2, 1.2);
    p.setPen(roundPen(ink, 1.6));
    p.drawLine(QPointF(13.5, 10), QPointF(17.5, 10));
    p.drawLine(QPointF(13.5, 13.5), QPointF(16.5, 13.5));
}

void paintBolt(QPainter &p, const QColor &ink)
{
    const QPointF bolt[] = {{13.5, 3}, {6, 13.5}, {11, 13.5}, {10, 21}, {18, 10}, {12.8, 10}, {14, 3}};
    p.setPen(roundPen(ink, 0.8));
    p.setBrush(ink);
    p.drawPolygon(bolt, int(std::size(bolt)));
}

void paintGrid(QPainter &p, const QColor &ink)
{
    const QRectF grid(5, 5, 14, 14);
    QColor header = ink;
    header.setAlphaF(0.45);
    p.setPen(Qt::NoPen);
    p.setBrush(header);
    p.drawRect(QRectF(grid.left(), grid.top(), grid.width(), grid.height() / 3));
    p.setPen(roundPen(ink, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(grid, 1.5, 1.5);
    for (int i = 1; i < 3; ++i) {
        const qreal x = grid.left() + grid.width() * i / 3;
        const qreal y = grid.top() + grid.height() * i / 3;
        p.drawLine(QPointF(x, grid.top()), QPointF(x, grid.bottom()));
        p.drawLine(QPointF(grid.left(), y), QPointF(grid.right(), y));
    }
}

void paintInfo(QPainter &p, const QColor &ink)
{
    p.setPen(roundPen(ink, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 8, 8);
    p.setPen(roundPen(ink, 2.3));
    p.drawLine(QPointF(12, 11.2), QPointF(12, 16.3));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(12, 7.9), 1.35, 1.35);
}

void paintPower(QPainter &p, const QColor &ink)
{
    p.setPen(roundPen(ink, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5.5, 6.5, 13, 13), 120 * 16, 300 * 16);
    p.drawLine(QPointF(12, 4.5), QPointF(12, 12));
}

} // namespace

QPixmap blankPixmap(QSize size)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void paintPage(QPainter &painter, const QRect &area)
{
    QLinearGradient page(area.topLeft(), area.bottomLeft());
    page.setColorAt(0, QColor(0xfb, 0xfd, 0xff));
    page.setColorAt(1, QColor(0xe7, 0xee, 0xf5));
    painter.fillRect(area, page);
}

QPixmap logo(int size)
{
    return drawn(size, 64, [](QPainter &p) {
        QLinearGradient tile(QPointF(0, 0), QPointF(64, 64));
        tile.setColorAt(0, QColor(0x42, 0xa5, 0xf5));
        tile.setColorAt(1, QColor(0x0d, 0x47, 0xa1));
        p.setPen(Qt::NoPen);
        p.setBrush(tile);
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 14, 14);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(13, 18, 7.5, 30), 2, 2);
        p.drawRoundedRect(QRectF(31, 18, 7.5, 30), 2, 2);
        p.drawRect(QRectF(19, 29.5, 13, 7));
        p.setPen(roundPen(Qt::white, 3.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(38, 12, 14, 14), 0, 90 * 16);
        p.drawArc(QRectF(32, 6, 26, 26), 0, 90 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(45, 19), 2.6, 2.6);
    });
}

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128})
        icon.addPixmap(logo(size));
    return icon;
}

QPixmap entryIcon(int entry, int size, bool enabled)
{
    static const QColor tiles[] = {QColor(0x26, 0xa6, 0x9a), QColor(0xf5, 0x7c, 0x00), QColor(0x7e, 0x57, 0xc2),
                                   QColor(0x60, 0x7d, 0x8b), QColor(0xe5, 0x39, 0x35)};
    static const std::function<void(QPainter &, const QColor &)> glyphs[] = {paintNameCard, paintBolt, paintGrid,
                                                                             paintInfo, paintPower};
    if (entry < 0 || entry >= int(std::size(tiles)))
        return QPixmap();
    const QColor tile = enabled ? tiles[entry] : QColor(0x33, 0x40, 0x4d);
    const QColor ink = enabled ? QColor(Qt::white) : QColor(0x70, 0x7f, 0x8f);
    return drawn(size, 24, [&](QPainter &p) {
        QLinearGradient shade(QPointF(0, 0), QPointF(0, 24));
        shade.setColorAt(0, tile.lighter(118));
        shade.setColorAt(1, tile.darker(112));
        p.setPen(Qt::NoPen);
        p.setBrush(shade);
        p.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 5.5, 5.5);
        glyphs[entry](p, ink);
    });
}

QPixmap closeImage(int size)
{
    return drawn(size, 24, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd3, 0x2f, 0x2f));
        p.drawEllipse(QPointF(12, 12), 11, 11);
        p.setPen(roundPen(Qt::white, 2.4));
        p.drawLine(QPointF(8, 8), QPointF(16, 16));
        p.drawLine(QPointF(16, 8), QPointF(8, 16));
    });
}

} // namespace ShellArt
