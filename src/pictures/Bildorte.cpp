#include "Bildorte.h"

#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Programmzustand.h"
#include "Recordset.h"
#include "Sanduhr.h"
#include "mdlDatenbanken.h"

#include "Aufnahmedatum.h"
#include "Bildleser.h"

#include <QDir>
#include <QFileInfo>
#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

namespace Pfade {

QString verbinden(const QString& vorne, const QString& hinten)
{
    if (vorne.endsWith(QLatin1Char('/')) && hinten.startsWith(QLatin1Char('/')))
        return vorne + hinten.mid(1);
    return vorne + hinten;
}

QString ordner(const QString& pfad)
{
    if (pfad.isEmpty() || pfad.endsWith(QLatin1Char('/')))
        return pfad;
    return pfad + QLatin1Char('/');
}

QString ohneSchraegstrich(const QString& pfad)
{
    QString p = pfad;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p;
}

} // namespace Pfade

using Pfade::verbinden;

namespace {

const QString TempBilder = QStringLiteral("TempBilder");

QString dateinameDesBildes(const Datenbankobjekte& db)
{
    if (db.rsAlbum.Bof() || db.rsAlbum.Eof())
        return QString();
    return FeldLesen(db.rsAlbum, QStringLiteral("Dateiname"));
}

// Thumbnail folder beside an album folder: "<folder>/TempBilder".
QString tempBilderVon(const QString& albumordner)
{
    return Pfade::ohneSchraegstrich(albumordner) + QLatin1Char('/') + TempBilder;
}

bool ordnerVorhanden(const QString& pfad)
{
    return !pfad.isEmpty() && QFileInfo(pfad).isDir();
}

// The parts shared by the quiet and the with-message album folder.
QString albumOrdnerBilden(Programmzustand& z, Datenbankobjekte& db, bool mitMeldung)
{
    SuchergebnisAlbumSetzen(z, db);
    const QString pfad = Pfade::ordner(z.albumPfad);
    if (!z.albumCDName.isEmpty()) {
        const QString laufwerk = CDLaufwerk(z);
        if (laufwerk.isEmpty()) {
            if (mitMeldung)
                CDFehltMelden(z, z.albumCDName);
            return QString();
        }
        return verbinden(laufwerk, pfad);
    }
    if (QDir::isAbsolutePath(pfad))
        return pfad;
    return verbinden(z.bilderverzeichnis, pfad);
}

} // namespace

QString NichtGefunden()
{
    return QStringLiteral("Nicht gefunden!");
}

QVector<Laufwerk> LaufwerkeErmitteln(Programmzustand& z)
{
    const QVector<Laufwerk> liste = z.laufwerksliste ? z.laufwerksliste->laufwerke() : QVector<Laufwerk>();
    z.laufwerke.clear();
    for (const Laufwerk& l : liste)
        z.laufwerke << l.wurzel;
    return liste;
}

Laufwerksaufnahme::Laufwerksaufnahme(Programmzustand& z)
    : m_z(z), m_vorher(z.laufwerksliste), m_liste(z.laufwerksliste)
{
    z.laufwerksliste = &m_liste;
}

Laufwerksaufnahme::~Laufwerksaufnahme()
{
    m_z.laufwerksliste = m_vorher;
}

QString CDLaufwerkNachName(Programmzustand& z, const QString& name)
{
    const QVector<Laufwerk> liste = LaufwerkeErmitteln(z);
    for (const Laufwerk& l : liste) {
        // A drive without a medium has no name and so never matches.
        if (l.typ == Laufwerk::CDROM && !l.name.isEmpty() && l.name == name)
            return Pfade::ordner(l.wurzel);
    }
    return QString();
}

QString CDLaufwerk(Programmzustand& z)
{
    return CDLaufwerkNachName(z, z.albumCDName);
}

QString Laufwerkstyp(const Programmzustand& z, const QString& pfad)
{
    const QVector<Laufwerk> liste = z.laufwerksliste ? z.laufwerksliste->laufwerke() : QVector<Laufwerk>();
    const Laufwerk l = LaufwerkDesPfads(liste, pfad);
    return l.wurzel.isEmpty() ? QString() : LaufwerkstypText(l.typ);
}

QString Datentraegername(const Programmzustand& z, const QString& pfad)
{
    const QVector<Laufwerk> liste = z.laufwerksliste ? z.laufwerksliste->laufwerke() : QVector<Laufwerk>();
    return LaufwerkDesPfads(liste, pfad).name;
}

void CDFehltMelden(const Programmzustand& z, const QString& cdName)
{
    const QChar cr(13);
    z.Meldung(QStringLiteral("Bitte die CD mit dem Namen:") + cr + cdName + cr + QStringLiteral("einlegen!"),
        Meldungen::Information, QStringLiteral("CD ist nicht im Laufwerk!"));
}

QString Dateiname(const QString& pfad)
{
    const QFileInfo info(pfad);
    return info.isFile() ? info.fileName() : QString();
}

QString UebergeordneterOrdner(const QString& pfad)
{
    const QFileInfo info(pfad);
    return info.isFile() ? Pfade::ordner(info.absolutePath()) : QString();
}

QString Dateidatum(const QString& pfad)
{
    const QFileInfo info(pfad);
    if (!info.exists())
        return QString();
    return DatumText(info.lastModified().date());
}

QString Bilddatum(const QString& pfad)
{
    return Bilddatum(pfad, Aufnahmedatum(pfad));
}

QString Bilddatum(const QString& pfad, const QDate& aufgenommen)
{
    return aufgenommen.isValid() ? DatumText(aufgenommen) : Dateidatum(pfad);
}

bool BilddateiVorhanden(const QString& pfad)
{
    return QDir::isAbsolutePath(pfad) && QFileInfo(pfad).isFile();
}

QString FreierDateiname(const QString& ordner, const QString& name, const std::function<bool(const QString&)>& vergeben)
{
    const QFileInfo info(name);
    const QString endung = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString stamm = info.suffix().isEmpty() ? name : info.completeBaseName();
    QString kandidat = name;
    const auto belegt = [&](const QString& n) {
        const QFileInfo datei(Pfade::ordner(ordner) + n);
        return datei.exists() || datei.isSymLink() || (vergeben && vergeben(n));
    };
    while (belegt(kandidat)) {
        stamm = NaechsterOrdnername(stamm);
        kandidat = stamm + endung;
    }
    return kandidat;
}

int Bildart(const QString& dateiname)
{
    const int art = Bildleser::ArtNachName(dateiname);
    return Bildleser::Lesbar(art) ? art : -1;
}

QStringList Bildmuster(int art)
{
    QStringList muster;
    for (int a = 0; a < Bildleser::Arten; ++a) {
        if ((art >= 0 && a != art) || !Bildleser::Lesbar(a))
            continue;
        for (const QString& endung : Bildleser::Endungen(a))
            muster << QStringLiteral("*.") + endung << QStringLiteral("*.") + endung.toUpper();
    }
    return muster;
}

QStringList Bildfilter()
{
    QStringList filter { QStringLiteral("Bilder (%1)").arg(Bildmuster().join(QLatin1Char(' '))) };
    for (int art = 0; art < Bildleser::Arten; ++art)
        if (Bildleser::Lesbar(art))
            filter << QStringLiteral("%1-Datei (%2)").arg(Bildleser::Endungen(art).constFirst(), Bildmuster(art).join(QLatin1Char(' ')));
    return filter << QStringLiteral("Alle Dateien (*)");
}

namespace {

// Why an entry of a folder is not taken as a picture; "" when it is one.
QString nichtGenommen(const QFileInfo& info)
{
    const QString name = info.fileName();
    if (name.startsWith(QLatin1Char('.')))
        return QStringLiteral("versteckte Datei");
    if (name.endsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char('.')))
        return QStringLiteral("der Name endet mit einem Leerzeichen oder Punkt");
    if (!IstBilddatei(name))
        return NichtUnterstuetzt;
    if (!info.exists())
        return QStringLiteral("Verknüpfung ins Leere");
    if (!info.isFile())
        return QStringLiteral("keine gewöhnliche Datei (Pipe oder Gerät)");
    return QString();
}

// The entries whose names are not in the system's encoding (UTF-8): Qt
// leaves them out of its lists, since it could not name them back.
QStringList fremdKodiert(const QString& ordner)
{
    QStringList namen;
#ifdef Q_OS_UNIX
    DIR* verzeichnis = ::opendir(QFile::encodeName(ordner).constData());
    if (!verzeichnis)
        return namen;
    while (const dirent* eintrag = ::readdir(verzeichnis)) {
        const QByteArray roh(eintrag->d_name);
        if (eintrag->d_type != DT_DIR && QFile::encodeName(QFile::decodeName(roh)) != roh)
            namen << QFile::decodeName(roh);
    }
    ::closedir(verzeichnis);
#else
    Q_UNUSED(ordner);
#endif
    return namen;
}

} // namespace

QStringList Bilddateien(const QString& ordner, QStringList* uebergangen)
{
    QStringList gruppen[Bildleser::Arten];
    // System and Hidden list pipes, devices, broken links and hidden files, so they can be named.
    const QFileInfoList eintraege = QDir(ordner).entryInfoList(
        QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : eintraege) {
        if (info.isDir())
            continue;
        const QString grund = nichtGenommen(info);
        if (grund.isEmpty())
            gruppen[Bildart(info.fileName())] << info.fileName();
        else if (uebergangen)
            *uebergangen << info.filePath() + QStringLiteral(": ") + grund;
    }
    if (uebergangen) {
        for (const QString& name : fremdKodiert(ordner))
            *uebergangen << Pfade::ordner(ordner) + name
                    + QStringLiteral(": der Name ist nicht in UTF-8 geschrieben, die Datei lässt sich nicht öffnen");
    }
    QStringList namen;
    for (const QStringList& gruppe : gruppen)
        namen += gruppe;
    return namen;
}

QString LokalerVorschauOrdner(const Programmzustand& z, const QString& pfad, const QString& cdName)
{
    // The label comes from the disc: it must not lead out of "CD/" (a label
    // ".." would put thumbnails among another album's pictures).
    QString ordnername = cdName;
    ordnername.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    if (ordnername.isEmpty() || ordnername == QLatin1String(".") || ordnername == QLatin1String(".."))
        ordnername.prepend(QLatin1Char('_'));
    return verbinden(
        verbinden(z.bilderverzeichnis, QStringLiteral("CD/") + ordnername + QLatin1Char('/')), Pfade::ordner(pfad));
}

QString BildPfadFuerAlbum(Programmzustand& z, const QString& pfad, const QString& cdName, const QString& dateiname)
{
    const QString ordner = Pfade::ordner(pfad);
    if (!cdName.isEmpty()) {
        const QString laufwerk = CDLaufwerkNachName(z, cdName);
        return laufwerk.isEmpty() ? QString() : verbinden(verbinden(laufwerk, ordner), dateiname);
    }
    if (QDir::isAbsolutePath(ordner))
        return verbinden(ordner, dateiname);
    return verbinden(verbinden(z.bilderverzeichnis, ordner), dateiname);
}

bool AlbumDesSchluessels(Recordset& rsAlben, const QString& dbNummer, QString& pfad, QString& cdName)
{
    bool ok = false;
    const qlonglong gesucht = dbNummer.left(4).toLongLong(&ok);
    if (!ok || !rsAlben.IstOffen())
        return false;
    const int vorher = rsAlben.AbsolutePosition();
    bool gefunden = false;
    for (rsAlben.MoveFirst(); !rsAlben.Eof(); rsAlben.MoveNext()) {
        bool zahl = false;
        if (FeldLesen(rsAlben, QStringLiteral("Nummer")).toLongLong(&zahl) == gesucht && zahl) {
            pfad = FeldLesen(rsAlben, QStringLiteral("Pfad"));
            cdName = FeldLesen(rsAlben, QStringLiteral("CD-Name"));
            gefunden = true;
            break;
        }
    }
    if (vorher != Recordset::PositionUnbekannt)
        rsAlben.AbsolutePositionSetzen(vorher);
    return gefunden;
}

void SuchergebnisAlbumSetzen(Programmzustand& z, Datenbankobjekte& db)
{
    if (!z.suchergebnisAngezeigt || db.rsAlbum.Bof() || db.rsAlbum.Eof())
        return;
    QString pfad, cdName;
    if (AlbumDesSchluessels(db.rsAlben, FeldLesen(db.rsAlbum, QStringLiteral("DBNummer")), pfad, cdName)) {
        z.albumPfad = pfad;
        z.albumCDName = cdName;
    }
}

QString BildPfad(Programmzustand& z, Datenbankobjekte& db)
{
    const QString name = dateinameDesBildes(db);
    if (name.isEmpty())
        return QString();
    SuchergebnisAlbumSetzen(z, db);
    if (!z.albumCDName.isEmpty()) {
        const QString laufwerk = CDLaufwerk(z);
        if (laufwerk.isEmpty()) {
            CDFehltMelden(z, z.albumCDName);
            return NichtGefunden();
        }
        return verbinden(verbinden(laufwerk, Pfade::ordner(z.albumPfad)), name);
    }
    return BildPfadFuerAlbum(z, z.albumPfad, QString(), name);
}

QString BildPfadStill(Programmzustand& z, Datenbankobjekte& db)
{
    const QString name = dateinameDesBildes(db);
    if (name.isEmpty())
        return QString();
    SuchergebnisAlbumSetzen(z, db);
    return BildPfadFuerAlbum(z, z.albumPfad, z.albumCDName, name);
}

QString VorschauBildPfad(Programmzustand& z, Datenbankobjekte& db)
{
    const QString name = dateinameDesBildes(db);
    if (name.isEmpty())
        return QString();
    SuchergebnisAlbumSetzen(z, db);
    const QString pfad = Pfade::ordner(z.albumPfad);
    if (!z.albumCDName.isEmpty()) {
        const QString lokal = verbinden(LokalerVorschauOrdner(z, pfad, z.albumCDName), name);
        if (QFileInfo::exists(lokal))
            return lokal;
        const QString laufwerk = CDLaufwerk(z);
        if (laufwerk.isEmpty())
            return NichtGefunden();
        return verbinden(verbinden(laufwerk, pfad), TempBilder + QLatin1Char('/') + name);
    }
    const QString ordner = QDir::isAbsolutePath(pfad) ? pfad : verbinden(z.bilderverzeichnis, pfad);
    return verbinden(ordner, TempBilder + QLatin1Char('/') + name);
}

QString AlbumOrdner(Programmzustand& z, Datenbankobjekte& db)
{
    return albumOrdnerBilden(z, db, true);
}

QString AlbumOrdnerStill(Programmzustand& z, Datenbankobjekte& db)
{
    return albumOrdnerBilden(z, db, false);
}

void BildPfadeLaden(Programmzustand& z, Datenbankobjekte& db)
{
    Recordset& rs = db.rsAlbum;
    z.bildPfade.clear();
    z.bildDBNummern.clear();
    if (!rs.IstOffen() || rs.RecordCount() == 0) {
        z.ui().VorschauNeuesAlbumAnzeigen();
        return;
    }
    const int position = rs.AbsolutePosition();
    const bool warEof = rs.Eof();
    const int anzahl = rs.RecordCount();
    {
        Sanduhr sanduhr;
        const Laufwerksaufnahme einmal(z);
        rs.MoveFirst();
        for (int i = 0; i < anzahl && !rs.Eof(); ++i) {
            QString pfad = VorschauBildPfad(z, db);
            if (!BilddateiVorhanden(pfad))
                pfad = BildPfadStill(z, db);
            z.bildPfade << pfad;
            z.bildDBNummern << FeldLesen(rs, QStringLiteral("DBNummer"));
            rs.MoveNext();
        }
        if (position != Recordset::PositionUnbekannt) {
            rs.AbsolutePositionSetzen(position);
        } else if (warEof) {
            rs.MoveLast();
            rs.MoveNext();
        } else {
            rs.MoveFirst();
            rs.MovePrevious();
        }
    }
    z.ui().VorschauNeuesAlbumAnzeigen();
    z.ui().VorschauZeigen();
}

bool VorschauOrdnerVorhanden(Programmzustand& z, Datenbankobjekte& db)
{
    SuchergebnisAlbumSetzen(z, db);
    if (!z.albumCDName.isEmpty()) {
        if (ordnerVorhanden(LokalerVorschauOrdner(z, z.albumPfad, z.albumCDName)))
            return true;
        const QString ordner = AlbumOrdnerStill(z, db);
        return !ordner.isEmpty() && ordnerVorhanden(tempBilderVon(ordner));
    }
    const QString ordner = AlbumOrdner(z, db);
    return !ordner.isEmpty() && ordnerVorhanden(tempBilderVon(ordner));
}

void OrdnerMitDateienLoeschen(const QString& ordner)
{
    if (ordner.isEmpty())
        return;
    QDir verzeichnis(ordner);
    if (!verzeichnis.exists())
        return;
    const QStringList dateien = verzeichnis.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& datei : dateien)
        verzeichnis.remove(datei);
    QDir().rmdir(Pfade::ohneSchraegstrich(ordner));
}

void VorschaubilderAktualisieren(Programmzustand& z, Datenbankobjekte& db)
{
    SuchergebnisAlbumSetzen(z, db);
    const bool cdAlbum = !z.albumCDName.isEmpty();
    const bool cdDa = cdAlbum && !CDLaufwerk(z).isEmpty();
    QString ordner;
    if (cdAlbum) {
        const QString lokal = LokalerVorschauOrdner(z, z.albumPfad, z.albumCDName);
        if (ordnerVorhanden(lokal) || !cdDa)
            ordner = lokal;
        else
            ordner = tempBilderVon(AlbumOrdnerStill(z, db));
    } else {
        const QString albumordner = AlbumOrdner(z, db);
        // Without a folder there is nothing of this album to delete.
        if (!albumordner.isEmpty())
            ordner = tempBilderVon(albumordner);
    }
    OrdnerMitDateienLoeschen(Pfade::ohneSchraegstrich(ordner));
    if (!cdAlbum || cdDa)
        z.ui().AlbumLadenZeigen();
    z.ui().VorschauBilderAnzeigen();
}
