#pragma once

#include "platform/Printer.h"

// The commands print nothing; a tool has a printer all the same.
class NoPrinter : public Printer {
public:
    bool setFont(const QString &, double, bool) override { return false; }
    bool printLine(const QString &) override { return false; }
    bool endDocument() override { return false; }
};
