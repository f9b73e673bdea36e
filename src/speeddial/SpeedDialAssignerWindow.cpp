#include "speeddial/SpeedDialAssignerWindow.h"

#include "assigner/AssignerForm.h"
#include "grid/GridTableModel.h"
#include "grid/GridTableView.h"
#include "platform/QtPrinter.h"
#include "platform/QtPrompter.h"
#include "shell/HelpWindow.h"
#include "shell/ShellTexts.h"
#include "speeddial/DialPairs.h"
#include "speeddial/SpeedDialTexts.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

SpeedDialAssignerWindow::SpeedDialAssignerWindow(QWidget *parent)
    : SpeedDialAssignerWindow(std::make_unique<QtPrompter>(), std::make_unique<QtPrinter>(), parent)
{
}

SpeedDialAssignerWindow::SpeedDialAssignerWindow(std::unique_ptr<Prompter> prompter, std::unique_ptr<Printer> printer,
                                                 QWidget *parent)
    : AssignerWindow(std::move(prompter), std::move(printer), parent)
{
    auto tool = std::make_unique<SpeedDialAssigner>(this->prompter(), this->printer());
    m_tool = tool.get();
    attach(std::move(tool), QStringLiteral("SpeedDialAssigner"), SpeedDialTexts::kWindowTitle,
           ShellTexts::kSpeedDialerHelpCaption);
    buildExtras();
    showToolState();
}

void SpeedDialAssignerWindow::buildExtras()
{
    QWidget *files = form()->importPath()->parentWidget();
    auto *caption = new QLabel(SpeedDialTexts::kLocationCaption, files);
    caption->setObjectName(QStringLiteral("Label6"));
    m_locationBox = new QLineEdit(files);
    m_locationBox->setObjectName(QStringLiteral("Text6"));
    m_locationBox->setFixedWidth(m_locationBox->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    m_locationBox->setAlignment(Qt::AlignCenter);
    m_locationBox->setToolTip(SpeedDialTexts::kLocationTip);
    caption->setBuddy(m_locationBox);
    m_leadingZero = new QCheckBox(SpeedDialTexts::kLeadingZeroCaption, files);
    m_leadingZero->setObjectName(QStringLiteral("Check1"));
    m_usedList = new QListWidget(this);
    m_usedList->setObjectName(QStringLiteral("List1"));
    m_usedList->hide();

    QBoxLayout *row = form()->extrasRow();
    row->addWidget(caption);
    row->addWidget(m_locationBox);
    row->addSpacing(24);
    row->addWidget(m_leadingZero);
    row->addStretch(1);

    // Typing goes to the tool, which may put 299 back; its focus rules run in
    // eventFilter.
    connect(m_locationBox, &QLineEdit::textEdited, this,
            forward([this] { m_tool->setLocation(m_locationBox->text()); }));
    m_locationBox->installEventFilter(this);
    form()->inputView()->useBlockMenu();
    // Wide enough for a name of 16 characters in hex.
    GridTableView *output = form()->outputView();
    const int hexWidth = output->fontMetrics().horizontalAdvance(QString(DialPairs::kNameLength * 2, QLatin1Char('F')))
        + 2 * output->fontMetrics().averageCharWidth();
    output->setColumnWidth(DialPairs::Dialled, std::max(output->columnWidth(DialPairs::Dialled), hexWidth));
    connect(m_leadingZero, &QCheckBox::toggled, this, [this](bool ticked) { m_tool->setLeadingZero(ticked); });
    connect(form()->inputView(), &QAbstractItemView::pressed, this,
            [this](const QModelIndex &cell) { m_tool->clickCell(GridTableModel::gridRowOf(cell), cell.column()); });
}

bool SpeedDialAssignerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_locationBox && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // Leaving the window or opening a menu is not leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (event->type() == QEvent::FocusIn)
                m_tool->locationFocusIn();
            else
                m_tool->locationFocusOut();
            showToolState();
        }
    }
    return AssignerWindow::eventFilter(watched, event);
}

void SpeedDialAssignerWindow::showToolState()
{
    AssignerWindow::showToolState();
    if (!m_locationBox)
        return;
    if (m_locationBox->text() != m_tool->location())
        m_locationBox->setText(m_tool->location());
    m_leadingZero->setChecked(m_tool->leadingZero());
    if (m_shownUsed != m_tool->usedLocations()) {
        m_shownUsed = m_tool->usedLocations();
        m_usedList->clear();
        m_usedList->addItems(m_shownUsed);
    }
}
