#include "assigner/AssignerForm.h"

#include "assigner/AssignerTexts.h"
#include "check/CheckTexts.h"
#include "grid/GridCellEditor.h"
#include "grid/GridTableView.h"
#include "platform/PlatformTexts.h"
#include "platform/QtStatusBar.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit *pathField(const QString &name, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setMinimumWidth(420);
    return field;
}

QLabel *label(const QString &name, const QString &caption, QWidget *parent)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

AssignerForm::AssignerForm(GridTable *input, GridTable *output, GridTable *script, QWidget *parent) : QWidget(parent)
{
    // Files: where the data comes from and where the script goes.
    auto *files = new QGroupBox(AssignerTexts::kFilesGroup, this);
    m_importPath = pathField(QStringLiteral("Text4"), files);
    m_importButton = button(QStringLiteral("Command7"), AssignerTexts::kBrowseCaption, files);
    m_exportPath = pathField(QStringLiteral("Text5"), files);
    m_exportTargetButton = button(QStringLiteral("Command8"), AssignerTexts::kBrowseCaption, files);
    for (QPushButton *dots : {m_importButton, m_exportTargetButton}) {
        dots->setFixedWidth(dots->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 24);
        dots->setToolTip(dots == m_importButton ? AssignerTexts::kImportBrowseTip : AssignerTexts::kExportBrowseTip);
    }
    auto *fileGrid = new QGridLayout;
    fileGrid->addWidget(label(QStringLiteral("Label1"), AssignerTexts::kImportFromCaption, files), 0, 0);
    fileGrid->addWidget(m_importPath, 0, 1);
    fileGrid->addWidget(m_importButton, 0, 2);
    fileGrid->addWidget(label(QStringLiteral("Label2"), AssignerTexts::kExportToCaption, files), 1, 0);
    fileGrid->addWidget(m_exportPath, 1, 1);
    fileGrid->addWidget(m_exportTargetButton, 1, 2);
    fileGrid->setColumnStretch(1, 1);
    m_extrasRow = new QHBoxLayout;
    auto *filesLayout = new QVBoxLayout(files);
    filesLayout->addLayout(fileGrid);
    filesLayout->addLayout(m_extrasRow);
    filesLayout->addStretch(1);

    // Actions, beside the files.
    auto *actionBox = new QGroupBox(AssignerTexts::kActionsGroup, this);
    m_exportButton = button(QStringLiteral("EXPORT"), AssignerTexts::kExportNowCaption, actionBox);
    m_exportButton->setEnabled(false);
    m_resetButton = button(QStringLiteral("Command1"), PlatformTexts::kResetCaption, actionBox);
    m_printButton = button(QStringLiteral("Command13"), PlatformTexts::kPrintCaption, actionBox);
    m_pdfButton = button(QStringLiteral("PrintPdf"), PlatformTexts::kPdfCaption, actionBox);
    m_pdfButton->setToolTip(PlatformTexts::kPdfTip);
    m_helpButton = button(QStringLiteral("Command3"), AssignerTexts::kHelpCaption, actionBox);
    m_checkButton = button(QStringLiteral("CheckButton"), CheckTexts::kCheckCaption, actionBox);
    m_checkButton->setToolTip(CheckTexts::kCheckTip);
    auto *actions = new QGridLayout(actionBox);
    actions->addWidget(m_exportButton, 0, 0, 1, 4);
    actions->addWidget(m_resetButton, 1, 0);
    actions->addWidget(m_printButton, 1, 1);
    actions->addWidget(m_pdfButton, 1, 2);
    actions->addWidget(m_helpButton, 1, 3);
    actions->addWidget(m_checkButton, 2, 0, 1, 4);
    actions->setRowStretch(3, 1);
    const int buttonWidth = m_resetButton->fontMetrics().horizontalAdvance(PlatformTexts::kResetCaption) + 36;
    for (QPushButton *b : {m_resetButton, m_printButton, m_pdfButton, m_helpButton})
        b->setMinimumWidth(buttonWidth);

    auto *top = new QHBoxLayout;
    top->addWidget(files, 1);
    top->addWidget(actionBox);

    // The tables.
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setDocumentMode(false);

    auto *inputPage = new QWidget(m_tabs);
    m_inputView = new GridTableView(input, inputPage);
    m_inputView->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_inputView->setStartsEditing(true);
    m_editor = new GridCellEditor(m_inputView);
    m_updateButton = button(QStringLiteral("Command2"), AssignerTexts::kUpdateInputCaption, inputPage);
    m_updateButton->setVisible(false);
    auto *updateRow = new QHBoxLayout;
    updateRow->addStretch(1);
    updateRow->addWidget(m_updateButton);
    auto *inputLayout = new QVBoxLayout(inputPage);
    inputLayout->addWidget(m_inputView, 1);
    inputLayout->addLayout(updateRow);
    m_tabs->addTab(inputPage, AssignerTexts::kInputTab);

    m_outputView = new GridTableView(output, m_tabs);
    m_outputView->setObjectName(QStringLiteral("MSFlexGrid2"));
    m_tabs->addTab(m_outputView, AssignerTexts::kOutputTab);

    m_scriptView = new GridTableView(script, m_tabs);
    m_scriptView->setObjectName(QStringLiteral("MSFlexGrid3"));
    const int scriptTab = m_tabs->addTab(m_scriptView, AssignerTexts::kScriptTab);
    // The script is the tool's default template; it is not offered to the user.
    m_tabs->setTabEnabled(scriptTab, false);

    QStatusBar *status = NewToolStatusBar(this, m_statusPanel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(status);
}

void AssignerForm::showPath(QLineEdit *field, const QString &path)
{
    field->setText(path);
    field->setToolTip(path);
    field->setCursorPosition(int(path.size()));
}
