#pragma once

#include "files/Outcome.h"

#include <QByteArray>
#include <QString>

// The OLE2 compound document that holds a workbook, through libgsf.

// The workbook stream of an .xls file held in memory: "Workbook" (Excel 97 and
// later), else "Book" (Excel 5.0/95). The failure says why there is none.
struct OleWorkbookStream {
    QByteArray bytes;
    QString name;
};
Expected<OleWorkbookStream> ReadOleWorkbookStream(const QByteArray &file);

// A compound document holding one stream named "Workbook" with the given bytes.
Expected<QByteArray> BuildOleWorkbookFile(const QByteArray &workbookStream);
