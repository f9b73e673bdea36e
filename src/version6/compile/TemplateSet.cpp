#include "version6/compile/TemplateSet.h"

#include "files/TextRecords.h"
#include "store/ScriptStore.h"

const QString TemplateSet::kHeader =
    QStringLiteral("Command            | First Data                      | Second Data                       "
                   "| Blank         | Engineers Text                  |");

QStringList TemplateSet::defaultCaptions()
{
    return {QStringLiteral("8 "),        QStringLiteral("8D"),     QStringLiteral("8 IP"),
            QStringLiteral("16D"),       QStringLiteral("16 IP"),  QStringLiteral("32D"),
            QStringLiteral("2D"),        QStringLiteral("Analog"), QStringLiteral("SpeedDials"),
            QStringLiteral("PickupGrp"), QStringLiteral("Data1 "), QStringLiteral("Data2 "),
            QStringLiteral("Data3 ")};
}

TemplateSet::TemplateSet() : m_captions(defaultCaptions())
{
    for (GridTable &grid : m_grids)
        grid.setFormat(kHeader);
}

void TemplateSet::setCaption(int tab, const QString &caption)
{
    if (tab >= 0 && tab < kCount)
        m_captions[tab] = caption;
}

QStringList TemplateSet::handsetTypes() const
{
    QStringList types;
    for (int tab = 0; tab < kCount; ++tab)
        if (isHandsetTypeTab(tab))
            types.append(m_captions[tab]);
    return types;
}

int TemplateSet::tabOfHandsetType(const QString &type) const
{
    for (int tab = 0; tab < kCount; ++tab)
        if (isHandsetTypeTab(tab) && m_captions[tab] == type)
            return tab;
    return -1;
}

void TemplateSet::loadTabNames(const QString &path)
{
    Expected<TextFieldReader> reader = TextFieldReader::open(path);
    if (!reader)
        return;
    for (int tab = 0; tab < kCount; ++tab) {
        if (reader->atEnd())
            return;
        const std::optional<QString> caption = reader->nextField();
        if (!caption)
            return;
        m_captions[tab] = *caption;
    }
}

Outcome TemplateSet::saveTabNames(const QString &path) const
{
    GridTable names(QStringLiteral("Tab"));
    names.setRows(kCount + 1);
    for (int tab = 0; tab < kCount; ++tab)
        names.setTextAt(tab + 1, 0, m_captions[tab]);
    return WriteTextFile(names, path, 1);
}

void TemplateSet::loadTemplate(GridTable &grid, const QList<TemplateRecord> &records)
{
    GridTable::Batch batch(grid);
    grid.reset();
    int row = 1;
    for (const TemplateRecord &record : records) {
        for (int c = 0; c < 5; ++c) {
            if (!record.fields[c])
                continue;
            const QString &text = *record.fields[c];
            grid.setTextAt(row, c, text == TemplateRecord::kEmptyCell ? QString() : text);
        }
        if (!grid.textAt(row, 0).isEmpty()) {
            grid.addRow();
            row = grid.rows() - 1;
        }
    }
    grid.setCurrent(1, 0);
}

void TemplateSet::loadFromStore(const ScriptStore &store)
{
    for (int tab = 0; tab < kCount; ++tab) {
        const Expected<QList<TemplateRecord>> records = store.readTemplate(ScriptStore::versionSixTemplate(tab));
        if (records)
            loadTemplate(m_grids[size_t(tab)], *records);
        else
            m_grids[size_t(tab)].reset();
    }
}
