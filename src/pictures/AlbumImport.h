#pragma once
#include <QString>
#include <QStringList>
#include <functional>

struct Programmzustand;
struct Datenbankobjekte;

// Taking existing folders over as albums: each folder becomes an album, its
// pictures are copied or moved into the album's folder in the picture
// directory, or entered where they are (in their own folder or on a CD).
// The three album-handling settings decide which.
//
// A move never loses a picture: a source file is deleted only after its
// copy is complete (same size, readable) and the album's rows are stored; a
// picture whose copy failed stays where it was, gets no row, and is named
// in a message.

enum class Bildbehandlung { Eintragen, Kopieren, Verschieben };

// What happens to the pictures of this source folder under the current settings.
Bildbehandlung BehandlungFuer(const Programmzustand& z, const QString& quellordner);
// "Bilder werden eingetragen." / "... kopiert." / "... verschoben."
QString HinweisText(Bildbehandlung behandlung);

// What the import asks of its windows. All may be empty.
struct Importrueckfragen {
    // The name query for one folder; "" skips the folder.
    std::function<QString(const QString& quellordner)> nameAbfragen;
    // The notice "Gleich geht es weiter!" while a folder is imported, and its end.
    std::function<void(Bildbehandlung)> hinweisZeigen;
    std::function<void()> hinweisSchliessen;
};

// Imports every folder in order (each ends with "/"), asking for each
// album's name; in presentation-import mode (z.importModus) the given name
// is used without asking. Afterwards, when an album was made, the chooser
// shows the first album and the picture list is filled. Returns the number
// of albums made (an album whose pictures could not be entered counts).
int AlbenAusOrdnernAnlegen(Programmzustand& z, Datenbankobjekte& db, const QStringList& ordner,
                           const Importrueckfragen& rueckfragen, const QString& vorgegebenerName = QString());

// Copies (or, by "lngBehandlungBilder", moves) the pictures of the source
// folder into picture directory + ordnername and enters them into the
// album of that name. Pictures from a CD are always copied. Returns the
// number of pictures entered. Database errors reach the caller; then no
// row stays and no source file was deleted.
int BilderKopierenVerschieben(Programmzustand& z, Datenbankobjekte& db, const QString& quellordner,
                              const QString& ordnername, const QString& albumname);

// Enters the pictures of the source folder where they are. An album that is
// not on a CD gets the source folder as its `Pfad`, so its pictures are
// found there.
int BilderAmOrtEintragen(Datenbankobjekte& db, const QString& quellordner, const QString& albumname);

// Copies one picture as the import does: never over an existing file, and
// only a complete, readable copy with the source's time counts. False (and
// no copy left) otherwise.
bool BildKopieren(const QString& quelle, const QString& ziel);

// Sets `DBNummer` of every row of the import recordset from its `Nummer`.
void DBNummernSetzen(Datenbankobjekte& db, const QString& albumNummer);
