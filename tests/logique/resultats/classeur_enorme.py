#!/usr/bin/python3
"""A small file whose workbook part would unpack to 65 MB: classeur_enorme.py <file>."""
import sys
import zipfile

with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as archive:
    archive.writestr("[Content_Types].xml", "<Types/>")
    archive.writestr("xl/workbook.xml", b" " * (65 << 20))
print("{}")
