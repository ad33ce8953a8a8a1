#pragma once
#include <QString>
#include <QStringList>

struct Datenbankobjekte;
struct Programmzustand;

// One presentation of the catalogue: its table, name and number.
struct Praesentation {
    QString tabelle;
    QString name;
    QString nummer;
    bool gueltig() const { return !name.isEmpty(); }
};

// The presentation catalogue: the rows of `Praesentationen` with one table
// per presentation, and the current presentation of the state. Names are
// trimmed and cut to the column's width on the way in, and compared by the
// program's one rule (Namensordnung: without regard to case for every
// letter) everywhere, so the checks here and the look-ups agree. Every
// change is one transaction; rsPraesentationen is re-read afterwards, so a
// failure leaves neither a row nor a table behind. The main window is
// reached through the state's Oberflaeche only (to close the storyboard,
// set the commands).
namespace Praesentationskatalog {

// The names in the catalogue's order (alphabetical).
QStringList Namen(Datenbankobjekte& db);
bool NameVorhanden(Datenbankobjekte& db, const QString& name);
// The presentation of that name; invalid when there is none.
Praesentation Suchen(Datenbankobjekte& db, const QString& name);

// Adds the row and the table; throws DatenbankFehler, leaving nothing behind.
Praesentation Erstellen(Datenbankobjekte& db, const QString& name);

enum class Ergebnis { Leer, Vorhanden, Erledigt, Fehlgeschlagen };

// The new-presentation dialog's OK: "Name ist schon vorhanden!" for a
// taken name; creates it, makes it current and enables the commands.
Ergebnis NeuePraesentation(Programmzustand& z, Datenbankobjekte& db, const QString& name);
// Makes the presentation of that name current; false when there is none.
bool Oeffnen(Programmzustand& z, Datenbankobjekte& db, const QString& name);
// Renames the current presentation, found by its number.
Ergebnis Umbenennen(Programmzustand& z, Datenbankobjekte& db, const QString& neuerName);

// Drops the table and deletes the row of the chosen presentation in one
// transaction, closing it first when it is the current one. A choice that
// no longer matches the catalogue (the number's row has another name or
// the table name is not the number's) deletes nothing. Disables the
// commands when no presentation is left. False when nothing was deleted.
bool Entfernen(Programmzustand& z, Datenbankobjekte& db, const Praesentation& gewaehlt);

// Makes a presentation of that name from rsAlbum's rows in its order, in
// one transaction, marked as the command's own; rows without a key are
// skipped. It replaces the presentation the command made before, never one
// of the user's: when the user has one of that name (in any case, or from
// an older file without the mark) the new one takes the name + "_neu". A
// renamed one is the user's. It becomes current. Invalid result on failure
// (message shown, the old presentation is then kept).
Praesentation AlbumAlsPraesentation(Programmzustand& z, Datenbankobjekte& db, const QString& name);

void AktuelleSetzen(Programmzustand& z, const Praesentation& p);
Praesentation Aktuelle(const Programmzustand& z);

}  // namespace Praesentationskatalog
