#include "Bilderpflege.h"

#include "AlbumImport.h"
#include "Angabenuebernahme.h"
#include "Bildangaben.h"
#include "Bildorte.h"
#include "Papierkorb.h"
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
#include <QMap>
#include <QSet>
#include <QSqlQuery>

namespace {

const QString Dateiname_ = QStringLiteral("Dateiname");
const QString DBNummer_ = QStringLiteral("DBNummer");

// The album table named by the key's first four characters ("0003..." -> "3").
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

bool gleicheDatei(const QString& a, const QString& b)
{
    const QString ka = QFileInfo(a).canonicalFilePath();
    return !ka.isEmpty() && ka == QFileInfo(b).canonicalFilePath();
}

// --- deleting -------------------------------------------------------------------

// The rows of the current picture of rsAlbum: its own and, while the search
// result is shown, the one in its album. The presentations are the caller's.
void zeileLoeschen(const Programmzustand& z, Datenbankobjekte& db, const QString& dbNummer)
{
    const QString tabelle = albumtabelleDesSchluessels(dbNummer);
    // The search result holds copies; the picture itself lives in its album.
    if (z.suchergebnisAngezeigt && !tabelle.isEmpty()) {
        try {
            db.conDaten.Ausfuehren(
                QStringLiteral("DELETE FROM %1 WHERE DBNummer = ?").arg(Bezeichner(tabelle)), { dbNummer });
        } catch (const DatenbankFehler&) {
            // An album deleted since the search has no row left to remove.
        }
    }
    db.rsAlbum.Delete();
}

// After a rollback the recordset must show what the table holds again.
void neuLesen(Recordset& rs)
{
    try {
        rs.Requery();
    } catch (const DatenbankFehler&) {
    }
}

struct Loeschziel {
    int position = 0;
    QString dbNummer;
    QString pfad;
};

// One walk over rsAlbum finds every entry's row: by key in the search result
// (names repeat across albums there), by name in an album (names are unique).
QVector<Loeschziel> loeschzieleFinden(
    Programmzustand& z, Datenbankobjekte& db, const QVector<BilderListeModell::Eintrag>& markierte)
{
    QSet<QString> namen, schluessel;
    for (const BilderListeModell::Eintrag& e : markierte) {
        if (z.suchergebnisAngezeigt && !e.dbNummer.isEmpty())
            schluessel.insert(e.dbNummer);
        else
            namen.insert(e.dateiname);
    }
    Recordset& rs = db.rsAlbum;
    if (rs.IstGefiltert())
        rs.FilterEntfernen();
    QVector<Loeschziel> ziele;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        const QString dbNummer = FeldLesen(rs, DBNummer_);
        if (schluessel.contains(dbNummer) || namen.contains(FeldLesen(rs, Dateiname_)))
            ziele.append({ rs.AbsolutePosition(), dbNummer, BildPfadStill(z, db) });
    }
    return ziele;
}

void nichtGeloeschtMelden(const Programmzustand& z, const QStringList& pfade)
{
    if (pfade.isEmpty())
        return;
    const QChar cr(13);
    z.Meldung(QStringLiteral("Die Einträge sind gelöscht, diese Dateien aber konnten nicht gelöscht werden:") + cr + cr
            + pfade.join(cr),
        Meldungen::Information, QStringLiteral("Löschen"));
}

// --- adding -----------------------------------------------------------------------

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
    // A list that scrolls, however many pictures there are.
    Meldungen::listeZeigen(z.meldungen, QStringLiteral("Diese Bilder konnten nicht in das Album übernommen werden:"),
        namen, Meldungen::Information, QStringLiteral("Hinzufügen"));
}

// Every file name the album's table holds, read once for a whole run.
QSet<QString> albumDateinamen(Datenbankobjekte& db, const QString& tabelle)
{
    QSet<QString> namen;
    QSqlQuery abfrage = db.conDaten.Abfragen(QStringLiteral("SELECT \"Dateiname\" FROM %1").arg(Bezeichner(tabelle)));
    while (abfrage.next())
        namen.insert(abfrage.value(0).toString());
    return namen;
}

struct Neuzugang {
    QString quelle;
    QString ziel; // where the picture lies in the album
    bool kopiert = false; // ziel is a copy made by this run
};

// Files of a run whose rows could not be stored: only the copies it made go.
void kopienZuruecknehmen(const QVector<Neuzugang>& neu)
{
    for (const Neuzugang& n : neu) {
        if (n.kopiert)
            QFile::remove(n.ziel);
    }
}

// Collects the thumbnail run's messages while it lives and then shows them
// in one box, each text with the names of its pictures: many unreadable
// files must not give one box each.
class Vorschaumeldungen : public Meldungen::Dienst {
public:
    explicit Vorschaumeldungen(Programmzustand& z)
        : m_z(z)
        , m_vorher(z.meldungen)
    {
        z.meldungen = this;
    }
    ~Vorschaumeldungen() override
    {
        m_z.meldungen = m_vorher;
        if (m_texte.isEmpty())
            return;
        const QChar cr(13);
        QStringList teile;
        for (auto it = m_texte.cbegin(); it != m_texte.cend(); ++it)
            teile << it.key() + cr + cr + it.value().join(cr);
        m_z.Meldung(teile.join(QString(cr) + cr), Meldungen::Information, QStringLiteral("Hinzufügen"));
    }
    Meldungen::Antwort zeigen(const QString& text, Meldungen::Stil, const QString&) override
    {
        m_texte[text] << bild;
        return Meldungen::Antwort::OK;
    }
    QString bild; // the picture whose thumbnail is being made

private:
    Programmzustand& m_z;
    Meldungen::Dienst* m_vorher;
    QMap<QString, QStringList> m_texte;
};

bool falscherOrdner(Programmzustand& z, const QStringList& dateien)
{
    // The album's rows name files in its folder only: anything else would be lost.
    const QString albumordner = QFileInfo(z.albumPfad).canonicalFilePath();
    for (const QString& datei : dateien) {
        if (albumordner.isEmpty() || QFileInfo(QFileInfo(datei).absolutePath()).canonicalFilePath() != albumordner) {
            const QChar cr(13);
            z.Meldung((dateien.size() > 1 ? QStringLiteral("Die Bilder müssen im Ordner des aktuellen Albums stehen!")
                                          : QStringLiteral("Das Bild muss im Ordner des aktuellen Albums stehen!"))
                    + cr + cr + QStringLiteral("Aktion wird abgebrochen."),
                Meldungen::Information, QStringLiteral("Falscher Ordner!"));
            return true;
        }
    }
    return false;
}

} // namespace

bool DateiEntsorgen(const QString& pfad)
{
    if (pfad.isEmpty() || !QFileInfo::exists(pfad))
        return true;
    return Papierkorb::Verschieben(pfad) || QFile::remove(pfad);
}

void BildEintragEntfernen(Programmzustand& z, Datenbankobjekte& db, bool mitDatei)
{
    Recordset& rs = db.rsAlbum;
    if (rs.Bof() || rs.Eof())
        return;
    const QString dbNummer = FeldLesen(rs, DBNummer_);
    const QString pfad = mitDatei ? BildPfadStill(z, db) : QString();
    try {
        Transaktion transaktion(db.conDaten);
        zeileLoeschen(z, db, dbNummer);
        BildAusPraesentationenEntfernen(db, dbNummer);
        transaktion.bestaetigen();
    } catch (const DatenbankFehler&) {
        neuLesen(rs);
        throw;
    }
    z.ui().StoryboardNeuAnzeigen();
    if (mitDatei)
        DateiEntsorgen(pfad);
}

bool BilderLoeschen(Programmzustand& z, Datenbankobjekte& db, const QVector<BilderListeModell::Eintrag>& markierte,
    const Pflegefortschritt& fortschritt)
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
    const Laufwerksaufnahme einmal(z);
    const QVector<Loeschziel> ziele = loeschzieleFinden(z, db, markierte);
    const int anzahl = static_cast<int>(ziele.size());
    if (fortschritt)
        fortschritt(0, anzahl);

    // All rows or none; from the back, so that the positions before stay valid.
    try {
        Transaktion transaktion(db.conDaten);
        QStringList schluessel;
        for (auto ziel = ziele.crbegin(); ziel != ziele.crend(); ++ziel) {
            rs.AbsolutePositionSetzen(ziel->position);
            zeileLoeschen(z, db, ziel->dbNummer);
            schluessel << ziel->dbNummer;
        }
        BilderAusPraesentationenEntfernen(db, schluessel);
        transaktion.bestaetigen();
        z.ui().StoryboardNeuAnzeigen();
    } catch (const DatenbankFehler& fehler) {
        neuLesen(rs);
        const QChar cr(13);
        z.Meldung(QStringLiteral("Die Bilder des Albums \"%1\" konnten nicht gelöscht werden; es ist unverändert.")
                      .arg(z.albumName)
                + cr + cr + fehler.text(),
            Meldungen::Information, QStringLiteral("Löschen"));
        if (rs.RecordCount() > 0)
            rs.MoveFirst();
        return false;
    }

    // The files only once their rows are gone for good.
    QStringList geblieben;
    for (int i = 0; i < anzahl; ++i) {
        if (!DateiEntsorgen(ziele.at(i).pfad))
            geblieben << ziele.at(i).pfad;
        if (fortschritt)
            fortschritt(i + 1, anzahl);
    }
    if (rs.RecordCount() > 0)
        rs.MoveFirst();
    nichtGeloeschtMelden(z, geblieben);
    return anzahl > 0;
}

bool HinzufuegenMoeglich(const Programmzustand& z)
{
    if (z.albumCDName.isEmpty())
        return true;
    z.Meldung(QStringLiteral("Bilder hinzufügen ist nicht möglich. Das Album befindet sich auf einer CD!"),
        Meldungen::Information, QStringLiteral("Kolvar-Hilfe"));
    return false;
}

int NeueBilderEintragen(
    Programmzustand& z, Datenbankobjekte& db, const QStringList& dateien, const Pflegefortschritt& fortschritt)
{
    Recordset& rs = db.rsAlbum;
    if (dateien.isEmpty() || !rs.IstOffen())
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
    const bool amOrt = QDir::isAbsolutePath(z.albumPfad);
    if (amOrt && falscherOrdner(z, dateien))
        return 0;
    const QString zielordner
        = amOrt ? Pfade::ordner(z.albumPfad) : Pfade::verbinden(z.bilderverzeichnis, Pfade::ordner(z.albumPfad));
    if (!amOrt)
        QDir().mkpath(zielordner);
    const bool verschieben = !amOrt && z.einstellungen.lngBehandlungBilder == 1;
    const int schritte = 2 * static_cast<int>(dateien.size());

    QSet<QString> vergeben;
    try {
        vergeben = albumDateinamen(db, rs.quelle().tabelle);
    } catch (const DatenbankFehler& fehler) {
        z.Meldung(fehler.text(), Meldungen::Information, QStringLiteral("Hinzufügen"));
        return 0;
    }

    // The files first: a name the album has already is never reused, so no
    // picture is replaced; a file that is the album's own picture is skipped.
    QVector<Neuzugang> neu;
    QStringList fehlgeschlagen;
    QStringList nichtGeloescht;  // moved pictures whose source stayed
    for (int i = 0; i < dateien.size(); ++i) {
        const QString& datei = dateien.at(i);
        const QString name = QFileInfo(datei).fileName();
        if (fortschritt)
            fortschritt(i, schritte);
        if (!QFileInfo(datei).isFile()) {
            fehlgeschlagen << name;
            continue;
        }
        if (!IstBilddatei(name)) {
            fehlgeschlagen << name + QStringLiteral(": ") + NichtUnterstuetzt;
            continue;
        }
        Neuzugang n { datei, zielordner + name, false };
        if (amOrt || gleicheDatei(datei, n.ziel)) {
            if (vergeben.contains(name))
                continue;
        } else {
            n.ziel = zielordner + FreierDateiname(zielordner, name, [&](const QString& kandidat) {
                return vergeben.contains(kandidat);
            });
            if (!BildKopieren(datei, n.ziel)) {
                fehlgeschlagen << name;
                continue;
            }
            n.kopiert = true;
        }
        vergeben.insert(QFileInfo(n.ziel).fileName());
        neu << n;
    }

    // The rows in one transaction, each with its key and what its file carries.
    QStringList angabenHinweise;
    try {
        Transaktion transaktion(db.conDaten);
        for (const Neuzugang& n : std::as_const(neu)) {
            Bildangaben angaben = BildangabenLesen(n.ziel);
            if (!z.einstellungen.blnAngabenUebernehmen)
                angaben = Bildangaben { angaben.aufgenommen, {}, {} };
            NeuesBildEintragen(db, QFileInfo(n.ziel).fileName(), 0, Bilddatum(n.ziel, angaben.aufgenommen));
            rs.FeldSetzen(DBNummer_, DBNummerBilden(FeldLesen(rs, QStringLiteral("Nummer")), z.albumNummer));
            Angabenuebernahme::Uebernehmen(
                db, rs, QDir::toNativeSeparators(n.quelle), angaben.begriffe, angaben.beschreibung, angabenHinweise);
            rs.Update();
        }
        transaktion.bestaetigen();
    } catch (const DatenbankFehler& fehler) {
        Angabenuebernahme::BegriffeNeuLesen(db);
        neuLesen(rs);
        kopienZuruecknehmen(neu);
        const QChar cr(13);
        z.Meldung(QStringLiteral("Die Bilder konnten nicht in das Album \"%1\" übernommen werden; ihre Dateien sind "
                                 "geblieben, wo sie waren.")
                      .arg(z.albumName)
                + cr + cr + fehler.text(),
            Meldungen::Information, QStringLiteral("Hinzufügen"));
        return 0;
    }

    // A moved picture leaves its source only now that its copy is recorded.
    if (verschieben) {
        for (const Neuzugang& n : std::as_const(neu)) {
            QFile quelle(n.quelle);
            if (n.kopiert && !quelle.remove())
                nichtGeloescht << QDir::toNativeSeparators(n.quelle) + QStringLiteral(" (%1)").arg(quelle.errorString());
        }
        if (!gleicheDatei(quellordner, zielordner) && ordnerOhneDateien(quellordner))
            QDir().rmdir(Pfade::ohneSchraegstrich(quellordner));
    }
    {
        Vorschaumeldungen meldungen(z);
        Vorschaubilderzeugung vorschau(z, db);
        QStringList ziele;
        for (const Neuzugang& n : std::as_const(neu))
            ziele << n.ziel;
        vorschau.VBMehrere(
            ziele, [&](int i) { meldungen.bild = QFileInfo(ziele.at(i)).fileName(); },
            [&](int i) {
                if (fortschritt)
                    fortschritt(static_cast<int>(dateien.size()) + i + 1, schritte);
            });
    }
    if (fortschritt)
        fortschritt(schritte, schritte);
    if (rs.RecordCount() > 0)
        rs.MoveFirst();
    nichtEingetragenMelden(z, fehlgeschlagen);
    Meldungen::listeZeigen(z.meldungen, QStringLiteral("Diese Angaben aus den Bilddateien wurden nicht übernommen:"),
        angabenHinweise, Meldungen::Information, QStringLiteral("Hinzufügen"));
    Meldungen::listeZeigen(z.meldungen,
        QStringLiteral("Diese Bilder sind im Album, ihre Quelldateien ließen sich aber nicht löschen:"), nichtGeloescht,
        Meldungen::Information, QStringLiteral("Hinzufügen"));
    return static_cast<int>(neu.size());
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
