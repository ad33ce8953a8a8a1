#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Checks the German help pages in help/:
#  - every help topic the program opens exists, and the start page index.htm;
#  - every page is valid UTF-8, names a title and the style sheet hilfe.css,
#    uses no JavaScript, and its tags are balanced and properly nested;
#  - every link target (file and #anchor) exists; qrc: pictures are listed
#    in assets/kolvar.qrc;
#  - every page can be reached from index.htm.
# Needs python3 (standard library only).  Exit status 0 = all checks passed.
set -u
cd "$(dirname "$0")/.." || exit 2

exec python3 - "$@" <<'PYTHON'
import html.parser
import os
import re
import sys

HILFE = "help"
THEMEN = ["begriffserklaerung.htm", "info_bilder.htm", "suche.htm", "6_1.htm",
          "index_praesentationen.htm", "6_4.htm", "einstellungen.htm", "index.htm"]
LEER = {"area", "base", "br", "col", "hr", "img", "input", "link", "meta", "param"}
# Elements whose end tag HTML 4 allows to omit; we still want them closed,
# so they are checked like all others.

fehler = []


def melde(text):
    fehler.append(text)


class Seite(html.parser.HTMLParser):
    def __init__(self, name):
        super().__init__(convert_charrefs=True)
        self.name = name
        self.stapel = []
        self.anker = set()
        self.verweise = []   # (href, line)
        self.bilder = []     # (src, line)
        self.titel = False
        self.css = False
        self.skript = False

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        zeile = self.getpos()[0]
        if tag == "script" or any(k.startswith("on") for k in a):
            self.skript = True
        if tag == "title":
            self.titel = True
        if tag == "link" and a.get("rel") == "stylesheet" and a.get("href") == "hilfe.css":
            self.css = True
        if tag == "a":
            if "name" in a:
                self.anker.add(a["name"])
            if "href" in a:
                self.verweise.append((a["href"], zeile))
        if "id" in a:
            self.anker.add(a["id"])
        if tag == "img":
            self.bilder.append((a.get("src", ""), zeile))
            if "alt" not in a:
                melde(f"{self.name}:{zeile}: <img> ohne alt")
        if tag not in LEER:
            self.stapel.append((tag, zeile))

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in LEER:
            self.stapel.pop()

    def handle_endtag(self, tag):
        zeile = self.getpos()[0]
        if tag in LEER:
            melde(f"{self.name}:{zeile}: Endtag </{tag}> für ein leeres Element")
            return
        if not self.stapel:
            melde(f"{self.name}:{zeile}: </{tag}> ohne öffnendes Tag")
            return
        oben, oben_zeile = self.stapel[-1]
        if oben != tag:
            melde(f"{self.name}:{zeile}: </{tag}> schließt <{oben}> aus Zeile {oben_zeile}")
            # recover: drop up to the matching tag if there is one
            for i in range(len(self.stapel) - 1, -1, -1):
                if self.stapel[i][0] == tag:
                    del self.stapel[i:]
                    break
            return
        self.stapel.pop()


def qrc_eintraege():
    eintraege = set()
    pfad = os.path.join("assets", "kolvar.qrc")
    if not os.path.exists(pfad):
        melde("assets/kolvar.qrc fehlt")
        return eintraege
    text = open(pfad, encoding="utf-8").read()
    for block in re.finditer(r'<qresource prefix="([^"]*)">(.*?)</qresource>', text, re.S):
        praefix = block.group(1).rstrip("/")
        for datei in re.finditer(r'<file alias="([^"]*)">([^<]*)</file>', block.group(2)):
            if os.path.exists(os.path.join("assets", datei.group(2))):
                eintraege.add(f"{praefix}/{datei.group(1)}")
    return eintraege


def main():
    if not os.path.isdir(HILFE):
        print("FEHLER: help/ fehlt")
        return 1
    if not os.path.isfile(os.path.join(HILFE, "hilfe.css")):
        melde("help/hilfe.css fehlt")
    for thema in THEMEN:
        if not os.path.isfile(os.path.join(HILFE, thema)):
            melde(f"Hilfethema {thema} fehlt")

    seiten = {}
    for name in sorted(os.listdir(HILFE)):
        if not name.endswith(".htm"):
            continue
        roh = open(os.path.join(HILFE, name), "rb").read()
        try:
            text = roh.decode("utf-8")
        except UnicodeDecodeError as e:
            melde(f"{name}: kein gültiges UTF-8 ({e})")
            continue
        if 'charset=utf-8' not in text:
            melde(f"{name}: keine Angabe charset=utf-8")
        if re.search(r"\bspec\b|\bPart \d", text, re.I):
            melde(f"{name}: enthält einen Verweis auf Entwicklungsunterlagen")
        seite = Seite(name)
        seite.feed(text)
        seite.close()
        for tag, zeile in seite.stapel:
            melde(f"{name}:{zeile}: <{tag}> wird nicht geschlossen")
        if not seite.titel:
            melde(f"{name}: kein <title>")
        if not seite.css:
            melde(f"{name}: bindet hilfe.css nicht ein")
        if seite.skript:
            melde(f"{name}: enthält JavaScript")
        seiten[name] = seite

    qrc = qrc_eintraege()
    verweise_auf = {name: set() for name in seiten}
    anzahl_verweise = 0
    for name, seite in seiten.items():
        for href, zeile in seite.verweise:
            anzahl_verweise += 1
            if re.match(r"^[a-z]+:", href):
                melde(f"{name}:{zeile}: externer Verweis {href}")
                continue
            datei, _, anker = href.partition("#")
            ziel = datei or name
            if ziel not in seiten:
                if not os.path.isfile(os.path.join(HILFE, ziel)):
                    melde(f"{name}:{zeile}: Verweis auf fehlende Datei {ziel}")
                continue
            verweise_auf[name].add(ziel)
            if anker and anker not in seiten[ziel].anker:
                melde(f"{name}:{zeile}: Anker #{anker} fehlt in {ziel}")
        for src, zeile in seite.bilder:
            if src.startswith("qrc:"):
                if src[4:] not in qrc:
                    melde(f"{name}:{zeile}: Bild {src} steht nicht in assets/kolvar.qrc")
            elif not os.path.isfile(os.path.join(HILFE, src)):
                melde(f"{name}:{zeile}: Bild {src} fehlt")

    if "index.htm" in seiten:
        erreicht = {"index.htm"}
        offen = ["index.htm"]
        while offen:
            for ziel in verweise_auf[offen.pop()]:
                if ziel not in erreicht:
                    erreicht.add(ziel)
                    offen.append(ziel)
        for name in sorted(set(seiten) - erreicht):
            melde(f"{name}: von index.htm aus nicht erreichbar")

    for text in fehler:
        print("FEHLER:", text)
    print(f"{len(seiten)} Seiten, {anzahl_verweise} Verweise geprüft, {len(fehler)} Fehler")
    return 1 if fehler else 0


sys.exit(main())
PYTHON
