#!/usr/bin/python3
"""Writes the hand-made .xlsx fixtures with the standard library's zipfile:
SpreadsheetML as other writers lay it out, which openpyxl and the office
programs do not write themselves.

  inline-strict.xlsx  strict OOXML namespaces under the prefix "x", inline
                      strings, rows and cells without references, rich-text and
                      phonetic runs in shared strings, _xHHHH_ escapes, cached
                      formula results of every kind, a 1904 date system and an
                      ISO date cell
"""
import sys
import zipfile

MAIN = "http://purl.oclc.org/ooxml/spreadsheetml/main"
REL = "http://purl.oclc.org/ooxml/officeDocument/relationships"

CONTENT_TYPES = """<?xml version="1.0" encoding="UTF-8"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
<Default Extension="xml" ContentType="application/xml"/>
<Override PartName="/book/main.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>
<Override PartName="/book/sheets/data.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>
<Override PartName="/book/strings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>
</Types>
"""

PACKAGE_RELS = """<?xml version="1.0" encoding="UTF-8"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="r1" Type="http://purl.oclc.org/ooxml/officeDocument/relationships/officeDocument" Target="/book/main.xml"/>
</Relationships>
"""

WORKBOOK = """<?xml version="1.0" encoding="UTF-8"?>
<x:workbook xmlns:x="%s" xmlns:rel="%s">
<x:workbookPr date1904="1"/>
<x:sheets>
<x:sheet name="Chart" sheetId="2" rel:id="c1"/>
<x:sheet name="Data Sheet" sheetId="1" rel:id="s1"/>
</x:sheets>
</x:workbook>
""" % (MAIN, REL)

WORKBOOK_RELS = """<?xml version="1.0" encoding="UTF-8"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="s1" Type="http://purl.oclc.org/ooxml/officeDocument/relationships/worksheet" Target="sheets/data.xml"/>
<Relationship Id="c1" Type="http://purl.oclc.org/ooxml/officeDocument/relationships/chartsheet" Target="charts/chart1.xml"/>
<Relationship Id="t1" Type="http://purl.oclc.org/ooxml/officeDocument/relationships/sharedStrings" Target="../book/strings.xml"/>
</Relationships>
"""

STRINGS = """<?xml version="1.0" encoding="UTF-8"?>
<sst xmlns="%s" count="4" uniqueCount="4">
<si><t>Heading</t></si>
<si><r><rPr><b/></rPr><t>rich </t></r><r><t xml:space="preserve">text </t></r><rPh sb="0" eb="1"><t>PHONETIC</t></rPh><phoneticPr fontId="0"/></si>
<si><t>line_x000D_
break _x005F_x0041_ tab\t</t></si>
<si><t>日本</t><rPh sb="0" eb="2"><t>ニホン</t></rPh></si>
</sst>
""" % MAIN

SHEET = """<?xml version="1.0" encoding="UTF-8"?>
<x:worksheet xmlns:x="%s">
<x:sheetData>
<x:row><x:c t="s"><x:v>0</x:v></x:c><x:c t="inlineStr"><x:is><x:t>Second</x:t></x:is></x:c></x:row>
<x:row><x:c t="s"><x:v>1</x:v></x:c><x:c t="inlineStr"><x:is><x:r><x:t>in</x:t></x:r><x:r><x:t>line</x:t></x:r></x:is></x:c><x:c><x:v>0012</x:v></x:c></x:row>
<x:row r="4"><x:c r="B4" t="s"><x:v>2</x:v></x:c><x:c t="s"><x:v>3</x:v></x:c></x:row>
<x:row><x:c t="str"><x:f>"0"&amp;"123"</x:f><x:v>0123</x:v></x:c><x:c><x:f>1+1</x:f><x:v>2</x:v></x:c><x:c t="b"><x:f>1=1</x:f><x:v>1</x:v></x:c><x:c t="e"><x:f>1/0</x:f><x:v>#DIV/0!</x:v></x:c><x:c><x:f>NOW()</x:f></x:c><x:c t="d"><x:v>2024-01-15T12:00:00</x:v></x:c><x:c s="1"><x:v>43845</x:v></x:c></x:row>
</x:sheetData>
</x:worksheet>
""" % MAIN


def main(path):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as xlsx:
        xlsx.writestr("[Content_Types].xml", CONTENT_TYPES)
        xlsx.writestr("_rels/.rels", PACKAGE_RELS)
        xlsx.writestr("book/main.xml", WORKBOOK)
        xlsx.writestr("book/_rels/main.xml.rels", WORKBOOK_RELS)
        xlsx.writestr("book/strings.xml", STRINGS)
        xlsx.writestr("book/sheets/data.xml", SHEET)


if __name__ == "__main__":
    main(sys.argv[1])
