#pragma once
#include "Einstellungen.h"

#include <QString>
#include <QVector>

// What the settings dialogs decide, without their windows: which button a
// stored value selects, which value a selection stores, and whether a text
// may become the picture directory. The dialogs only show and forward, so
// that "a value changes only on OK" is kept in one place.
namespace Einstellungspruefung {

// The album settings as their three button groups show them. ort is the
// `optOrt` of the first frame (0, 1, or -1 when the stored value 1 selects
// neither), bilder the second `optOrt` pair (2 or 3), cd the `optCD`.
struct AlbenWahl {
    int ort = 0;
    int cd = 1;
    bool cdGesperrt = false;  // leaving pictures in place leaves CD pictures on the CD
    int bilder = 2;
    bool angaben = true;  // keywords and remark taken from the files
};

// The buttons selected by the stored values; nothing in memory changes.
AlbenWahl AlbenWahlLaden(const Einstellungen& e);
// A click on `optOrt` 0 or 1: locks the CD choice on "leave on the CD", or
// unlocks it and brings back the stored CD choice.
void OrtGewaehlt(AlbenWahl& wahl, int ort, const Einstellungen& e);
// OK: the values of the selected buttons; a group without selection keeps its value.
void AlbenWahlUebernehmen(const AlbenWahl& wahl, Einstellungen& e);

// Browser: the button index a stored value selects (unknown sizes show
// 100, unknown row counts 2) and the value of a button.
int GroesseIndex(int groesseVorschauBild);
int ZeilenIndex(int anzahlBrowserZeilen);
int GroesseWert(int index);
int ZeilenWert(int index);

// An album as the picture-directory check sees it.
struct AlbumOrt {
    QString pfad;  // `Pfad`
    QString cdName;  // `CD-Name`
};

enum class Verzeichnis { OK, Unzulaessig, KeineAlben };

// The picture directory text is usable: an absolute folder (or one still to
// be made), and every album that lives in the picture directory has its
// folder below it. Albums left in their own folders and CD albums do not
// count. Empty and relative texts are never usable: the albums would be
// looked for below the program's working folder.
Verzeichnis BilderverzeichnisPruefen(const QString& text, const QVector<AlbumOrt>& alben);
// "Verzeichnis ist OK!", "Kein zulässiges Verzeichnis!", "Keine Alben vorhanden!"
QString PruefungsText(Verzeichnis ergebnis);

}  // namespace Einstellungspruefung
