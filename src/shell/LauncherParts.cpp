#include "shell/LauncherParts.h"

#include "platform/PlatformTexts.h"
#include "shell/ShellArt.h"
#include "shell/ShellTexts.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace {
void passPointerThrough(QWidget *widget)
{
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
}
} // namespace

HighlightBar::HighlightBar(QWidget *parent) : QWidget(parent)
{
    passPointerThrough(this);
}

void HighlightBar::setLit(bool lit)
{
    if (m_lit == lit)
        return;
    m_lit = lit;
    update();
}

void HighlightBar::paintEvent(QPaintEvent *)
{
    if (!m_lit)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, ShellArt::kHighlightTop);
    fill.setColorAt(1, ShellArt::kHighlightBottom);
    painter.setPen(QPen(ShellArt::kHighlightTop.lighter(125), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(area, 6, 6);
}

LauncherHeader::LauncherHeader(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image2"));
    setMouseTracking(true);
}

void LauncherHeader::mouseMoveEvent(QMouseEvent *)
{
    emit pointerMoved();
}

void LauncherHeader::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 0, height());
    band.setColorAt(0, ShellArt::kHeaderTop);
    band.setColorAt(1, ShellArt::kHeaderBottom);
    painter.fillRect(rect(), band);
    // A soft sheen across the upper half.
    QLinearGradient sheen(0, 0, width(), height());
    sheen.setColorAt(0, QColor(255, 255, 255, 46));
    sheen.setColorAt(0.6, QColor(255, 255, 255, 0));
    painter.fillRect(QRect(0, 0, width(), height() / 2), sheen);

    const int logoSize = height() * 55 / 100;
    const int margin = (height() - logoSize) / 2;
    painter.drawPixmap(margin, margin, ShellArt::logo(logoSize));

    const int textLeft = margin + logoSize + margin * 3 / 4;
    QFont title = font();
    title.setBold(true);
    title.setPointSizeF(font().pointSizeF() * 1.55);
    painter.setFont(title);
    painter.setPen(Qt::white);
    const QRect titleArea(textLeft, margin - 2, width() - textLeft - margin, logoSize * 6 / 10);
    painter.drawText(titleArea, Qt::AlignLeft | Qt::AlignBottom, PlatformTexts::kProgramTitle);

    const QString &subtitleText = ShellTexts::kLauncherSubtitle;
    QFont subtitle = font();
    subtitle.setPointSizeF(font().pointSizeF() * 0.85);
    // Smaller rather than cut off when the desktop's font runs wide.
    while (QFontMetrics(subtitle).horizontalAdvance(subtitleText) > titleArea.width() && subtitle.pointSizeF() > 6)
        subtitle.setPointSizeF(subtitle.pointSizeF() - 0.25);
    painter.setFont(subtitle);
    painter.setPen(ShellArt::kSubtitle);
    const QRect subtitleArea(textLeft, titleArea.bottom() + 2, titleArea.width(), logoSize - titleArea.height());
    painter.drawText(subtitleArea, Qt::AlignLeft | Qt::AlignTop, subtitleText);

    painter.setPen(QColor(255, 255, 255, 60));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

LauncherEntryImage::LauncherEntryImage(int entry, int iconSize, QWidget *parent)
    : QWidget(parent),
      m_entry(entry),
      m_iconSize(iconSize),
      m_bar(new HighlightBar(this)),
      m_icon(new QLabel(this)),
      m_caption(new QLabel(ShellTexts::entryCaption(entry), this))
{
    const QString index = QLatin1Char('(') + QString::number(entry) + QLatin1Char(')');
    setObjectName(QStringLiteral("Image1") + index);
    m_bar->setObjectName(QStringLiteral("Label2") + index);
    m_caption->setObjectName(QStringLiteral("Label1") + index);
    setMouseTracking(true);
    passPointerThrough(m_icon);
    passPointerThrough(m_caption);

    QFont captionFont = font();
    captionFont.setBold(true);
    captionFont.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    m_caption->setFont(captionFont);
    setAvailable(true);
}

void LauncherEntryImage::setAvailable(bool available)
{
    m_available = available;
    QPalette palette = m_caption->palette();
    palette.setColor(QPalette::WindowText, available ? ShellArt::kCaption : ShellArt::kCaptionDisabled);
    m_caption->setPalette(palette);
    m_icon->setPixmap(ShellArt::entryIcon(m_entry, m_iconSize, available));
    setCursor(available ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void LauncherEntryImage::resizeEvent(QResizeEvent *)
{
    const int inset = height() / 5;
    m_bar->setGeometry(rect().adjusted(inset, 2, -inset, -2));
    const int iconLeft = inset + height() / 4;
    m_icon->setGeometry(iconLeft, (height() - m_iconSize) / 2, m_iconSize, m_iconSize);
    const int captionLeft = iconLeft + m_iconSize + height() / 3;
    m_caption->setGeometry(captionLeft, 0, width() - captionLeft - inset, height());
}

void LauncherEntryImage::mouseMoveEvent(QMouseEvent *event)
{
    emit pointerMoved(event->position().toPoint());
}

void LauncherEntryImage::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void LauncherEntryImage::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click && m_available)
        emit clicked();
}
