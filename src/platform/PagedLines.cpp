#include "platform/PagedLines.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace PagedLines {

namespace {
constexpr double kMarginMm = 12.7;
constexpr double kA4ShortMm = 210;
constexpr double kA4LongMm = 297;
constexpr double kMmPerInch = 25.4;
} // namespace

QFont FontOf(const PrintedList &list)
{
    QFont font(list.fontFamily);
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(list.bold);
    font.setPointSizeF(list.pointSize);
    return font;
}

void FitPage(QPagedPaintDevice &device, const PrintedList &list)
{
    const QFontMetricsF metrics(FontOf(list), &device);
    double widest = 0;
    for (const QString &line : list.lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const double neededMm = widest / device.logicalDpiX() * kMmPerInch + 2 * kMarginMm + 1;

    QPageSize size(QPageSize::A4);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    if (neededMm > kA4LongMm) {
        size = QPageSize(QSizeF(neededMm, kA4ShortMm), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    } else if (neededMm > kA4ShortMm) {
        orientation = QPageLayout::Landscape;
    }
    device.setPageLayout(
        QPageLayout(size, orientation, QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
}

bool Paint(QPainter &painter, QPagedPaintDevice &device, const PrintedList &list)
{
    painter.setFont(FontOf(list));
    const QFontMetricsF metrics(painter.font(), &device);
    const double pageHeight = device.pageLayout().paintRectPixels(device.logicalDpiY()).height();
    double y = 0;
    for (const QString &line : list.lines) {
        if (y > 0 && y + metrics.height() > pageHeight) {
            if (!device.newPage())
                return false;
            y = 0;
        }
        painter.drawText(QPointF(0, y + metrics.ascent()), line);
        y += metrics.height();
    }
    return true;
}

} // namespace PagedLines
