#include "shell/ToolPicture.h"

#include "assigner/AssignerTexts.h"
#include "nameassign/NameAssignerTexts.h"
#include "platform/PlatformTexts.h"
#include "shell/ShellArt.h"
#include "shell/ShellTexts.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int kWidth = 400;
constexpr int kHeight = 282;
const QColor kFrame(0x9a, 0xa9, 0xb8);
const QColor kFace(0xf2, 0xf4, 0xf7);
const QColor kInk(0x26, 0x32, 0x3f);
const QColor kGreyInk(0x9a, 0xa4, 0xae);
const QColor kMark(0xf5, 0x7c, 0x00);

QFont pixelFont(int pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void drawMark(QPainter &p, QPointF centre, qreal radius, int number)
{
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(kMark);
    p.drawEllipse(centre, radius, radius);
    p.setFont(pixelFont(int(radius * 1.3), true));
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
               QString::number(number));
}

void drawButton(QPainter &p, const QRectF &area, const QString &caption, bool enabled)
{
    QLinearGradient face(area.topLeft(), area.bottomLeft());
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(0xdd, 0xe3, 0xea));
    p.setPen(kFrame);
    p.setBrush(face);
    p.drawRoundedRect(area, 2.5, 2.5);
    p.setPen(enabled ? kInk : kGreyInk);
    p.setFont(pixelFont(9, true));
    p.drawText(area, Qt::AlignCenter, caption);
}

void drawFileRow(QPainter &p, qreal y, const QString &caption)
{
    p.setPen(kInk);
    p.setFont(pixelFont(9));
    p.drawText(QRectF(10, y, 70, 16), Qt::AlignLeft | Qt::AlignVCenter, caption);
    p.setPen(kFrame);
    p.setBrush(QColor(0xe9, 0xec, 0xef));
    p.drawRect(QRectF(80, y, 178, 16));
    drawButton(p, QRectF(262, y, 24, 16), AssignerTexts::kBrowseCaption, true);
}

void drawTitleBar(QPainter &p)
{
    QLinearGradient bar(0, 0, 0, 24);
    bar.setColorAt(0, ShellArt::kHeaderTop);
    bar.setColorAt(1, ShellArt::kHeaderBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(bar);
    p.drawRect(QRectF(1, 1, kWidth - 2, 23));
    p.drawPixmap(6, 4, ShellArt::logo(16));
    p.setPen(Qt::white);
    p.setFont(pixelFont(10, true));
    p.drawText(QRectF(28, 1, 200, 23), Qt::AlignLeft | Qt::AlignVCenter, NameAssignerTexts::kWindowTitle);
    for (int i = 0; i < 3; ++i) {
        const QRectF box(kWidth - 60 + i * 18, 6, 13, 12);
        p.setPen(Qt::NoPen);
        p.setBrush(i == 2 ? QColor(0xe5, 0x39, 0x35) : QColor(255, 255, 255, 70));
        p.drawRoundedRect(box, 2, 2);
    }
}

void drawTabsAndGrid(QPainter &p)
{
    const QString *const tabs[] = {&AssignerTexts::kInputTab, &AssignerTexts::kOutputTab, &AssignerTexts::kScriptTab};
    for (int i = 0; i < 3; ++i) {
        const QRectF tab(10 + i * 82, 82, 80, 17);
        p.setPen(kFrame);
        p.setBrush(i == 0 ? QColor(Qt::white) : QColor(0xe3, 0xe8, 0xee));
        p.drawRect(tab);
        p.setPen(i == 2 ? kGreyInk : kInk);
        p.setFont(pixelFont(8, i == 0));
        p.drawText(tab, Qt::AlignCenter, *tabs[i]);
    }
    const QRectF grid(10, 99, 302, 150);
    p.setPen(kFrame);
    p.setBrush(Qt::white);
    p.drawRect(grid);
    p.setBrush(QColor(0xe3, 0xe8, 0xee));
    p.drawRect(QRectF(grid.left(), grid.top(), grid.width(), 15));
    const qreal columns[] = {grid.left(), grid.left() + 78, grid.left() + 272, grid.right()};
    p.setPen(kInk);
    p.setFont(pixelFont(8, true));
    p.drawText(QRectF(columns[0] + 4, grid.top(), 70, 15), Qt::AlignVCenter, ShellTexts::kPictureExtensionColumn);
    p.drawText(QRectF(columns[1] + 12, grid.top(), 150, 15), Qt::AlignVCenter, ShellTexts::kPictureNameColumn);
    p.setFont(pixelFont(9));
    for (int r = 0; r < 9; ++r) {
        const qreal y = grid.top() + 15 + r * 15;
        p.setPen(QColor(0xdc, 0xe2, 0xe8));
        p.drawLine(QPointF(grid.left(), y + 15), QPointF(grid.right(), y + 15));
        if (r < ShellTexts::kPictureRows.size()) {
            const QStringList &row = ShellTexts::kPictureRows[r];
            p.setPen(kInk);
            p.drawText(QRectF(columns[0] + 4, y, 70, 15), Qt::AlignVCenter, row[0]);
            p.drawText(QRectF(columns[1] + 4, y, 190, 15), Qt::AlignVCenter, row[1]);
        }
    }
    p.setPen(QColor(0xc8, 0xd0, 0xd8));
    for (int c = 1; c < 3; ++c)
        p.drawLine(QPointF(columns[c], grid.top()), QPointF(columns[c], grid.bottom()));
}
} // namespace

QPixmap NameAssignerPicture()
{
    QPixmap picture = ShellArt::blankPixmap(QSize(kWidth, kHeight));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.setPen(kFrame);
    p.setBrush(kFace);
    p.drawRoundedRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1), 5, 5);
    drawTitleBar(p);
    drawFileRow(p, 34, AssignerTexts::kImportFromCaption);
    drawFileRow(p, 56, AssignerTexts::kExportToCaption);
    const QString *const buttons[] = {&AssignerTexts::kExportNowCaption, &PlatformTexts::kResetCaption,
                                      &PlatformTexts::kPrintCaption, &AssignerTexts::kHelpCaption};
    for (int i = 0; i < 4; ++i)
        drawButton(p, QRectF(322, 34 + i * 24, 70, 19), *buttons[i], i != 0);
    drawTabsAndGrid(p);

    p.setPen(kFrame);
    p.setBrush(QColor(0xe3, 0xe8, 0xee));
    p.drawRect(QRectF(1, kHeight - 24, kWidth - 2, 23));
    p.setPen(kInk);
    p.setFont(pixelFont(8));
    p.drawText(QRectF(8, kHeight - 24, 300, 23), Qt::AlignVCenter, AssignerTexts::kStartPrompt);

    drawMark(p, QPointF(357, 140), 9, 1);
    drawMark(p, QPointF(303, 53), 9, 2);
    return picture;
}

QPixmap HelpMark(int number, int size)
{
    QPixmap mark = ShellArt::blankPixmap(QSize(size, size));
    QPainter p(&mark);
    p.setRenderHint(QPainter::Antialiasing);
    drawMark(p, QPointF(size / 2.0, size / 2.0), size / 2.0 - 1, number);
    return mark;
}
