#include "AlbumImport.h"

#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Programmzustand.h"
#include "Sanduhr.h"
#include "mdlDatenbanken.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool vonCD(const Programmzustand& z, const QString& quellordner)
{
    const QVector<Laufwerk> liste = z.laufwerksliste ? z.laufwerksliste->laufwerke() : QVector<Laufwerk>();
    const Laufwerk l = LaufwerkDesPfads(liste, quellordner);
    return !l.wurzel.isEmpty() && l.typ == Laufwerk::CDROM;
}

QString albumNummer(Datenbankobjekte& db, const QString& albumname)
{
    db.rsAlben.Filter(QStringLiteral("Albenname"), albumname);
    const QString nummer = FeldLesen(db.rsAlben, QStringLiteral("Nummer"));
    db.rsAlben.FilterEntfernen();
    return nummer;
}

// Copies one picture and checks the copy before anyone relies on it: it
// must not replace a file, must have the source's size and be readable. It
// keeps the source's last-modified time, which becomes the picture's date.
bool kopieren(const QString& quelle, const QString& ziel)
{
    if (QFileInfo::exists(ziel) || QFileInfo(ziel).isSymLink())
        return false;
    if (!QFile::copy(quelle, ziel))
        return false;
    const QFileInfo original(quelle);
    QFile kopie(ziel);
    if (QFileInfo(ziel).size() != original.size() || !kopie.open(QIODevice::ReadOnly)) {
        QFile::remove(ziel);
        return false;
    }
    kopie.close();
    // A copy from a write-protected source is write-protected too; the time
    // can only be set on a writable file.
    const QFileDevice::Permissions rechte = kopie.permissions();
    if (!(rechte & QFileDevice::WriteOwner))
        kopie.setPermissions(rechte | QFileDevice::WriteOwner);
    if (kopie.open(QIODevice::ReadWrite)) {
        kopie.setFileTime(original.lastModified(), QFileDevice::FileModificationTime);
        kopie.close();
    }
    if (!(rechte & QFileDevice::WriteOwner))
        kopie.setPermissions(rechte);
    return true;
}

void nichtUebernommenMelden(const Programmzustand& z, const QString& quellordner, const QStringList& namen)
{
    if (namen.isEmpty())
        return;
    const QChar cr(13);
    z.Meldung(QStringLiteral("Diese Bilder konnten nicht in das Album übernommen werden und sind im Ordner") + cr
                  + quellordner + cr + QStringLiteral("geblieben:") + cr + namen.join(cr),
              Meldungen::Information, QStringLiteral("Nicht alle Bilder übernommen!"));
}

// Opens the import recordset on the album's table for the length of a scope.
class Importsatz {
public:
    Importsatz(Datenbankobjekte& db, const QString& nummer) : m_rs(db.rsImport)
    {
        m_rs.Oeffnen(Abfrage::MitWert(nummer, QStringLiteral("Dateiname")));
    }
    ~Importsatz() { m_rs.Schliessen(); }
    Importsatz(const Importsatz&) = delete;
    Importsatz& operator=(const Importsatz&) = delete;

private:
    Recordset& m_rs;
};

}  // namespace

Bildbehandlung BehandlungFuer(const Programmzustand& z, const QString& quellordner)
{
    if (z.einstellungen.lngBehandlungNeueAlben == 2)
        return Bildbehandlung::Eintragen;
    if (vonCD(z, quellordner))
        return z.einstellungen.lngBehandlungNeueCDAlben == 1 ? Bildbehandlung::Eintragen : Bildbehandlung::Kopieren;
    return z.einstellungen.lngBehandlungBilder == 1 ? Bildbehandlung::Verschieben : Bildbehandlung::Kopieren;
}

QString HinweisText(Bildbehandlung behandlung)
{
    switch (behandlung) {
    case Bildbehandlung::Eintragen: return QStringLiteral("Bilder werden eingetragen.");
    case Bildbehandlung::Verschieben: return QStringLiteral("Bilder werden verschoben.");
    case Bildbehandlung::Kopieren: break;
    }
    return QStringLiteral("Bilder werden kopiert.");
}

bool BildKopieren(const QString& quelle, const QString& ziel)
{
    return kopieren(quelle, ziel);
}

void DBNummernSetzen(Datenbankobjekte& db, const QString& nummer)
{
    Recordset& rs = db.rsImport;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        rs.FeldSetzen(QStringLiteral("DBNummer"), DBNummerBilden(FeldLesen(rs, QStringLiteral("Nummer")), nummer));
        rs.Update();
    }
}

int BilderKopierenVerschieben(Programmzustand& z, Datenbankobjekte& db, const QString& quellordner,
                              const QString& ordnername, const QString& albumname)
{
    const QString quelle = Pfade::ordner(quellordner);
    const QStringList dateien = Bilddateien(quelle);
    const QString nummer = albumNummer(db, albumname);
    if (nummer.isEmpty())
        throw DatenbankFehler(QStringLiteral("Das Album \"%1\" gibt es nicht.").arg(albumname));
    const QString ziel = Pfade::ordner(Pfade::verbinden(z.bilderverzeichnis, ordnername));
    const bool verschieben = BehandlungFuer(z, quelle) == Bildbehandlung::Verschieben;

    QStringList kopiert;         // sources whose copy is checked and entered
    QStringList angelegt;        // the copies made
    QStringList fehlgeschlagen;  // names that stay where they are
    {
        Importsatz satz(db, nummer);
        try {
            Transaktion transaktion(db.conDaten);
            for (const QString& name : dateien) {
                QCoreApplication::processEvents();
                const QString nach = ziel + name;
                if (!kopieren(quelle + name, nach)) {
                    fehlgeschlagen << name;
                    continue;
                }
                angelegt << nach;
                kopiert << quelle + name;
                ImportBildEintragen(db, name, 0, Dateidatum(nach));
            }
            db.rsImport.Requery();
            DBNummernSetzen(db, nummer);
            transaktion.bestaetigen();
        } catch (...) {
            // No row stays, so no copy may stay either; the sources were not touched.
            for (const QString& datei : std::as_const(angelegt))
                QFile::remove(datei);
            throw;
        }
    }
    if (verschieben) {
        for (const QString& datei : std::as_const(kopiert))
            QFile::remove(datei);
        // Only an empty folder goes; rmdir refuses any other.
        if (QDir(quelle).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            QDir().rmdir(Pfade::ohneSchraegstrich(quelle));
    }
    nichtUebernommenMelden(z, quelle, fehlgeschlagen);
    return static_cast<int>(kopiert.size());
}

int BilderAmOrtEintragen(Datenbankobjekte& db, const QString& quellordner, const QString& albumname)
{
    const QString quelle = Pfade::ordner(QFileInfo(quellordner).absoluteFilePath());
    const QStringList dateien = Bilddateien(quelle);
    const QString nummer = albumNummer(db, albumname);
    if (nummer.isEmpty())
        throw DatenbankFehler(QStringLiteral("Das Album \"%1\" gibt es nicht.").arg(albumname));

    Importsatz satz(db, nummer);
    Transaktion transaktion(db.conDaten);
    // An album left on a hard disk would otherwise have no folder at all and
    // its pictures would be looked for in the picture directory.
    db.rsAlben.Filter(QStringLiteral("Nummer"), nummer);
    try {
        if (FeldLesen(db.rsAlben, QStringLiteral("CD-Name")).isEmpty()) {
            db.rsAlben.FeldSetzen(QStringLiteral("Pfad"), quelle);
            db.rsAlben.Update();
        }
    } catch (...) {
        db.rsAlben.FilterEntfernen();
        throw;
    }
    db.rsAlben.FilterEntfernen();
    for (const QString& name : dateien) {
        QCoreApplication::processEvents();
        ImportBildEintragen(db, name, 0, Dateidatum(quelle + name));
    }
    db.rsImport.Requery();
    DBNummernSetzen(db, nummer);
    transaktion.bestaetigen();
    return static_cast<int>(dateien.size());
}

int AlbenAusOrdnernAnlegen(Programmzustand& z, Datenbankobjekte& db, const QStringList& ordner,
                           const Importrueckfragen& rueckfragen, const QString& vorgegebenerName)
{
    int angelegt = 0;
    for (const QString& eintrag : ordner) {
        const QString quelle = Pfade::ordner(eintrag);
        QString name;
        if (z.importModus)
            name = vorgegebenerName;
        else if (rueckfragen.nameAbfragen)
            name = rueckfragen.nameAbfragen(quelle);
        QCoreApplication::processEvents();
        if (name.isEmpty())
            continue;

        const Bildbehandlung behandlung = BehandlungFuer(z, quelle);
        if (rueckfragen.hinweisZeigen)
            rueckfragen.hinweisZeigen(behandlung);
        {
            Sanduhr sanduhr;
            QCoreApplication::processEvents();
            try {
                const QString ordnername = AlbumAnlegen(z, db, name, quelle);
                ++angelegt;
                if (behandlung == Bildbehandlung::Eintragen)
                    BilderAmOrtEintragen(db, quelle, name);
                else
                    BilderKopierenVerschieben(z, db, quelle, ordnername, name);
            } catch (const DatenbankFehler& fehler) {
                z.Meldung(fehler.text(), Meldungen::Normal, QStringLiteral("Fehler beim Übernehmen des Ordners!"));
            }
        }
        if (rueckfragen.hinweisSchliessen)
            rueckfragen.hinweisSchliessen();
    }
    if (angelegt > 0) {
        z.ui().ErstesAlbumZeigen();
        z.ui().BilderlisteZeigen();
        z.ui().DatenbankBefehleFreigeben(true);
    }
    return angelegt;
}
