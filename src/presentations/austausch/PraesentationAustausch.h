#pragma once
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

struct Programmzustand;
struct Datenbankobjekte;

// Export of a presentation into a folder as numbered files in its order,
// and import of such a folder as a new album with a presentation in the
// same order.
//
// Export never damages the collection: it refuses the folders of the
// collection's albums and their thumbnail folders, never writes over the
// source of one of its pictures, and makes every copy under a temporary
// name that takes the final one only when the copy is complete. It never
// reports a failure as success: pictures it could not write or find are
// counted and named at the end.
//
// A copy carries the picture's keywords and remark, written into the copy
// once it is complete and before it takes its name; the collection's own
// files are never written to. A copy that cannot carry them (a file type
// Exiv2 cannot write, a write that failed) is the source as it is, and is
// named at the end.
namespace PraesentationAustausch {

// A presentation name made fit for a file or folder name: | \ / : * ? " < >
// become "_", and a name of dots only gets "_" for each dot.
QString NameBereinigen(const QString& name);
// Name + position (four digits, more when needed) + the source's own extension.
QString Dateiname(const QString& name, int position, const QString& quelle);

// One entry of the presentation, in `Reihenfolge` order.
struct Exportbild {
    QString dbNummer;
    QString dateiname;  // `Dateiname` of its album row; "" when the row is gone
    QString albumPfad;
    QString cdName;
    QString quelle;  // full path; "" when its CD is in no drive
    QStringList begriffe;  // the texts of its keywords
    QString bemerkung;
};
// The entries of the presentation table, each resolved to its file.
QVector<Exportbild> ExportListe(Programmzustand& z, Datenbankobjekte& db, const QString& tabelle);

// Folders an export must not write into: every album folder and thumbnail
// folder of the open collection that can be found, canonical.
QStringList GeschuetzteOrdner(Programmzustand& z, Datenbankobjekte& db);

struct Exportziel {
    QString ordner;  // ending with "/"; "" on refusal
    QString fehler;  // the German message when refused or not created
    bool neu = false;
};
// The target: the chosen folder, or a new subfolder of the (cleaned) name
// below it, "_neu" appended while a file or folder of that name exists. A
// protected folder is refused; the subfolder is created here.
Exportziel ZielBestimmen(Programmzustand& z, Datenbankobjekte& db, const QString& gewaehlt, const QString& unterordner);
// Removes what an export that was killed left in the folder: its hidden
// partial copies ".kolvar-export-<number>-<number>.teil" (and the copies
// with keywords made beside them, "...-angaben.teil"), regular files
// only, never anything else. Returns how many went.
int ExportResteEntfernen(const QString& ordner);
// True when the folder holds any entry.
bool OrdnerNichtLeer(const QString& ordner);
// The question for a non-empty target; true when the user wants the export anyway.
bool NichtLeerBestaetigt(const Programmzustand& z, const QString& ordner);

struct Exportergebnis {
    QString ziel;
    int gesamt = 0;
    int geschrieben = 0;
    QStringList fehler;  // "file: reason" of every entry not written
    QStringList ohneAngaben;  // "file: reason" of copies written without keywords and remark
    QString keinPlatz;  // the folder whose disk ran full; the run stopped there
    bool gestoppt = false;  // the user stopped the run
    bool cdAbgebrochen = false;  // Cancel in the CD question: no closing message
    bool vollstaendig() const { return geschrieben == gesamt && !gestoppt && !cdAbgebrochen; }
};

// Called after each entry with the entries done and the total; false stops the run.
using Fortschritt = std::function<bool(int erledigt, int gesamt)>;

// Copies every entry into the target as name + position + extension, after
// removing an earlier run's leftovers there (ExportResteEntfernen). A
// picture of a CD album whose disc is in no drive is asked for; Cancel ends
// the run (copies made stay).
Exportergebnis Exportieren(Programmzustand& z, const QVector<Exportbild>& bilder, const QString& name,
    const QString& ziel, const Fortschritt& fortschritt = {});
// The closing message: the success text only when every picture was written.
void ErgebnisMelden(const Programmzustand& z, const Exportergebnis& ergebnis);

// --- import ---------------------------------------------------------------------

constexpr int MaxNamenslaenge = 50;

// The name of the new album (or presentation) for the folder: its last
// component, "_neu" appended for "TempAlbum" and while vergeben says the
// name is taken, the base cut so that the result stays within 50
// characters. "" when the folder has no name of its own (a drive root).
QString ImportName(const QString& ordner, const std::function<bool(const QString&)>& vergeben);

struct Importergebnis {
    QString albumNummer;  // the album made; "" when none
    QString albumName;
    QString tabelle;  // the presentation made ("P0007"); "" when none
    QString praesentationName;
    QString praesentationNummer;
    QString fehler;  // the German message when nothing or not all was made
};

// Makes an album of the folder through the album import (its three
// handling settings are the same afterwards) and a presentation of all its
// pictures in file-name order. Stops when the album import made no album.
Importergebnis Importieren(Programmzustand& z, Datenbankobjekte& db, const QString& ordner);

}  // namespace PraesentationAustausch
