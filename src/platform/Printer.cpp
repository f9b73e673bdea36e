#include "platform/Printer.h"

bool PrintDocument(Printer &printer, const QString &family, double pointSize, bool bold, const QStringList &lines)
{
    if (!printer.setFont(family, pointSize, bold))
        return false;
    for (const QString &line : lines)
        if (!printer.printLine(line))
            return false;
    return printer.endDocument();
}
