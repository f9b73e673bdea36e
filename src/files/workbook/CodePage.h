#pragma once

#include <QByteArrayView>
#include <QString>

// Byte strings of BIFF5 workbooks (Excel 5.0/95) are in the code page named by
// the workbook's CODEPAGE record (a Windows code page number).
class CodePageDecoder {
public:
    explicit CodePageDecoder(int codePage = 1252);
    QString decode(QByteArrayView bytes) const;
    int codePage() const { return m_codePage; }

private:
    int m_codePage;
    QByteArray m_encoding; // empty: windows-1252 through the program's own codec
};
