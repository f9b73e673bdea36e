#include "nameassign/NameAssigner.h"

#include "files/FileMessages.h"
#include "files/GridFiles.h"
#include "grid/PrintLines.h"
#include "nameassign/NameRows.h"
#include "platform/Prompter.h"
#include "store/ToolStore.h"

namespace {
// Records of a Name Assigner file: extension and name.
constexpr int kImportFields = 2;
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
    : m_prompter(prompter),
      m_printer(printer),
      m_store(std::move(store)),
      m_input(NameRows::kInputFormat),
      m_output(NameRows::kOutputFormat),
      m_script(NameRows::kScriptFormat)
{
}

Outcome NameAssigner::load()
{
    const Outcome loaded =
        ToolStore::LoadTemplateGrid(m_store, StoreTables::kNameAssign, m_script, {kTemplateBlankColumn});
    ToolStore::LoadDialogSettings(m_store, StoreTables::kNameSettings, m_dialog);
    return loaded;
}

void NameAssigner::notify() const
{
    if (m_listener)
        m_listener();
}

QString NameAssigner::chooseFile(const QString &title)
{
    m_statusPrompt.clear();
    notify();
    const QString path = ChooseFile(m_dialog, m_prompter, title, m_statusPrompt);
    notify();
    return path;
}

NameAssigner::ImportResult NameAssigner::chooseImport()
{
    m_hasChanged = true;
    const QString path = chooseFile(kImportDialogTitle);
    if (path.isEmpty())
        return ImportResult::Cancelled;
    return importFrom(path);
}

NameAssigner::ImportResult NameAssigner::importFrom(const QString &path)
{
    FileExtOf(m_dialog, path);
    const GridFiles::Import import = GridFiles::ReadRecords(m_prompter, path, m_dialog.fileExt, kImportFields);
    switch (import.status) {
    case GridFiles::Import::Status::Read:
        // Only a file that was read becomes the source that "UPDATE INPUT DATA"
        // writes back: a file that failed to import must never be overwritten.
        m_importPath = path;
        appendRecords(import.records);
        return ImportResult::Imported;
    case GridFiles::Import::Status::Cancelled:
        return ImportResult::Cancelled;
    case GridFiles::Import::Status::Failed:
        break;
    }
    return ImportResult::Failed;
}

void NameAssigner::appendRecords(const QList<QStringList> &records)
{
    // Records go after the rows already there: a spare row the user typed into is
    // kept, not overwritten.
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
}

void NameAssigner::appendEmptyRows()
{
    m_input.addRow();
    m_output.addRow();
}

void NameAssigner::chooseExportTarget()
{
    m_hasChanged = true;
    const QString path = chooseFile(kExportDialogTitle);
    if (!path.isEmpty())
        setExportTarget(path);
}

void NameAssigner::setExportTarget(const QString &path)
{
    m_exportPath = path;
    m_exportEnabled = true;
}

bool NameAssigner::exportNow()
{
    m_hasChanged = false;
    if (m_exportPath.isEmpty()) {
        const QString path = chooseFile(kExportDialogTitle);
        if (path.isEmpty()) {
            m_hasChanged = true;
            return false;
        }
        m_exportPath = path;
    }
    FileExtOf(m_dialog, m_exportPath);
    switch (GridFiles::WriteGrid(m_prompter, m_output, m_exportPath, m_dialog.fileExt, kExportTextColumns,
                                 kExportWorkbook)) {
    case GridFiles::Written::Text:
        m_prompter.message(FileMessages::kExportedText, FileMessages::kInformationTitle, Prompter::Icon::Information);
        return true;
    case GridFiles::Written::Workbook:
        m_prompter.message(FileMessages::kExportedToText + m_exportPath);
        return true;
    case GridFiles::Written::Nothing:
        break;
    }
    // Nothing was exported, so the changes are still unexported.
    m_hasChanged = true;
    return false;
}

bool NameAssigner::updateInput()
{
    if (m_importPath.isEmpty()) {
        const QString path = chooseFile(kExportDialogTitle);
        if (path.isEmpty())
            return false;
        m_importPath = path;
    }
    FileExtOf(m_dialog, m_importPath);
    m_updateMenuEnabled = false;
    switch (GridFiles::WriteGrid(m_prompter, m_input, m_importPath, m_dialog.fileExt, kUpdateTextColumns,
                                 kUpdateWorkbook)) {
    case GridFiles::Written::Text:
        m_updateButtonVisible = false;
        m_prompter.message(FileMessages::kUpdatedText, FileMessages::kInformationTitle, Prompter::Icon::Information);
        return true;
    case GridFiles::Written::Workbook:
        m_updateButtonVisible = false;
        return true;
    case GridFiles::Written::Nothing:
        break;
    }
    // The source file still lacks the edits: both ways to write it stay open.
    m_updateMenuEnabled = true;
    return false;
}

void NameAssigner::reset()
{
    m_input.reset();
    m_output.reset();
}

bool NameAssigner::print()
{
    return PrintLines::Print(m_printer, m_prompter, PrintLines::InputAndOutputLines(m_input, m_output));
}

void NameAssigner::addRow()
{
    appendEmptyRows();
    m_updateButtonVisible = true;
    m_updateMenuEnabled = true;
}

void NameAssigner::removeRow()
{
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

void NameAssigner::close()
{
    if (m_hasChanged && m_prompter.askYesNo(kLossText, kLossTitle)) {
        exportNow();
        updateInput();
    }
    // The settings are a convenience: a store that cannot be written loses nothing.
    ToolStore::SaveDialogSettings(m_store, StoreTables::kNameSettings, m_dialog);
}

EditorStart NameAssigner::startEdit(char32_t keyCode)
{
    m_statusPrompt = kManualPrompt;
    m_updateButtonVisible = true;
    m_hasChanged = true;
    return m_editor.open(keyCode);
}

bool NameAssigner::commitEdit(const QString &text)
{
    if (!m_editor.close())
        return false;
    const int row = m_editor.editRow();
    const int col = m_editor.editCol();
    if (m_input.contains(row, col)) {
        m_input.setTextAt(row, col, text);
        NameRows::UpdateOutputAfterEdit(m_output, row, col, text);
    }
    m_updateButtonVisible = true;
    m_updateMenuEnabled = true;
    return true;
}

void NameAssigner::editorKey(EditorKey key, const QString &text)
{
    if (!commitEdit(text))
        return;
    if (m_editor.move(key) == EditorMove::AppendRow)
        appendEmptyRows();
}
