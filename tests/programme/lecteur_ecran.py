#!/usr/bin/env python3
"""The children's screens as a screen reader gets them: the real program on a session bus, read
through Qt's AT-SPI bridge (what Orca reads), driven by the reader's own "press" actions and keys.

Usage: lecteur_ecran.py <program> <empty data folder>; run inside dbus-run-session and xvfb-run.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

BORNE = 30  # seconds: only a broken program takes that long
evenements = []  # (type, role, name), in the order the bus brought them


def pompe():
    contexte = GLib.MainContext.default()
    while contexte.pending():
        contexte.iteration(False)


def attend(condition, quoi):
    fin = time.monotonic() + BORNE
    while time.monotonic() < fin:
        pompe()
        try:
            resultat = condition()
        except Exception:  # a node gone while it was read: read again
            resultat = None
        if resultat:
            return resultat
        time.sleep(0.05)
    raise AssertionError(f"jamais arrivé : {quoi}")


def noeuds(n):
    yield n
    for i in range(n.childCount):
        enfant = n.getChildAtIndex(i)
        if enfant is not None:
            yield from noeuds(enfant)


def visible(n):
    return pyatspi.STATE_SHOWING in n.getState().getStates()


def trouve(racine, nom, role):
    return attend(lambda: next((n for n in noeuds(racine) if n.name == nom and n.getRoleName() == role and visible(n)),
                               None), f"{role} « {nom} »")


def presse(n):
    action = n.queryAction()
    noms = [action.getName(i) for i in range(action.nActions)]
    assert "Press" in noms, f"« {n.name} » ne se presse pas au lecteur : {noms}"
    action.doAction(noms.index("Press"))


def clic(n):
    e = n.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(e.x + e.width // 2), str(e.y + e.height // 2), "click", "1"], check=True)


def ecrit_fichier(chemin, lignes):
    # The program's text files: Latin-1, CRLF.
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    with open(chemin, "wb") as f:
        f.write("".join(l + "\r\n" for l in lignes).encode("latin-1"))


def fenetre(app, nom, role="filler"):
    return attend(lambda: next((n for n in noeuds(app) if n.getRoleName() == role and n.name == nom and visible(n)), None),
                  f"l'écran « {nom} »")


def parle(ecran, geste):
    """Does `geste`, then returns what the screen's speech bubble says, checking that a reader
    is told as a notification: the last news of the bubble is that it shows, with its new words
    (a reader speaks a notification as it shows, not as its name changes on view)."""
    depuis = len(evenements)
    geste()
    attend(lambda: any(t == "object:state-changed:showing" and r == "notification" for t, r, _ in evenements[depuis:]),
           "une bulle parle")
    bulle = attend(lambda: next((n for n in noeuds(ecran) if n.getRoleName() == "notification" and visible(n)), None),
                   "la bulle")
    # Everything the gesture made the program send has come once it answers a call of ours.
    bulle.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pompe()
    dernier = [t for t, r, _ in evenements[depuis:] if r == "notification"][-1]
    assert dernier == "object:state-changed:showing", f"« {bulle.name} » nommé après s'être montré"
    assert bulle.name.strip(), "une bulle sans mots"
    return bulle.name


def main(programme, dossier):
    ecrit_fichier(os.path.join(dossier, "enseignant.txt"),
                  ["-------------Fichier contenant le nom des enseignants----------", "aucun", "Durand",
                   ">1 - enseigne la classe de ce1"])
    ecrit_fichier(os.path.join(dossier, "classe de Durand", "classe_Durand.txt"),
                  ["--------------Fichier de la classe de Durand--------------", "Léa en classe de ce1"])
    def note(e):
        try:
            evenements.append((e.type, e.source.getRoleName(), e.source.name))
        except Exception:
            pass
    for genre in ("object:property-change:accessible-name", "object:state-changed:showing"):
        pyatspi.Registry.registerEventListener(note, genre)
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    marivelle = subprocess.Popen([programme, dossier], cwd=dossier, env=env)
    try:
        bureau = pyatspi.Registry.getDesktop(0)
        app = attend(lambda: next((a for a in (bureau.getChildAtIndex(i) for i in range(bureau.childCount))
                                   if a is not None and a.name == "Marivelle"), None), "le programme sur le bus")
        # The teacher's class and the pupil, with the mouse.
        classe = trouve(app, "aucun", "combo box")
        clic(classe)
        clic(trouve(classe, "Durand", "list item"))
        clic(trouve(app, "Léa en classe de ce1", "list item"))
        presse(trouve(app, "Jouer", "push button"))
        presse(trouve(fenetre(app, "Marivelle", "dialog"), "OK", "push button"))

        # The chooser: every button has a French name and is pressed by the reader.
        choix = fenetre(app, "Choix de l'opérateur")
        boutons = [n for n in noeuds(choix) if n.getRoleName() == "push button" and visible(n)]
        assert len(boutons) >= 14, [b.name for b in boutons]
        for b in boutons:
            assert b.name.strip() and not re.search(r"[a-z][A-Z]|_", b.name), f"nom de code : {b.name!r}"
        # The fish played too early says what to choose first.
        assert "signe" in parle(choix, lambda: presse(trouve(choix, "Le poisson\u00a0: jouer", "push button")))
        for nom in ("Multiplication", "Résultat", "Baleine\u00a0: pas de temps"):
            bouton = trouve(choix, nom, "push button")
            presse(bouton)
            attend(lambda: bouton.description == "choisi", f"« {nom} » choisi")
        presse(trouve(choix, "Le poisson\u00a0: jouer", "push button"))
        presse(trouve(fenetre(app, "Test de départ", "dialog"), "Annuler", "push button"))

        # Exercise 1: the answer field has the focus, the question in words.
        exercice = fenetre(app, "Exercice n°1 (donner le résultat)")
        reponse = trouve(exercice, "Ta réponse", "text")
        attend(lambda: pyatspi.STATE_FOCUSED in reponse.getState().getStates(), "le champ de réponse a le clavier")
        assert re.fullmatch(r"[a-zéè-]+ fois [a-zéè-]+", reponse.description), reponse.description
        # Wrong twice: each time the fish's words reach the reader.
        for _ in range(2):
            parle(exercice, lambda: (subprocess.run(["xdotool", "type", "--delay", "30", "1000"], check=True),
                                     subprocess.run(["xdotool", "key", "Return"], check=True)))
            subprocess.run(["xdotool", "key", "ctrl+a", "BackSpace"], check=True)
        presse(trouve(exercice, "Quitter l'exercice", "push button"))
        fenetre(app, "Choix de l'opérateur")
        print("lecteur d'écran : choix, exercice 1 et retour lus et pressés")
    finally:
        marivelle.kill()
        bus.kill()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
