#!/usr/bin/python3
"""Measures the memory model on simulated classes (docs/memoire.md).

For each seed: a class's journal made by the simulation (its command line only), split at the
median moment of the questions of kinds 1, 2 and 5; `marivelle --predictions <journal> --jusqua
<median>` fits on the questions before it and predicts every question from the answers strictly
before it. The questions at or after the median are scored: log-loss of "right at the first try"
for the constant (the success rate before the median), the model and the oracle (the truth file),
and the share of the gap between constant and oracle that the model closes.

    tools/memoire/mesure.py --programme build-tests/src/marivelle --graines 1 2 3 --eleves 30 --jours 120
"""
import argparse
import csv
import math
import os
import sqlite3
import subprocess
import sys
import tempfile

SIMULATION = '/work/shared/simulation/eleves_simules.py'


def perte(p, juste):
    p = min(max(p, 1e-6), 1 - 1e-6)
    return -math.log(p if juste else 1 - p)


def mesure(programme, simulation, graine, eleves, jours, dossier):
    journal = os.path.join(dossier, f'classe_{graine}.sqlite')
    subprocess.run([sys.executable, simulation, journal, '--eleves', str(eleves), '--jours', str(jours),
                    '--graine', str(graine)], check=True, stdout=subprocess.DEVNULL)
    base = sqlite3.connect(journal)
    questions = base.execute(
        'SELECT e.eleve, q.moment, q.juste_premier FROM journal_questions q '
        'JOIN journal_eleves e ON e.id = q.eleve_id WHERE q.type_exercice IN (1, 2, 5)').fetchall()
    base.close()
    moments = sorted(q[1] for q in questions)
    median = moments[len(moments) // 2]
    avant = [q[2] for q in questions if q[1] < median]
    constante = sum(avant) / len(avant)
    verite = {}
    with open(journal + '.verite.csv', encoding='utf-8') as f:
        for ligne in csv.DictReader(f, delimiter=';'):
            verite[(ligne['eleve'], int(ligne['moment']))] = float(ligne['p_juste_premier'])
    sortie = subprocess.run([programme, '--predictions', journal, '--jusqua', str(median)], check=True,
                            capture_output=True, text=True).stdout
    modele = {}
    for ligne in list(csv.DictReader(sortie.splitlines(), delimiter=';')):
        modele[(ligne['eleve'], int(ligne['moment']))] = float(ligne['p'])
    apres = [q for q in questions if q[1] >= median]
    manquent = [q for q in apres if (q[0], q[1]) not in modele]
    if manquent:
        sys.exit(f'{len(manquent)} questions sans prédiction')
    n = len(apres)
    pc = sum(perte(constante, q[2]) for q in apres) / n
    pm = sum(perte(modele[(q[0], q[1])], q[2]) for q in apres) / n
    po = sum(perte(verite[(q[0], q[1])], q[2]) for q in apres) / n
    return n, pc, pm, po, (pc - pm) / (pc - po)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--programme', required=True)
    parser.add_argument('--simulation', default=SIMULATION)
    parser.add_argument('--graines', type=int, nargs='+', default=[1, 2, 3])
    parser.add_argument('--eleves', type=int, default=30)
    parser.add_argument('--jours', type=int, default=120)
    args = parser.parse_args()
    print(f'--eleves {args.eleves} --jours {args.jours}')
    print('graine;questions notées;constante;modèle;oracle;écart comblé')
    ecarts = []
    with tempfile.TemporaryDirectory() as dossier:
        for graine in args.graines:
            n, pc, pm, po, ecart = mesure(args.programme, args.simulation, graine, args.eleves, args.jours, dossier)
            ecarts.append(ecart)
            print(f'{graine};{n};{pc:.4f};{pm:.4f};{po:.4f};{100 * ecart:.1f} %', flush=True)
    print(f'moyenne de l\'écart comblé : {100 * sum(ecarts) / len(ecarts):.1f} %')


if __name__ == '__main__':
    main()
