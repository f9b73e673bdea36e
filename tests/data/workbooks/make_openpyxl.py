#!/usr/bin/python3
"""Writes openpyxl-mixed.xlsx with python3-openpyxl.

Sheet "Sites": shared strings, numbers stored as text (with their leading zeros
and the Text number format), numbers, booleans, a date, an empty middle row and
a cell far to the right. Sheet "second": more rows than the first, so that the
second sheet is read by name and not by position.
"""
import datetime
import sys

import openpyxl


def main(path):
    book = openpyxl.Workbook()
    sites = book.active
    sites.title = "Sites"
    rows = [
        ["Extension", "Name", "Number", "Flag", "Date", "Code"],
        ["05012", "Smith, John", 1.5, True, datetime.datetime(2024, 1, 15), "0123"],
        [2001, "Quote \"q\"", -0.25, False, None, "=1+1"],
        [],
        [123456789012, "Ünïcödé € 日本語", 3.14159, None, None, "x"],
    ]
    for r, row in enumerate(rows, start=1):
        for c, value in enumerate(row, start=1):
            if value is None:
                continue
            cell = sites.cell(row=r, column=c, value=value)
            if isinstance(value, str):
                cell.data_type = "s"  # "=1+1" is a text, not a formula
                cell.number_format = "@"
    sites.cell(row=6, column=9, value="far")
    second = book.create_sheet("second")
    for i in range(1, 301):
        second.append(["k%04d" % i, "Text number %d" % i])
    book.save(path)


if __name__ == "__main__":
    main(sys.argv[1])
