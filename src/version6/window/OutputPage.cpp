#include "version6/window/OutputPage.h"

#include "check/CheckTexts.h"
#include "grid/GridTableView.h"
#include "version6/compile/CompileTexts.h"
#include "version6/tool/Version6Texts.h"
#include "version6/tool/Version6Tool.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Version6Form;

OutputPage::OutputPage(Version6Tool &tool, RunAction run, QWidget *parent)
    : QWidget(parent),
      m_tool(tool),
      m_run(std::move(run))
{
    m_start = new QLineEdit(this);
    m_start->setObjectName(QStringLiteral("Text5"));
    m_start->setFixedWidth(m_start->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    m_start->setToolTip(Version6Texts::kStartBlockTip);
    auto *startRow = new QHBoxLayout;
    startRow->addWidget(Label(Version6Texts::kStartBlockCaption, m_start, this));
    startRow->addWidget(m_start);
    startRow->addStretch(1);
    // Beside the start block: the check counts the speed-dial blocks from it.
    m_check = Button(QStringLiteral("CheckButton"), CheckTexts::kCheckCaption, this);
    m_check->setToolTip(CheckTexts::kCheckTip);
    startRow->addWidget(m_check);
    connect(m_check, &QPushButton::clicked, this, &OutputPage::checkRequested);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab3"));
    for (int i = 0; i < OutputGrids::Count; ++i) {
        auto *page = new QWidget(m_tabs);
        auto *view = new GridTableView(&tool.outputs().grid(i), page);
        view->setObjectName(QStringLiteral("MSFlexGrid4(%1)").arg(i));
        WidenEngineersText(view);
        view->useBlockMenu();
        QPushButton *exportThis =
            Button(QStringLiteral("Command8(%1)").arg(i), Version6Texts::kExportThisCaption, page);
        QPushButton *recompile = Button(QStringLiteral("Command9(%1)").arg(i), Version6Texts::kRecompileCaption, page);
        exportThis->setToolTip(Version6Texts::kExportThisTip);
        recompile->setToolTip(Version6Texts::kRecompileTip);
        auto *buttons = new QHBoxLayout;
        buttons->addStretch(1);
        buttons->addWidget(recompile);
        buttons->addWidget(exportThis);
        auto *layout = new QVBoxLayout(page);
        layout->addWidget(view, 1);
        layout->addLayout(buttons);
        m_tabs->addTab(page, CompileTexts::kOutputCaptions[i]);
        m_grids[size_t(i)] = view;
        m_exports[size_t(i)] = exportThis;
        m_recompiles[size_t(i)] = recompile;
        connect(exportThis, &QPushButton::clicked, this, [this, i] { m_run([this, i] { m_tool.exportOutput(i); }); });
        connect(recompile, &QPushButton::clicked, this, [this] { m_run([this] { m_tool.recompile(); }); });
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 8, 4, 4);
    layout->addLayout(startRow);
    layout->addWidget(m_tabs, 1);

    // Typing runs the capacity check; the compiler's own changes are shown, not checked again.
    connect(m_start, &QLineEdit::textEdited, this,
            [this](const QString &text) { m_run([this, text] { m_tool.startBlockChanged(text); }); });
    showState();
}

void OutputPage::showState()
{
    if (m_start->text() != m_tool.startBlock().text())
        m_start->setText(m_tool.startBlock().text());
}
