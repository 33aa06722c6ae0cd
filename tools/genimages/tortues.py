#!/usr/bin/env python3
"""Writes the counting help's turtle drawings data/svg/tortues_0.svg ... tortues_10.svg.

n turtles on two sand trays of five, as a child counts on a hand: turtles 1 to 5 on the upper
tray, 6 to 10 on the lower one, the trays well apart, the turtles side by side without touching.
Run again after changing the drawing; the files it writes are committed (the program's picture
generator then renders them to Images/Tortues/<n>.jpg)."""
import pathlib
import sys

LARGEUR, HAUTEUR = 236, 84  # as tall as the room between the numbers and the tallest strip
ECHELLE = 1.22          # the turtle's own drawing is 31 x 22 design pixels: 38 x 27 here
PAS = 46                # one turtle and the gap to the next
GAUCHE = 6
PLATEAUX = (1, 47)      # the top of each tray, 36 high; the turtle's drawing centres itself in it

TORTUE = """<g id="tortue" transform="scale({e})">
<g stroke-linejoin="round" stroke-linecap="round">
<path fill="#12355b" stroke="#12355b" stroke-width="3.2" d="M1.5 18 L5 16.5 L4.5 20.5 Z"/>
<ellipse fill="#12355b" stroke="#12355b" stroke-width="3.2" cx="7.5" cy="21.2" rx="3.4" ry="3.1"/>
<ellipse fill="#12355b" stroke="#12355b" stroke-width="3.2" cx="18" cy="21.2" rx="3.4" ry="3.1"/>
<circle fill="#12355b" stroke="#12355b" stroke-width="3.2" cx="24.5" cy="12.5" r="5"/>
<path fill="#12355b" stroke="#12355b" stroke-width="3.2" d="M3 19 C3 3 22 2 22 19 Z"/>
<path fill="#9ad46b" stroke="none" d="M1.5 18 L5 16.5 L4.5 20.5 Z"/>
<ellipse fill="#9ad46b" stroke="none" cx="7.5" cy="21.2" rx="3.4" ry="3.1"/>
<ellipse fill="#9ad46b" stroke="none" cx="18" cy="21.2" rx="3.4" ry="3.1"/>
<circle fill="#9ad46b" stroke="none" cx="24.5" cy="12.5" r="5"/>
<path fill="#2e9e5b" stroke="none" d="M3 19 C3 3 22 2 22 19 Z"/>
</g>
<rect x="3" y="16.6" width="19" height="2.6" rx="1.3" fill="#c9e68a"/>
<circle cx="8.8" cy="13" r="2.5" fill="#57c27a"/>
<circle cx="15.6" cy="12" r="2.5" fill="#57c27a"/>
<circle cx="12.2" cy="8.4" r="1.8" fill="#57c27a"/>
<circle cx="25.8" cy="11.4" r="1.5" fill="#12355b"/>
<circle cx="26.3" cy="10.9" r="0.6" fill="#ffffff"/>
<path d="M25.4 15 Q27 16 28.4 14.8" fill="none" stroke="#12355b" stroke-width="1" stroke-linecap="round"/>
</g>"""


def dessin(n):
    lignes = [
        f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" version="1.2" '
        f'baseProfile="tiny" width="{LARGEUR}" height="{HAUTEUR}" viewBox="0 0 {LARGEUR} {HAUTEUR}">',
        "<defs>",
        TORTUE.format(e=ECHELLE),
        "</defs>",
        f'<rect x="0" y="0" width="{LARGEUR}" height="{HAUTEUR}" fill="#e8c887"/>',
    ]
    for haut in PLATEAUX:
        lignes.append(f'<rect x="2" y="{haut}" width="{LARGEUR - 4}" height="36" rx="12" fill="#fcf1d6" '
                      f'stroke="#c9a86a" stroke-width="2"/>')
    for k in range(n):
        x = GAUCHE + PAS * (k % 5)
        y = PLATEAUX[k // 5]
        lignes.append(f'<use xlink:href="#tortue" transform="translate({x} {y})"/>')
    lignes.append("</svg>")
    return "\n".join(lignes) + "\n"


def main():
    dossier = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent / "../../data/svg")
    for n in range(11):
        (dossier / f"tortues_{n}.svg").write_text(dessin(n), encoding="utf-8")


main()
