#!/usr/bin/python3
"""Prints the cells of a workbook as another program reads them, as JSON:
{"sheets": {name: [[{"text": ..., "kind": ..., "format": ...}, ...], ...]}}

  peer_cells.py xlrd FILE         every sheet of an .xls, through python3-xlrd
                                  (with the number format of each cell)
  peer_cells.py openpyxl FILE     every sheet of an .xlsx, through python3-openpyxl
                                  (with the number format of each cell)
  peer_cells.py odf FILE          every table of an .ods, through the standard
                                  library's zipfile (which checks every CRC) and
                                  ElementTree, as the OpenDocument format says
  peer_cells.py libreoffice FILE  the first sheet, converted to CSV by LibreOffice
  peer_cells.py gnumeric FILE     the first sheet, converted to CSV by Gnumeric

A cell's text is what a reader of the sheet gets as text: numbers in their
shortest form (2001, 1.5), booleans TRUE and FALSE, errors and empty cells "".
Every cell the file holds is listed, a text cell holding "" as kind "text".
"""
import csv
import json
import os
import re
import subprocess
import sys
import tempfile
import zipfile
import xml.etree.ElementTree as ElementTree


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


def with_openpyxl(path):
    import datetime
    import openpyxl
    from openpyxl.utils.datetime import to_excel
    book = openpyxl.load_workbook(path, data_only=True)
    sheets = {}
    for sheet in book.worksheets:
        rows = []
        for row in sheet.iter_rows(min_row=1, max_row=sheet.max_row, max_col=sheet.max_column):
            cells = []
            for cell in row:
                value = cell.value
                if value is None:
                    kind, text = "empty", ""
                elif isinstance(value, bool):
                    kind, text = "boolean", "TRUE" if value else "FALSE"
                elif isinstance(value, (int, float)):
                    kind, text = "number", number_text(value)
                elif isinstance(value, (datetime.datetime, datetime.date, datetime.time)):
                    kind, text = "number", number_text(to_excel(value, sheet.parent.epoch))
                elif cell.data_type == "e":
                    kind, text = "error", ""
                else:
                    kind, text = "text", str(value)
                cells.append({"text": text, "kind": kind, "format": cell.number_format})
            rows.append(cells)
        sheets[sheet.title] = rows
    return sheets


ODF_OFFICE = "urn:oasis:names:tc:opendocument:xmlns:office:1.0"
ODF_TABLE = "urn:oasis:names:tc:opendocument:xmlns:table:1.0"
ODF_TEXT = "urn:oasis:names:tc:opendocument:xmlns:text:1.0"


def odf_paragraph(element):
    """The text of a text:p: white space collapsed, text:s, text:tab and
    text:line-break as the characters they stand for."""
    pieces = []

    def walk(node):
        if node.text:
            pieces.append(("chars", node.text))
        for child in node:
            tag = child.tag
            if tag == "{%s}s" % ODF_TEXT:
                pieces.append(("kept", " " * int(child.get("{%s}c" % ODF_TEXT, "1"))))
            elif tag == "{%s}tab" % ODF_TEXT:
                pieces.append(("kept", "\t"))
            elif tag == "{%s}line-break" % ODF_TEXT:
                pieces.append(("kept", "\n"))
            elif tag not in ("{%s}annotation" % ODF_OFFICE, "{%s}note" % ODF_TEXT):
                walk(child)
            if child.tail:
                pieces.append(("chars", child.tail))

    walk(element)
    text, pending = "", False
    for kind, piece in pieces:
        if kind == "kept":
            text += (" " if pending and text else "") + piece
            pending = False
            continue
        for word in re.split(r"([ \t\r\n]+)", piece):
            if not word:
                continue
            if word.strip(" \t\r\n") == "":
                pending = True
            else:
                text += (" " if pending and text else "") + word
                pending = False
    return text


def odf_cell(cell):
    kind = cell.get("{%s}value-type" % ODF_OFFICE)
    paragraphs = "\n".join(odf_paragraph(p) for p in cell.findall("{%s}p" % ODF_TEXT))
    if kind is None:
        return {"text": paragraphs, "kind": "text" if paragraphs else "empty"}
    if kind in ("float", "percentage", "currency"):
        return {"text": number_text(float(cell.get("{%s}value" % ODF_OFFICE))), "kind": "number"}
    if kind == "boolean":
        value = cell.get("{%s}boolean-value" % ODF_OFFICE) == "true"
        return {"text": "TRUE" if value else "FALSE", "kind": "boolean"}
    if kind == "string":
        return {"text": cell.get("{%s}string-value" % ODF_OFFICE, paragraphs), "kind": "text"}
    return {"text": paragraphs, "kind": kind}


def with_odf(path):
    # Programs that recognise the format by its first bytes find the mimetype there.
    with open(path, "rb") as f:
        head = f.read(84)
    if head[30:38] != b"mimetype" or head[38:84] != b"application/vnd.oasis.opendocument.spreadsheet":
        raise ValueError("the mimetype does not open the file")
    with zipfile.ZipFile(path) as ods:
        if ods.testzip() is not None:
            raise ValueError("a member fails its CRC check")
        names = ods.namelist()
        if names[0] != "mimetype" or ods.getinfo("mimetype").compress_type != zipfile.ZIP_STORED:
            raise ValueError("mimetype is not the first member, stored")
        content = ElementTree.fromstring(ods.read("content.xml"))
    sheets = {}
    for table in content.iter("{%s}table" % ODF_TABLE):
        rows = []
        for row in table.iter("{%s}table-row" % ODF_TABLE):
            cells = []
            for cell in row:
                if cell.tag not in ("{%s}table-cell" % ODF_TABLE, "{%s}covered-table-cell" % ODF_TABLE):
                    continue
                repeat = min(int(cell.get("{%s}number-columns-repeated" % ODF_TABLE, "1")), 1024)
                cells.extend([odf_cell(cell)] * repeat)
            repeat = min(int(row.get("{%s}number-rows-repeated" % ODF_TABLE, "1")), 1024)
            rows.extend([cells] * repeat)
        # Repeated empty cells and rows at the ends are how office programs fill a sheet.
        for cells in rows:
            while cells and cells[-1]["kind"] == "empty":
                cells.pop()
        while rows and not rows[-1]:
            rows.pop()
        sheets[table.get("{%s}name" % ODF_TABLE)] = rows
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
    read = {"xlrd": with_xlrd, "openpyxl": with_openpyxl, "odf": with_odf, "libreoffice": with_libreoffice,
            "gnumeric": with_gnumeric}[peer]
    sys.stdout.buffer.write(json.dumps({"sheets": read(path)}, ensure_ascii=False).encode("utf-8"))


if __name__ == "__main__":
    main()
