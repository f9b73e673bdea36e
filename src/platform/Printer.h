#pragma once

#include <QString>
#include <QStringList>

// The default printer, line by line. Each call reports failure (no printer, a
// printer that refused the job); a failed document is abandoned.
class Printer {
public:
    virtual ~Printer() = default;
    virtual bool setFont(const QString &family, double pointSize, bool bold) = 0;
    virtual bool printLine(const QString &line) = 0;
    virtual bool endDocument() = 0;
};

// Prints the lines as one document in the given font; false on any failure.
bool PrintDocument(Printer &printer, const QString &family, double pointSize, bool bold, const QStringList &lines);
