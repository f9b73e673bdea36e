#!/usr/bin/env bash
# Makes the workbook fixtures that other programs wrote; the tests read them.
#   xlwt-mixed.xls          python3-xlwt (make_xlwt.py)
#   libreoffice-csv.xls     LibreOffice, from sites.csv (UTF-8)
#   libreoffice-formulas.xls LibreOffice, from formulas.ods (make_ods.py)
#   gnumeric-formulas.xls   Gnumeric ssconvert, BIFF8, from formulas.ods
#   gnumeric-biff5.xls      Gnumeric ssconvert, BIFF5 (Excel 5.0/95), from formulas.ods
#   openpyxl-mixed.xlsx     python3-openpyxl (make_openpyxl.py)
#   inline-strict.xlsx      hand-made SpreadsheetML (make_xlsx.py)
#   libreoffice-formulas.xlsx, libreoffice-formulas.ods   LibreOffice, from formulas.ods
#   gnumeric-formulas.xlsx, gnumeric-formulas.ods         Gnumeric ssconvert, from formulas.ods
# Needs /usr/bin/python3 with xlwt and openpyxl (scripts/deps --test), soffice
# (libreoffice-calc-nogui) and ssconvert (gnumeric).
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

/usr/bin/python3 make_xlwt.py xlwt-mixed.xls
/usr/bin/python3 make_ods.py formulas.ods
/usr/bin/python3 make_openpyxl.py openpyxl-mixed.xlsx
/usr/bin/python3 make_xlsx.py inline-strict.xlsx

# A private LibreOffice profile, so a running LibreOffice is not disturbed.
soffice_convert() {
  soffice -env:UserInstallation="file://$work/profile" --headless "$@" --outdir "$work" >/dev/null 2>&1
}
soffice_convert --infilter="CSV:44,34,76,1" --convert-to xls sites.csv
mv "$work/sites.xls" libreoffice-csv.xls
soffice_convert --convert-to xls formulas.ods
mv "$work/formulas.xls" libreoffice-formulas.xls
soffice_convert --convert-to xlsx formulas.ods
mv "$work/formulas.xlsx" libreoffice-formulas.xlsx
soffice_convert --convert-to ods:calc8 formulas.ods
mv "$work/formulas.ods" libreoffice-formulas.ods

ssconvert --export-type=Gnumeric_Excel:excel_biff8 formulas.ods gnumeric-formulas.xls >/dev/null 2>&1
ssconvert --export-type=Gnumeric_Excel:excel_biff7 formulas.ods gnumeric-biff5.xls >/dev/null 2>&1
ssconvert --export-type=Gnumeric_Excel:xlsx2 formulas.ods gnumeric-formulas.xlsx >/dev/null 2>&1
ssconvert --export-type=Gnumeric_OpenCalc:openoffice formulas.ods gnumeric-formulas.ods >/dev/null 2>&1
