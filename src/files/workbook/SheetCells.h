#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// What every workbook format shares: the texts of a sheet to write, the cells of
// a sheet being read, and how a typed sheet name finds its sheet.

// Whether the first row of a sheet read is skipped as its headings.
enum class HeadingRow { Skip, Keep };

// The text cells of one sheet to write: rows x columns, text(row, column) for each.
struct SheetTexts {
    int rows = 0;
    int columns = 0;
    std::function<QString(int row, int column)> text;
};

// The cells read so far, row by row; a row's list ends at its last cell with a
// text. Padding (empty rows and cells before a text) is counted against a budget
// proportional to the file, so a few bytes of far-away cells cannot claim
// gigabytes.
class SheetCells {
public:
    explicit SheetCells(qint64 budget) : m_budget(budget) {}

    // false when the budget is spent.
    bool set(int row, int column, const QString &text);
    // Every row from first on, up to the last row with a text.
    QList<QStringList> takeRows(qsizetype first);
    qint64 budget() const { return m_budget; }

private:
    std::vector<QStringList> m_rows;
    qint64 m_slots = 0;
    qint64 m_budget;
};

// The budget of cells, empty ones included, for a sheet stored in `bytes` bytes:
// far more than any real sheet of that size needs.
inline qint64 CellBudget(qint64 bytes)
{
    return 1'000'000 + 2 * bytes;
}

// How well a sheet's name matches the name the user typed: 0 the name itself, 1
// without brackets or quotes around it, 2 without a "$" at its end; -1 none.
int SheetNameRank(const QString &name, const QString &typed);

// The index in names of the sheet the user typed (the best rank first), or -1. "Sheet1$" is how
// database tools name the sheet Sheet1, "[Sheet1$]" and "'My sheet$'" too; names
// compare without regard to case.
qsizetype FindSheet(const QStringList &names, const QString &typed);

// "<file> has no sheet named "<typed>" (its sheets: ...)."
QString NoSuchSheetReason(const QString &fileName, const QString &typed, const QStringList &names);
