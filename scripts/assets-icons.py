#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Draws Kolvar's button pictures and the hand pointer into assets/icons/.

Every picture is drawn with ImageMagick drawing primitives at four times its
final size and then reduced, which gives clean anti-aliased edges.  For each
button key four state pictures are written (picture-button convention):

    key_n.png   normal   the plain symbol
    key.png     hover    symbol on a raised, light-blue button face
    key_u.png   pressed  symbol shifted by one pixel on a sunken, darker face
    key_ef.png  disabled grey, faded symbol with a light engraved edge

It also writes assets/kolvar.qrc, which lists every icon under the prefix
/icons and the pictures of scripts/assets-bilder.py under /bilder.

Needs: python3 (standard library only), ImageMagick 6 (convert) and the
DejaVu fonts (fonts-dejavu-core).  Run from anywhere:
    python3 scripts/assets-icons.py
The output is deterministic for a given ImageMagick version.
"""

import os
import subprocess
import sys
import tempfile

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ZIEL = os.path.join(WURZEL, "assets", "icons")
FAKTOR = 4  # drawing scale before the reduction
FETT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# Common colours.
UMRISS = "#2b2b2b"
ORDNER_HINTEN = "#e0a526"
ORDNER_VORNE = "#f7cd55"
ORDNER_RAND = "#8a5a00"
DB_KOERPER = "#4f86c6"
DB_DECKEL = "#9cc0ea"
DB_RAND = "#1f426c"
HIMMEL = "#8ec5f2"
WIESE = "#4f9d3a"
BERG = "#6b7f99"
SONNE = "#ffcc33"
PFEIL = "#2a6fb7"
PFEIL_RAND = "#143e6b"


def convert(*argumente):
    subprocess.run(["convert", *argumente], check=True)


def zylinder(x1, x2, y1, y2, ry):
    """A database cylinder between x1..x2, top ellipse at y1, bottom at y2."""
    cx = (x1 + x2) / 2
    rx = (x2 - x1) / 2
    return f"""
    push graphic-context
      fill '{DB_KOERPER}' stroke '{DB_RAND}' stroke-width 1
      path 'M {x1},{y1} L {x1},{y2} A {rx},{ry} 0 0,0 {x2},{y2} L {x2},{y1} Z'
      fill none stroke '{DB_DECKEL}' stroke-width 0.8
      path 'M {x1 + 0.6},{y1 + (y2 - y1) / 3} A {rx - 0.6},{ry} 0 0,0 {x2 - 0.6},{y1 + (y2 - y1) / 3}'
      path 'M {x1 + 0.6},{y1 + 2 * (y2 - y1) / 3} A {rx - 0.6},{ry} 0 0,0 {x2 - 0.6},{y1 + 2 * (y2 - y1) / 3}'
      fill '{DB_DECKEL}' stroke '{DB_RAND}' stroke-width 1
      ellipse {cx},{y1} {rx},{ry} 0,360
    pop graphic-context
    """


def landschaft(x1, y1, x2, y2, sonne=True):
    """A tiny landscape photo filling the rectangle (sky, hill, sun)."""
    b = x2 - x1
    h = y2 - y1
    teile = [f"""
    push graphic-context
      fill '{HIMMEL}' stroke none
      rectangle {x1},{y1} {x2},{y2}
      fill '{BERG}'
      polygon {x1},{y2} {x1 + 0.35 * b},{y1 + 0.35 * h} {x1 + 0.6 * b},{y1 + 0.7 * h} {x1 + 0.75 * b},{y1 + 0.5 * h} {x2},{y2}
      fill '{WIESE}'
      polygon {x1},{y2} {x1},{y1 + 0.8 * h} {x1 + 0.5 * b},{y1 + 0.68 * h} {x2},{y1 + 0.82 * h} {x2},{y2}
    pop graphic-context
    """]
    if sonne:
        r = min(b, h) * 0.13
        teile.append(f"fill '{SONNE}' stroke none circle {x1 + 0.78 * b},{y1 + 0.25 * h} {x1 + 0.78 * b + r},{y1 + 0.25 * h}")
    return "\n".join(teile)


def lupe(cx, cy, r, griff_bis, breite=2.2):
    return f"""
    push graphic-context
      stroke '#5b3a1a' stroke-width {breite * 1.9} stroke-linecap round
      line {cx + r * 0.72},{cy + r * 0.72} {griff_bis},{griff_bis}
      fill '#dcefff' stroke '#333333' stroke-width {breite}
      circle {cx},{cy} {cx + r},{cy}
      fill none stroke 'white' stroke-width {breite * 0.6}
      path 'M {cx - r * 0.6},{cy - r * 0.1} A {r * 0.62},{r * 0.62} 0 0,1 {cx - r * 0.05},{cy - r * 0.62}'
    pop graphic-context
    """


# ---------------------------------------------------------------- toolbar (32)

TOOLBAR = {
    # New database: cylinder with a green plus badge.
    "new": zylinder(5, 23, 8, 25, 3.2) + f"""
    fill '#2f9e44' stroke '#17602a' stroke-width 1
    circle 23.5,22.5 30,22.5
    stroke white stroke-width 2.2 stroke-linecap round
    line 23.5,19 23.5,26
    line 20,22.5 27,22.5
    """,
    # Open database: open folder with a database cylinder inside.
    "open": f"""
    fill '{ORDNER_HINTEN}' stroke '{ORDNER_RAND}' stroke-width 1
    polygon 2.5,8 10,8 12.5,10.5 26.5,10.5 26.5,27 2.5,27
    """ + zylinder(11, 22, 5, 17, 2.2) + f"""
    fill '{ORDNER_VORNE}' stroke '{ORDNER_RAND}' stroke-width 1
    polygon 2.5,27 6.5,15.5 30.5,15.5 26.5,27
    """,
    # Thumbnail browser: a window with a grid of small photos.
    "browser": f"""
    fill '#f4f6f8' stroke '{UMRISS}' stroke-width 1
    rectangle 2.5,3.5 29.5,28.5
    fill '#5c7fa8' stroke none
    rectangle 3,4 29,7
    """ + "\n".join(
        landschaft(4.5 + c * 8.3, 9 + r * 6.6, 4.5 + c * 8.3 + 6.8, 9 + r * 6.6 + 5.2, sonne=(r + c) % 2 == 0)
        for r in range(3) for c in range(3)),
    # Picture list: a page with rows, the second row marked.
    "liste": f"""
    fill white stroke '{UMRISS}' stroke-width 1
    rectangle 5.5,2.5 26.5,29.5
    fill '#1c3fa8' stroke none
    rectangle 6.5,10 25.5,16
    """ + "\n".join(
        f"fill '{farbe}' stroke none rectangle 8,{y - 1.3} 10.6,{y + 1.3}\n"
        f"stroke '{farbe}' stroke-width 1.5 line 12.5,{y} {laenge},{y}\n"
        for y, laenge, farbe in [(6.5, 23.5, '#555555'), (13, 23.5, 'white'),
                                 (19.5, 21, '#555555'), (25.5, 22.5, '#555555')]),
    # Album from an existing folder: folder with a photo sticking out.
    "album": f"""
    fill '{ORDNER_HINTEN}' stroke '{ORDNER_RAND}' stroke-width 1
    polygon 2.5,9 10,9 12.5,11.5 29.5,11.5 29.5,28 2.5,28
    push graphic-context
      translate 16,12 rotate -8
      fill white stroke '#444444' stroke-width 0.8
      rectangle -9,-9 9,6
    pop graphic-context
    push graphic-context
      translate 16,12 rotate -8
    """ + landschaft(-7.6, -7.6, 7.6, 4.5) + f"""
    pop graphic-context
    fill '{ORDNER_VORNE}' stroke '{ORDNER_RAND}' stroke-width 1
    polygon 2.5,28 2.5,16.5 29.5,16.5 29.5,28
    """,
    # Search: magnifying glass.
    "suche": lupe(13, 13, 8.5, 27.5),
    # About / maker: blue info disc.
    "quen": f"""
    fill '#2f6fc0' stroke '#143e6b' stroke-width 1.2
    circle 16,16 16,3
    fill white stroke none
    circle 16,9.3 16,7.2
    roundrectangle 14,13 18,25 1,1
    rectangle 12.5,13 16,14.8
    rectangle 12.5,23.4 19.5,25
    """,
    # Presentation: projection screen on a tripod showing a photo.
    "praesentation": f"""
    stroke '#444444' stroke-width 1.6 stroke-linecap round
    line 16,22 16,29.5
    line 16,25.5 9.5,30
    line 16,25.5 22.5,30
    fill white stroke '#555555' stroke-width 1
    rectangle 4.5,5 27.5,22
    """ + landschaft(6.5, 7, 25.5, 20) + f"""
    fill '#3b3b3b' stroke none
    roundrectangle 2.5,2.5 29.5,5.5 1,1
    fill '#e03131' stroke 'white' stroke-width 0.8
    polygon 13.5,9.5 13.5,17.5 20,13.5
    """,
}

# ------------------------------------------------------------ navigation (24)


def dreieck(spitze_x, basis_x, y1=5, y2=19):
    ym = (y1 + y2) / 2
    return (f"fill '{PFEIL}' stroke '{PFEIL_RAND}' stroke-width 1 stroke-linejoin round "
            f"polygon {basis_x},{y1} {spitze_x},{ym} {basis_x},{y2}\n")


def balken(x1, x2):
    return f"fill '{PFEIL}' stroke '{PFEIL_RAND}' stroke-width 1 rectangle {x1},5 {x2},19\n"


NAVIGATION = {
    "first": balken(4.5, 7.5) + dreieck(8.5, 19),
    "back": dreieck(6.5, 17),
    "next": dreieck(17.5, 7),
    "last": dreieck(15.5, 5) + balken(16.5, 19.5),
    "back_gross": dreieck(2.5, 12) + dreieck(11.5, 21),
    "next_gross": dreieck(21.5, 12) + dreieck(12.5, 3),
}

ZOOM = {
    "groesser": lupe(10, 10, 7, 21.5, 1.8) + """
    stroke '#1f7a33' stroke-width 2 stroke-linecap round
    line 10,6.5 10,13.5
    line 6.5,10 13.5,10
    """,
    "kleiner": lupe(10, 10, 7, 21.5, 1.8) + """
    stroke '#b02a2a' stroke-width 2 stroke-linecap round
    line 6.5,10 13.5,10
    """,
    "original": f"""
    fill white stroke '#555555' stroke-width 1
    rectangle 1.5,3.5 22.5,20.5
    fill '{HIMMEL}' stroke none
    rectangle 2,4 22,20
    fill '#ffffff' fill-opacity 0.75
    rectangle 2,7 22,17
    fill-opacity 1
    fill '#1b1b1b' font '{FETT}' font-size 9.6
    text 2.4,15.6 '1:1'
    """,
    "anpassen": f"""
    fill white stroke '#555555' stroke-width 1
    rectangle 1.5,1.5 22.5,22.5
    """ + landschaft(7, 8, 17, 16, sonne=False) + f"""
    stroke '{PFEIL}' stroke-width 1.6 stroke-linecap round fill '{PFEIL}'
    line 6,7 3.5,4.5
    line 18,7 20.5,4.5
    line 6,17 3.5,19.5
    line 18,17 20.5,19.5
    stroke none
    polygon 3,3 7.2,3.6 3.6,7.2
    polygon 21,3 16.8,3.6 20.4,7.2
    polygon 3,21 7.2,20.4 3.6,16.8
    polygon 21,21 16.8,20.4 20.4,16.8
    """,
}


def hand():
    """Pointing hand (index finger up), white with a dark outline, 32x32.

    Drawn as the union of simple shapes: first all shapes with a thick dark
    stroke, then all shapes filled white on top, so only the outer outline
    remains; a few short lines separate the fingers.  Hot spot: (10, 1)."""
    formen = [
        "roundrectangle 8,1 12.6,17 2.3,2.3",      # index finger
        "roundrectangle 12.2,9 16.4,19 2,2",       # middle finger
        "roundrectangle 16,10 20.2,19.5 2,2",      # ring finger
        "roundrectangle 19.8,11.5 23.8,20 2,2",    # little finger
        "roundrectangle 8,14 23.8,27 4,4",         # palm
        "roundrectangle 10,24 22,30.5 1.5,1.5",    # wrist
        "polygon 8.6,17.5 4.6,13.2 2.6,14.4 7.2,24 9.2,24",  # thumb
        "circle 3.6,13.9 3.6,15.4",                # thumb tip
    ]
    umriss = "\n".join(f"fill '#111111' stroke '#111111' stroke-width 2 stroke-linejoin round {f}" for f in formen)
    fuellung = "\n".join(f"fill white stroke none {f}" for f in formen)
    trenner = """
    stroke '#111111' stroke-width 0.9 stroke-linecap round
    line 12.6,10 12.6,18
    line 16.2,11.2 16.2,18.5
    line 20,12.6 20,19
    line 8.8,18.5 9.8,21
    """
    return umriss + "\n" + fuellung + "\n" + trenner


# ------------------------------------------------------------------ rendering

def zeichne(mvg, groesse, datei):
    gross = groesse * FAKTOR
    convert("-size", f"{gross}x{gross}", "xc:none",
            "-draw", f"scale {FAKTOR},{FAKTOR}\n{mvg}",
            "-filter", "Box", "-resize", f"{groesse}x{groesse}",
            "-define", "png:exclude-chunks=date,time",
            f"PNG32:{datei}")


def knopfgrund(groesse, fuellung, hell, dunkel, datei):
    """Flat button face with a one-pixel 3-D edge (hell top-left, dunkel bottom-right)."""
    n = groesse - 1
    convert("-size", f"{groesse}x{groesse}", "xc:none", "+antialias",
            "-fill", fuellung, "-stroke", "none", "-draw", f"rectangle 1,1 {n - 1},{n - 1}",
            "-stroke", hell, "-draw", f"line 0,0 {n},0", "-draw", f"line 0,0 0,{n}",
            "-stroke", dunkel, "-draw", f"line 0,{n} {n},{n}", "-draw", f"line {n},0 {n},{n}",
            f"PNG32:{datei}")


def zustaende(schluessel, mvg, groesse, tmp):
    glyphe = os.path.join(tmp, f"{schluessel}.png")
    zeichne(mvg, groesse, glyphe)
    ausgabe = lambda endung: os.path.join(ZIEL, f"{schluessel}{endung}.png")
    meta = ["-define", "png:exclude-chunks=date,time"]

    # normal
    convert(glyphe, *meta, f"PNG32:{ausgabe('_n')}")

    # hover: raised light face, symbol slightly brighter
    grund = os.path.join(tmp, "grund_hover.png")
    knopfgrund(groesse, "#dde9f8", "#ffffff", "#5f7594", grund)
    convert(grund, "(", glyphe, "-modulate", "108,115", ")", "-compose", "over", "-composite",
            *meta, f"PNG32:{ausgabe('')}")

    # pressed: sunken darker face, symbol shifted right and down by one pixel
    grund = os.path.join(tmp, "grund_druck.png")
    knopfgrund(groesse, "#b3c9e6", "#4d5f78", "#ffffff", grund)
    convert(grund, "(", glyphe, "-modulate", "92,100", ")", "-geometry", "+1+1",
            "-compose", "over", "-composite", *meta, f"PNG32:{ausgabe('_u')}")

    # disabled: grey, faded, with a white engraved edge
    grau = os.path.join(tmp, "grau.png")
    convert(glyphe, "-modulate", "100,0", "-channel", "RGB", "+level", "42%,80%", "+channel",
            "-channel", "A", "-evaluate", "multiply", "0.8", "+channel", f"PNG32:{grau}")
    convert("-size", f"{groesse}x{groesse}", "xc:none",
            "(", glyphe, "-channel", "RGB", "-evaluate", "set", "100%", "+channel",
            "-channel", "A", "-evaluate", "multiply", "0.7", "+channel", ")",
            "-geometry", "+1+1", "-compose", "over", "-composite",
            grau, "-geometry", "+0+0", "-compose", "over", "-composite",
            *meta, f"PNG32:{ausgabe('_ef')}")


BILDER = ["startbild.jpg", "info.png", "neuesbild.jpg", "kolvar.png"]


def ressourcendatei():
    """assets/kolvar.qrc: every icon under /icons, the pictures under /bilder."""
    zeilen = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/icons">']
    for name in sorted(os.listdir(ZIEL)):
        if name.endswith(".png"):
            zeilen.append(f'    <file alias="{name}">icons/{name}</file>')
    zeilen += ['</qresource>', '<qresource prefix="/bilder">']
    zeilen += [f'    <file alias="{name}">{name}</file>' for name in BILDER]
    zeilen += ['</qresource>', '</RCC>', '']
    with open(os.path.join(WURZEL, "assets", "kolvar.qrc"), "w", encoding="utf-8") as f:
        f.write("\n".join(zeilen))


def main():
    os.makedirs(ZIEL, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        for schluessel, mvg in TOOLBAR.items():
            zustaende(schluessel, mvg, 32, tmp)
        for schluessel, mvg in NAVIGATION.items():
            zustaende(schluessel, mvg, 24, tmp)
        for schluessel, mvg in ZOOM.items():
            zustaende(schluessel, mvg, 24, tmp)
        zeichne(hand(), 32, os.path.join(ZIEL, "hand-m.png"))
    ressourcendatei()
    print(f"Bilder geschrieben nach {ZIEL}")


if __name__ == "__main__":
    sys.exit(main())
