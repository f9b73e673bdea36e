#include "shell/AboutWindow.h"

#include "platform/PlatformTexts.h"
#include "shell/Autostart.h"
#include "shell/ShellArt.h"
#include "shell/ShellTexts.h"
#include "shell/WindowPlacement.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int kLogoSize = 80;
constexpr int kStripeWidth = 132;

// The transparent label over the window: a click on it closes the window.
class ClosingCover : public QLabel {
public:
    explicit ClosingCover(QWidget *window) : QLabel(window)
    {
        setObjectName(QStringLiteral("Label2"));
        setAttribute(Qt::WA_TranslucentBackground);
        setCursor(Qt::PointingHandCursor);
        setToolTip(ShellTexts::kAboutCloseTip);
    }

protected:
    void mousePressEvent(QMouseEvent *) override { window()->close(); }
};

QLabel *makeLabel(const QString &text, qreal scale, bool bold, const QColor &color, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}
} // namespace

AboutWindow::AboutWindow(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(ShellTexts::kAboutCaption);
    setAttribute(Qt::WA_DeleteOnClose);

    const QColor ink(0x1c, 0x2b, 0x3a);
    const QColor muted(0x5b, 0x6b, 0x7b);
    m_labels = {makeLabel(PlatformTexts::kProgramTitle, 2.2, true, ink, this),
                makeLabel(PlatformTexts::kVersionCaption, 1.2, false, ink, this),
                makeLabel(ShellTexts::kBuildCaption, 1.0, false, muted, this),
                makeLabel(ShellTexts::aboutNotice(), 0.9, false, muted, this)};
    for (int i = 0; i < int(m_labels.size()); ++i)
        m_labels[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
    m_labels[2]->setText(m_labels[2]->text() + ShellTexts::buildSuffix());
    m_labels[3]->setWordWrap(true);

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setPixmap(ShellArt::logo(kLogoSize));
    logo->setFixedSize(kStripeWidth, kLogoSize);
    logo->setAlignment(Qt::AlignCenter);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 28, 28, 24);
    layout->setHorizontalSpacing(24);
    layout->setVerticalSpacing(4);
    layout->addWidget(logo, 0, 0, 4, 1, Qt::AlignTop);
    layout->addWidget(m_labels[0], 0, 1);
    layout->addWidget(m_labels[1], 1, 1);
    layout->addWidget(m_labels[2], 2, 1);
    layout->setRowMinimumHeight(3, 14);
    layout->addWidget(m_labels[3], 4, 1);
    layout->setRowStretch(5, 1);
    m_autostart = new QCheckBox(ShellTexts::kAutostartCaption, this);
    m_autostart->setObjectName(QStringLiteral("Check1"));
    m_autostart->setChecked(Autostart::enabled());
    layout->addWidget(m_autostart, 6, 1);
    setFixedSize(460, 250);
    CentreOnScreen(this);

    m_cover = new ClosingCover(this);
    m_cover->raise();
    // Above the cover, so that a click on it switches rather than closes.
    m_autostart->raise();
    connect(m_autostart, &QCheckBox::toggled, this, [this](bool on) {
        if (!Autostart::setEnabled(on, QCoreApplication::applicationFilePath())) {
            const QSignalBlocker blocker(m_autostart);
            m_autostart->setChecked(Autostart::enabled());
        }
    });
}

void AboutWindow::resizeEvent(QResizeEvent *)
{
    m_cover->setGeometry(rect());
}

void AboutWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    ShellArt::paintPage(painter, rect());
    QLinearGradient stripe(0, 0, 0, height());
    stripe.setColorAt(0, ShellArt::kHeaderTop);
    stripe.setColorAt(1, ShellArt::kHeaderBottom);
    painter.fillRect(QRect(0, 0, kStripeWidth, height()), stripe);
    painter.setPen(QColor(255, 255, 255, 150));
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.8);
    painter.setFont(small);
    painter.drawText(QRect(0, height() - 40, kStripeWidth, 24), Qt::AlignCenter, ShellTexts::kAboutCloseHint);
}

void AboutWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}
