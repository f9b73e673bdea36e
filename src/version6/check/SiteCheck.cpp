#include "version6/check/SiteCheck.h"

#include "check/RowGroups.h"
#include "grid/GridTable.h"
#include "grid/TextValue.h"
#include "version6/check/SiteCheckTexts.h"
#include "version6/compile/SpeedDialBlocks.h"
#include "version6/compile/TemplateSet.h"
#include "version6/entry/HandsetColumns.h"

#include <QHash>

#include <array>
#include <cmath>

using namespace HandsetColumns;

namespace {

using Severity = CheckFinding::Severity;

class SiteCheckRun {
public:
    SiteCheckRun(const GridTable &handsets, const TemplateSet &templates, const QString &startBlock)
        : m_handsets(handsets),
          m_templates(templates),
          m_start(startBlock),
          m_exts(handsets.rows()),
          m_lens(handsets.rows()),
          m_types(0, true)
    {
    }

    CheckReport run();

private:
    void add(Severity severity, int row, int column, const char *code, const QString &message)
    {
        CheckFinding finding;
        finding.severity = severity;
        finding.row = row;
        finding.column = column;
        finding.columnName = m_handsets.textAt(0, column).trimmed();
        finding.code = QString::fromLatin1(code);
        finding.message = message;
        m_report.add(std::move(finding));
    }
    QString ext(int row) const { return m_handsets.textAt(row, Ext); }
    // The grid's last row is where the next handset would go: the compiler
    // reads no handset there, whatever it holds.
    int spareRow() const { return m_handsets.rows() - 1; }
    void checkRow(int row);
    void reportGroups();
    void checkSpeedDials();
    // After the handset pass ended at stopRow: the handsets it never reached.
    void reportStop(int stopRow, bool stopRowAllocated);

    const GridTable &m_handsets;
    const TemplateSet &m_templates;
    const QString m_start;
    CheckReport m_report;
    bool m_pastCapacity = false; // a handset's blocks run past the last one

    RowGroups m_exts;
    RowGroups m_lens;
    RowGroups m_types;
    // Cell values the cell rule replaces, by column and value.
    RowGroups m_ruled;
    QHash<QString, QString> m_ruledAs;
    RowGroups m_noGroup;
    std::array<int, 100> m_groupSize{};
    std::array<int, 100> m_groupRow{};
};

bool isDigits(const QString &text)
{
    for (const QChar ch : text)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
    return true;
}

// FP "00" to "31", then circuit "000" to "127".
bool isLen(const QString &len)
{
    return len.size() == 5 && isDigits(len) && len.left(2).toInt() <= 31 && len.mid(2).toInt() <= 127;
}

// The columns whose values the cell rule checks, but for PICKUP VIP (checked
// with its groups).
constexpr int kRuledColumns[] = {Ext, SpeedDials, Drd, Drn, ClassDay, ClassNight, Loc};

// Captions compared as a user may mistype them: without blanks, in any case.
QString looseCaption(const QString &caption)
{
    QString loose;
    for (const QChar ch : caption)
        if (!ch.isSpace())
            loose += ch;
    return loose.toCaseFolded();
}

void SiteCheckRun::checkRow(int row)
{
    m_exts.add(ext(row), row);
    const QString len = m_handsets.textAt(row, Len);
    m_lens.add(len, row);
    if (!isLen(len))
        add(Severity::Error, row, Len, "bad-len", SiteCheckTexts::BadLen(len));
    // An empty type is a type too: it selects no tab.
    m_types.add(m_handsets.textAt(row, HandsetType), row);

    for (const int column : kRuledColumns) {
        const QString text = m_handsets.textAt(row, column);
        const CellCheck checked = CheckRange(column, text);
        if (checked.text == text)
            continue;
        const QString key = QString::number(column) + QLatin1Char('\n') + text;
        m_ruled.add(key, row);
        m_ruledAs.insert(key, checked.text);
    }

    const QString pickup = m_handsets.textAt(row, PickupVip);
    if (pickup.isEmpty())
        return;
    const double group = TextValue(pickup);
    if (group >= 1 && group <= 99 && group == std::floor(group)) {
        if (m_groupSize[size_t(group)]++ == 0)
            m_groupRow[size_t(group)] = row;
    } else {
        m_noGroup.add(pickup, row);
    }
}

void SiteCheckRun::reportGroups()
{
    for (const RowGroups::Group &used : m_exts.groups())
        if (used.total > 1)
            add(Severity::Error, used.row(1), Ext, "duplicate-ext",
                SiteCheckTexts::DuplicateExt(used.value, used.rows(), used.total));
    for (const RowGroups::Group &used : m_lens.groups())
        if (used.total > 1)
            add(Severity::Error, used.row(1), Len, "duplicate-len",
                SiteCheckTexts::DuplicateLen(used.value, used.rows(), used.total));

    QHash<QString, QString> loose;
    for (int tab = 0; tab < TemplateSet::kCount; ++tab)
        if (TemplateSet::isHandsetTypeTab(tab) && !loose.contains(looseCaption(m_templates.caption(tab))))
            loose.insert(looseCaption(m_templates.caption(tab)), m_templates.caption(tab));
    for (const RowGroups::Group &typed : m_types.groups()) {
        const QString &type = typed.value;
        if (m_templates.tabOfHandsetType(type) >= 0)
            continue;
        add(Severity::Error, typed.row(0), HandsetType, "unknown-type",
            SiteCheckTexts::UnknownType(type, typed.rows(), typed.total, loose.value(looseCaption(type))));
    }

    for (const RowGroups::Group &ruled : m_ruled.groups()) {
        const int column = ruled.value.section(QLatin1Char('\n'), 0, 0).toInt();
        const QString text = ruled.value.section(QLatin1Char('\n'), 1);
        add(Severity::Warning, ruled.row(0), column, "cell-rule",
            SiteCheckTexts::CellRule(m_handsets.textAt(0, column).trimmed(), text, m_ruledAs.value(ruled.value),
                                     ruled.rows(), ruled.total));
    }
    for (const RowGroups::Group &lost : m_noGroup.groups()) {
        const CellCheck checked = CheckRange(PickupVip, lost.value);
        add(Severity::Warning, lost.row(0), PickupVip, "no-pickup-group",
            SiteCheckTexts::NoPickupGroup(lost.value, checked.text == lost.value ? QString() : checked.text,
                                          lost.rows(), lost.total));
    }
    for (int group = 1; group <= 99; ++group)
        if (m_groupSize[size_t(group)] == 1) {
            const int row = m_groupRow[size_t(group)];
            add(Severity::Warning, row, PickupVip, "lone-pickup-member",
                SiteCheckTexts::LonePickupMember(group, ext(row)));
        }
}

// The handset pass of the compiler, counting blocks only: it ends after a
// handset when the start field passes 999, and a handset that asks for
// locations once the field has passed it gets none.
void SiteCheckRun::checkSpeedDials()
{
    QString block = m_start;
    // The compile sets the field to the answer of its question: over 999 the
    // capacity check trips before the first handset.
    bool abort = TextValue(m_start) > 999;
    for (int row = 1; row < spareRow(); ++row) {
        const QString speedDials = m_handsets.textAt(row, SpeedDials);
        if (!speedDials.isEmpty()) {
            BlockCounter counter(block);
            const qint64 locations = SpeedDialBlocks::LocationsOf(speedDials);
            if (locations > 0 && abort) {
                reportStop(row, false);
                return;
            }
            counter.count(locations);
            block = counter.prefix();
            const qint64 lastBlock = (counter.value() - 1) / 10;
            if (locations > 0 && lastBlock > 999) {
                m_pastCapacity = true;
                add(Severity::Error, row, SpeedDials, "speed-dial-capacity",
                    SiteCheckTexts::BlocksPastCapacity(ext(row), lastBlock, m_start));
            }
            if (TextValue(block) > 999)
                abort = true;
        }
        if (abort) {
            reportStop(row, true);
            return;
        }
    }
}

void SiteCheckRun::reportStop(int stopRow, bool stopRowAllocated)
{
    // The handsets after stopRow get nothing; the first of them that asks for
    // speed dials is the first not allocated (stopRow itself when it was refused).
    int lost = 0;
    int firstLost = 0;
    int firstRefused = stopRowAllocated ? 0 : stopRow;
    for (int row = stopRow + 1; row < spareRow(); ++row) {
        if (m_handsets.isRowEmpty(row))
            continue;
        ++lost;
        if (firstLost == 0)
            firstLost = row;
        if (firstRefused == 0 && SpeedDialBlocks::LocationsOf(m_handsets.textAt(row, SpeedDials)) > 0)
            firstRefused = row;
    }
    if (firstRefused != 0) {
        const int others = firstRefused == stopRow ? lost : lost - 1;
        add(Severity::Error, firstRefused, SpeedDials, "speed-dial-capacity",
            SiteCheckTexts::NotAllocated(ext(firstRefused), m_start, stopRow, ext(stopRow), firstRefused == stopRow,
                                         others));
    } else if (firstLost != 0) {
        add(Severity::Error, firstLost, SpeedDials, "speed-dial-capacity",
            SiteCheckTexts::StoppedBeforeHandset(ext(firstLost), m_start, stopRow, lost));
    } else if (stopRowAllocated && !m_pastCapacity
               && SpeedDialBlocks::LocationsOf(m_handsets.textAt(stopRow, SpeedDials)) > 0) {
        add(Severity::Warning, stopRow, SpeedDials, "speed-dial-capacity-reached",
            SiteCheckTexts::CapacityReachedExactly(m_start));
    }
}

CheckReport SiteCheckRun::run()
{
    std::array<bool, TemplateSet::kCount> usedTabs{};
    for (int row = 1; row < spareRow(); ++row) {
        if (m_handsets.isRowEmpty(row))
            continue;
        checkRow(row);
    }
    for (const RowGroups::Group &typed : m_types.groups()) {
        const int tab = m_templates.tabOfHandsetType(typed.value);
        if (tab >= 0)
            usedTabs[size_t(tab)] = true;
    }
    reportGroups();
    checkSpeedDials();
    CheckTemplates(m_templates, usedTabs.data(), m_report);
    m_report.sort();
    return m_report;
}

} // namespace

CheckReport CheckSite(const GridTable &handsets, const TemplateSet &templates, const QString &startBlock)
{
    return SiteCheckRun(handsets, templates, startBlock).run();
}
