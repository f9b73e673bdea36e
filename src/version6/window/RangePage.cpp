#include "version6/window/RangePage.h"

#include "grid/GridTableView.h"
#include "platform/PlatformTexts.h"
#include "version6/tool/Version6Texts.h"
#include "version6/tool/Version6Tool.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Version6Form;

RangePage::RangePage(Version6Tool &tool, RunAction run, QWidget *parent)
    : QWidget(parent),
      m_tool(tool),
      m_run(std::move(run))
{
    setObjectName(QStringLiteral("RangeScreen"));

    auto *inputs = new QGroupBox(Version6Texts::kNewRangeGroup, this);
    m_fp = Combo(QStringLiteral("Combo1"), true, inputs);
    m_startLen = Combo(QStringLiteral("Combo2"), true, inputs);
    m_stopLen = Combo(QStringLiteral("Combo3"), true, inputs);
    m_startExt = new QLineEdit(inputs);
    m_startExt->setObjectName(QStringLiteral("Text2"));
    m_handset = Combo(QStringLiteral("Combo4"), false, inputs);
    const int numberWidth = m_fp->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 48;
    for (QWidget *box : {static_cast<QWidget *>(m_fp), static_cast<QWidget *>(m_startLen),
                         static_cast<QWidget *>(m_stopLen), static_cast<QWidget *>(m_startExt)})
        box->setFixedWidth(numberWidth);
    m_handset->setMinimumWidth(numberWidth + 40);
    m_startExt->installEventFilter(this);

    m_add = Button(QStringLiteral("Command3"), Version6Texts::kAddCaption, inputs);
    m_remove = Button(QStringLiteral("EXPORT"), Version6Texts::kRemoveCaption, inputs);
    m_add->setToolTip(Version6Texts::kAddTip);
    m_remove->setToolTip(Version6Texts::kRemoveTip);

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(Label(Version6Texts::kFpCaption, m_fp, inputs), m_fp);
    form->addRow(Label(Version6Texts::kStartLenCaption, m_startLen, inputs), m_startLen);
    form->addRow(Label(Version6Texts::kStopLenCaption, m_stopLen, inputs), m_stopLen);
    form->addRow(Label(Version6Texts::kStartExtCaption, m_startExt, inputs), m_startExt);
    form->addRow(Label(Version6Texts::kDefaultHandsetCaption, m_handset, inputs), m_handset);
    auto *rangeButtons = new QHBoxLayout;
    rangeButtons->addWidget(m_add);
    rangeButtons->addWidget(m_remove);
    auto *inputsLayout = new QVBoxLayout(inputs);
    inputsLayout->addLayout(form);
    inputsLayout->addSpacing(8);
    inputsLayout->addLayout(rangeButtons);
    inputsLayout->addStretch(1);

    auto *table = new QGroupBox(Version6Texts::kRangesGroup, this);
    m_ranges = new GridTableView(&tool.ranges().table(), table);
    m_ranges->setObjectName(QStringLiteral("MSFlexGrid1"));
    // "ADD", "REMOVE" and "RESET" change the table: it takes Undo and Redo.
    m_ranges->setUndoable(true);
    m_ranges->useBlockMenu();
    connect(m_ranges, &GridTableView::undoRequested, this, [this] { m_run([this] { m_tool.undo(); }); });
    connect(m_ranges, &GridTableView::redoRequested, this, [this] { m_run([this] { m_tool.redo(); }); });
    auto *tableLayout = new QVBoxLayout(table);
    tableLayout->addWidget(m_ranges);

    auto *top = new QHBoxLayout;
    top->addWidget(inputs);
    top->addWidget(table, 1);

    m_reset = Button(QStringLiteral("Command1"), PlatformTexts::kResetCaption, this);
    m_next = Button(QStringLiteral("Command2"), Version6Texts::kNextCaption, this);
    m_reset->setToolTip(Version6Texts::kResetTip);
    m_next->setToolTip(Version6Texts::kNextTip);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_reset);
    bottom->addStretch(1);
    bottom->addWidget(m_next);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    // The inputs as typed or picked.
    connect(m_fp, &QComboBox::currentTextChanged, this,
            [this](const QString &fp) { m_run([this, fp] { m_tool.fpChanged(fp); }); });
    connect(m_startLen, &QComboBox::currentTextChanged, this,
            [this](const QString &text) { m_run([this, text] { m_tool.startLenChanged(text); }); });
    connect(m_stopLen, &QComboBox::currentTextChanged, this,
            [this](const QString &text) { m_run([this, text] { m_tool.stopLenChanged(text); }); });
    connect(m_startExt, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_run([this, text] {
            if (m_tool.startExtChanged(text) != text)
                QTimer::singleShot(0, m_startExt, &QLineEdit::selectAll);
        });
    });
    connect(m_handset, &QComboBox::currentTextChanged, this,
            [this](const QString &type) { m_run([this, type] { m_tool.defaultHandsetChanged(type); }); });

    connect(m_add, &QPushButton::clicked, this, [this] { m_run([this] { m_tool.add(); }); });
    connect(m_remove, &QPushButton::clicked, this, [this] { m_run([this] { m_tool.remove(); }); });
    connect(m_reset, &QPushButton::clicked, this, [this] { m_run([this] { m_tool.reset(); }); });
    connect(m_next, &QPushButton::clicked, this, [this] { m_run([this] { m_tool.next(); }); });

    showHandsetTypes();
    showState();
}

void RangePage::showHandsetTypes()
{
    Refill(m_handset, m_tool.handsetTypes(), m_tool.defaultHandset());
}

void RangePage::showState()
{
    const RangeScreen &ranges = m_tool.ranges();
    Refill(m_fp, ranges.fpChoices(), ranges.fp());
    Refill(m_startLen, ranges.circuitChoices(), ranges.startLen());
    Refill(m_stopLen, ranges.circuitChoices(), ranges.stopLen());
    if (m_startExt->text() != ranges.startExt())
        m_startExt->setText(ranges.startExt());
    ShowText(m_handset, m_tool.defaultHandset());
    m_next->setEnabled(m_tool.nextEnabled());
}

bool RangePage::eventFilter(QObject *watched, QEvent *event)
{
    // Start EXT selects its whole text when it gets the focus, however it got it.
    if (watched == m_startExt && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_startExt, &QLineEdit::selectAll);
    return QWidget::eventFilter(watched, event);
}
