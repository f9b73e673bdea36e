#include "grid/GridTable.h"
#include "version6/check/SiteCheck.h"
#include "version6/check/SiteCheckTexts.h"
#include "version6/compile/Placeholders.h"
#include "version6/compile/TemplateSet.h"

#include <QSet>
#include <QStringList>

namespace {

// The cells of a script line that the compiler writes; the sixth is ignored.
constexpr int kLineCells = 5;
// A line is written only when these three are not empty.
constexpr int kRequiredCells = 3;

const QStringList kTokens{QStringLiteral("%EXT%"), QStringLiteral("%LEN%"), QStringLiteral("%DR%"),
                          QStringLiteral("%NR%"),  QStringLiteral("%DS%"),  QStringLiteral("%NS%"),
                          QStringLiteral("%LC%")};

bool isTokenCharacter(QChar ch)
{
    return (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) || (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
        || ch == QLatin1Char('_');
}

struct Span {
    qsizetype first;
    qsizetype last;
    bool overlaps(qsizetype a, qsizetype b) const { return a <= last && first <= b; }
};

class TemplateChecker {
public:
    TemplateChecker(const TemplateSet &templates, CheckReport &report) : m_templates(templates), m_report(report) {}

    void checkTab(int tab);
    void checkUse(int tab, bool used);

private:
    void add(int tab, CheckFinding::Severity severity, int row, int column, const char *code, const QString &message)
    {
        CheckFinding finding;
        finding.severity = severity;
        finding.grid = CheckFinding::kTemplateGrid + tab;
        finding.place = SiteCheckTexts::TemplatePlace(tab, m_templates.caption(tab));
        finding.row = row;
        finding.column = column;
        finding.columnName = column >= 0 ? m_templates.grid(tab).textAt(0, column).trimmed() : QString();
        finding.code = QString::fromLatin1(code);
        finding.message = message;
        m_report.add(std::move(finding));
    }
    void checkTokens(int tab, int row, int column);
    bool hasLines(int tab) const;

    const TemplateSet &m_templates;
    CheckReport &m_report;
};

bool TemplateChecker::hasLines(int tab) const
{
    const GridTable &grid = m_templates.grid(tab);
    for (int row = 1; row < grid.rows(); ++row)
        for (int c = 0; c < kLineCells; ++c)
            if (!grid.textAt(row, c).isEmpty())
                return true;
    return false;
}

void TemplateChecker::checkTab(int tab)
{
    const GridTable &grid = m_templates.grid(tab);
    for (int row = 1; row < grid.rows(); ++row) {
        QStringList empty;
        int firstEmpty = -1;
        bool anyText = false;
        for (int c = 0; c < kLineCells; ++c) {
            const bool cellEmpty = grid.textAt(row, c).isEmpty();
            anyText = anyText || !cellEmpty;
            if (cellEmpty && c < kRequiredCells) {
                empty.append(grid.textAt(0, c).trimmed());
                if (firstEmpty < 0)
                    firstEmpty = c;
            }
        }
        // An empty row (the one a template keeps at its end) is no line.
        if (!anyText)
            continue;
        if (!empty.isEmpty()) {
            const QString last = empty.takeLast();
            const QString cells =
                empty.isEmpty() ? last : empty.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
            add(tab, CheckFinding::Severity::Warning, row, firstEmpty, "never-complete",
                SiteCheckTexts::NeverComplete(cells, !empty.isEmpty()));
            continue;
        }
        for (int c = 0; c < kLineCells; ++c)
            checkTokens(tab, row, c);
    }
}

// The compiler replaces the first appearance of each placeholder in the cell
// in upper case; any other %WORD% reaches the switch as it stands.
void TemplateChecker::checkTokens(int tab, int row, int column)
{
    const QString text = ScriptUpperCase(m_templates.grid(tab).textAt(row, column));
    if (!text.contains(QLatin1Char('%')))
        return;
    QList<Span> replaced;
    for (const QString &token : kTokens) {
        const qsizetype at = text.indexOf(token);
        if (at >= 0)
            replaced.append({at, at + token.size() - 1});
    }
    QSet<QString> reported;
    qsizetype i = text.indexOf(QLatin1Char('%'));
    while (i >= 0) {
        qsizetype j = i + 1;
        while (j < text.size() && isTokenCharacter(text[j]))
            ++j;
        if (j == text.size())
            break;
        if (text[j] == QLatin1Char('%') && j > i + 1) {
            bool inReplaced = false;
            for (const Span &span : replaced)
                inReplaced = inReplaced || span.overlaps(i, j);
            const QString token = text.mid(i, j - i + 1);
            if (!inReplaced && !reported.contains(token)) {
                reported.insert(token);
                if (kTokens.contains(token))
                    add(tab, CheckFinding::Severity::Warning, row, column, "repeated-placeholder",
                        SiteCheckTexts::RepeatedPlaceholder(token));
                else
                    add(tab, CheckFinding::Severity::Warning, row, column, "not-a-placeholder",
                        SiteCheckTexts::NoPlaceholder(token));
            }
        }
        // The closing "%" may open the next token.
        i = text.indexOf(QLatin1Char('%'), text[j] == QLatin1Char('%') ? j : j + 1);
    }
}

void TemplateChecker::checkUse(int tab, bool used)
{
    // The data templates on tabs 10 to 12 are added for every handset.
    if (tab >= TemplateSet::kFirstDataTab || used || !hasLines(tab))
        return;
    const QString caption = m_templates.caption(tab);
    const int first = m_templates.tabOfHandsetType(caption);
    if (first != tab && first >= 0)
        add(tab, CheckFinding::Severity::Information, 0, -1, "shadowed-template",
            SiteCheckTexts::ShadowedTemplate(caption, first));
    else
        add(tab, CheckFinding::Severity::Information, 0, -1, "unused-template",
            SiteCheckTexts::UnusedTemplate(caption));
}

} // namespace

void CheckTemplates(const TemplateSet &templates, const bool *usedTabs, CheckReport &report)
{
    TemplateChecker checker(templates, report);
    for (int tab = 0; tab < TemplateSet::kCount; ++tab) {
        if (!TemplateSet::isHandsetTypeTab(tab))
            continue;
        checker.checkTab(tab);
        checker.checkUse(tab, usedTabs[tab]);
    }
}
