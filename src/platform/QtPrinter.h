#pragma once

#include "platform/Printer.h"

#include <QFont>

#include <memory>

class QPainter;
class QPrinter;

// Prints to the desktop's default printer; every call fails when there is none.
// PDF files and the preview need no printer.
class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;
    bool setFont(const QString &family, double pointSize, bool bold) override;
    bool printLine(const QString &line) override;
    bool endDocument() override;
    bool installed() const override;
    Outcome writePdf(const QString &path, const PrintedList &list) override;
    void preview(const PrintedList &list) override;

private:
    bool start();
    void abandon();

    QFont m_font;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    int m_y = 0;
};
