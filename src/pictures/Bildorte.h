#pragma once
#include "Laufwerksliste.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

struct Programmzustand;
struct Datenbankobjekte;
class Recordset;

// Where picture files, thumbnails and album folders lie. Every path of a
// picture is formed here, from the album's `Pfad` and `CD-Name` and the
// picture directory, for the three kinds of albums: in the picture
// directory (`Pfad` relative to it), left in their own folder (`Pfad`
// absolute) and on a CD (`Pfad` relative to the disc's root, the disc found
// again by its volume name). Folder values end with "/".
//
// The routines on the current picture work on the current row of rsAlbum
// and the current album of the state. While the search result is shown they
// first look up the picture's own album and overwrite the current album
// folder and CD name with its values.

// Returned as the path of a picture whose CD is in no drive.
QString NichtGefunden();

// --- drives -----------------------------------------------------------------

// Drive scan: the volumes in their stable order; their roots go to z.laufwerke.
QVector<Laufwerk> LaufwerkeErmitteln(Programmzustand& z);
// While it lives, the state's drive look-ups see the volumes as they were
// at its start: a run over many pictures scans them once, not per picture.
class Laufwerksaufnahme {
public:
    explicit Laufwerksaufnahme(Programmzustand& z);
    ~Laufwerksaufnahme();
    Laufwerksaufnahme(const Laufwerksaufnahme&) = delete;
    Laufwerksaufnahme& operator=(const Laufwerksaufnahme&) = delete;

private:
    // Scans at the first look-up only: a run that needs no drive costs none.
    class Liste : public Laufwerksliste {
    public:
        explicit Liste(const Laufwerksliste* quelle) : m_quelle(quelle) {}
        QVector<Laufwerk> laufwerke() const override
        {
            if (!m_gelesen && m_quelle)
                m_laufwerke = m_quelle->laufwerke();
            m_gelesen = true;
            return m_laufwerke;
        }

    private:
        const Laufwerksliste* m_quelle;
        mutable bool m_gelesen = false;
        mutable QVector<Laufwerk> m_laufwerke;
    };
    Programmzustand& m_z;
    const Laufwerksliste* m_vorher;
    Liste m_liste;
};

// Root of the first CD-ROM volume whose label equals the name exactly; "" when none.
QString CDLaufwerkNachName(Programmzustand& z, const QString& name);
// The same for the current album's CD.
QString CDLaufwerk(Programmzustand& z);
// "Unknown", "Removable", "Fixed", "Network", "CD-ROM", "RAM Disk" for the
// volume holding the path; "" when no volume holds it.
QString Laufwerkstyp(const Programmzustand& z, const QString& pfad);
// Label of the volume holding the path; "" when there is none or no medium.
QString Datentraegername(const Programmzustand& z, const QString& pfad);
// "CD ist nicht im Laufwerk!": asks for the disc with that name.
void CDFehltMelden(const Programmzustand& z, const QString& cdName);

// --- files ------------------------------------------------------------------

// Name part of an existing file; "" when there is no such file.
QString Dateiname(const QString& pfad);
// Folder of an existing file, ending with "/"; "" when there is no such file.
QString UebergeordneterOrdner(const QString& pfad);
// Date of the file's last change as dd.MM.yyyy; "" when there is no such file.
QString Dateidatum(const QString& pfad);
// The date a picture is entered with, as dd.MM.yyyy: the day the photograph
// was taken when its metadata tells, the file's date otherwise.
QString Bilddatum(const QString& pfad);
// The same with the day read already (invalid when the file tells none).
QString Bilddatum(const QString& pfad, const QDate& aufgenommen);
// A regular file at an absolute path ("Nicht gefunden!" and "" are none).
bool BilddateiVorhanden(const QString& pfad);
// A name under which a new file can go into the folder without replacing
// anything: the name itself when no file there and no row (vergeben) holds
// it, else the name with the suffix of the next free album folder ("_BV001",
// "_BV002", ...) before its extension.
QString FreierDateiname(const QString& ordner, const QString& name,
                        const std::function<bool(const QString&)>& vergeben = {});
// Whether a file is a picture by its name, the one rule wherever a type is
// decided: its kind (Bildleser::Art: JPEG, GIF, BMP, PNG, TIFF, WebP, HEIF,
// AVIF) when a decoder here reads it; -1 for anything else.
int Bildart(const QString& dateiname);
inline bool IstBilddatei(const QString& dateiname)
{
    return Bildart(dateiname) >= 0;
}
// The reason given for a file that is not taken for its type.
inline const QString NichtUnterstuetzt = QStringLiteral("Dateityp wird nicht unterstützt");
// The name patterns of the endings of that kind, or of every kind read here
// (-1), in both cases ("*.jpg", "*.JPG", ...), for file dialogs.
QStringList Bildmuster(int art = -1);
// A file dialog's filters: all pictures, each kind, all files.
QStringList Bildfilter();

// Names of the pictures an album takes from a folder, kind after kind
// (JPEG, GIF, BMP, PNG, ...), each group by name. Only regular files that are
// not hidden; no subfolders. Every other entry that is not a folder (other
// types, pipes, devices, links to nothing, hidden files, names ending in a
// blank or dot, names the system cannot spell) is named in uebergangen as
// "path: reason".
QStringList Bilddateien(const QString& ordner, QStringList* uebergangen = nullptr);

// --- paths from explicit album values ------------------------------------------

// picture directory + "CD/" + CD name + "/" + `Pfad`: the local copy of a CD album's thumbnails.
QString LokalerVorschauOrdner(const Programmzustand& z, const QString& pfad, const QString& cdName);
// Full path of a picture of the album with these values; "" when its CD is in no drive.
QString BildPfadFuerAlbum(Programmzustand& z, const QString& pfad, const QString& cdName, const QString& dateiname);

// The album whose `Nummer` is the number in the first four characters of
// the key: true and its `Pfad` and `CD-Name`, or false. rsAlben keeps its row.
bool AlbumDesSchluessels(Recordset& rsAlben, const QString& dbNummer, QString& pfad, QString& cdName);
// While the search result is shown: the current album folder and CD name
// := those of the current picture's album.
void SuchergebnisAlbumSetzen(Programmzustand& z, Datenbankobjekte& db);

// --- the current picture and album -------------------------------------------

// Full path of the current picture; "Nicht gefunden!" and the CD message
// when its CD is in no drive; "" when there is no current picture.
QString BildPfad(Programmzustand& z, Datenbankobjekte& db);
// The same without message; "" when its CD is in no drive.
QString BildPfadStill(Programmzustand& z, Datenbankobjekte& db);
// Full path of the current picture's thumbnail: for CD albums the local
// copy when it holds the file, else the disc's; "Nicht gefunden!" when
// neither is there. Never a message.
QString VorschauBildPfad(Programmzustand& z, Datenbankobjekte& db);
// Folder of the current album, ending with "/"; "" and the CD message when
// its CD is in no drive.
QString AlbumOrdner(Programmzustand& z, Datenbankobjekte& db);
QString AlbumOrdnerStill(Programmzustand& z, Datenbankobjekte& db);

// Fills z.bildPfade and z.bildDBNummern from rsAlbum (the thumbnail where
// one exists, else the picture, "" when its CD is absent), then lets the
// browser show the album.
void BildPfadeLaden(Programmzustand& z, Datenbankobjekte& db);
// True when the current album's thumbnail folder exists.
bool VorschauOrdnerVorhanden(Programmzustand& z, Datenbankobjekte& db);
// Deletes the current album's thumbnail folder and lets frmAlbumLaden make
// the thumbnails again; then the browser redraws.
void VorschaubilderAktualisieren(Programmzustand& z, Datenbankobjekte& db);

// Deletes the files of a folder and then the folder; errors are ignored.
void OrdnerMitDateienLoeschen(const QString& ordner);

// Small helpers for the others of this subsystem.
namespace Pfade {
// "a/" + "/b" -> "a/b": a doubled separator at the join stands for one.
QString verbinden(const QString& vorne, const QString& hinten);
// A folder value ending with "/" (the empty text stays empty).
QString ordner(const QString& pfad);
// Without a trailing "/" (the root "/" stays).
QString ohneSchraegstrich(const QString& pfad);
} // namespace Pfade
