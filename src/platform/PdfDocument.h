#pragma once

#include "files/Outcome.h"

struct PrintedList;

// Writes a printed list as a PDF file, laid out as PagedLines prints it; the file
// is replaced whole or not at all.
Outcome WritePdf(const QString &path, const PrintedList &list);
