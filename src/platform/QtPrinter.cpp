#include "platform/QtPrinter.h"

#include "platform/PagedLines.h"
#include "platform/PdfDocument.h"
#include "platform/PlatformTexts.h"

#include <QApplication>

#include <QFontMetrics>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

QtPrinter::QtPrinter() : m_font(QStringLiteral("Courier New"), 10) {}

QtPrinter::~QtPrinter()
{
    abandon();
}

bool QtPrinter::setFont(const QString &family, double pointSize, bool bold)
{
    m_font = QFont(family);
    m_font.setBold(bold);
    m_font.setStyleHint(QFont::TypeWriter);
    m_font.setPointSizeF(pointSize);
    if (m_painter)
        m_painter->setFont(m_font);
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool QtPrinter::start()
{
    if (m_painter)
        return true;
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    m_printer->setDocName(PlatformTexts::kProgramTitle);
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get())) {
        abandon();
        return false;
    }
    m_painter->setFont(m_font);
    m_y = 0;
    return true;
}

bool QtPrinter::printLine(const QString &line)
{
    if (!start())
        return false;
    const QFontMetrics metrics(m_painter->font(), m_printer.get());
    const QRect page = m_printer->pageLayout().paintRectPixels(m_printer->resolution());
    if (m_y + metrics.height() > page.height()) {
        if (!m_printer->newPage()) {
            abandon();
            return false;
        }
        m_y = 0;
    }
    m_painter->drawText(0, m_y + metrics.ascent(), line);
    m_y += metrics.height();
    return true;
}

bool QtPrinter::endDocument()
{
    if (!start())
        return false;
    const bool ok = m_painter->end();
    m_painter.reset();
    m_printer.reset();
    return ok;
}

void QtPrinter::abandon()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
    if (m_printer)
        m_printer->abort();
    m_painter.reset();
    m_printer.reset();
}

bool QtPrinter::installed() const
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

Outcome QtPrinter::writePdf(const QString &path, const PrintedList &list)
{
    return WritePdf(path, list);
}

void QtPrinter::preview(const PrintedList &list)
{
    // Without a printer QPrinter lays the pages out for a PDF; the preview looks the same.
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(PlatformTexts::kProgramTitle);
    PagedLines::FitPage(printer, list);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(PlatformTexts::kPreviewTitle);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&list](QPrinter *target) {
        QPainter painter(target);
        PagedLines::Paint(painter, *target, list);
    });
    dialog.exec();
}
