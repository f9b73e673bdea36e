#!/usr/bin/python3
"""Prints the cells of a workbook as another program reads them, as JSON:
{"sheets": {name: [[{"text": ..., "kind": ..., "format": ...}, ...], ...]}}

  peer_cells.py xlrd FILE         every sheet, through python3-xlrd (with the
                                  number format of each cell)
  peer_cells.py libreoffice FILE  the first sheet, converted to CSV by LibreOffice
  peer_cells.py gnumeric FILE     the first sheet, converted to CSV by Gnumeric

A cell's text is what a reader of the sheet gets as text: numbers in their
shortest form (2001, 1.5), booleans TRUE and FALSE, errors and empty cells "".
"""
import csv
import json
import os
import subprocess
import sys
import tempfile


def number_text(value):
    if value == int(value) and abs(value) < 1e16:
        return str(int(value))
    return repr(value)


def with_xlrd(path):
    import xlrd
    book = xlrd.open_workbook(path, formatting_info=True)
    kinds = {xlrd.XL_CELL_EMPTY: "empty", xlrd.XL_CELL_TEXT: "text", xlrd.XL_CELL_NUMBER: "number",
             xlrd.XL_CELL_DATE: "number", xlrd.XL_CELL_BOOLEAN: "boolean", xlrd.XL_CELL_ERROR: "error",
             xlrd.XL_CELL_BLANK: "empty"}
    sheets = {}
    for sheet in book.sheets():
        rows = []
        for r in range(sheet.nrows):
            row = []
            for c in range(sheet.ncols):
                cell = sheet.cell(r, c)
                kind = kinds[cell.ctype]
                if kind == "text":
                    text = cell.value
                elif kind == "number":
                    text = number_text(cell.value)
                elif kind == "boolean":
                    text = "TRUE" if cell.value else "FALSE"
                else:
                    text = ""
                xf = book.xf_list[cell.xf_index]
                row.append({"text": text, "kind": kind, "format": book.format_map[xf.format_key].format_str})
            rows.append(row)
        sheets[sheet.name] = rows
    return sheets


def csv_rows(csv_path):
    with open(csv_path, newline="", encoding="utf-8") as f:
        return [[{"text": text, "kind": "text"} for text in row] for row in csv.reader(f)]


def with_libreoffice(path):
    with tempfile.TemporaryDirectory() as work:
        subprocess.run(["soffice", "-env:UserInstallation=file://" + work + "/profile", "--headless",
                        "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1", "--outdir", work, path],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
        name = os.path.splitext(os.path.basename(path))[0] + ".csv"
        return {"first": csv_rows(os.path.join(work, name))}


def with_gnumeric(path):
    with tempfile.TemporaryDirectory() as work:
        out = os.path.join(work, "out.csv")
        subprocess.run(["ssconvert", "--export-type=Gnumeric_stf:stf_csv", path, out],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
        return {"first": csv_rows(out)}


def main():
    peer, path = sys.argv[1], sys.argv[2]
    read = {"xlrd": with_xlrd, "libreoffice": with_libreoffice, "gnumeric": with_gnumeric}[peer]
    sys.stdout.buffer.write(json.dumps({"sheets": read(path)}, ensure_ascii=False).encode("utf-8"))


if __name__ == "__main__":
    main()
