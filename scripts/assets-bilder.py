#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Makes Kolvar's pictures in assets/: the start picture, the about-box
picture, the placeholder picture and the application icon.

    startbild.jpg   480 x 300  start picture of the borderless start window
    info.png         96 x 96   picture of the about box
    neuesbild.jpg   240 x 180  placeholder ("Kein Bild"), e.g. the append cell
                               of the storyboard
    kolvar.png       64 x 64   application icon

The start picture is built from photographs of Debian's mate-backgrounds
package (GPL-2+, see assets/LIZENZEN.md); everything else is drawn here.

Needs: python3 (standard library only), ImageMagick 6 (convert),
mate-backgrounds, fonts-dejavu-core and fonts-urw-base35.  Run from anywhere:
    python3 scripts/assets-bilder.py
"""

import os
import subprocess
import sys
import tempfile

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ZIEL = os.path.join(WURZEL, "assets")
FOTOS = "/usr/share/backgrounds/mate/nature"
SCHRIFT_TITEL = "/usr/share/fonts/opentype/urw-base35/P052-Bold.otf"
SCHRIFT_KURSIV = "/usr/share/fonts/opentype/urw-base35/P052-Italic.otf"
SCHRIFT_FETT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
OHNE_ZEIT = ["-define", "png:exclude-chunks=date,time"]


def convert(*argumente):
    subprocess.run(["convert", *argumente], check=True)


def foto(cx, cy, b, h, winkel, himmel, boden, sonne):
    """MVG for a white-framed photo (drawn landscape) centred at cx,cy."""
    rb = b / 2
    rh = h / 2
    rand = b * 0.08
    ib, ih = rb - rand, rh - rand * 1.0
    unten = rh - rand * 2.2  # wider bottom margin like an instant photo
    return f"""
    push graphic-context
      translate {cx},{cy} rotate {winkel}
      fill '#00000055' stroke none
      rectangle {-rb + 1.2},{-rh + 1.6} {rb + 1.2},{rh + 1.6}
      fill '#fbfbf7' stroke '#c9c9c0' stroke-width 0.4
      rectangle {-rb},{-rh} {rb},{rh}
      fill '{himmel}' stroke none
      rectangle {-ib},{-ih} {ib},{unten}
      fill '#5d6f8c'
      polygon {-ib},{unten} {-ib * 0.3},{-ih * 0.15} {ib * 0.15},{unten * 0.5} {ib * 0.5},{-ih * 0.05} {ib},{unten}
      fill '{boden}'
      polygon {-ib},{unten} {-ib},{unten * 0.55} {0},{unten * 0.35} {ib},{unten * 0.6} {ib},{unten}
      fill '{sonne}'
      circle {ib * 0.55},{-ih * 0.55} {ib * 0.55 + b * 0.07},{-ih * 0.55}
    pop graphic-context
    """


def logo(groesse, datei, tmp):
    """Two stacked photos on a rounded blue tile; drawn in 64 units."""
    gross = groesse * 4
    faktor = gross / 64
    grund = os.path.join(tmp, f"logo_grund_{groesse}.png")
    maske = os.path.join(tmp, f"logo_maske_{groesse}.png")
    r = 12 * faktor
    convert("-size", f"{gross}x{gross}", "gradient:#3a9bd2-#0d3a63", grund)
    convert("-size", f"{gross}x{gross}", "xc:black", "-fill", "white",
            "-draw", f"roundrectangle {faktor},{faktor} {gross - 1 - faktor},{gross - 1 - faktor} {r},{r}",
            maske)
    zeichnung = (
        foto(27, 28, 34, 30, -13, "#f6b26b", "#b45f06", "#fff2cc")
        + foto(36, 36, 36, 32, 7, "#9fd3f7", "#4f9d3a", "#ffcc33")
    )
    convert(grund, maske, "-alpha", "off", "-compose", "CopyOpacity", "-composite",
            "-draw", f"scale {faktor},{faktor}\n{zeichnung}",
            "-filter", "Box", "-resize", f"{groesse}x{groesse}",
            *OHNE_ZEIT, f"PNG32:{datei}")


def startbild(datei, tmp):
    b, h = 480, 300
    hinten = os.path.join(tmp, "hinten.png")
    # Background: the dune grass photograph, cut to 480 x 300, its left
    # half darkened so that the title stands out.
    convert(os.path.join(FOTOS, "Dune.jpg"), "-resize", f"{b}x{h}^",
            "-gravity", "center", "-extent", f"{b}x{h}",
            "(", "-size", f"{h}x{b}", "gradient:#000000c0-#00000000", "-rotate", "-90", ")",
            "-gravity", "northwest", "-compose", "over", "-composite",
            "(", "-size", f"{b}x90", "gradient:#00000000-#00000080", ")",
            "-geometry", f"+0+{h - 90}", "-compose", "over", "-composite",
            hinten)
    # Three instant photos from the same package, scattered at the right.
    teile = []
    for nr, (name, winkel, x, y) in enumerate([
            ("Garden.jpg", -11, 300, 58),
            ("YellowFlower.jpg", 9, 334, 116),
            ("LadyBird.jpg", -4, 296, 150)]):
        bild = os.path.join(tmp, f"foto{nr}.png")
        convert(os.path.join(FOTOS, name), "-resize", "124x94^", "-gravity", "center",
                "-extent", "124x94",
                "-bordercolor", "#fbfbf7", "-border", "7",
                "-gravity", "south", "-background", "#fbfbf7", "-splice", "0x14",
                "-background", "none", "-rotate", str(winkel),
                "(", "+clone", "-background", "black", "-shadow", "60x3+3+4", ")",
                "+swap", "-background", "none", "-layers", "merge", "+repage",
                bild)
        teile += [bild, "-geometry", f"+{x}+{y}", "-compose", "over", "-composite"]
    convert(hinten, *teile,
            "-gravity", "northwest",
            "-font", SCHRIFT_TITEL, "-pointsize", "70",
            "-fill", "#00000080", "-annotate", "+31+114", "Kolvar",
            "-fill", "white", "-annotate", "+28+111", "Kolvar",
            "-font", SCHRIFT_KURSIV, "-pointsize", "19",
            "-fill", "#00000080", "-annotate", "+31+195", "Bilder sammeln, ordnen, zeigen",
            "-fill", "#fff2cc", "-annotate", "+30+193", "Bilder sammeln, ordnen, zeigen",
            "-stroke", "#fff2cc", "-strokewidth", "1.5", "-draw", "line 31,188 250,188",
            "-stroke", "none",
            "-font", SCHRIFT_FETT, "-pointsize", "10", "-fill", "#ffffffb0",
            "-annotate", "+30+276", "Fotos: MATE Backgrounds (GPL)",
            "-shave", "1x1", "-bordercolor", "#1b2a38", "-border", "1",
            "-strip", "-quality", "90", "-sampling-factor", "2x2", datei)


def neuesbild(datei, tmp):
    """Neutral placeholder: light grey, dashed frame, picture symbol, "Kein Bild"."""
    b, h = 240, 180
    symbol = """
    fill none stroke '#9aa3ad' stroke-width 3 stroke-linejoin round
    rectangle 88,34 152,82
    fill '#b8c0c9' stroke none
    polygon 91,79 110,55 123,70 132,61 149,79
    fill '#c5ccd4'
    circle 138,47 145,47
    """
    convert("-size", f"{b}x{h}", "gradient:#f2f4f6-#dde2e7",
            "-fill", "none", "-stroke", "#a7b0ba", "-strokewidth", "3",
            "-draw", f"stroke-dasharray 12 8 roundrectangle 8,8 {b - 9},{h - 9} 10,10",
            "-draw", symbol,
            "-stroke", "none", "-fill", "#6f7a86", "-font", SCHRIFT_FETT, "-pointsize", "30",
            "-gravity", "north", "-annotate", "+0+98", "Kein Bild",
            "-strip", "-quality", "92", datei)


def main():
    os.makedirs(ZIEL, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        startbild(os.path.join(ZIEL, "startbild.jpg"), tmp)
        logo(96, os.path.join(ZIEL, "info.png"), tmp)
        logo(64, os.path.join(ZIEL, "kolvar.png"), tmp)
        neuesbild(os.path.join(ZIEL, "neuesbild.jpg"), tmp)
    print(f"Bilder geschrieben nach {ZIEL}")


if __name__ == "__main__":
    sys.exit(main())
