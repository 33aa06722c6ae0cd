"""Writes a table of cells as a workbook, with no code of the program: .xlsx with openpyxl, .ods
by hand (a zip with its mimetype and content.xml), as LibreOffice lays it out: equal neighbouring
cells and rows repeated, counted spaces, and the empty rows repeated to the end of the grid.
Usage: ecrit_classeur.py xlsx|ods <path> <json rows>"""
import json
import sys
import zipfile
from itertools import groupby
from xml.sax.saxutils import escape

genre, chemin, lignes = sys.argv[1], sys.argv[2], json.loads(sys.argv[3])

if genre == "xlsx":
    import openpyxl
    classeur = openpyxl.Workbook()
    feuille = classeur.active
    feuille.title = "Élèves"
    for ligne in lignes:
        feuille.append([None if c == "" else c for c in ligne])
    # A second sheet that must not be read.
    classeur.create_sheet("Autre").append(["Prénom", "Nom"])
    classeur.save(chemin)
    sys.exit(0)


# Equal neighbours, cells or rows, are one element repeated.
def cellule(texte, fois):
    repete = f' table:number-columns-repeated="{fois}"' if fois > 1 else ""
    if texte == "":
        return f'<table:table-cell{repete}/>'
    # Runs of spaces are counted spaces in OpenDocument.
    morceaux = escape(texte).split("  ")
    corps = '<text:s text:c="2"/>'.join(morceaux)
    return f'<table:table-cell{repete} office:value-type="string"><text:p>{corps}</text:p></table:table-cell>'


def rangee(ligne, fois):
    repete = f' table:number-rows-repeated="{fois}"' if fois > 1 else ""
    return f"<table:table-row{repete}>" + "".join(cellule(c, len(list(g))) for c, g in groupby(ligne)) + "</table:table-row>"


rangees = "".join(rangee(l, len(list(g))) for l, g in groupby(lignes))
contenu = (
    '<?xml version="1.0" encoding="UTF-8"?>'
    '<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
    'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
    'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2">'
    '<office:body><office:spreadsheet><table:table table:name="Élèves">'
    '<table:table-column table:number-columns-repeated="3"/>'
    f'<table:table-header-rows>{rangees[:rangees.index("</table:table-row>") + 18]}</table:table-header-rows>'
    f'{rangees[rangees.index("</table:table-row>") + 18:]}'
    '<table:table-row table:number-rows-repeated="1048000">'
    '<table:table-cell table:number-columns-repeated="1024"/></table:table-row>'
    '</table:table><table:table table:name="Autre"><table:table-row><table:table-cell office:value-type="string">'
    '<text:p>Intrus</text:p></table:table-cell></table:table-row></table:table>'
    '</office:spreadsheet></office:body></office:document-content>')
with zipfile.ZipFile(chemin, "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr(zipfile.ZipInfo("mimetype"), "application/vnd.oasis.opendocument.spreadsheet")
    z.writestr("content.xml", contenu)
