#pragma once

#include "files/Outcome.h"
#include "grid/GridTable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class ScriptStore;
struct TemplateRecord;

// The thirteen script templates of the Version 6.0 tool, one per tab, each a grid
// of script lines with placeholders. A template's tab caption is the handset type
// that selects it. What a tab is for is bound to its index, not its caption:
// tab 8 (speed dials) and tab 9 (pickup groups) are never handset types, and the
// data templates on tabs 10 to 12 are added for every handset.
class TemplateSet {
public:
    static constexpr int kCount = 13;
    static constexpr int kSpeedDialTab = 8;
    static constexpr int kPickupTab = 9;
    static constexpr int kFirstDataTab = 10;

    // "Command | First Data | Second Data | Blank | Engineers Text |": six columns,
    // the last without a caption. The output grids have the same columns.
    static const QString kHeader;

    static QStringList defaultCaptions();
    static bool isHandsetTypeTab(int tab) { return tab != kSpeedDialTab && tab != kPickupTab; }

    TemplateSet();

    GridTable &grid(int tab) { return m_grids[size_t(tab)]; }
    const GridTable &grid(int tab) const { return m_grids[size_t(tab)]; }

    const QStringList &captions() const { return m_captions; }
    QString caption(int tab) const { return m_captions.value(tab); }
    void setCaption(int tab, const QString &caption);

    // FillHandsetTypes' list: every caption but those of tabs 8 and 9, in tab order.
    QStringList handsetTypes() const;
    // The template of a handset type: the first handset-type tab whose caption
    // equals it exactly (case and blanks count); -1 when none does.
    int tabOfHandsetType(const QString &type) const;

    // LoadTabNames: one quoted caption per line for tabs 0 to 12. A missing or
    // short file sets what it has; the other tabs keep their captions. A file
    // that cannot be read (a folder, NUL bytes, a quote never closed, no name at
    // all) sets nothing and says why.
    Outcome loadTabNames(const QString &path);
    // SaveTabNames: the thirteen captions, one quoted field per line, CR LF.
    Outcome saveTabNames(const QString &path) const;

    // Loads every template from its table "SCRIPTa<tab>" of the store; a table
    // that cannot be read leaves its template empty, and the first such failure
    // is returned.
    Outcome loadFromStore(const ScriptStore &store);
    // Fills a template grid from stored records: "XTX" reads as an empty cell,
    // a Null field leaves its cell as it is, and a record without a Command is
    // overwritten by the next record.
    static void loadTemplate(GridTable &grid, const QList<TemplateRecord> &records);

private:
    std::array<GridTable, kCount> m_grids;
    QStringList m_captions;
};
