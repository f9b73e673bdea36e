#include "assigner/AssignerTool.h"

#include "files/AtomicFile.h"
#include "files/FileMessages.h"
#include "files/GridFiles.h"
#include "grid/ClipboardTable.h"
#include "grid/PrintLines.h"
#include "platform/Printer.h"
#include "platform/Prompter.h"
#include "store/ToolStore.h"

AssignerTool::AssignerTool(Prompter &prompter, Printer &printer, ScriptStore store, const QString &inputFormat,
                           const QString &outputFormat, StoreNames storeNames)
    : m_prompter(prompter),
      m_printer(printer),
      m_store(std::move(store)),
      m_storeNames(std::move(storeNames)),
      m_input(inputFormat),
      m_output(outputFormat),
      m_script(kScriptFormat)
{
}

Outcome AssignerTool::load()
{
    const Outcome loaded = ToolStore::LoadTemplateGrid(m_store, m_storeNames.script, m_script,
                                                       m_storeNames.nullWordColumns, m_storeNames.emptyCellMarker);
    ToolStore::LoadDialogSettings(m_store, m_storeNames.settings, m_dialog);
    return loaded;
}

void AssignerTool::notify() const
{
    if (m_listener)
        m_listener();
}

QString AssignerTool::chooseFile(const QString &title)
{
    m_statusPrompt.clear();
    notify();
    const QString path = ChooseFile(m_dialog, m_prompter, title, m_statusPrompt);
    notify();
    return path;
}

AssignerTool::ImportResult AssignerTool::chooseImport()
{
    m_hasChanged = true;
    const QString path = chooseFile(AssignerTexts::kImportDialogTitle);
    if (path.isEmpty())
        return ImportResult::Cancelled;
    return importFrom(path);
}

AssignerTool::ImportResult AssignerTool::importFrom(const QString &path)
{
    UndoHistory::Step step(history());
    FileExtOf(m_dialog, path);
    const GridFiles::Import import =
        GridFiles::ReadRecords(m_prompter, path, m_dialog.fileExt, importFields(),
                               [this](const QList<QStringList> &complete) { return takesCutShortFile(complete); });
    switch (import.status) {
    case GridFiles::Import::Status::Read:
        // Only a file whose records went into the grids becomes the source that
        // "UPDATE INPUT DATA" writes back: a file that failed or was refused must
        // never be overwritten.
        if (appendImported(import.records) > 0 || import.records.isEmpty())
            m_importPath = path;
        return ImportResult::Imported;
    case GridFiles::Import::Status::Cancelled:
        return ImportResult::Cancelled;
    case GridFiles::Import::Status::Failed:
        break;
    }
    return ImportResult::Failed;
}

void AssignerTool::chooseExportTarget()
{
    m_hasChanged = true;
    const QString path = chooseFile(AssignerTexts::kExportDialogTitle);
    if (!path.isEmpty())
        setExportTarget(path);
}

void AssignerTool::setExportTarget(const QString &path)
{
    m_exportPath = path;
    m_exportEnabled = true;
}

bool AssignerTool::writeExport(int textColumns, const WorkbookLayout &workbook, bool withNes)
{
    FileExtOf(m_dialog, m_exportPath);
    switch (
        GridFiles::WriteGrid(m_prompter, m_output, m_exportPath, m_dialog.fileExt, textColumns, workbook, withNes)) {
    case GridFiles::Written::Text:
        m_prompter.message(FileMessages::kExportedText, FileMessages::kInformationTitle, Prompter::Icon::Information);
        return true;
    case GridFiles::Written::Workbook:
        // "Exported to" names a file the user can open: confirm it is there.
        if (!IsFileThere(m_exportPath)) {
            m_prompter.message(FileMessages::WrittenButUnreadableText(m_exportPath), FileMessages::kWriteFailedTitle,
                               Prompter::Icon::Exclamation);
            break;
        }
        m_prompter.message(FileMessages::kExportedToText + m_exportPath);
        return true;
    case GridFiles::Written::Nothing:
        break;
    }
    // Nothing was exported, so the changes are still unexported.
    m_hasChanged = true;
    return false;
}

AssignerTool::WriteBack AssignerTool::writeInputBack(int textColumns, const WorkbookLayout &workbook)
{
    if (m_importPath.isEmpty()) {
        const QString path = chooseFile(AssignerTexts::kExportDialogTitle);
        if (path.isEmpty())
            return WriteBack::Cancelled;
        m_importPath = path;
    }
    FileExtOf(m_dialog, m_importPath);
    switch (GridFiles::WriteGrid(m_prompter, m_input, m_importPath, m_dialog.fileExt, textColumns, workbook)) {
    case GridFiles::Written::Text:
        m_updateButtonVisible = false;
        return WriteBack::Text;
    case GridFiles::Written::Workbook:
        m_updateButtonVisible = false;
        return WriteBack::Workbook;
    case GridFiles::Written::Nothing:
        break;
    }
    return WriteBack::Nothing;
}

void AssignerTool::reset()
{
    UndoHistory::Step step(history());
    m_input.reset();
    m_output.reset();
}

bool AssignerTool::print()
{
    return PrintLines::Print(m_printer, m_prompter, PrintLines::InputAndOutputLines(m_input, m_output), printsBold(),
                             m_dialog.folder);
}

bool AssignerTool::savePdf()
{
    return PrintLines::SavePdf(m_printer, m_prompter, PrintLines::InputAndOutputLines(m_input, m_output), printsBold(),
                               m_dialog.folder);
}

void AssignerTool::preview()
{
    m_printer.preview(PrintLines::List(PrintLines::InputAndOutputLines(m_input, m_output), printsBold()));
}

bool AssignerTool::writePdf(const QString &path)
{
    return PrintLines::WritePdfTo(m_printer, m_prompter, path, PrintLines::InputAndOutputLines(m_input, m_output),
                                  printsBold());
}

void AssignerTool::close()
{
    if (m_hasChanged && m_prompter.askYesNo(AssignerTexts::kLossText, FileMessages::kLossTitle)) {
        exportNow();
        updateInput();
    }
    // The settings are a convenience: a store that cannot be written loses nothing.
    ToolStore::SaveDialogSettings(m_store, m_storeNames.settings, m_dialog);
}

EditorStart AssignerTool::startEdit(char32_t keyCode)
{
    m_statusPrompt = AssignerTexts::kManualPrompt;
    m_updateButtonVisible = true;
    m_hasChanged = true;
    return m_editor.open(keyCode);
}

void AssignerTool::editorKey(EditorKey key, const QString &text)
{
    UndoHistory::Step step(history());
    if (!commitEdit(text))
        return;
    if (m_editor.move(key) == EditorMove::AppendRow)
        appendRowForEditor();
}

// --- Blocks and undo ----------------------------------------------------------

namespace {
// Beyond this many cells the views hear of a block once, as a reset.
constexpr qsizetype kBatchAbove = 64;
} // namespace

UndoHistory &AssignerTool::history()
{
    if (!m_history)
        m_history = std::make_unique<UndoHistory>(std::vector<GridTable *>{&m_input, &m_output}, undoState());
    return *m_history;
}

void AssignerTool::markEdited()
{
    m_statusPrompt = AssignerTexts::kManualPrompt;
    m_updateButtonVisible = true;
    m_hasChanged = true;
}

void AssignerTool::paste(const CellBlock &target, const QString &text)
{
    const QList<QStringList> rows = ClipboardTable::Parse(text);
    const int last = ClipboardTable::LastRow(rows, target);
    if (last < 1 || target.top < 1 || target.left < 0 || target.left >= m_input.cols())
        return;
    UndoHistory::Step step(history());
    {
        std::optional<GridTable::Batch> inputBatch, outputBatch;
        if (qsizetype(last - target.top + 1) * m_input.cols() > kBatchAbove) {
            inputBatch.emplace(m_input);
            outputBatch.emplace(m_output);
        }
        beginBlockCommit();
        growInput(last + 1);
        ClipboardTable::Place(rows, target, m_input.cols(),
                              [this](int row, int col, const QString &cell) { commitCell(row, col, cell); });
        keepSpareRow();
        endBlockCommit();
    }
    markEdited();
}

void AssignerTool::pasteInEditor(const QString &editorText, const QString &clipboard)
{
    UndoHistory::Step step(history());
    const int row = m_editor.editRow();
    const int col = m_editor.editCol();
    if (!commitEdit(editorText))
        return;
    paste(CellBlock::Cell(row, col), clipboard);
    m_input.setCurrent(row, col);
}

void AssignerTool::clearBlock(const CellBlock &block)
{
    UndoHistory::Step step(history());
    bool cleared = false;
    {
        std::optional<GridTable::Batch> inputBatch, outputBatch;
        if (qsizetype(block.rowCount()) * block.colCount() > kBatchAbove) {
            inputBatch.emplace(m_input);
            outputBatch.emplace(m_output);
        }
        beginBlockCommit();
        for (int r = std::max(block.top, 1); r <= block.bottom && r < m_input.rows(); ++r)
            for (int c = std::max(block.left, 0); c <= block.right && c < m_input.cols(); ++c)
                if (!m_input.textAt(r, c).isEmpty()) {
                    commitCell(r, c, QString());
                    cleared = true;
                }
        endBlockCommit();
    }
    if (cleared)
        markEdited();
}

bool AssignerTool::undo()
{
    if (m_editor.isOpen() || !history().undo())
        return false;
    markEdited();
    return true;
}

bool AssignerTool::redo()
{
    if (m_editor.isOpen() || !history().redo())
        return false;
    markEdited();
    return true;
}
