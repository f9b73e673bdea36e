#include "version6/entry/HandsetSheet.h"

#include "platform/PlatformTexts.h"
#include "platform/Prompter.h"
#include "version6/entry/EntryTexts.h"
#include "version6/entry/HandsetColumns.h"

#include <QHash>

HandsetSheet::HandsetSheet() : m_grid(HandsetColumns::kHeader), m_advanced(HandsetColumns::kHeader) {}

void HandsetSheet::fill(const QStringList &lens, const QStringList &extensions, const QString &handsetType,
                        const std::function<void(int, int)> &progress)
{
    GridTable::Batch batch(m_grid);
    // A build without ranges leaves no stale handset in row 1.
    m_grid.reset();
    const int maximum = int(extensions.size()) - 1;
    for (qsizetype i = 0; i < extensions.size(); ++i) {
        m_grid.appendRow(HandsetColumns::NewRow(lens.value(i), extensions[i], handsetType));
        if (progress)
            progress(int(i), maximum);
    }
    m_grid.setCurrent(m_grid.rows() - 1, 0);
}

void HandsetSheet::build(const QStringList &lens, const QStringList &extensions, const QString &handsetType,
                         const std::function<void(int, int)> &progress)
{
    if (!m_advancedChanges)
        m_advanced.clearTexts();
    m_advanced.setRow(1);
    fill(lens, extensions, handsetType, progress);
}

bool HandsetSheet::keepAdvanced(Prompter &prompter, const std::function<void(int, int)> &progress)
{
    if (!m_advancedChanges)
        return true;
    if (!prompter.askYesNo(EntryTexts::kKeepAdvancedText, PlatformTexts::kCheckUserAction)) {
        m_advancedChanges = false;
        return false;
    }
    reapplyAdvanced(progress);
    return true;
}

void HandsetSheet::reapplyAdvanced(const std::function<void(int, int)> &progress)
{
    // The first handset row of each LEN, found once instead of once per Advanced row.
    QHash<QString, int> rowOfLen;
    rowOfLen.reserve(m_grid.rows());
    for (int r = m_grid.rows() - 1; r >= 1; --r)
        rowOfLen.insert(m_grid.textAt(r, HandsetColumns::Len), r); // the topmost row wins

    GridTable::Batch batch(m_grid);
    const int maximum = m_advanced.rows() - 1;
    for (int a = 1; a < m_advanced.rows(); ++a) {
        const auto found = rowOfLen.constFind(m_advanced.textAt(a, HandsetColumns::Len));
        if (found != rowOfLen.constEnd())
            for (int c = 0; c < m_grid.cols(); ++c)
                m_grid.setTextAt(*found, c, m_advanced.textAt(a, c));
        if (progress)
            progress(a, maximum);
    }
}

void HandsetSheet::snapshot()
{
    // Every cell is emptied first, the header too (the grid is never shown); the
    // copy then ends with one empty row, as the handset grid does.
    GridTable::Batch batch(m_advanced);
    m_advanced.clearTexts();
    m_advanced.setRows(m_grid.rows());
    for (int r = 1; r < m_grid.rows() - 1; ++r)
        for (int c = 0; c < m_grid.cols(); ++c)
            m_advanced.setTextAt(r, c, m_grid.textAt(r, c));
    m_advanced.setRow(1);
    m_grid.setRow(m_grid.rows() - 1);
}

void HandsetSheet::clear()
{
    m_grid.reset();
    m_advanced.reset();
}

void HandsetSheet::replaceRows(const QList<QStringList> &rows)
{
    GridTable::Batch batch(m_grid);
    m_grid.logWholeForBulkChange();
    m_grid.reset();
    for (const QStringList &row : rows)
        m_grid.appendRow(row);
    m_grid.setCurrent(m_grid.rows() - 1, 0);
}
