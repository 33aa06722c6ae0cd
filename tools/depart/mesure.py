#!/usr/bin/python3
"""Scores the starting test on simulated pupils who answer one question at a time.

For each seed, the simulation (by its command line only) answers the questions that
`marivelle --test-de-depart <op>` asks, pupil after pupil; at the end the program's 100
estimates are set beside the pupil's true chances. Prints, per seed, the mean absolute error of
the test, of a constant guess and of each fact's mean over the pupils (the difficulty known
exactly, nothing of the pupil), the questions asked and the slowest wait for a question.
"""
import argparse
import statistics
import subprocess
import sys
import time

SIMULATION = "/work/shared/simulation/eleves_simules.py"


def ligne(flux):
    texte = flux.readline()
    if not texte:
        raise RuntimeError("un programme s'est arrêté avant la fin")
    return texte.strip()


def teste_un_eleve(programme, simulation, eleve, jour, op, signe):
    test = subprocess.Popen([programme, "--test-de-depart", signe], stdin=subprocess.PIPE,
                            stdout=subprocess.PIPE, text=True, bufsize=1)
    questions, attente_max = 0, 0.0
    moment = jour
    debut = time.perf_counter()
    while True:
        champs = ligne(test.stdout).split(";")
        attente_max = max(attente_max, time.perf_counter() - debut) if questions else attente_max
        if len(champs) == 100:
            estimations = [float(c) for c in champs]
            break
        gauche, _, droite = champs
        simulation.stdin.write(f"{eleve};{moment:.6f};{gauche};{op};{droite}\n")
        simulation.stdin.flush()
        juste, ms, _ = ligne(simulation.stdout).split(";")
        moment += (int(ms) + 3000) / 86400000.0
        questions += 1
        debut = time.perf_counter()
        test.stdin.write(f"{juste};{ms}\n")
        test.stdin.flush()
    test.wait()
    simulation.stdin.write(f"verite;{eleve};{moment:.6f};{op}\n")
    simulation.stdin.flush()
    verite = [float(c) for c in ligne(simulation.stdout).split(";")]
    return estimations, verite, questions, attente_max


def main():
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("--programme", required=True)
    p.add_argument("--graines", type=int, nargs="+", default=[1])
    p.add_argument("--eleves", type=int, default=30)
    p.add_argument("--jour", type=float, default=0.0)
    p.add_argument("--operation", choices=["+", "×"], default="×")
    a = p.parse_args()
    op = 0 if a.operation == "+" else 2
    for graine in a.graines:
        simulation = subprocess.Popen([sys.executable, SIMULATION, "--repondre", "--graine", str(graine),
                                       "--eleves", str(a.eleves)], stdin=subprocess.PIPE,
                                      stdout=subprocess.PIPE, text=True, bufsize=1)
        resultats = [teste_un_eleve(a.programme, simulation, e, a.jour, op, a.operation)
                     for e in range(1, a.eleves + 1)]
        simulation.stdin.close()
        simulation.wait()
        verites = [r[1] for r in resultats]
        constante = statistics.mean(v for vs in verites for v in vs)
        moyenne_fait = [statistics.mean(vs[k] for vs in verites) for k in range(100)]
        erreur = statistics.mean(statistics.mean(abs(e - v) for e, v in zip(r[0], r[1])) for r in resultats)
        erreur_constante = statistics.mean(abs(constante - v) for vs in verites for v in vs)
        erreur_difficulte = statistics.mean(abs(moyenne_fait[k] - vs[k]) for vs in verites for k in range(100))
        biais = statistics.mean(statistics.mean(e - v for e, v in zip(r[0], r[1])) for r in resultats)
        questions = [r[2] for r in resultats]
        print(f"graine {graine} ({a.operation}, jour {a.jour:g}): erreur {erreur:.3f} (biais {biais:+.3f}) ; constante "
              f"{erreur_constante:.3f} ; difficulté seule {erreur_difficulte:.3f} ; questions "
              f"{statistics.mean(questions):.1f} (de {min(questions)} à {max(questions)}) ; attente la plus "
              f"longue {1000 * max(r[3] for r in resultats):.0f} ms", flush=True)


if __name__ == "__main__":
    main()
