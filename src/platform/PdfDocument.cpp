#include "platform/PdfDocument.h"

#include "files/AtomicFile.h"
#include "platform/PagedLines.h"
#include "platform/PlatformTexts.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace {
const QString kNotLaidOut = QStringLiteral("The PDF could not be laid out.");
}

Outcome WritePdf(const QString &path, const PrintedList &list)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(PlatformTexts::kProgramTitle);
        writer.setCreator(PlatformTexts::kProgramTitle);
        PagedLines::FitPage(writer, list);
        QPainter painter;
        if (!painter.begin(&writer))
            return Outcome::failure(kNotLaidOut);
        const bool painted = PagedLines::Paint(painter, writer, list);
        painter.end();
        if (!painted)
            return Outcome::failure(kNotLaidOut);
    }
    return WriteFileAtomically(path, buffer.data());
}
