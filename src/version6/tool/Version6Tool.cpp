#include "version6/tool/Version6Tool.h"

#include "check/CheckTexts.h"
#include "files/FileMessages.h"
#include "grid/PrintLines.h"
#include "platform/AppPaths.h"
#include "platform/Printer.h"
#include "platform/Prompter.h"
#include "version6/check/SiteCheck.h"
#include "version6/compile/OutputExport.h"
#include "version6/entry/EntryTexts.h"
#include "version6/entry/HandsetColumns.h"
#include "version6/entry/HandsetFiles.h"
#include "version6/tool/Version6Texts.h"

namespace {

// Fields 6 and 7 of the first "Versionsix" record: the dialog's folder and filter.
constexpr int kFolderField = 6;
constexpr int kFilterField = 7;

} // namespace

Version6Tool::Version6Tool(Prompter &prompter, ScriptStore store)
    : m_prompter(prompter),
      m_store(std::move(store)),
      m_ranges(prompter),
      m_start(prompter)
{
    m_compileProgress.stage = CompileProgress::Stage::Done;
    fillHandsetTypes();
}

Outcome Version6Tool::open()
{
    QStringList reasons;
    if (const Outcome names = m_templates.loadTabNames(AppPaths::tabNamesPath()); !names)
        reasons.append(names.reason());
    const Expected<QStringList> settings = m_store.readSettings(StoreTables::kVersionSixSettings);
    if (settings) {
        m_dialog.folder = settings->value(kFolderField);
        m_dialog.filterIndex = settings->value(kFilterField).toInt();
    }
    // A store that cannot be read fails every table alike: it is named once.
    const Outcome templates = m_templates.loadFromStore(m_store);
    if (!templates)
        reasons.append(Version6Texts::StoreUnreadableReason(m_store.path(), templates.reason()));
    else if (!settings)
        reasons.append(Version6Texts::StoreUnreadableReason(m_store.path(), settings.reason()));
    fpChanged(QStringLiteral("00"));
    fillHandsetTypes();
    if (reasons.isEmpty())
        return Outcome::success();
    const QString text = reasons.join(QStringLiteral("\r\n"));
    m_prompter.message(Version6Texts::SetupUnreadableText(text), Version6Texts::kUnableToReadTitle,
                       Prompter::Icon::Exclamation);
    return Outcome::failure(text);
}

bool Version6Tool::closeRequested()
{
    if (!m_hasChanged)
        return true;
    if (!m_prompter.askYesNo(Version6Texts::kLossText, FileMessages::kLossTitle))
        return true;
    exportData();
    const Outcome saved =
        m_store.writeSettings(StoreTables::kVersionSixSettings,
                              {{kFolderField, m_dialog.folder}, {kFilterField, QString::number(m_dialog.filterIndex)}});
    if (!saved)
        m_prompter.message(Version6Texts::FolderNotRememberedText(saved.reason()), Version6Texts::kUnableToSaveTitle,
                           Prompter::Icon::Exclamation);
    return false;
}

// ---- Range screen ----

RangeScreen::AddResult Version6Tool::add()
{
    UndoHistory::Step step(m_history);
    m_nextEnabled = true;
    m_hasChanged = true;
    return m_ranges.add();
}

void Version6Tool::remove()
{
    UndoHistory::Step step(m_history);
    m_hasChanged = true;
    m_ranges.remove();
}

void Version6Tool::buildHandsets()
{
    m_status = Version6Texts::kCreatingLayoutStatus;
    showProgress(0, int(m_ranges.usedExtensions().size()) - 1);
    m_handsets.build(m_ranges.usedLens(), m_ranges.usedExtensions(), m_defaultHandset,
                     [this](int value, int maximum) { showProgress(value, maximum); });
    hideProgress();
    m_status = EntryTexts::kNavigate;
}

void Version6Tool::next()
{
    if (!m_nextEnabled)
        return;
    m_hasChanged = true;
    buildHandsets();
    m_workAreaVisible = true;
    // The question about the kept edits is asked over the handsets it is about.
    if (m_handsets.advancedChanges() && m_stateListener)
        m_stateListener();
    if (!m_handsets.keepAdvanced(m_prompter, [this](int value, int maximum) { showProgress(value, maximum); }))
        buildHandsets(); // No: built again without them, and nothing is asked
    hideProgress();
    // The handsets are built afresh: no step before this one applies to them.
    m_history.clear();
}

void Version6Tool::back()
{
    if (!m_backEnabled)
        return;
    m_hasChanged = true;
    m_handsets.snapshot();
    m_workAreaVisible = false;
}

void Version6Tool::reset()
{
    UndoHistory::Step step(m_history);
    m_hasChanged = true;
    m_ranges.clear();
    m_handsets.clear();
}

// ---- DATA tab ----

QString Version6Tool::checkCell(int column, const QString &typed)
{
    return CheckRange(m_prompter, column, typed);
}

QString Version6Tool::chooseFile(const QString &title)
{
    return ChooseFileV6(m_dialog, m_prompter, title, AppPaths::scriptsPath(), m_status);
}

void Version6Tool::importData()
{
    m_hasChanged = true;
    const QString path = chooseFile(Version6Texts::kOpenScriptTitle);
    if (!path.isEmpty())
        importDataFrom(path);
}

std::optional<QList<QStringList>> Version6Tool::readImport(const QString &path, TextReader text,
                                                           WorkbookReader workbook)
{
    FileExtOf(m_dialog, path);
    const FileKind kind = KindOfExt(m_dialog.fileExt);
    if (kind == FileKind::Unsupported) {
        m_prompter.message(FileMessages::kBadImportTypeText, FileMessages::kBadImportTypeTitle,
                           Prompter::Icon::Critical);
        return std::nullopt;
    }
    Expected<QList<QStringList>> records = Expected<QList<QStringList>>::failure(QString());
    if (kind == FileKind::Text) {
        BusyPointer busy(m_prompter);
        records = text(path);
    } else {
        // An empty answer (or Cancel) names no sheet and fails like a wrong name.
        const QString sheet =
            m_prompter.input(FileMessages::kSheetPrompt, FileMessages::kSheetTitle, FileMessages::kDefaultSheet)
                .value_or(QString());
        BusyPointer busy(m_prompter);
        records = workbook(path, sheet);
    }
    if (!records) {
        // The grids keep what they held before the import.
        m_prompter.explain(FileMessages::kUnreadableText, FileMessages::kUnreadableTitle, Prompter::Icon::Critical,
                           records.reason());
        return std::nullopt;
    }
    return std::move(*records);
}

bool Version6Tool::importDataFrom(const QString &path)
{
    UndoHistory::Step step(m_history);
    const std::optional<QList<QStringList>> records =
        readImport(path, HandsetFiles::ReadText, HandsetFiles::ReadWorkbook);
    // Once a file was tried the handsets no longer follow from the ranges: the
    // range screen is closed.
    if (KindOfExt(m_dialog.fileExt) != FileKind::Unsupported)
        m_backEnabled = false;
    if (!records)
        return false;
    if (records->isEmpty() && KindOfExt(m_dialog.fileExt) == FileKind::Text) {
        // An empty text file holds no site: it never replaces the one in the grid.
        m_prompter.message(FileMessages::kUnreadableText, FileMessages::kUnreadableTitle, Prompter::Icon::Critical);
        return false;
    }
    m_hasChanged = true;
    m_handsets.replaceRows(*records);
    return true;
}

void Version6Tool::exportData()
{
    const QString path = chooseFile(FileMessages::kExportGridTitle);
    if (!path.isEmpty())
        exportDataTo(path);
}

bool Version6Tool::exportDataTo(const QString &path)
{
    FileExtOf(m_dialog, path);
    const FileKind kind = KindOfExt(m_dialog.fileExt, false, FileUse::Write);
    Outcome written = Outcome::failure(QString());
    if (kind != FileKind::Unsupported) {
        BusyPointer busy(m_prompter);
        written = HandsetFiles::Write(m_handsets.grid(), path, m_dialog.fileExt);
    }
    const CodePageLoss loss =
        kind == FileKind::Text ? CodePageLoss::find(m_handsets.grid(), HandsetFiles::kFields) : CodePageLoss{};
    Version6Export::ReportExport(m_prompter, kind, path, written, loss);
    return kind != FileKind::Unsupported && written.ok();
}

bool Version6Tool::print(Printer &printer)
{
    return PrintLines::Print(printer, m_prompter, PrintLines::GridLines(m_handsets.grid()), false, dialogFolder());
}

bool Version6Tool::savePdf(Printer &printer)
{
    return PrintLines::SavePdf(printer, m_prompter, PrintLines::GridLines(m_handsets.grid()), false, dialogFolder());
}

void Version6Tool::preview(Printer &printer)
{
    printer.preview(PrintLines::List(PrintLines::GridLines(m_handsets.grid())));
}

bool Version6Tool::writePdf(Printer &printer, const QString &path)
{
    return PrintLines::WritePdfTo(printer, m_prompter, path, PrintLines::GridLines(m_handsets.grid()), false);
}

QString Version6Tool::dialogFolder() const
{
    // As the window's file dialogs: the Scripts folder until a file was chosen.
    return m_dialog.folderChosen ? m_dialog.folder : AppPaths::scriptsPath();
}

void Version6Tool::textEditorKey(EditorKey key, const QString &text)
{
    UndoHistory::Step step(m_history);
    const bool open = m_editor.openEditor() == HandsetEditor::Kind::Text;
    m_editor.textKey(key, text);
    changedIf(open && m_editor.openEditor() == HandsetEditor::Kind::None);
}

void Version6Tool::typeEditorKey(EditorKey key, const QString &text)
{
    UndoHistory::Step step(m_history);
    const bool open = m_editor.openEditor() == HandsetEditor::Kind::Type;
    m_editor.typeKey(key, text);
    changedIf(open && m_editor.openEditor() == HandsetEditor::Kind::None);
}

void Version6Tool::repeat()
{
    UndoHistory::Step step(m_history);
    m_hasChanged = true;
    m_editor.repeat();
}

void Version6Tool::applyToColumn()
{
    UndoHistory::Step step(m_history);
    m_hasChanged = true;
    m_editor.applyToColumn([this](int row, int maximum) { showProgress(row, maximum); });
    hideProgress();
}

// ---- SCRIPTS tab ----

void Version6Tool::renameTab(int tab)
{
    if (tab < 0 || tab >= TemplateSet::kCount)
        return;
    const std::optional<QString> answer =
        m_prompter.input(Version6Texts::kRenameTabPrompt, Version6Texts::kRenameTabTitle, m_templates.caption(tab));
    if (!answer || answer->isEmpty())
        return;
    m_hasChanged = true;
    m_templates.setCaption(tab, *answer);
    if (const Outcome saved = m_templates.saveTabNames(AppPaths::tabNamesPath()); !saved)
        m_prompter.message(Version6Texts::TabNamesNotSavedText(saved.reason()), Version6Texts::kUnableToSaveTitle,
                           Prompter::Icon::Critical);
    fillHandsetTypes();
}

void Version6Tool::fillHandsetTypes()
{
    m_handsetTypes = m_templates.handsetTypes();
    m_defaultHandset = m_handsetTypes.value(0);
    m_editor.setTypeText(m_handsetTypes.value(0));
}

// ---- OUTPUT tab ----

void Version6Tool::mainTabChosen(const QString &caption)
{
    if (caption == Version6Texts::kOutputTab && m_outputs.grid(OutputGrids::HandsetData).rows() < 3)
        compile();
}

CompileResult Version6Tool::recompile()
{
    if (compiling())
        return {};
    m_outputs.clear();
    return compile();
}

CompileResult Version6Tool::compile(const CompileOptions &options)
{
    if (compiling())
        return {};
    return compiled(CompileOutput(m_handsets.grid(), m_templates, m_start, m_outputs, m_prompter, options,
                                  compileProgressListener()),
                    options);
}

CompileResult Version6Tool::compileInto(CompileLines &lines, const CompileOptions &options)
{
    if (compiling())
        return {};
    return compiled(
        CompileOutput(m_handsets.grid(), m_templates, m_start, lines, m_prompter, options, compileProgressListener()),
        options);
}

CompileProgressFn Version6Tool::compileProgressListener()
{
    return [this](const CompileProgress &progress) {
        m_compileProgress = progress;
        m_status = progress.status();
        m_progress = {progress.visible(), progress.total, progress.totalMaximum};
        notify();
    };
}

CompileResult Version6Tool::compiled(const CompileResult &result, const CompileOptions &options)
{
    if (result.started && options.checkSite) {
        const int errors = CheckSite(m_handsets.grid(), m_templates, result.startBlock).errors();
        if (errors > 0) {
            m_status = CheckTexts::SiteErrorsStatus(errors);
            notify();
        }
    }
    return result;
}

CheckReport Version6Tool::check() const
{
    return CheckSite(m_handsets.grid(), m_templates, m_start.text());
}

void Version6Tool::exportOutput(int index)
{
    if (index >= 0 && index < OutputGrids::Count)
        exportScriptLines(m_outputs.grid(index));
}

void Version6Tool::exportScriptLines(const GridTable &grid, Version6Export::SheetHeader header)
{
    const QString path = chooseFile(FileMessages::kExportLocationTitle);
    if (!path.isEmpty())
        exportScriptLines(grid, path, header);
}

bool Version6Tool::exportOutputTo(int index, const QString &path)
{
    if (index < 0 || index >= OutputGrids::Count)
        return false;
    return exportScriptLines(m_outputs.grid(index), path);
}

bool Version6Tool::exportScriptLines(const GridTable &grid, const QString &path, Version6Export::SheetHeader header)
{
    FileExtOf(m_dialog, path);
    const FileKind kind = KindOfExt(m_dialog.fileExt, false, FileUse::Write);
    Outcome written = Outcome::failure(QString());
    if (kind != FileKind::Unsupported) {
        BusyPointer busy(m_prompter);
        showProgress(0, grid.rows() - 1);
        written = Version6Export::WriteOutputGrid(
            grid, path, m_dialog.fileExt, [this, &grid](int row) { showProgress(row, grid.rows() - 1); }, header);
    }
    hideProgress();
    Version6Export::ReportExport(m_prompter, kind, path, written,
                                 Version6Export::OutputGridLoss(grid, m_dialog.fileExt));
    return kind != FileKind::Unsupported && written.ok();
}

// ---- Progress ----

void Version6Tool::showProgress(int value, int maximum)
{
    m_progress = {true, value, maximum};
    notify();
}

void Version6Tool::hideProgress()
{
    m_progress.visible = false;
    notify();
}
