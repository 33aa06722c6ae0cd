#!/usr/bin/python3
"""A teacher's own edits, made with openpyxl: a formula and a coloured cell on the pupil's sheet,
and a sheet of their own; or, given a cell and a whole number, only that cell set."""
import sys

import openpyxl
from openpyxl.styles import PatternFill

chemin, feuille = sys.argv[1], sys.argv[2]
classeur = openpyxl.load_workbook(chemin)
f = classeur[feuille]
if len(sys.argv) == 5:
    f[sys.argv[3]] = int(sys.argv[4])
    classeur.save(chemin)
    print("{}")
    sys.exit()
f["A30"] = "=1+2"
f["A31"] = "Remarque de l'enseignante"
f["A31"].fill = PatternFill(start_color="FFFF00", end_color="FFFF00", fill_type="solid")
notes = classeur.create_sheet("Notes")
notes["A1"] = "Réunion parents"
notes["B2"] = 42
classeur.save(chemin)
