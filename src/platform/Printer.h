#pragma once

#include "files/Outcome.h"

#include <QString>
#include <QStringList>

// One printed list: its lines and the font they are printed in.
struct PrintedList {
    QString fontFamily;
    double pointSize = 0;
    bool bold = false;
    QStringList lines;
};

// The default printer, line by line. Each call reports failure (no printer, a
// printer that refused the job); a failed document is abandoned. The same lists
// can go to a PDF file or a print preview instead.
class Printer {
public:
    virtual ~Printer() = default;
    virtual bool setFont(const QString &family, double pointSize, bool bold) = 0;
    virtual bool printLine(const QString &line) = 0;
    virtual bool endDocument() = 0;

    // Whether the desktop has a default printer at all.
    virtual bool installed() const = 0;
    // The list, laid out as printed, as a PDF file at path.
    virtual Outcome writePdf(const QString &path, const PrintedList &list) = 0;
    // Shows the list in a print preview (from which it can still be printed).
    virtual void preview(const PrintedList &list) = 0;
};

// Prints the lines as one document in the given font; false on any failure.
bool PrintDocument(Printer &printer, const QString &family, double pointSize, bool bold, const QStringList &lines);
