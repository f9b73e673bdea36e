#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

// What poppler's tools read from a PDF file. pdftotext places the words by their
// position, so runs of blanks are compared as one blank.
namespace PdfText {

inline bool Available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

inline QString Run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A line with each run of blanks made one blank and none at either end.
inline QString Collapsed(const QString &line)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return line.simplified().replace(blanks, QStringLiteral(" "));
}

inline QStringList Collapsed(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines)
        out.append(Collapsed(line));
    return out;
}

// The text lines of every page, in order, collapsed; page breaks are dropped and
// so is the empty line pdftotext ends each page with.
inline QStringList Lines(const QString &pdf)
{
    QStringList lines;
    const QStringList pages =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}).split(QChar(0x0C));
    for (const QString &page : pages) {
        if (page.isEmpty())
            continue;
        QStringList pageLines = page.split(QLatin1Char('\n'));
        if (pageLines.last().isEmpty())
            pageLines.removeLast();
        lines.append(Collapsed(pageLines));
    }
    return lines;
}

// A field of pdfinfo ("Pages", "Page size") or of pdffonts' font names.
inline QString Info(const QString &pdf, const QString &field)
{
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    for (const QString &line : Run(QStringLiteral("pdfinfo"), {pdf}).split(QLatin1Char('\n')))
        if (line.startsWith(field + QLatin1Char(':')))
            return line.mid(field.size() + 1).trimmed().replace(spaces, QStringLiteral(" "));
    return QString();
}

inline QString Fonts(const QString &pdf)
{
    return Run(QStringLiteral("pdffonts"), {pdf});
}

} // namespace PdfText
