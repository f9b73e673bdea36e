#pragma once

#include "platform/PdfDocument.h"
#include "platform/Printer.h"

// The commands print on no printer; a tool has a printer all the same. Their
// --pdf writes the printed list as the windows' "PDF..." does.
class NoPrinter : public Printer {
public:
    bool setFont(const QString &, double, bool) override { return false; }
    bool printLine(const QString &) override { return false; }
    bool endDocument() override { return false; }
    bool installed() const override { return false; }
    Outcome writePdf(const QString &path, const PrintedList &list) override { return WritePdf(path, list); }
    // No command asks for a preview: there is no window to show it in.
    void preview(const PrintedList &) override {}
};
