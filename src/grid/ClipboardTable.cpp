#include "grid/ClipboardTable.h"

#include "grid/GridTable.h"

namespace ClipboardTable {

namespace {

const QChar kQuote = QLatin1Char('"');

bool needsQuotes(const QString &text)
{
    return text.startsWith(kQuote) || text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n'))
        || text.contains(QLatin1Char('\r'));
}

QString quoted(const QString &text)
{
    QString doubled = text;
    doubled.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + doubled + kQuote;
}

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Control;
}

} // namespace

QString ToTabbed(const GridTable &grid, const CellBlock &block)
{
    QString out;
    for (int r = block.top; r <= block.bottom; ++r) {
        for (int c = block.left; c <= block.right; ++c) {
            if (c > block.left)
                out += QLatin1Char('\t');
            const QString text = grid.textAt(r, c);
            out += needsQuotes(text) ? quoted(text) : text;
        }
        out += QLatin1Char('\n');
    }
    return out;
}

QString ToHtml(const GridTable &grid, const CellBlock &block)
{
    QString out = QStringLiteral("<table>\n");
    for (int r = block.top; r <= block.bottom; ++r) {
        out += QStringLiteral("<tr>");
        for (int c = block.left; c <= block.right; ++c)
            out += QStringLiteral("<td>") + grid.textAt(r, c).toHtmlEscaped() + QStringLiteral("</td>");
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</table>\n");
    return out;
}

QList<QStringList> Parse(const QString &text)
{
    QList<QStringList> rows;
    if (text.isEmpty())
        return rows;
    const QChar separator = text.contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(',');
    QStringList row;
    QString field;
    bool inQuotes = false;
    bool atFieldStart = true;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c != kQuote) {
                field += c;
            } else if (i + 1 < n && text[i + 1] == kQuote) {
                field += kQuote;
                ++i;
            } else {
                inQuotes = false;
            }
            continue;
        }
        if (c == kQuote && atFieldStart) {
            inQuotes = true;
            atFieldStart = false;
        } else if (c == separator) {
            row.append(field);
            field.clear();
            atFieldStart = true;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            row.append(field);
            rows.append(row);
            row.clear();
            field.clear();
            atFieldStart = true;
        } else {
            field += c;
            atFieldStart = false;
        }
    }
    // Text that does not end with a line break still ends its last row; a quote
    // left open takes the rest of the text as its field.
    if (!atFieldStart || !row.isEmpty() || inQuotes)
        rows.append(row << field);
    return rows;
}

bool IsBlock(const QString &text)
{
    return text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

QString CellText(const QString &field)
{
    QString out;
    out.reserve(field.size());
    bool inRun = false;
    for (const QChar c : field) {
        if (isControl(c)) {
            if (!inRun)
                out += QLatin1Char(' ');
            inRun = true;
        } else {
            out += c;
            inRun = false;
        }
    }
    return out;
}

int LastRow(const QList<QStringList> &rows, const CellBlock &target)
{
    if (rows.isEmpty())
        return 0;
    if (rows.size() == 1 && rows.first().size() == 1)
        return target.bottom;
    return target.top + int(rows.size()) - 1;
}

int Place(const QList<QStringList> &rows, const CellBlock &target, int cols,
          const std::function<void(int row, int col, const QString &text)> &write)
{
    if (rows.isEmpty() || target.left >= cols)
        return 0;
    if (rows.size() == 1 && rows.first().size() == 1) {
        const QString text = CellText(rows.first().first());
        for (int r = target.top; r <= target.bottom; ++r)
            for (int c = target.left; c <= target.right && c < cols; ++c)
                write(r, c, text);
        return target.bottom;
    }
    int row = target.top;
    for (const QStringList &fields : rows) {
        for (int i = 0; i < fields.size() && target.left + i < cols; ++i)
            write(row, target.left + int(i), CellText(fields[i]));
        ++row;
    }
    return row - 1;
}

} // namespace ClipboardTable
