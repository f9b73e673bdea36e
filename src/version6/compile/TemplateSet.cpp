#include "version6/compile/TemplateSet.h"

#include "files/AtomicFile.h"
#include "files/Codec.h"
#include "files/TextRecords.h"
#include "store/ScriptStore.h"

#include <QFileInfo>

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

namespace {

// Whether a field that opens with a double quote runs to the end of the text
// without its closing quote (a doubled quote inside is part of the field).
bool quoteLeftOpen(const QString &text)
{
    bool fieldStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char(',') || ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
            fieldStart = true;
        } else if (fieldStart && ch == QLatin1Char('"')) {
            for (++i;; ++i) {
                if (i >= text.size())
                    return true;
                if (text.at(i) != QLatin1Char('"'))
                    continue;
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"'))
                    ++i;
                else
                    break;
            }
            fieldStart = false;
        } else if (ch != QLatin1Char(' ') && ch != QLatin1Char('\t')) {
            fieldStart = false;
        }
    }
    return false;
}

} // namespace

Outcome TemplateSet::loadTabNames(const QString &path)
{
    // Without the file the tabs have their built-in names: nothing was renamed yet.
    if (!QFileInfo::exists(path))
        return Outcome::success();
    const Expected<QByteArray> bytes = ReadWholeFile(path, kMaxTextFileBytes);
    if (!bytes)
        return bytes.outcome();
    const QString text = Codec::decodeFile(*bytes);
    if (text.contains(QChar(0)))
        return Outcome::failure(QStringLiteral("%1 holds NUL bytes; it is not a file of tab names.").arg(path));
    if (quoteLeftOpen(text))
        return Outcome::failure(QStringLiteral("%1 has a quote that is never closed.").arg(path));
    TextFieldReader reader(text);
    if (reader.atEnd())
        return Outcome::failure(QStringLiteral("%1 holds no tab name.").arg(path));
    for (int tab = 0; tab < kCount && !reader.atEnd(); ++tab) {
        const std::optional<QString> caption = reader.nextField();
        if (!caption)
            break;
        m_captions[tab] = *caption;
    }
    return Outcome::success();
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

Outcome TemplateSet::loadFromStore(const ScriptStore &store)
{
    QStringList tables;
    for (int tab = 0; tab < kCount; ++tab)
        tables.append(ScriptStore::versionSixTemplate(tab));
    const Expected<QList<ScriptStore::TemplateRead>> reads = store.readTemplates(tables);
    Outcome loaded = reads.outcome();
    for (int tab = 0; tab < kCount; ++tab) {
        const ScriptStore::TemplateRead records = reads
            ? reads->value(tab, ScriptStore::TemplateRead::failure(QString()))
            : ScriptStore::TemplateRead::failure(reads.reason());
        if (records) {
            loadTemplate(m_grids[size_t(tab)], *records);
        } else {
            m_grids[size_t(tab)].reset();
            if (loaded)
                loaded = records.outcome();
        }
    }
    return loaded;
}
