# Reads a class's answer journal with Python's own sqlite3, independently of the program:
# one line per question, "pupil|moment|kind|left op right = result|first answer|right first|tries|ms first|ms end|creature end|hole|operations".
import sqlite3, sys
base = sqlite3.connect("file:" + sys.argv[1] + "?mode=ro", uri=True)
signes = "+-\u00d7\u00f7"
def fait(g, o, d, r):
    return "%d%s%d=%d" % (g, signes[o], d, r)
for ligne in base.execute(
        "SELECT e.eleve, q.moment, q.type_exercice, q.gauche, q.operation, q.droite, q.resultat, q.reponse, "
        "q.juste_premier, q.essais, q.ms_premiere, q.ms_fin, q.fin_creature, q.trou, q.eleve_id, q.aide_utilisee, "
        "q.bande_utilisee, q.position, q.creature, q.temps_reponse "
        "FROM journal_questions q JOIN journal_eleves e ON e.id = q.eleve_id ORDER BY q.moment"):
    ops = base.execute("SELECT gauche, operation, droite, resultat, action FROM journal_operations "
                       "WHERE eleve_id = ? AND moment = ? ORDER BY rang", (ligne[14], ligne[1])).fetchall()
    print("|".join(str(x) for x in [ligne[0], ligne[1], ligne[2], fait(*ligne[3:7]), ligne[7], ligne[8], ligne[9],
                                    ligne[10], ligne[11], ligne[12], ligne[13], ligne[15], ligne[16], ligne[17],
                                    ligne[18], ligne[19],
                                    ",".join(fait(*o[:4]) + ":" + str(o[4]) for o in ops)]))
