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
// copy is complete (same size, synced, a readable picture) and the album's
// rows are stored. Only complete pictures get a row; whatever is skipped
// (damaged pictures, pipes, copies that failed, sources that could not be
// deleted) is named with its reason in one list at the end of the run. A
// full disk stops the run with one message naming the folder.
//
// An import cut off (a crash, a power cut, a full disk, sources a move
// could not delete) leaves a note in the album's folder naming its source
// and the size and time of each of its pictures. Importing that folder
// again, while it holds those pictures, or opening the album, finishes it:
// copies already made are taken over as rows, a cut-off copy is made again
// from its source, and every picture ends up in the album exactly once.
// Another disc at the same place (same names, other pictures) is a new
// import with a name of its own.
//
// Unless the setting blnAngabenUebernehmen is off, each picture's row takes
// the keywords and the remark its file carries (Angabenuebernahme); what
// does not fit is named in the list at the end.

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

// What one import run could not do, shown once at its end.
struct Importbericht {
    QStringList uebersprungen; // "path: reason" of every file or folder not taken
    QString keinPlatz; // the folder whose disk ran full; the run stops there
    QStringList angaben; // "path: ..." of keywords the files carry that were not taken

    // The list "Nicht alle Bilder übernommen!", when there is anything in it.
    void zeigen(Programmzustand& z) const;
};

// One import run, for the length of a scope (runs nest: a presentation
// import holds one around the album import). A cut-off import is not
// finished meanwhile when an album opens: the run itself does that.
class Importlauf {
public:
    explicit Importlauf(Programmzustand& z);
    ~Importlauf();
    Importlauf(const Importlauf&) = delete;
    Importlauf& operator=(const Importlauf&) = delete;

private:
    Programmzustand& m_z;
};

// "Kein Speicherplatz mehr auf <ordner>", once per import run: whatever else
// meets the full disk during the same run stays silent.
void KeinPlatzMelden(Programmzustand& z, const QString& ordner);

// Imports every folder in order (each ends with "/"), asking for each
// album's name; in presentation-import mode (z.importModus) the given name
// is used without asking. Afterwards, when an album was made, the chooser
// shows the first album and the picture list is filled. Returns the number
// of albums made or finished (an album whose pictures could not be entered
// counts). Whatever was skipped is listed once at the end. alben receives
// the names of the albums filled, in order: a folder whose import was cut
// off goes on into its old album, whatever name was given.
int AlbenAusOrdnernAnlegen(Programmzustand& z, Datenbankobjekte& db, const QStringList& ordner,
    const Importrueckfragen& rueckfragen, const QString& vorgegebenerName = QString(), QStringList* alben = nullptr);

// Copies (or, by "lngBehandlungBilder", moves) the pictures of the source
// folder into picture directory + ordnername and enters them into the
// album of that name. Pictures from a CD are always copied. Returns the
// number of pictures entered. Database errors reach the caller; then no
// row stays and no source file was deleted.
// The folder's note is removed when the import is complete. Skipped files
// go to the report; without one they are shown at the end of the call.
int BilderKopierenVerschieben(Programmzustand& z, Datenbankobjekte& db, const QString& quellordner,
    const QString& ordnername, const QString& albumname, Importbericht* bericht = nullptr);

// Enters the pictures of the source folder where they are. An album that is
// not on a CD gets the source folder as its `Pfad`, so its pictures are
// found there. All or nothing: a database error leaves neither rows nor a
// changed `Pfad`.
int BilderAmOrtEintragen(Programmzustand& z, Datenbankobjekte& db, const QString& quellordner, const QString& albumname,
    Importbericht* bericht = nullptr);

// Why the pictures of this folder may not be moved (it lies in the picture
// directory or in the folder of an album left in place, so moving would
// delete an album's own pictures); "" when they may.
QString VerschiebenVerboten(const Programmzustand& z, Datenbankobjekte& db, const QString& quellordner);

// The import of the current album's folder that was cut off, finished from
// its source as far as it can be. True when there was one.
bool AbgebrochenenImportVollenden(Programmzustand& z, Datenbankobjekte& db);

// The presentation import has made its presentation: the note of the
// album folder goes, if the album's pictures are all in.
void ImportAbschliessen(const Programmzustand& z, const QString& ordnername);

// Copies one picture as the import does: never over an existing file, and
// only a complete, readable copy with the source's time counts. False (and
// no copy left) otherwise.
bool BildKopieren(const QString& quelle, const QString& ziel);

// Sets `DBNummer` of every row of the import recordset from its `Nummer`.
void DBNummernSetzen(Datenbankobjekte& db, const QString& albumNummer);
