#pragma once
#include "Katalog.h"

#include <QString>

class Verbindung;
struct Programmzustand;
struct Datenbankobjekte;

// The one place where the layout of a collection file is fixed: the five
// fixed tables, the picture table of an album, the presentation table, the
// picture key, and how files, albums and their folders are made.
namespace Datenbankschema {

// The layout's version, kept in the file's user_version. A file of a higher
// version is refused: this program would write it in a form it cannot know.
constexpr int Version = 1;

Tabelle Daten();
Tabelle Praesentationen();
Tabelle Schluesselbegriffe();
Tabelle Alben();
Tabelle TempAlbum();
Tabelle Bildtabelle(const QString& albumNummer);
Tabelle Praesentationstabelle(const QString& name);

// "P" + number padded to four digits; longer numbers unpadded (P0001, P12345).
QString PraesentationstabellenName(qint64 nummer);

// `Praesentationen`.`Temporaer` = 1 marks the one presentation that "Album
// als Präsentation anzeigen" made and may replace; every other presentation
// is the user's. Files made before the mark lack the column: it is added
// (inside the caller's transaction) when the command first needs it, and
// older programs simply ignore it.
QString TemporaerSpalte();
bool HatTemporaerSpalte(Verbindung& verbindung);
void TemporaerSpalteAnlegen(Verbindung& verbindung);

// Throws DatenbankFehler unless the connection holds a collection of a known
// version: the fixed tables with their columns and the one row of `Daten`.
void Pruefen(Verbindung& verbindung);

}  // namespace Datenbankschema

// Creates a new collection file with the fixed tables and the `Daten` row.
// An existing file at the path goes to the trash, but only once the new one
// is complete; when it cannot, nothing changes. Throws DatenbankFehler with
// the user's file or folder named; leaves nothing open.
void DatenbankErstellen(const QString& pfad);

// The nine-character picture key: album number padded to 4, picture number to 5.
QString DBNummerBilden(const QString& bildNummer, const QString& albumNummer);

// Creates picture directory + name, appending "_BV001", "_BV002" ... while
// the name is taken; creates a missing picture directory first. Returns the
// name created, or the empty text when no folder could be made.
QString OrdnerAnlegen(const Programmzustand& zustand, const QString& name);

// The next folder name candidate after a clash (Urlaub -> Urlaub_BV001 -> Urlaub_BV002).
QString NaechsterOrdnername(const QString& name);

// Adds the album row and its picture table, refills the chooser list and
// returns the folder made in the picture directory ("" when none). The
// source folder decides CD albums and albums left in place. Throws
// DatenbankFehler; then nothing of the album is stored.
QString AlbumAnlegen(Programmzustand& zustand, Datenbankobjekte& db, const QString& name, const QString& quellordner);

// Adds the presentation row and its table; returns the table name.
QString PraesentationstabelleAnlegen(Datenbankobjekte& db, const QString& name);
