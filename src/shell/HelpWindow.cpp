#include "shell/HelpWindow.h"

#include "shell/ShellArt.h"
#include "shell/ShellTexts.h"
#include "shell/ToolPicture.h"
#include "shell/WindowPlacement.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace {
constexpr int kCloseSize = 26;
constexpr int kMarkSize = 22;

QPointer<HelpWindow> &openHelpWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}

// The close image: a click on it closes the window.
class CloseImage : public QLabel {
public:
    explicit CloseImage(QWidget *parent) : QLabel(parent)
    {
        setObjectName(QStringLiteral("Image3"));
        setPixmap(ShellArt::closeImage(kCloseSize));
        setFixedSize(kCloseSize, kCloseSize);
        setCursor(Qt::PointingHandCursor);
        setToolTip(ShellTexts::kHelpCloseTip);
    }

protected:
    void mousePressEvent(QMouseEvent *) override { window()->close(); }
};

QLabel *makeText(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0x26, 0x32, 0x3f));
    label->setPalette(palette);
    return label;
}

QLabel *makeMark(int number, QWidget *parent)
{
    auto *mark = new QLabel(parent);
    mark->setPixmap(HelpMark(number, kMarkSize));
    mark->setFixedSize(kMarkSize, kMarkSize);
    return mark;
}
} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(ShellTexts::kNameAssignerHelpCaption);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(NameAssignerPicture());

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(18, 14, 14, 18);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(14);
    layout->addWidget(picture, 0, 0, 4, 1, Qt::AlignTop);
    layout->addWidget(new CloseImage(this), 0, 1, 1, 2, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(makeMark(1, this), 1, 1, Qt::AlignTop);
    layout->addWidget(makeText(QStringLiteral("Label1"), ShellTexts::kHelpFeaturesText, this), 1, 2);
    layout->addWidget(makeMark(2, this), 2, 1, Qt::AlignTop);
    layout->addWidget(makeText(QStringLiteral("Label2"), ShellTexts::kHelpBrowseText, this), 2, 2);
    layout->setRowStretch(3, 1);
    layout->setColumnMinimumWidth(2, 230);
    setFixedSize(sizeHint());
    CentreOnScreen(this);
}

void HelpWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    ShellArt::paintPage(painter, rect());
}

HelpWindow *ShowHelpWindow(const QString &caption)
{
    QPointer<HelpWindow> &window = openHelpWindow();
    if (!window)
        window = new HelpWindow;
    window->setWindowTitle(caption);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

HelpWindow *OpenHelpWindow()
{
    return openHelpWindow().data();
}

void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}
