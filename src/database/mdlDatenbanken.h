#pragma once
#include "DatenbankFehler.h"

#include <QString>

struct Programmzustand;
struct Datenbankobjekte;
class Recordset;

// Opening and closing a collection and the small field and picture-row
// operations every view uses. The open routines turn every error into a
// false result and leave the database closed.

// What opening a collection came to; on failure `text` names the file or
// folder and `art` tells whether trying again can help (Gesperrt).
struct Oeffnungsergebnis {
    bool geoeffnet = false;
    DatenbankFehler::Art art = DatenbankFehler::Allgemein;
    QString text;
};

// Opens a collection with its albums, or, when it has none, without them.
Oeffnungsergebnis SammlungOeffnen(Programmzustand& zustand, Datenbankobjekte& db, const QString& pfad);

bool DatenbankOeffnen(Programmzustand& zustand, Datenbankobjekte& db, const QString& pfad);
bool DatenbankOhneAlbenOeffnen(Programmzustand& zustand, Datenbankobjekte& db, const QString& pfad);
void DatenbankSchliessen(Programmzustand& zustand, Datenbankobjekte& db);

// True when every album folder relative to the picture directory exists.
bool AlbenOrdnerPruefen(const Programmzustand& zustand, Datenbankobjekte& db);

// Reopens rsAlbum on the album's table and records the album in `Daten`.
void AlbumOeffnen(Programmzustand& zustand, Datenbankobjekte& db, const QString& nummer);

// The chooser list from rsAlben (prompt + names, counting the albums), with
// the current album's entry selected when there is one.
void AlbenauswahlFuellen(Programmzustand& zustand, Datenbankobjekte& db);

// A column of the current row as text; "" for no row or Null; dates as dd.MM.yyyy.
QString FeldLesen(const Recordset& rs, const QString& spalte);
// Writes the text into the current row and stores it; errors are ignored.
void FeldSchreiben(Recordset& rs, const QString& spalte, const QString& wert);
// The same for the current picture; errors reach the caller.
void BildFeldSchreiben(Datenbankobjekte& db, const QString& spalte, const QString& wert);

// Adds a picture row to the current album; a file name already there keeps its older row.
void BildEintragen(Datenbankobjekte& db, const QString& dateiname, int id, const QString& datum);
void DoppeltesBildEntfernen(Datenbankobjekte& db);
// Adds a picture row to the current album without the duplicate check: for
// callers that keep the names unique themselves.
void NeuesBildEintragen(Datenbankobjekte& db, const QString& dateiname, int id, const QString& datum);
// Adds a picture row to the album being imported (no duplicate check).
void ImportBildEintragen(Datenbankobjekte& db, const QString& dateiname, int id, const QString& datum);

// The prompt that heads the album chooser.
QString AlbenauswahlAufforderung();
