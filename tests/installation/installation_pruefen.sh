#!/usr/bin/env bash
# installation_pruefen.sh BAUORDNER [CMAKE]
# Installs into a temporary prefix (with a blank and an umlaut in its name)
# and checks what a desktop needs: the files, the icon sizes, both
# validators, and the installed program started through its desktop entry's
# Exec line from another folder, finding its help pages under share/kolvar.
set -u
bau="$1"
cmake="${2:-cmake}"
id=de.ostrelan.Kolvar
tmp=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
p="$tmp/Programme für Kolvar"
fehler=0
fehlt() { echo "FEHLER: $*"; fehler=1; }

"$cmake" --install "$bau" --prefix "$p" >"$tmp/install.log" 2>&1 || { cat "$tmp/install.log"; echo "FEHLER: Installation"; exit 1; }

for f in bin/kolvar bin/kolvar-update share/kolvar/help/index.htm share/kolvar/help/begriffserklaerung.htm \
         share/kolvar/neuesbild.jpg share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg; do
  [ -s "$p/$f" ] || fehlt "$f fehlt"
done
[ -x "$p/bin/kolvar" ] || fehlt "bin/kolvar ist nicht ausführbar"
# Nothing of the build tree's layout (help beside the program) may be installed.
[ ! -e "$p/bin/help" ] || fehlt "bin/help installiert"
grep -q '<svg' "$p/share/icons/hicolor/scalable/apps/$id.svg" 2>/dev/null || fehlt "SVG-Symbol ist kein SVG"
for g in 48 128 256; do
  png="$p/share/icons/hicolor/${g}x${g}/apps/$id.png"
  # Width and height stand in the PNG header after the signature and "IHDR".
  groesse=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$groesse" = "${g}x${g}" ] || fehlt "$png ist '$groesse' statt ${g}x${g}"
done

desktop-file-validate "$p/share/applications/$id.desktop" || fehlt "desktop-file-validate"
appstreamcli validate --no-net "$p/share/metainfo/$id.metainfo.xml" || fehlt "appstreamcli validate"
for schluessel in Name GenericName Comment; do
  grep -q "^$schluessel=" "$p/share/applications/$id.desktop" || fehlt "$schluessel fehlt im Desktop-Eintrag"
done
grep -q '^Categories=Graphics;Photography;' "$p/share/applications/$id.desktop" || fehlt "Kategorien"

# Start as the desktop would: the Exec line, through PATH, from elsewhere,
# for a fresh user.
befehl=$(sed -n 's/^Exec=//p' "$p/share/applications/$id.desktop" | sed 's/ %[a-zA-Z]//g')
mkdir -p "$tmp/heim" && mkdir -m 700 "$tmp/lauf"
(
  cd "$tmp/heim" || exit 1
  export PATH="$p/bin:$PATH" HOME="$tmp/heim" QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$tmp/heim/.config" \
         XDG_DATA_HOME="$tmp/heim/.local/share" XDG_RUNTIME_DIR="$tmp/lauf" QT_LOGGING_RULES="kolvar.start.info=true"
  exec $befehl
) 2>"$tmp/ausgabe" &
pid=$!
gefunden=""
for _ in $(seq 1 100); do
  gefunden=$(sed -n 's/^kolvar.start: Hilfeseiten: //p' "$tmp/ausgabe")
  [ -n "$gefunden" ] && break
  sleep 0.1
done
[ "$gefunden" = "$p/share/kolvar/help/index.htm" ] || { cat "$tmp/ausgabe"; fehlt "Hilfeseiten: '$gefunden'"; }
# Past the start picture (5 s) into the main window, the program still runs.
sleep 7
kill -0 "$pid" 2>/dev/null || { cat "$tmp/ausgabe"; fehlt "das installierte Programm lief nicht weiter"; }

[ "$fehler" -eq 0 ] && echo "Installation in Ordnung"
exit "$fehler"
