#!/usr/bin/python3
"""Writes formulas.ods, the source that LibreOffice and Gnumeric convert to .xls.

Sheet "Formulas" holds formula cells whose results are strings (="0123" keeps its
leading zero only as a string), numbers and booleans, with their results stored as
a spreadsheet program stores them, beside plain text and numbers. Sheet "Empty"
holds only a heading row.
"""
import sys
import zipfile
from xml.sax.saxutils import escape, quoteattr

MANIFEST = """<?xml version="1.0" encoding="UTF-8"?>
<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">
 <manifest:file-entry manifest:full-path="/" manifest:version="1.2" manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>
 <manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>
</manifest:manifest>
"""

HEAD = """<?xml version="1.0" encoding="UTF-8"?>
<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" office:version="1.2">
<office:body><office:spreadsheet>
"""
TAIL = "</office:spreadsheet></office:body></office:document-content>\n"


def text(value):
    return ('<table:table-cell office:value-type="string"><text:p>%s</text:p></table:table-cell>'
            % escape(value))


def number(value):
    return ('<table:table-cell office:value-type="float" office:value="%s"><text:p>%s</text:p>'
            '</table:table-cell>' % (value, value))


def formula(expression, kind, result):
    """A formula cell with its stored result: kind is string, float or boolean."""
    attrs = "table:formula=%s office:value-type=%s" % (quoteattr("of:" + expression), quoteattr(kind))
    shown = result
    if kind == "string":
        attrs += " office:string-value=%s" % quoteattr(result)
    elif kind == "float":
        attrs += " office:value=%s" % quoteattr(result)
    else:
        attrs += " office:boolean-value=%s" % quoteattr(result)
        shown = result.upper()
    return "<table:table-cell %s><text:p>%s</text:p></table:table-cell>" % (attrs, escape(shown))


def empty():
    return "<table:table-cell/>"


def table(name, rows):
    out = ['<table:table table:name=%s>' % quoteattr(name)]
    for row in rows:
        out.append("<table:table-row>" + "".join(row) + "</table:table-row>")
    out.append("</table:table>")
    return "\n".join(out)


FORMULAS = [
    [text("Code"), text("Sum"), text("Joined"), text("Check"), text("Name"), text("Plain")],
    [formula('="0123"', "string", "0123"), formula("=1+1", "float", "2"),
     formula('="A"&"B"', "string", "AB"), formula("=1=1", "boolean", "true"),
     text("Café €"), number("1.5")],
    [formula('="007"', "string", "007"), formula("=2000+1", "float", "2001"),
     formula('=""', "string", ""), formula("=1=2", "boolean", "false"),
     text("Ñandú"), number("2001")],
    [formula('="=1+1"', "string", "=1+1"), formula("=10/4", "float", "2.5"),
     empty(), empty(), text("Smith, John"), number("-0.25")],
]

EMPTY = [[text("A"), text("B")]]


def main(path):
    content = HEAD + table("Formulas", FORMULAS) + "\n" + table("Empty", EMPTY) + "\n" + TAIL
    with zipfile.ZipFile(path, "w") as ods:
        ods.writestr(zipfile.ZipInfo("mimetype"), "application/vnd.oasis.opendocument.spreadsheet",
                     compress_type=zipfile.ZIP_STORED)
        ods.writestr("META-INF/manifest.xml", MANIFEST, compress_type=zipfile.ZIP_DEFLATED)
        ods.writestr("content.xml", content, compress_type=zipfile.ZIP_DEFLATED)


if __name__ == "__main__":
    main(sys.argv[1])
