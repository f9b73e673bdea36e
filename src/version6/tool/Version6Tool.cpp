#include "version6/tool/Version6Tool.h"

#include "files/FileMessages.h"
#include "grid/PrintLines.h"
#include "platform/AppPaths.h"
#include "platform/Printer.h"
#include "platform/Prompter.h"
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

void Version6Tool::open()
{
    m_templates.loadTabNames(AppPaths::tabNamesPath());
    if (const Expected<QStringList> settings = m_store.readSettings(StoreTables::kVersionSixSettings)) {
        m_dialog.folder = settings->value(kFolderField);
        m_dialog.filterIndex = settings->value(kFilterField).toInt();
    }
    m_templates.loadFromStore(m_store);
    fpChanged(QStringLiteral("00"));
    fillHandsetTypes();
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
    m_nextEnabled = true;
    return m_ranges.add();
}

void Version6Tool::next()
{
    if (!m_nextEnabled)
        return;
    m_status = Version6Texts::kCreatingLayoutStatus;
    showProgress(0, int(m_ranges.usedExtensions().size()) - 1);
    m_handsets.build(m_ranges.usedLens(), m_ranges.usedExtensions(), m_defaultHandset, m_prompter,
                     [this](int value, int maximum) { showProgress(value, maximum); });
    hideProgress();
    m_status = EntryTexts::kNavigate;
    m_workAreaVisible = true;
    notify();
}

void Version6Tool::back()
{
    if (!m_backEnabled)
        return;
    m_handsets.snapshot();
    m_workAreaVisible = false;
}

void Version6Tool::reset()
{
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
        m_prompter.message(FileMessages::kUnreadableText, FileMessages::kUnreadableTitle, Prompter::Icon::Critical);
        return std::nullopt;
    }
    return std::move(*records);
}

bool Version6Tool::importDataFrom(const QString &path)
{
    const std::optional<QList<QStringList>> records =
        readImport(path, HandsetFiles::ReadText, HandsetFiles::ReadWorkbook);
    // Once a file was tried the handsets no longer follow from the ranges: the
    // range screen is closed.
    if (KindOfExt(m_dialog.fileExt) != FileKind::Unsupported)
        m_backEnabled = false;
    if (!records)
        return false;
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
    Version6Export::ReportExport(m_prompter, kind, path, written);
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

void Version6Tool::applyToColumn()
{
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
    const CompileResult result =
        CompileOutput(m_handsets.grid(), m_templates, m_start, m_outputs, m_prompter, options,
                      [this](const CompileProgress &progress) {
                          m_compileProgress = progress;
                          m_status = progress.status();
                          m_progress = {progress.visible(), progress.total, progress.totalMaximum};
                          notify();
                      });
    return result;
}

void Version6Tool::exportOutput(int index)
{
    if (index >= 0 && index < OutputGrids::Count)
        exportScriptLines(m_outputs.grid(index));
}

void Version6Tool::exportScriptLines(const GridTable &grid)
{
    const QString path = chooseFile(FileMessages::kExportLocationTitle);
    if (!path.isEmpty())
        exportScriptLines(grid, path);
}

bool Version6Tool::exportOutputTo(int index, const QString &path)
{
    if (index < 0 || index >= OutputGrids::Count)
        return false;
    return exportScriptLines(m_outputs.grid(index), path);
}

bool Version6Tool::exportScriptLines(const GridTable &grid, const QString &path)
{
    FileExtOf(m_dialog, path);
    const FileKind kind = KindOfExt(m_dialog.fileExt, false, FileUse::Write);
    Outcome written = Outcome::failure(QString());
    if (kind != FileKind::Unsupported) {
        BusyPointer busy(m_prompter);
        showProgress(0, grid.rows() - 1);
        written = Version6Export::WriteOutputGrid(grid, path, m_dialog.fileExt,
                                                  [this, &grid](int row) { showProgress(row, grid.rows() - 1); });
    }
    hideProgress();
    Version6Export::ReportExport(m_prompter, kind, path, written);
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
