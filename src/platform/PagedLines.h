#pragma once

#include "platform/Printer.h"

#include <QFont>

class QPagedPaintDevice;
class QPainter;

// Lays a printed list out on pages, as the printer prints it: one line under the
// other in the list's font from the top of the printable area, a new page when
// one is full. Shared by the PDF files and the print preview so that both show
// the printed lines and nothing else.
namespace PagedLines {
QFont FontOf(const PrintedList &list);
// Chooses the page of a device not yet painted on: A4 portrait, A4 landscape when
// the longest line needs it, a wider page still when even that is too narrow, so
// that no line is cut at the edge.
void FitPage(QPagedPaintDevice &device, const PrintedList &list);
// Paints the lines with a painter begun on the device; false when a new page
// could not be started.
bool Paint(QPainter &painter, QPagedPaintDevice &device, const PrintedList &list);
} // namespace PagedLines
