#include "nameassign/NameAssigner.h"

#include "check/ListCheck.h"
#include "files/FileMessages.h"
#include "nameassign/NameRows.h"
#include "platform/Prompter.h"

namespace {
// Text exports write command, extension, hex name, blank and text, workbooks all
// six columns under the header row. Text updates write extension and name,
// workbooks all three columns under the header row.
constexpr int kExportTextColumns = 5;
constexpr int kUpdateTextColumns = 2;
const WorkbookLayout kExportWorkbook{0, -1, 6, {}};
const WorkbookLayout kUpdateWorkbook{0, -1, 3, {}};
// The "NULL" word stands for an empty BLANK in the template.
constexpr int kTemplateBlankColumn = 3;
} // namespace

NameAssigner::NameAssigner(Prompter &prompter, Printer &printer, ScriptStore store)
    : AssignerTool(prompter, printer, std::move(store), NameRows::kInputFormat, NameRows::kOutputFormat,
                   {StoreTables::kNameAssign, {kTemplateBlankColumn}, StoreTables::kNameSettings})
{
}

int NameAssigner::appendImported(const QList<QStringList> &records)
{
    // Records go after the rows already there: a spare row the user typed into is
    // kept, not overwritten.
    m_input.logWholeForBulkChange();
    m_output.logWholeForBulkChange();
    if (!m_input.isRowEmpty(m_input.rows() - 1))
        appendEmptyRows();
    GridTable::Batch inputBatch(m_input);
    GridTable::Batch outputBatch(m_output);
    for (const QStringList &record : records) {
        const QString extension = record.value(0);
        const QString name = record.value(1);
        m_input.appendRow({extension, name});
        m_output.appendRow(NameRows::ImportedOutputRow(extension, name));
    }
    return int(records.size());
}

void NameAssigner::appendEmptyRows()
{
    m_input.addRow();
    m_output.addRow();
}

CheckReport NameAssigner::check() const
{
    return ListCheck::CheckNames(m_input);
}

bool NameAssigner::exportNow()
{
    m_hasChanged = false;
    if (m_exportPath.isEmpty()) {
        const QString path = chooseFile(AssignerTexts::kExportDialogTitle);
        if (path.isEmpty()) {
            m_hasChanged = true;
            return false;
        }
        m_exportPath = path;
    }
    return writeExport(kExportTextColumns, kExportWorkbook, true);
}

bool NameAssigner::updateInput()
{
    switch (writeInputBack(kUpdateTextColumns, kUpdateWorkbook)) {
    case WriteBack::Cancelled:
        return false;
    case WriteBack::Text:
        m_updateMenuEnabled = false;
        m_prompter.message(FileMessages::kUpdatedText, FileMessages::kInformationTitle, Prompter::Icon::Information);
        return true;
    case WriteBack::Workbook:
        m_updateMenuEnabled = false;
        return true;
    case WriteBack::Nothing:
        break;
    }
    // The source file still lacks the edits: both ways to write it stay open.
    m_updateMenuEnabled = true;
    return false;
}

void NameAssigner::addRow()
{
    UndoHistory::Step step(history());
    appendEmptyRows();
    m_updateButtonVisible = true;
    m_updateMenuEnabled = true;
}

void NameAssigner::removeRow()
{
    UndoHistory::Step step(history());
    const int row = m_input.row();
    if (row < 1 || row >= m_input.rows())
        return;
    m_output.removeRow(row);
    m_input.removeRow(row);
    // The grids always end with an empty spare row: removing it, or the row before
    // it when it held text, gives a new one.
    if (m_input.rows() < 2 || !m_input.isRowEmpty(m_input.rows() - 1))
        appendEmptyRows();
}

bool NameAssigner::commitEdit(const QString &text)
{
    UndoHistory::Step step(history());
    if (!m_editor.close())
        return false;
    commitCell(m_editor.editRow(), m_editor.editCol(), text);
    m_updateButtonVisible = true;
    m_updateMenuEnabled = true;
    return true;
}

void NameAssigner::commitCell(int row, int col, const QString &text)
{
    if (!m_input.contains(row, col))
        return;
    m_input.setTextAt(row, col, text);
    NameRows::UpdateOutputAfterEdit(m_output, row, col, text);
}

void NameAssigner::growInput(int rows)
{
    // Row i of the output belongs to row i of the input: both grow together.
    if (m_input.rows() < rows)
        m_input.setRows(rows);
    if (m_output.rows() < m_input.rows())
        m_output.setRows(m_input.rows());
}

void NameAssigner::keepSpareRow()
{
    if (!m_input.isRowEmpty(m_input.rows() - 1))
        appendEmptyRows();
}

void NameAssigner::markEdited()
{
    AssignerTool::markEdited();
    m_updateMenuEnabled = true;
}
