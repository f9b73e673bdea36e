#pragma once

#include "platform/Printer.h"

// Records what the tools print; can be told to fail like a missing printer (or to
// have none at all). PDF files and previews are recorded, not made.
class RecordingPrinter : public Printer {
public:
    bool fail = false;
    bool none = false;
    QStringList pdfPaths;
    QList<PrintedList> pdfs;
    QList<PrintedList> previews;
    QString fontFamily;
    double fontSize = 0;
    bool bold = false;
    QStringList lines;
    int documents = 0;

    bool setFont(const QString &family, double pointSize, bool boldFont) override
    {
        fontFamily = family;
        fontSize = pointSize;
        bold = boldFont;
        return !fail;
    }
    bool printLine(const QString &line) override
    {
        if (fail)
            return false;
        lines.append(line);
        return true;
    }
    bool endDocument() override
    {
        if (fail)
            return false;
        ++documents;
        return true;
    }
    bool installed() const override { return !none; }
    Outcome writePdf(const QString &path, const PrintedList &list) override
    {
        pdfPaths.append(path);
        pdfs.append(list);
        return Outcome::success();
    }
    void preview(const PrintedList &list) override { previews.append(list); }
};
