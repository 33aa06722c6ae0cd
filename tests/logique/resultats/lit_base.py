#!/usr/bin/python3
"""Independent reader of a results database for the tests: prints, as JSON, the tables with their
column names and declared types, and every row of each table with each value's SQLite type."""
import json
import sqlite3
import sys

base = sqlite3.connect(sys.argv[1])
resultat = {}
for (table,) in base.execute("SELECT name FROM sqlite_master WHERE type = 'table' AND name <> 'sqlite_sequence'"):
    colonnes = [[c[1], c[2], c[5]] for c in base.execute('PRAGMA table_info("%s")' % table.replace('"', '""'))]
    lignes = []
    noms = [c[0] for c in colonnes]
    for ligne in base.execute('SELECT * FROM "%s" ORDER BY rowid' % table.replace('"', '""')):
        lignes.append({n: [v, type(v).__name__] for n, v in zip(noms, ligne)})
    resultat[table] = {"colonnes": colonnes, "lignes": lignes}
json.dump(resultat, sys.stdout, ensure_ascii=False)
