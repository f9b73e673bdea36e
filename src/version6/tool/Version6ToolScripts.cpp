// The SCRIPTS tab of the Version 6.0 tool: the template grids' rows, files and
// default scripts.
#include "version6/tool/Version6Tool.h"

#include "platform/PlatformTexts.h"
#include "platform/Prompter.h"
#include "version6/compile/ScriptFiles.h"
#include "version6/tool/Version6Texts.h"

namespace {

bool validTab(int tab)
{
    return tab >= 0 && tab < TemplateSet::kCount;
}

} // namespace

void Version6Tool::addTemplateRow(int tab)
{
    if (!validTab(tab))
        return;
    UndoHistory::Step step(m_history);
    m_hasChanged = true;
    m_templates.grid(tab).addRow();
}

void Version6Tool::removeTemplateRow(int tab)
{
    if (!validTab(tab))
        return;
    UndoHistory::Step step(m_history);
    // The open editor's cell may be the row that goes: it is dropped first.
    if (m_templateEditor.tab() == tab)
        m_templateEditor.discard();
    GridTable &grid = m_templates.grid(tab);
    if (grid.rows() > 1) {
        m_hasChanged = true;
        grid.removeRow(grid.rows() - 1);
    }
}

void Version6Tool::templateEditorKey(EditorKey key, const QString &text)
{
    UndoHistory::Step step(m_history);
    const bool open = m_templateEditor.isOpen();
    m_templateEditor.key(key, text);
    changedIf(open && !m_templateEditor.isOpen());
}

void Version6Tool::importScript(int tab)
{
    m_hasChanged = true;
    const QString path = chooseFile(Version6Texts::kOpenScriptTitle);
    if (!path.isEmpty())
        importScriptFrom(tab, path);
}

bool Version6Tool::importScriptFrom(int tab, const QString &path)
{
    if (!validTab(tab))
        return false;
    m_hasChanged = true;
    const std::optional<QList<QStringList>> records =
        readImport(path, ScriptFiles::ReadText, ScriptFiles::ReadWorkbook);
    if (!records)
        return false;
    UndoHistory::Step step(m_history);
    if (m_templateEditor.tab() == tab)
        m_templateEditor.discard();
    GridTable &grid = m_templates.grid(tab);
    GridTable::Batch batch(grid);
    grid.reset();
    for (const QStringList &record : *records)
        grid.appendRow(record);
    grid.setCurrent(1, 0);
    return true;
}

void Version6Tool::exportScript(int tab)
{
    if (validTab(tab))
        exportScriptLines(m_templates.grid(tab), Version6Export::SheetHeader::Written);
}

bool Version6Tool::exportScriptTo(int tab, const QString &path)
{
    return validTab(tab) && exportScriptLines(m_templates.grid(tab), path, Version6Export::SheetHeader::Written);
}

bool Version6Tool::saveScript(int tab)
{
    if (!validTab(tab))
        return false;
    if (!m_prompter.askYesNo(Version6Texts::kSaveDefaultText, PlatformTexts::kCheckUserAction))
        return false;
    const Outcome saved = m_store.replaceTemplate(ScriptStore::versionSixTemplate(tab),
                                                  ScriptFiles::StoredRecords(m_templates.grid(tab)));
    if (!saved)
        m_prompter.message(Version6Texts::DefaultScriptNotSavedText(saved.reason()), Version6Texts::kUnableToSaveTitle,
                           Prompter::Icon::Critical);
    return saved.ok();
}
