#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Checks the program's pictures in assets/: every button key has its state
# pictures with the right size, the four states of a key differ from each
# other pixel by pixel, the hand pointer has transparency, the pictures have
# their sizes, and assets/kolvar.qrc lists exactly the existing files.
# Needs ImageMagick (identify, compare).  Exit status 0 = all checks passed.
set -u
cd "$(dirname "$0")/../assets" || exit 2

fehler=0
pruefungen=0
melde() { echo "FEHLER: $*"; fehler=$((fehler + 1)); }

# key, size, states (comma-separated endings; the empty ending is the hover picture)
while read -r schluessel groesse zustaende; do
    [ -n "$schluessel" ] || continue
    dateien=""
    rest="$zustaende,"
    while [ -n "$rest" ]; do
        zustand=${rest%%,*}
        rest=${rest#*,}
        datei="icons/${schluessel}${zustand}.png"
        pruefungen=$((pruefungen + 1))
        if [ ! -f "$datei" ]; then
            melde "$datei fehlt"
            continue
        fi
        masse=$(identify -format '%m %wx%h' "$datei" 2>/dev/null)
        [ "$masse" = "PNG ${groesse}x${groesse}" ] || melde "$datei ist '$masse', erwartet 'PNG ${groesse}x${groesse}'"
        for andere in $dateien; do
            unterschied=$(compare -metric AE "$andere" "$datei" null: 2>&1)
            [ "${unterschied%% *}" != "0" ] || melde "$datei gleicht $andere"
        done
        dateien="$dateien $datei"
    done
done <<LISTE
new 32 _n,,_u,_ef
open 32 _n,,_u,_ef
browser 32 _n,,_u,_ef
liste 32 _n,,_u,_ef
album 32 _n,,_u,_ef
suche 32 _n,,_u,_ef
quen 32 _n,,_u,_ef
praesentation 32 _n,,_u,_ef
first 24 _n,,_u,_ef
back 24 _n,,_u,_ef
next 24 _n,,_u,_ef
last 24 _n,,_u,_ef
back_gross 24 _n,,_u,_ef
next_gross 24 _n,,_u,_ef
anpassen 24 _n,,_u,_ef
groesser 24 _n,,_u,_ef
kleiner 24 _n,,_u,_ef
original 24 _n,,_u,_ef
LISTE

# Hand pointer: 32x32 with an alpha channel and transparent corners.
if [ -f icons/hand-m.png ]; then
    [ "$(identify -format '%wx%h %A' icons/hand-m.png)" = "32x32 Blend" ] \
        || [ "$(identify -format '%wx%h %A' icons/hand-m.png)" = "32x32 True" ] \
        || melde "icons/hand-m.png ist nicht 32x32 mit Transparenz"
    ecke=$(convert icons/hand-m.png -format '%[fx:p{31,0}.a]' info:)
    [ "$ecke" = "0" ] || melde "icons/hand-m.png: Ecke oben rechts ist nicht durchsichtig"
else
    melde "icons/hand-m.png fehlt"
fi

# Pictures and their sizes.
for eintrag in startbild.jpg:JPEG:480x300 info.png:PNG:96x96 neuesbild.jpg:JPEG:240x180 kolvar.png:PNG:64x64; do
    datei=${eintrag%%:*}
    soll=$(echo "$eintrag" | cut -d: -f2,3 | tr ':' ' ')
    if [ -f "$datei" ]; then
        ist=$(identify -format '%m %wx%h' "$datei")
        [ "$ist" = "$soll" ] || melde "$datei ist '$ist', erwartet '$soll'"
    else
        melde "$datei fehlt"
    fi
done

# Resource file: every listed file exists, every icon is listed, aliases are bare names.
if [ -f kolvar.qrc ]; then
    grep -o '<file alias="[^"]*">[^<]*</file>' kolvar.qrc | sed 's/<file alias="\([^"]*\)">\([^<]*\)<\/file>/\1 \2/' |
    while read -r alias pfad; do
        [ -f "$pfad" ] || echo "FEHLER: kolvar.qrc nennt $pfad, die Datei fehlt"
        [ "$alias" = "$(basename "$pfad")" ] || echo "FEHLER: kolvar.qrc: Alias $alias passt nicht zu $pfad"
    done > /tmp/assets-pruefen.$$.qrc
    for datei in icons/*.png startbild.jpg info.png neuesbild.jpg kolvar.png; do
        grep -q ">$datei</file>" kolvar.qrc || echo "FEHLER: $datei fehlt in kolvar.qrc" >> /tmp/assets-pruefen.$$.qrc
    done
    if [ -s /tmp/assets-pruefen.$$.qrc ]; then
        cat /tmp/assets-pruefen.$$.qrc
        fehler=$((fehler + $(wc -l < /tmp/assets-pruefen.$$.qrc)))
    fi
    rm -f /tmp/assets-pruefen.$$.qrc
else
    melde "kolvar.qrc fehlt"
fi

echo "$pruefungen Zustandsbilder geprüft, $fehler Fehler"
[ "$fehler" -eq 0 ]
