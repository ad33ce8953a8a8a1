#include "AlbumImport.h"

#include "Angabenuebernahme.h"
#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Programmzustand.h"
#include "Sanduhr.h"
#include "mdlDatenbanken.h"

#include "Bildangaben.h"
#include "Bildleser.h"
#include "Dateiausgabe.h"

#include "Reihenarbeit.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>

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

const QString Protokollname = QStringLiteral(".kolvar-import");
const QString Kennzeile = QStringLiteral("Bilder:");
const QString Fertigzeile = QStringLiteral("Bilder vollständig");

// The note an import leaves in its album's folder until it is complete: the
// source folder, the album's number and the pictures it was written for
// (size, time, name), so that another disc at the same place is told apart.
// Notes of earlier versions lack the pictures (bilderBekannt false).
struct Protokoll {
    QString quelle;
    QString nummer;
    bool bilderBekannt = false;
    bool fertig = false;  // the pictures are all in; the presentation import has its part still to do
    QHash<QString, QPair<qint64, qint64>> bilder;  // name -> size, ms since the epoch
};

QPair<qint64, qint64> kennung(const QFileInfo& info)
{
    return { info.size(), info.lastModified().toMSecsSinceEpoch() };
}

bool protokollLesen(const QString& albumordner, Protokoll& p)
{
    QFile datei(albumordner + Protokollname);
    if (!datei.open(QIODevice::ReadOnly))
        return false;
    const QStringList zeilen = QString::fromUtf8(datei.readAll()).split(QLatin1Char('\n'));
    if (zeilen.size() < 2 || zeilen.at(0).isEmpty() || zeilen.at(1).isEmpty())
        return false;
    p = Protokoll();
    p.quelle = zeilen.at(0);
    p.nummer = zeilen.at(1);
    for (int i = 2; i < zeilen.size(); ++i) {
        const QString& zeile = zeilen.at(i);
        if (zeile == Kennzeile)
            p.bilderBekannt = true;
        else if (zeile == Fertigzeile)
            p.fertig = true;
        else if (p.bilderBekannt && !zeile.isEmpty()) {
            const QStringList teile = zeile.split(QLatin1Char('\t'));
            if (teile.size() >= 3)
                p.bilder.insert(
                    teile.mid(2).join(QLatin1Char('\t')), { teile.at(0).toLongLong(), teile.at(1).toLongLong() });
        }
    }
    return true;
}

bool protokollSpeichern(const QString& albumordner, const Protokoll& p)
{
    QString text = p.quelle + QLatin1Char('\n') + p.nummer + QLatin1Char('\n');
    if (p.fertig)
        text += Fertigzeile + QLatin1Char('\n');
    text += Kennzeile + QLatin1Char('\n');
    for (auto it = p.bilder.cbegin(); it != p.bilder.cend(); ++it)
        text += QStringLiteral("%1\t%2\t%3\n").arg(it.value().first).arg(it.value().second).arg(it.key());
    QSaveFile datei(albumordner + Protokollname);
    return datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && datei.write(text.toUtf8()) >= 0
        && datei.commit();
}

// Whether the source folder still holds the pictures the note was written
// for: none of its pictures contradicts the note (a name the note lists
// with another size or time), and at least one is named there, or none is
// left (what a run deleted is simply gone; pictures taken since are new
// ones of the same disc). A note of an earlier version knows no pictures:
// then the copies already in the album must have the sizes of their sources.
bool passtZurQuelle(const Protokoll& p, const QString& quelle, const QString& albumordner)
{
    const QStringList namen = Bilddateien(quelle);
    int verglichen = 0;
    for (const QString& name : namen) {
        const QFileInfo info(quelle + name);
        if (p.bilderBekannt) {
            if (!p.bilder.contains(name))
                continue;
            if (p.bilder.value(name) != kennung(info))
                return false;
        } else {
            const QFileInfo kopie(albumordner + name);
            if (!kopie.exists())
                continue;
            if (kopie.size() != info.size())
                return false;
        }
        ++verglichen;
    }
    return verglichen > 0 || namen.isEmpty();
}

// Written and synced before the first copy, so that a crash at any later
// point finds it. A note of this very import is kept as it is: the
// pictures it names are those of the first run, before any was moved.
void protokollSchreiben(
    const QString& albumordner, const QString& quelle, const QString& nummer, const QStringList& namen)
{
    Protokoll p;
    if (protokollLesen(albumordner, p) && p.quelle == quelle && p.nummer == nummer && p.bilderBekannt && !p.fertig)
        return;
    Protokoll neu;
    neu.quelle = quelle;
    neu.nummer = nummer;
    neu.bilderBekannt = true;
    for (const QString& name : namen)
        neu.bilder.insert(name, kennung(QFileInfo(quelle + QLatin1Char('/') + name)));
    protokollSpeichern(albumordner, neu);
}

// Lies the folder in the other one (or is it)?
bool liegtIn(const QString& ordner, const QString& in)
{
    const QString a = QFileInfo(ordner).canonicalFilePath(), b = QFileInfo(in).canonicalFilePath();
    if (a.isEmpty() || b.isEmpty())
        return false;
    return a == b || a.startsWith(Pfade::ordner(b));
}

// The names of the rows rsImport holds.
QSet<QString> zeilennamen(Recordset& rs)
{
    QSet<QString> namen;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        namen.insert(FeldLesen(rs, QStringLiteral("Dateiname")));
    return namen;
}

// What became of one picture of the source.
enum class Kopie { Neu, Vorhanden, Fehler, KeinPlatz };

// The copy of one picture in the album folder. A copy that is already there
// from a run that was cut off is taken when it equals the source, and made
// again when it is the start of that very file; any other file of that name
// is never replaced.
Kopie kopieren(const QString& quelle, const QString& ziel, QString& grund)
{
    const QFileInfo vorhanden(ziel);
    if (vorhanden.exists() || vorhanden.isSymLink()) {
        if (!vorhanden.isFile() || vorhanden.isSymLink()) {
            grund = QStringLiteral("im Album liegt schon etwas dieses Namens");
            return Kopie::Fehler;
        }
        if (GleicherInhalt(quelle, ziel, true))
            return Kopie::Vorhanden;
        if (!GleicherInhalt(quelle, ziel, false) || !QFile::remove(ziel)) {
            grund = QStringLiteral("im Album liegt schon eine andere Datei dieses Namens");
            return Kopie::Fehler;
        }
    }
    switch (DateiKopieren(quelle, ziel, &grund)) {
    case Ausgabefehler::Keiner:
        return Kopie::Neu;
    case Ausgabefehler::KeinPlatz:
        return Kopie::KeinPlatz;
    case Ausgabefehler::ZuGross:  // this file only; the next may fit
    case Ausgabefehler::Anderer:
        break;
    }
    grund = QStringLiteral("nicht kopiert (%1)").arg(grund);
    return Kopie::Fehler;
}

// What a worker thread finds out about a picture before it gets its row:
// whether it reads as a complete picture, its date, and the keywords and
// remark it carries (only when they are to be taken over).
struct Befund {
    bool ok = false;
    QString grund;
    QString datum;
    Bildangaben angaben;
};

Befund Befinden(const QString& pfad, bool mitAngaben)
{
    Befund befund;
    befund.ok = Bildleser::Pruefen(pfad, &befund.grund);
    if (befund.ok) {
        befund.angaben = BildangabenLesen(pfad);
        befund.datum = Bilddatum(pfad, befund.angaben.aufgenommen);
        if (!mitAngaben) {
            befund.angaben.begriffe.clear();
            befund.angaben.beschreibung.clear();
        }
    }
    return befund;
}

// The row of a picture found good, with what its file carries; pfad names it in the report.
void zeileEintragen(Datenbankobjekte& db, Importbericht& b, const QString& name, const QString& pfad, const Befund& befund)
{
    ImportBildEintragen(db, name, 0, befund.datum);
    if (Angabenuebernahme::Uebernehmen(
            db, db.rsImport, pfad, befund.angaben.begriffe, befund.angaben.beschreibung, b.angaben))
        db.rsImport.Update();
}

// The rows of the pictures that lie in the folder, those that read as
// pictures; the others are named in the report with the reason. Checked on
// all cores, entered in order. Returns the number entered.
int pruefenUndEintragen(const Programmzustand& z, Datenbankobjekte& db, Importbericht& b, const QString& ordner,
    const QStringList& namen)
{
    const bool mitAngaben = z.einstellungen.blnAngabenUebernehmen;
    int eingetragen = 0;
    InReihenfolgeParallel<Befund>(
        static_cast<int>(namen.size()), [&](int i) { return Befinden(ordner + namen.at(i), mitAngaben); },
        [&](int i, Befund& befund) {
            if (!befund.ok)
                b.uebersprungen << ordner + namen.at(i) + QStringLiteral(": ") + befund.grund;
            else {
                zeileEintragen(db, b, namen.at(i), ordner + namen.at(i), befund);
                ++eingetragen;
            }
            return true;
        });
    return eingetragen;
}

// Opens the import recordset on the album's table for the length of a scope.
class Importsatz {
public:
    Importsatz(Datenbankobjekte& db, const QString& nummer)
        : m_rs(db.rsImport)
    {
        m_rs.Oeffnen(Abfrage::MitWert(nummer, QStringLiteral("Dateiname")));
    }
    ~Importsatz() { m_rs.Schliessen(); }
    Importsatz(const Importsatz&) = delete;
    Importsatz& operator=(const Importsatz&) = delete;

private:
    Recordset& m_rs;
};

} // namespace

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
    case Bildbehandlung::Eintragen:
        return QStringLiteral("Bilder werden eingetragen.");
    case Bildbehandlung::Verschieben:
        return QStringLiteral("Bilder werden verschoben.");
    case Bildbehandlung::Kopieren:
        break;
    }
    return QStringLiteral("Bilder werden kopiert.");
}

bool BildKopieren(const QString& quelle, const QString& ziel)
{
    return DateiKopieren(quelle, ziel, nullptr) == Ausgabefehler::Keiner;
}

void DBNummernSetzen(Datenbankobjekte& db, const QString& nummer)
{
    Recordset& rs = db.rsImport;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        rs.FeldSetzen(QStringLiteral("DBNummer"), DBNummerBilden(FeldLesen(rs, QStringLiteral("Nummer")), nummer));
        rs.Update();
    }
}

void Importbericht::zeigen(Programmzustand& z) const
{
    if (!keinPlatz.isEmpty())
        KeinPlatzMelden(z, keinPlatz);
    // One list for both: the user reads once what was left out.
    QString text = QStringLiteral("Diese Dateien und Ordner wurden nicht als Bilder übernommen:");
    if (uebersprungen.isEmpty())
        text = QStringLiteral("Diese Angaben aus den Bilddateien wurden nicht übernommen:");
    else if (!angaben.isEmpty())
        text = QStringLiteral(
            "Diese Dateien und Ordner wurden nicht als Bilder übernommen, und diese Angaben aus den Bilddateien nicht:");
    Meldungen::listeZeigen(z.meldungen, text, uebersprungen + angaben, Meldungen::Information,
        uebersprungen.isEmpty() ? QStringLiteral("Nicht alle Angaben übernommen!")
                                : QStringLiteral("Nicht alle Bilder übernommen!"));
}

QString VerschiebenVerboten(const Programmzustand& z, Datenbankobjekte& db, const QString& quellordner)
{
    if (liegtIn(quellordner, z.bilderverzeichnis))
        return QStringLiteral("liegt im Bilderverzeichnis; seine Bilder werden nicht verschoben");
    Recordset& rs = db.rsAlben;
    if (!rs.IstOffen())
        return QString();
    const int vorher = rs.AbsolutePosition();
    QString grund;
    for (rs.MoveFirst(); !rs.Eof() && grund.isEmpty(); rs.MoveNext()) {
        const QString pfad = FeldLesen(rs, QStringLiteral("Pfad"));
        if (FeldLesen(rs, QStringLiteral("CD-Name")).isEmpty() && QDir::isAbsolutePath(pfad)
            && liegtIn(quellordner, pfad))
            grund = QStringLiteral("gehört zum Album \"%1\"; seine Bilder werden nicht verschoben")
                        .arg(FeldLesen(rs, QStringLiteral("Albenname")));
    }
    if (vorher != Recordset::PositionUnbekannt)
        rs.AbsolutePositionSetzen(vorher);
    return grund;
}

namespace {

// BilderKopierenVerschieben; without quelleNehmen the source is not touched
// (it holds other pictures than the note names) and only the copies lying
// in the album folder are taken over.
int kopierenVerschieben(Programmzustand& z, Datenbankobjekte& db, const QString& quellordner, const QString& ordnername,
    const QString& albumname, Importbericht* bericht, bool quelleNehmen)
{
    Importbericht eigener;
    Importbericht& b = bericht ? *bericht : eigener;
    const QString quelle = Pfade::ordner(quellordner);
    const bool quelleDa = quelleNehmen && QFileInfo(quelle).isDir();
    const QStringList dateien = quelleNehmen ? Bilddateien(quelle, &b.uebersprungen) : QStringList();
    const QString nummer = albumNummer(db, albumname);
    if (nummer.isEmpty())
        throw DatenbankFehler(QStringLiteral("Das Album \"%1\" gibt es nicht.").arg(albumname));
    const QString ziel = Pfade::ordner(Pfade::verbinden(z.bilderverzeichnis, ordnername));
    // Never a move out of the collection itself: the source would be an album's own pictures.
    const bool verschieben
        = BehandlungFuer(z, quelle) == Bildbehandlung::Verschieben && VerschiebenVerboten(z, db, quelle).isEmpty();
    if (quelleNehmen)
        protokollSchreiben(ziel, QDir::cleanPath(quelle), nummer, dateien);

    QStringList zuLoeschen; // sources whose copy is complete and entered
    QStringList angelegt; // the copies this call made
    int eingetragen = 0;
    bool voll = false;
    {
        Importsatz satz(db, nummer);
        try {
            Transaktion transaktion(db.conDaten);
            const bool mitAngaben = z.einstellungen.blnAngabenUebernehmen;
            QSet<QString> zeilen = zeilennamen(db.rsImport);
            const QSet<QString> schonDa = zeilen;  // what the workers may read
            // The sources are checked (decoded small) on all cores; copies and
            // rows follow here, picture after picture.
            InReihenfolgeParallel<Befund>(
                static_cast<int>(dateien.size()),
                [&](int i) {
                    return schonDa.contains(dateien.at(i)) ? Befund() : Befinden(quelle + dateien.at(i), mitAngaben);
                },
                [&](int i, Befund& befund) {
                    const QString& name = dateien.at(i);
                    const QString von = quelle + name, nach = ziel + name;
                    if (zeilen.contains(name)) {
                        // Entered by a run that was cut off before it deleted its
                        // sources, when it is that very picture; another one of
                        // the same name is never taken for it.
                        if (!GleicherInhalt(von, nach, true))
                            b.uebersprungen << von
                                    + QStringLiteral(
                                        ": im Album liegt schon ein anderes Bild dieses Namens; nicht übernommen");
                        else if (verschieben)
                            zuLoeschen << von;
                        return true;
                    }
                    if (!befund.ok) {
                        b.uebersprungen << von + QStringLiteral(": ") + befund.grund;
                        return true;
                    }
                    QString grund;
                    const Kopie kopie = kopieren(von, nach, grund);
                    if (kopie == Kopie::KeinPlatz) {
                        b.keinPlatz = Pfade::ohneSchraegstrich(ziel);
                        voll = true;
                        return false;
                    }
                    if (kopie == Kopie::Fehler) {
                        b.uebersprungen << von + QStringLiteral(": ") + grund;
                        return true;
                    }
                    if (kopie == Kopie::Neu)
                        angelegt << nach;
                    zuLoeschen << von;
                    zeilen.insert(name);
                    // The copy keeps the source's content and time, so its date too.
                    zeileEintragen(db, b, name, von, befund);
                    ++eingetragen;
                    return true;
                });
            // Pictures in the album folder without a row (copies whose source
            // is gone since) are taken over, so that none lies there unseen.
            if (!voll) {
                QStringList ohneZeile = Bilddateien(ziel);
                ohneZeile.removeIf([&](const QString& name) { return zeilen.contains(name); });
                eingetragen += pruefenUndEintragen(z, db, b, ziel, ohneZeile);
            }
            db.rsImport.Requery();
            DBNummernSetzen(db, nummer);
            transaktion.bestaetigen();
        } catch (...) {
            // No new row stays, so no new copy may stay either; the sources
            // were not touched. The note stays, so the folder can be imported again.
            for (const QString& datei : std::as_const(angelegt))
                QFile::remove(datei);
            Angabenuebernahme::BegriffeNeuLesen(db);
            throw;
        }
    }
    bool allesGeloescht = true;
    if (verschieben) {
        for (const QString& datei : std::as_const(zuLoeschen)) {
            QFile f(datei);
            if (!f.remove()) {
                allesGeloescht = false;
                b.uebersprungen << datei
                        + QStringLiteral(": ins Album kopiert, aber nicht gelöscht (%1)").arg(f.errorString());
            }
        }
        // Only an empty folder goes; rmdir refuses any other.
        if (QDir(quelle).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            QDir().rmdir(Pfade::ohneSchraegstrich(quelle));
    }
    // Complete: every picture of the source is in the album, and a move has
    // deleted every source (one left behind is finished by the next run
    // instead of being copied again). A presentation import still has its
    // presentation to make: the note says the pictures are in, and goes
    // when the presentation is stored.
    if (!voll && quelleDa && allesGeloescht) {
        Protokoll p;
        if (z.importModus && protokollLesen(ziel, p)) {
            p.fertig = true;
            protokollSpeichern(ziel, p);
        } else
            QFile::remove(ziel + Protokollname);
    }
    if (!bericht)
        b.zeigen(z);
    return eingetragen;
}

} // namespace

int BilderKopierenVerschieben(Programmzustand& z, Datenbankobjekte& db, const QString& quellordner,
    const QString& ordnername, const QString& albumname, Importbericht* bericht)
{
    return kopierenVerschieben(z, db, quellordner, ordnername, albumname, bericht, true);
}

int BilderAmOrtEintragen(Programmzustand& z, Datenbankobjekte& db, const QString& quellordner, const QString& albumname,
    Importbericht* bericht)
{
    Importbericht eigener;
    Importbericht& b = bericht ? *bericht : eigener;
    const QString quelle = Pfade::ordner(QFileInfo(quellordner).absoluteFilePath());
    const QStringList dateien = Bilddateien(quelle, &b.uebersprungen);
    const QString nummer = albumNummer(db, albumname);
    if (nummer.isEmpty())
        throw DatenbankFehler(QStringLiteral("Das Album \"%1\" gibt es nicht.").arg(albumname));

    int eingetragen = 0;
    Importsatz satz(db, nummer);
    try {
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
        eingetragen = pruefenUndEintragen(z, db, b, quelle, dateien);
        db.rsImport.Requery();
        DBNummernSetzen(db, nummer);
        transaktion.bestaetigen();
    } catch (...) {
        // The rollback undid the stored `Pfad`; the album recordset must not keep it.
        Angabenuebernahme::BegriffeNeuLesen(db);
        try {
            db.rsAlben.Requery();
        } catch (const DatenbankFehler&) {
        }
        throw;
    }
    if (!bericht)
        b.zeigen(z);
    return eingetragen;
}

namespace {

// The album folder in the picture directory whose note names this source,
// still holding the pictures the note was written for, and whose album
// still exists; its name and folder name, or false. Another disc at the
// same place is a new import.
bool offenerImport(
    const Programmzustand& z, Datenbankobjekte& db, const QString& quelle, QString& albumname, QString& ordnername)
{
    const QString gesucht = QDir::cleanPath(quelle);
    const QStringList ordner = QDir(z.bilderverzeichnis).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : ordner) {
        const QString albumordner = Pfade::ordner(z.bilderverzeichnis + name);
        Protokoll p;
        if (!protokollLesen(albumordner, p) || p.quelle != gesucht
            || !passtZurQuelle(p, Pfade::ordner(quelle), albumordner))
            continue;
        db.rsAlben.Filter(QStringLiteral("Nummer"), p.nummer);
        albumname = FeldLesen(db.rsAlben, QStringLiteral("Albenname"));
        const QString pfad = FeldLesen(db.rsAlben, QStringLiteral("Pfad"));
        db.rsAlben.FilterEntfernen();
        if (!albumname.isEmpty() && Pfade::ohneSchraegstrich(pfad) == name) {
            ordnername = name;
            return true;
        }
    }
    return false;
}

} // namespace

Importlauf::Importlauf(Programmzustand& z)
    : m_z(z)
{
    if (m_z.importLaeuft++ == 0)
        m_z.keinPlatzGemeldet.clear();
}

Importlauf::~Importlauf()
{
    if (--m_z.importLaeuft == 0)
        m_z.keinPlatzGemeldet.clear();
}

void KeinPlatzMelden(Programmzustand& z, const QString& ordner)
{
    if (z.importLaeuft > 0 && !z.keinPlatzGemeldet.isEmpty())
        return;
    if (z.importLaeuft > 0)
        z.keinPlatzGemeldet = ordner;
    z.Meldung(KeinPlatzText(ordner), Meldungen::Fehler, QStringLiteral("Kein Speicherplatz!"));
}

bool AbgebrochenenImportVollenden(Programmzustand& z, Datenbankobjekte& db)
{
    // Within an import run, the run itself has just done what can be done.
    if (z.importLaeuft > 0 || z.suchergebnisAngezeigt || !z.albumCDName.isEmpty() || z.albumPfad.isEmpty()
        || QDir::isAbsolutePath(z.albumPfad))
        return false;
    const QString ordner = Pfade::ordner(Pfade::verbinden(z.bilderverzeichnis, z.albumPfad));
    Protokoll p;
    if (!protokollLesen(ordner, p) || p.nummer != z.albumNummer)
        return false;
    Importbericht bericht;
    try {
        Sanduhr sanduhr;
        kopierenVerschieben(z, db, p.quelle, Pfade::ohneSchraegstrich(z.albumPfad), z.albumName, &bericht,
            passtZurQuelle(p, Pfade::ordner(p.quelle), ordner));
    } catch (const DatenbankFehler& fehler) {
        z.Meldung(fehler.text(), Meldungen::Normal, QStringLiteral("Fehler beim Übernehmen des Ordners!"));
    }
    bericht.zeigen(z);
    return true;
}

void ImportAbschliessen(const Programmzustand& z, const QString& ordnername)
{
    const QString ordner = Pfade::ordner(Pfade::verbinden(z.bilderverzeichnis, ordnername));
    Protokoll p;
    if (protokollLesen(ordner, p) && p.fertig)
        QFile::remove(ordner + Protokollname);
}

int AlbenAusOrdnernAnlegen(Programmzustand& z, Datenbankobjekte& db, const QStringList& ordner,
    const Importrueckfragen& rueckfragen, const QString& vorgegebenerName, QStringList* alben)
{
    Importlauf lauf(z);
    Importbericht bericht;
    int angelegt = 0;
    for (const QString& eintrag : ordner) {
        // A full disk takes no further folder either.
        if (!bericht.keinPlatz.isEmpty())
            break;
        const QString quelle = Pfade::ordner(eintrag);
        const Bildbehandlung behandlung = BehandlungFuer(z, quelle);

        // A folder whose import was cut off goes on into its album; asking
        // for a new one would bring its pictures in twice.
        QString name, ordnername;
        const bool fortsetzen
            = behandlung != Bildbehandlung::Eintragen && offenerImport(z, db, quelle, name, ordnername);
        if (!fortsetzen) {
            if (!QFileInfo(quelle).isDir() || !QFileInfo(quelle).isReadable()) {
                bericht.uebersprungen << quelle + QStringLiteral(": der Ordner kann nicht gelesen werden");
                continue;
            }
            // A folder without a single picture becomes no album; its files are named.
            QStringList nichtGenommen;
            if (Bilddateien(quelle, &nichtGenommen).isEmpty()) {
                bericht.uebersprungen << nichtGenommen
                                      << quelle + QStringLiteral(": der Ordner enthält kein Bild; kein Album angelegt");
                continue;
            }
            if (behandlung == Bildbehandlung::Verschieben) {
                const QString grund = VerschiebenVerboten(z, db, quelle);
                if (!grund.isEmpty()) {
                    bericht.uebersprungen << quelle + QStringLiteral(": ") + grund;
                    continue;
                }
            }
            if (z.importModus)
                name = vorgegebenerName;
            else if (rueckfragen.nameAbfragen)
                name = rueckfragen.nameAbfragen(quelle);
        }
        QCoreApplication::processEvents();
        if (name.isEmpty())
            continue;

        if (rueckfragen.hinweisZeigen)
            rueckfragen.hinweisZeigen(behandlung);
        {
            Sanduhr sanduhr;
            QCoreApplication::processEvents();
            try {
                if (alben)
                    *alben << name;
                if (fortsetzen) {
                    ++angelegt;
                    BilderKopierenVerschieben(z, db, quelle, ordnername, name, &bericht);
                } else if (behandlung == Bildbehandlung::Eintragen) {
                    // Album and rows in one transaction: cut off, neither stays,
                    // and the folder can simply be imported again.
                    Transaktion ganz(db.conDaten);
                    try {
                        AlbumAnlegen(z, db, name, quelle);
                        BilderAmOrtEintragen(z, db, quelle, name, &bericht);
                        ganz.bestaetigen();
                    } catch (...) {
                        db.conDaten.TransaktionVerwerfen();
                        Angabenuebernahme::BegriffeNeuLesen(db);
                        db.rsAlben.Requery();
                        AlbenauswahlFuellen(z, db);
                        throw;
                    }
                    ++angelegt;
                } else {
                    ordnername = AlbumAnlegen(z, db, name, quelle);
                    ++angelegt;
                    BilderKopierenVerschieben(z, db, quelle, ordnername, name, &bericht);
                }
            } catch (const DatenbankFehler& fehler) {
                z.Meldung(fehler.text(), Meldungen::Normal, QStringLiteral("Fehler beim Übernehmen des Ordners!"));
            }
        }
        if (rueckfragen.hinweisSchliessen)
            rueckfragen.hinweisSchliessen();
    }
    bericht.zeigen(z);
    if (angelegt > 0) {
        z.ui().ErstesAlbumZeigen();
        z.ui().BilderlisteZeigen();
        z.ui().DatenbankBefehleFreigeben(true);
    }
    return angelegt;
}
