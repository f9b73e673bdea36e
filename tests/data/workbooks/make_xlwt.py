#!/usr/bin/python3
"""Writes xlwt-mixed.xls: a BIFF8 workbook made by python3-xlwt.

Sheet "Sites": every kind of cell xlwt writes (shared strings, RK and MULRK,
NUMBER, BOOLERR, BLANK and MULBLANK, FORMULA), an empty row in the middle and a
row longer than the others.
Sheet "Second": 600 distinct strings plus two very long ones, so that the
shared-string table spans many CONTINUE records and strings are split inside
their characters (both the 8-bit and the UTF-16 form).
Sheet "HeaderOnly": a heading row and nothing else.

Run with the Debian python (/usr/bin/python3), which has xlwt.
"""
import sys

import xlwt

LONG_LATIN = "".join(chr(ord("a") + i % 26) for i in range(10000))
LONG_GREEK = "".join(chr(0x3B1 + i % 24) for i in range(6000))


def sites(book):
    sheet = book.add_sheet("Sites")
    blank_style = xlwt.easyxf("pattern: pattern solid, fore_colour yellow")
    rows = [
        ["Extension", "Name", "Value", "Flag", "Formula", "Note"],
        [2001, "Smith, John", 1.5, True, xlwt.Formula("1+1"), "0123"],
        ["05012", 'Quote "q"', -0.25, False, xlwt.Formula('"0"&"123"'), None],
        [],
        [123456789012, "Ünïcödé €", 3.14159, None, None, "x"],
        [1e-7, "Ελληνικά 日本語", 2001, None, None, None, None, "far"],
        [1, 2, 3, 4, 5, 6],
    ]
    for r, row in enumerate(rows):
        for c, value in enumerate(row):
            if value is not None:
                sheet.write(r, c, value)
    # Formatted but empty cells: adjacent ones become one MULBLANK record.
    for c in range(4):
        sheet.write(7, c, None, blank_style)
    sheet.write(7, 4, "tail")
    sheet.write(8, 2, None, blank_style)  # a row with only a blank cell


def second(book):
    sheet = book.add_sheet("Second")
    sheet.write(0, 0, "Key")
    sheet.write(0, 1, "Text")
    for i in range(1, 601):
        sheet.write(i, 0, "k%04d" % i)
        sheet.write(i, 1, "Text number %d with some padding to fill the table" % i)
    sheet.write(601, 0, "long latin")
    sheet.write(601, 1, LONG_LATIN)
    sheet.write(602, 0, "long greek")
    sheet.write(602, 1, LONG_GREEK)


def header_only(book):
    sheet = book.add_sheet("HeaderOnly")
    for c, caption in enumerate(["A", "B", "C"]):
        sheet.write(0, c, caption)


def main(path):
    book = xlwt.Workbook(encoding="utf-8")
    sites(book)
    second(book)
    header_only(book)
    book.save(path)


if __name__ == "__main__":
    main(sys.argv[1])
