#pragma once

#include "files/workbook/SheetCells.h"
#include "files/workbook/Workbook.h"

#include <QByteArray>
#include <QString>

// The records of a sheet of an .xls file held in memory (see ReadWorkbookRecords);
// fileName names the file in the reasons.
WorkbookRecords ReadWorkbookBytes(QByteArray file, const QString &sheetName, const QString &fileName,
                                  HeadingRow heading = HeadingRow::Skip);

// The same from a workbook stream (BIFF8 or BIFF5) without its container.
WorkbookRecords ReadWorkbookStream(const QByteArray &stream, const QString &sheetName, const QString &fileName,
                                   HeadingRow heading = HeadingRow::Skip);

// The file size above which a file is refused rather than read: far above any
// workbook of site data (a full sheet of 65,536 rows of ten cells takes about
// 10 MB), and small enough to read into memory.
constexpr qint64 kMaxWorkbookFileBytes = 128LL * 1024 * 1024;
