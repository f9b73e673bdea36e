#include "shell/SplashWindow.h"

#include "platform/PlatformTexts.h"
#include "shell/ShellArt.h"
#include "shell/ShellTexts.h"
#include "shell/WindowPlacement.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {
constexpr int kWidth = 540;
constexpr int kHeight = 270;
constexpr int kLogoSize = 96;
constexpr int kMargin = 36;
} // namespace

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_label(new QLabel(ShellTexts::splashLabel(), this))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(PlatformTexts::kProgramTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);

    m_label->setObjectName(QStringLiteral("Label2"));
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, ShellArt::kSubtitle);
    m_label->setPalette(palette);
    const int textLeft = kMargin * 2 + kLogoSize;
    m_label->setGeometry(textLeft, 148, kWidth - textLeft - kMargin, 70);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setWordWrap(true);

    m_timer.setParent(this);
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(kShowMs);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SplashWindow::timeUp);
    m_timer.start();

    CentreOnScreen(this);
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, width(), height());
    fill.setColorAt(0, ShellArt::kHeaderBottom.darker(150));
    fill.setColorAt(1, ShellArt::kPanel);
    painter.fillRect(rect(), fill);
    QRadialGradient glow(QPointF(kMargin + kLogoSize / 2.0, height() / 2.0), height() * 0.9);
    glow.setColorAt(0, QColor(0x42, 0xa5, 0xf5, 70));
    glow.setColorAt(1, QColor(0x42, 0xa5, 0xf5, 0));
    painter.fillRect(rect(), glow);

    painter.drawPixmap(kMargin, (height() - kLogoSize) / 2 - 10, ShellArt::logo(kLogoSize));

    const int textLeft = kMargin * 2 + kLogoSize;
    QFont title = font();
    title.setBold(true);
    title.setPointSizeF(font().pointSizeF() * 2.6);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(textLeft, 60, width() - textLeft - kMargin, 72), Qt::AlignLeft | Qt::AlignBottom,
                     PlatformTexts::kProgramTitle);

    painter.setPen(QPen(ShellArt::kHighlightTop, 3));
    painter.drawLine(textLeft + 2, 138, textLeft + 70, 138);

    // A thin progress-like band along the bottom edge.
    QLinearGradient band(0, 0, width(), 0);
    band.setColorAt(0, ShellArt::kHeaderTop);
    band.setColorAt(1, QColor(0x26, 0xa6, 0x9a));
    painter.fillRect(QRect(0, height() - 5, width(), 5), band);
    painter.setPen(ShellArt::kPanelBorder);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
