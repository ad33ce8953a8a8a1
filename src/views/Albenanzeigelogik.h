#pragma once
#include <QSize>
#include <QString>

struct Programmzustand;
struct Datenbankobjekte;
class Recordset;

// What the album viewer says about the current picture, without a window:
// the preview size, the sentence where the file lies, the keyword names,
// which navigation buttons are locked, and the file behind the row.

// The picture fitted into a square box of side rahmen: full height, or full
// width when it would be wider (each side rounded, at least 1).
QSize BildEinpassen(QSize bild, int rahmen);

// "Die Datei befindet sich ..." for an album on a CD, in a folder of its
// own (absolute folder) or in the picture directory (relative folder).
QString Speicherortsatz(const QString& cdName, const QString& ordner);

// Names of the keywords whose " Nummer;" occurs in the picture's
// `Schluesselbegriffe` text, alphabetically, joined by ", ". Sorts the
// keyword recordset by name for the walk and by number afterwards.
QString BegriffeAuflisten(Recordset& rsBegriffe, const QString& schluesselbegriffe);

// The four navigation buttons of the viewer and the zoom view: move the
// recordset, staying on the first or last row at the ends.
enum class Blaettern { Erstes, Zurueck, Vor, Letztes };
void DatensatzBlaettern(Recordset& rs, Blaettern schritt);

// Which navigation buttons are locked at the recordset's current row:
// everything on an empty album or outside the rows.
struct Navigationssperre {
    bool zurueck = true;  // cmdFirst, cmdBack
    bool vor = true;      // cmdNext, cmdLast
};
Navigationssperre NaviSperre(const Recordset& rs);

// The current picture's file when it is there: first the plain path, then
// the one that looks for its CD (and asks for it). "" when it is missing.
QString VorhandenerBildpfad(Programmzustand& z, Datenbankobjekte& db);

// A row without a date takes the file's date, stored at once. Returns the
// date the row has afterwards.
QString DatumNachtragen(Datenbankobjekte& db, const QString& bildpfad);
