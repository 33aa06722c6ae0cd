#!/usr/bin/python3
"""Independent reader of a workbook for the tests: prints, as JSON, every sheet's cells (value
and type), wrap flags, column widths and row heights, the active sheet and the selected tabs, as
openpyxl reads them."""
import hashlib
import json
import sys
import zipfile

import openpyxl

classeur = openpyxl.load_workbook(sys.argv[1])
resultat = {
    "feuilles": classeur.sheetnames,
    "active": classeur.active.title,
    "selectionnees": [f.title for f in classeur.worksheets if f.sheet_view.tabSelected],
    "contenu": {},
}
for feuille in classeur.worksheets:
    cellules = {}
    for rangee in feuille.iter_rows():
        for c in rangee:
            if c.value is None:
                continue
            cellules[c.coordinate] = {
                "valeur": c.value,
                "type": c.data_type,
                "retour": bool(c.alignment.wrap_text),
            }
            if c.fill is not None and c.fill.fill_type == "solid":
                cellules[c.coordinate]["couleur"] = c.fill.fgColor.rgb
    resultat["contenu"][feuille.title] = {
        "cellules": cellules,
        "largeurs": {k: v.width for k, v in feuille.column_dimensions.items() if v.customWidth},
        "hauteurs": {str(k): v.height for k, v in feuille.row_dimensions.items() if v.height},
    }
with zipfile.ZipFile(sys.argv[1]) as archive:
    resultat["parties"] = {n: hashlib.md5(archive.read(n)).hexdigest() for n in archive.namelist()}
json.dump(resultat, sys.stdout, ensure_ascii=False)
