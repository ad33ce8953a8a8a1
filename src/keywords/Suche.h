#pragma once
#include "Abfrage.h"

#include <QDate>
#include <QString>
#include <QVector>

struct Programmzustand;
struct Datenbankobjekte;

// The search over all albums: the picture rows that match are copied into
// TempAlbum and become rsAlbum, the pseudo-album "Suchergebnis:".
// Texts are bound values searched literally (' % _ are plain characters)
// and without regard to case for every letter ("ÄPFEL" finds "äpfel");
// dates compare as the file keeps them (ISO text), both ends inclusive.

struct Suchkriterien {
    QVector<qint64> begriffe;  // numbers of the keywords; a picture needs every one
    QString bemerkung;  // part of the remark
    QString dateiname;  // part of the file name
    QDate von;  // first day; invalid = none
    QDate bis;  // last day; invalid = none
    bool leer() const;
};

// One missing end of a date range takes the other; a range given backwards
// is turned round.
void DatumsbereichErgaenzen(QDate& von, QDate& bis);

// The statement on TempAlbum for the criteria (dates as given: complete them
// first), ordered by file name.
Abfrage SuchAbfrage(const Suchkriterien& kriterien);

// Empties TempAlbum and copies into it, in one transaction, the pictures of
// every album that meet the condition of auswahl (with its bound values;
// all of them without one), album by album. The copies get
// numbers of their own; each keeps its `DBNummer`, which names its album (an
// empty one becomes Null). Throws DatenbankFehler; then TempAlbum is as it was.
void TempAlbumErstellen(Datenbankobjekte& db, const Abfrage& auswahl);

enum class Suchausgang {
    KeinKriterium,  // nothing to search for; nothing happened
    Gefunden,  // rsAlbum holds the result, the state shows it
    NichtsGefunden,  // "Schade, kein Bild gefunden!"; what was shown stays
    Fehler,  // the database failed; what was shown stays
    Abgebrochen  // another program held the file and the user gave up waiting (already asked); what was shown stays
};

struct Suchergebnis {
    Suchausgang ausgang = Suchausgang::KeinKriterium;
    int anzahl = 0;
    QString fehler;  // German text for Fehler
};

// Runs the search. A remark typed in the viewer is written first. On a match
// rsAlbum holds the result at its first row, the state marks it as the search
// result and the chooser ends with "Suchergebnis:" (once); the views are the
// caller's (SuchergebnisZeigen). Otherwise rsAlbum, TempAlbum and the state
// are as they were. Its only message: while another program holds the file
// it asks whether to try again (OK) or give up.
Suchergebnis SucheAusfuehren(Programmzustand& z, Datenbankobjekte& db, Suchkriterien kriterien);

// Brings every open view to the result just found: the zoom view closes,
// the list refills, the viewer shows the first picture with its locks, the
// chooser shows the entry and the browser its pictures.
void SuchergebnisZeigen(Programmzustand& z, Datenbankobjekte& db);

// The chooser holds the result's entry: one entry more than prompt and albums.
bool SuchergebnisInAuswahl(const Programmzustand& z);
