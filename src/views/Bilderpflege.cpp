#include "Bilderpflege.h"

#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Praesentationspflege.h"
#include "Programmzustand.h"
#include "Sanduhr.h"
#include "Vorschaubilder.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString Dateiname_ = QStringLiteral("Dateiname");
const QString DBNummer_ = QStringLiteral("DBNummer");

QString albumtabelleDesSchluessels(const QString& dbNummer)
{
    bool ok = false;
    const qlonglong nummer = dbNummer.left(4).toLongLong(&ok);
    return ok ? QString::number(nummer) : QString();
}

// A picture of the search result belongs to a CD album when its own album is one.
bool vonCDAlbum(Programmzustand& z, Datenbankobjekte& db, const QVector<BilderListeModell::Eintrag>& eintraege)
{
    if (!z.suchergebnisAngezeigt)
        return !z.albumCDName.isEmpty();
    for (const BilderListeModell::Eintrag& e : eintraege) {
        QString pfad, cdName;
        if (AlbumDesSchluessels(db.rsAlben, e.dbNummer, pfad, cdName) && !cdName.isEmpty())
            return true;
    }
    return false;
}

// Finds the entry's row: by key in the search result (names repeat across
// albums there), by name in an album (names are unique there).
bool zeileFinden(const Programmzustand& z, Recordset& rs, const BilderListeModell::Eintrag& e)
{
    if (z.suchergebnisAngezeigt && !e.dbNummer.isEmpty())
        rs.Filter(DBNummer_, e.dbNummer);
    else
        rs.Filter(Dateiname_, e.dateiname);
    return rs.RecordCount() > 0;
}

bool gleicheDatei(const QString& a, const QString& b)
{
    const QString ka = QFileInfo(a).canonicalFilePath();
    return !ka.isEmpty() && ka == QFileInfo(b).canonicalFilePath();
}

// Copies the file over whatever lies at the target (an older copy goes only
// once the new one is complete) and keeps its date, which becomes the
// picture's date. A move deletes the source only after that.
bool dateiUebertragen(const QString& quelle, const QString& ziel, bool verschieben)
{
    if (gleicheDatei(quelle, ziel))
        return true;
    const QFileInfo quellinfo(quelle);
    const QString neu = ziel + QStringLiteral(".kolvar-neu");
    QFile::remove(neu);
    if (!QFile::copy(quelle, neu))
        return false;
    {
        QFile datei(neu);
        if (datei.open(QIODevice::ReadWrite))
            datei.setFileTime(quellinfo.lastModified(), QFileDevice::FileModificationTime);
    }
    if (QFileInfo(neu).size() != quellinfo.size() || (QFileInfo::exists(ziel) && !QFile::remove(ziel))
        || !QFile::rename(neu, ziel)) {
        QFile::remove(neu);
        return false;
    }
    if (verschieben)
        QFile::remove(quelle);
    return true;
}

bool ordnerOhneDateien(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty();
}

void albumPfadSetzen(Programmzustand& z, Datenbankobjekte& db, const QString& pfad)
{
    z.albumPfad = pfad;
    db.rsAlben.Filter(QStringLiteral("Nummer"), z.albumNummer);
    if (db.rsAlben.RecordCount() > 0)
        FeldSchreiben(db.rsAlben, QStringLiteral("Pfad"), pfad);
    db.rsAlben.FilterEntfernen();
}

void nichtEingetragenMelden(const Programmzustand& z, const QStringList& namen)
{
    if (namen.isEmpty())
        return;
    const QChar cr(13);
    z.Meldung(QStringLiteral("Diese Bilder konnten nicht in das Album übernommen werden:") + cr + cr
                  + namen.join(QString(cr)),
              Meldungen::Information, QStringLiteral("Hinzufügen"));
}

bool eintragen(Datenbankobjekte& db, const QString& dateiname, const QString& datum)
{
    try {
        BildEintragen(db, dateiname, 0, datum);
        return true;
    } catch (const DatenbankFehler&) {
        return false;
    }
}

}  // namespace

bool DateiEntsorgen(const QString& pfad)
{
    if (pfad.isEmpty() || !QFileInfo::exists(pfad))
        return true;
    if (QFile::moveToTrash(pfad))
        return true;
    return QFile::remove(pfad);
}

void BildEintragEntfernen(Programmzustand& z, Datenbankobjekte& db, bool mitDatei)
{
    Recordset& rs = db.rsAlbum;
    if (rs.Bof() || rs.Eof())
        return;
    const QString dbNummer = FeldLesen(rs, DBNummer_);
    if (mitDatei)
        DateiEntsorgen(BildPfadStill(z, db));
    if (!dbNummer.isEmpty()) {
        BildAusPraesentationenEntfernen(db, dbNummer);
        const QString tabelle = albumtabelleDesSchluessels(dbNummer);
        // The search result holds copies; the picture itself lives in its album.
        if (z.suchergebnisAngezeigt && !tabelle.isEmpty()) {
            try {
                db.conDaten.Ausfuehren(QStringLiteral("DELETE FROM %1 WHERE DBNummer = ?").arg(Bezeichner(tabelle)),
                                       {dbNummer});
            } catch (const DatenbankFehler&) {
            }
        }
    }
    rs.Delete();
}

bool BilderLoeschen(Programmzustand& z, Datenbankobjekte& db, const QVector<BilderListeModell::Eintrag>& markierte)
{
    Recordset& rs = db.rsAlbum;
    if (markierte.isEmpty() || !rs.IstOffen() || rs.RecordCount() == 0)
        return false;
    if (vonCDAlbum(z, db, markierte)) {
        z.Meldung(QStringLiteral("Bilder löschen ist nicht möglich. Das Album befindet sich auf einer CD!"),
                  Meldungen::Information, QStringLiteral("Kolvar-Hilfe"));
        return false;
    }
    const QString frage = markierte.size() == 1 ? QStringLiteral("Soll das Bild wirklich  gelöscht werden!")
                                                : QStringLiteral("Sollen die Bilder wirklich  gelöscht werden!");
    if (z.Meldung(frage, Meldungen::Frage, QStringLiteral("Löschen?")) != Meldungen::Antwort::Ja)
        return false;

    Sanduhr sanduhr;
    for (const BilderListeModell::Eintrag& e : markierte) {
        try {
            if (zeileFinden(z, rs, e))
                BildEintragEntfernen(z, db, true);
            rs.FilterEntfernen();
        } catch (const DatenbankFehler&) {
            // A row that cannot go stays; the others are still deleted.
            try {
                rs.FilterEntfernen();
            } catch (const DatenbankFehler&) {
            }
        }
    }
    if (rs.RecordCount() > 0)
        rs.MoveFirst();
    return true;
}

bool HinzufuegenMoeglich(const Programmzustand& z)
{
    if (z.albumCDName.isEmpty())
        return true;
    z.Meldung(QStringLiteral("Bilder hinzufügen ist nicht möglich. Das Album befindet sich auf einer CD!"),
              Meldungen::Information, QStringLiteral("Kolvar-Hilfe"));
    return false;
}

int NeueBilderEintragen(Programmzustand& z, Datenbankobjekte& db, const QStringList& dateien)
{
    if (dateien.isEmpty() || !db.rsAlbum.IstOffen())
        return 0;
    Sanduhr sanduhr;
    const QString quellordner = Pfade::ordner(QFileInfo(dateien.first()).absolutePath());

    // An album left in place without a folder takes the folder of its first added pictures.
    if (z.albumPfad.isEmpty()) {
        QString ordner = quellordner;
        if (!z.bilderverzeichnis.isEmpty() && ordner.startsWith(z.bilderverzeichnis))
            ordner = ordner.mid(z.bilderverzeichnis.size());
        albumPfadSetzen(z, db, ordner);
    }

    int eingetragen = 0;
    QStringList fehlgeschlagen;
    if (QDir::isAbsolutePath(z.albumPfad)) {
        // The album's rows name files in its folder only: anything else would be lost.
        const QString albumordner = QFileInfo(z.albumPfad).canonicalFilePath();
        for (const QString& datei : dateien) {
            if (albumordner.isEmpty() || QFileInfo(QFileInfo(datei).absolutePath()).canonicalFilePath() != albumordner) {
                const QChar cr(13);
                z.Meldung((dateien.size() > 1 ? QStringLiteral("Die Bilder müssen im Ordner des aktuellen Albums stehen!")
                                              : QStringLiteral("Das Bild muss im Ordner des aktuellen Albums stehen!"))
                              + cr + cr + QStringLiteral("Aktion wird abgebrochen."),
                          Meldungen::Information, QStringLiteral("Falscher Ordner!"));
                return 0;
            }
        }
        Vorschaubilderzeugung vorschau(z, db);
        for (const QString& datei : dateien) {
            const QString name = QFileInfo(datei).fileName();
            if (!QFileInfo(datei).isFile() || !eintragen(db, name, Dateidatum(datei))) {
                fehlgeschlagen << name;
                continue;
            }
            ++eingetragen;
            vorschau.VBEinzeln(datei);
        }
    } else {
        const QString zielordner = Pfade::verbinden(z.bilderverzeichnis, Pfade::ordner(z.albumPfad));
        QDir().mkpath(zielordner);
        const bool verschieben = z.einstellungen.lngBehandlungBilder == 1;
        Vorschaubilderzeugung vorschau(z, db);
        for (const QString& datei : dateien) {
            const QString name = QFileInfo(datei).fileName();
            const QString ziel = zielordner + name;
            if (!QFileInfo(datei).isFile() || !dateiUebertragen(datei, ziel, verschieben)
                || !eintragen(db, name, Dateidatum(ziel))) {
                fehlgeschlagen << name;
                continue;
            }
            ++eingetragen;
            vorschau.VBEinzeln(ziel);
        }
        if (verschieben && !gleicheDatei(quellordner, zielordner) && ordnerOhneDateien(quellordner))
            QDir().rmdir(Pfade::ohneSchraegstrich(quellordner));
    }
    try {
        AlbumDBNummernSetzen(db, z.albumNummer);
    } catch (const DatenbankFehler&) {
        // Keys are set again with the next picture added.
    }
    nichtEingetragenMelden(z, fehlgeschlagen);
    return eingetragen;
}

void AlbumDBNummernSetzen(Datenbankobjekte& db, const QString& albumNummer)
{
    Recordset& rs = db.rsAlbum;
    if (!rs.IstOffen() || rs.RecordCount() == 0)
        return;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        const QString soll = DBNummerBilden(FeldLesen(rs, QStringLiteral("Nummer")), albumNummer);
        if (FeldLesen(rs, DBNummer_) != soll) {
            rs.FeldSetzen(DBNummer_, soll);
            rs.Update();
        }
    }
    rs.MoveFirst();
}
