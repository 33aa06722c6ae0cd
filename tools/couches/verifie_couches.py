#!/usr/bin/python3
"""Checks that the structure reads from the tree.

- every folder of src/ with sources is one library declared in src/CMakeLists.txt;
- a file includes only headers of its own library or of a library its library links, directly
  or through others (so no include runs back up the layers and no screen is reached unlinked);
- the libraries under src/logique link neither Qt Gui nor Qt Widgets, and include none of their
  headers;
- docs/ARCHITECTURE.md's table names every library with its folder, and nothing else.
Prints each fault and exits 1 when there is one.
"""
import os
import re
import sys

racine = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.dirname(__file__)))
src = os.path.join(racine, 'src')
fautes = []

# marivelle_library(NAME DIR links...) and the module of the sound output.
declarations = {}
texte = open(os.path.join(src, 'CMakeLists.txt'), encoding='utf-8').read()
for nom, dossier, liens in re.findall(r'marivelle_library\((\S+)\s+(\S+)\s*([^)]*)\)', texte):
    declarations[nom] = (dossier, liens.split())
for nom, fichier in re.findall(r'add_library\((\S+)\s+MODULE\s+(\S+)', texte):
    declarations[nom] = (os.path.dirname(fichier), re.findall(r'target_link_libraries\(%s\s+PRIVATE\s+([^)]*)\)' % nom, texte)[0].split())
bibliotheque_du_dossier = {dossier: nom for nom, (dossier, _) in declarations.items()}
# A module loaded at run time implements the interface of the library that loads it: it sees that
# library's headers without linking it (add_dependencies(<library> <module>)).
for chargeur, module in re.findall(r'add_dependencies\((\S+)\s+(\S+)\)', texte):
    if module in declarations:
        declarations[module][1].append(chargeur)


def liens(nom, vus=None):
    """Every library nom links, directly or through others."""
    vus = set() if vus is None else vus
    for lien in declarations.get(nom, ('', []))[1]:
        if lien not in vus:
            vus.add(lien)
            liens(lien, vus)
    return vus


for dossier_courant, _, fichiers in os.walk(src):
    sources = [f for f in fichiers if f.endswith(('.cpp', '.h'))]
    dossier = os.path.relpath(dossier_courant, src)
    if dossier == '.' or not sources:
        continue
    if dossier not in bibliotheque_du_dossier:
        fautes.append(f'src/{dossier} is no library of src/CMakeLists.txt')
        continue
    nom = bibliotheque_du_dossier[dossier]
    atteints = liens(nom) | {nom}
    logique = dossier.startswith('logique/')
    if logique and atteints & {'Qt6::Gui', 'Qt6::Widgets'}:
        fautes.append(f'{nom} (src/{dossier}) links Qt Gui or Qt Widgets')
    for f in sources:
        for ligne, inclus in enumerate(open(os.path.join(dossier_courant, f), encoding='utf-8').read().split('\n'), 1):
            m = re.match(r'#include\s+(["<])([^">]+)[">]', inclus)
            if not m:
                continue
            chemin = m.group(2)
            if m.group(1) == '<':
                if logique and re.match(r'Q(Widget|Painter|Pixmap|Image|Color|Font|Application|Label|Style)', chemin):
                    fautes.append(f'src/{dossier}/{f}:{ligne}: widget-free library includes <{chemin}>')
                continue
            cible = bibliotheque_du_dossier.get(os.path.dirname(chemin))
            if cible is None:
                fautes.append(f'src/{dossier}/{f}:{ligne}: "{chemin}" is in no library')
            elif cible not in atteints:
                fautes.append(f'src/{dossier}/{f}:{ligne}: {nom} includes "{chemin}" of {cible}, which it does not link')

# The map's table: | `library` | `src/folder` | ... |
carte = open(os.path.join(racine, 'docs', 'ARCHITECTURE.md'), encoding='utf-8').read()
dans_la_carte = dict(re.findall(r'^\| `(marivelle_\w+)` \| `src/([\w/]+)` \|', carte, re.M))
for nom, (dossier, _) in declarations.items():
    if dans_la_carte.get(nom) != dossier:
        fautes.append(f'docs/ARCHITECTURE.md: no row `{nom}` | `src/{dossier}`')
for nom in dans_la_carte.keys() - declarations.keys():
    fautes.append(f'docs/ARCHITECTURE.md: row `{nom}` names no library')

for faute in fautes:
    print(faute)
sys.exit(1 if fautes else 0)
