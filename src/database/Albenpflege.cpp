#include "Albenpflege.h"

#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Namensordnung.h"
#include "Praesentationspflege.h"
#include "Programmzustand.h"
#include "mdlDatenbanken.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>

namespace {

const QString Albenname = QStringLiteral("Albenname");
const QString Nummer = QStringLiteral("Nummer");

// Removes the filter of rsAlben when it leaves its scope, whatever happened:
// a filter left behind would hide albums from every list.
class Filterwache {
public:
    explicit Filterwache(Recordset& rs)
        : m_rs(rs)
    {
    }
    ~Filterwache()
    {
        try {
            if (m_rs.IstOffen())
                m_rs.FilterEntfernen();
        } catch (const DatenbankFehler&) {
        }
    }
    Filterwache(const Filterwache&) = delete;
    Filterwache& operator=(const Filterwache&) = delete;

private:
    Recordset& m_rs;
};

// Album numbers compare by value: "0003" and "3" name the same table.
bool gleicheNummer(const QString& a, const QString& b)
{
    bool okA = false;
    bool okB = false;
    const qlonglong x = a.trimmed().toLongLong(&okA);
    const qlonglong y = b.trimmed().toLongLong(&okB);
    return okA && okB && x == y;
}

void nameVorhandenMelden(const Programmzustand& z)
{
    z.Meldung(QStringLiteral("Diesen Namen gibt es schon!"));
}

// The chooser anew; a search result on screen keeps its entry selected.
void auswahlNeuFuellen(Programmzustand& z, Datenbankobjekte& db)
{
    const bool mitSuche
        = z.suchergebnisAngezeigt && !z.albenauswahl.isEmpty() && z.albenauswahl.last() == SuchergebnisEintrag();
    AlbenauswahlFuellen(z, db);
    if (mitSuche && !z.albenauswahl.isEmpty()) {
        z.albenauswahl << SuchergebnisEintrag();
        z.albenauswahlIndex = static_cast<int>(z.albenauswahl.size()) - 1;
        z.ui().AlbenauswahlGeaendert();
    }
}

void keinAlbumMehr(Programmzustand& z, Datenbankobjekte& db)
{
    db.rsAlbum.Schliessen();
    z.albumNummer.clear();
    z.albumName.clear();
    z.albumPfad.clear();
    z.albumCDName.clear();
    z.suchergebnisAngezeigt = false;
    z.bildPfade.clear();
    z.bildDBNummern.clear();
    z.albenauswahl.clear();
    z.albenauswahlIndex = -1;
    z.anzahlAlben = 0;
    z.ui().AlbenauswahlGeaendert();
    z.ui().AlbenBefehleSetzen(false);
}

} // namespace

QString ReservierterAlbumname()
{
    return QStringLiteral("TempAlbum");
}

QString SuchergebnisEintrag()
{
    return QStringLiteral("Suchergebnis:");
}

bool ZeichenImAlbumnamenErlaubt(QChar zeichen)
{
    static const QString verboten = QStringLiteral("|\\/:*?\"<>");
    return !verboten.contains(zeichen);
}

QString AlbumnamenBereinigen(const QString& text)
{
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (const QChar c : text) {
        if (ZeichenImAlbumnamenErlaubt(c))
            ergebnis += c;
    }
    return ergebnis;
}

Namenspruefung NeuenAlbumnamenPruefen(Programmzustand& z, Datenbankobjekte& db, const QString& eingabe)
{
    const QString name = Namensordnung::Bereinigt(eingabe, MaximaleAlbumnamenLaenge);
    if (name.isEmpty())
        return Namenspruefung::Leer;
    if (name == ReservierterAlbumname()) {
        z.Meldung(QStringLiteral("Name ist reserviert!"));
        return Namenspruefung::Reserviert;
    }
    if (!AlbumnummerZumNamen(db, name).isEmpty()) {
        nameVorhandenMelden(z);
        return Namenspruefung::Vorhanden;
    }
    return Namenspruefung::Gueltig;
}

QString AlbumnummerZumNamen(Datenbankobjekte& db, const QString& name)
{
    Recordset& rs = db.rsAlben;
    if (!rs.IstOffen())
        return QString();
    Filterwache wache(rs);
    rs.Filter(Albenname, name);
    if (rs.RecordCount() == 0)
        return QString();
    rs.MoveFirst();
    return FeldLesen(rs, Nummer);
}

QStringList Albennamen(Datenbankobjekte& db)
{
    QStringList namen;
    Recordset& rs = db.rsAlben;
    if (rs.RecordCount() == 0)
        return namen;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        namen << FeldLesen(rs, Albenname);
    rs.MoveFirst();
    return namen;
}

QString LeeresAlbumAnlegen(Programmzustand& z, Datenbankobjekte& db, const QString& eingabe)
{
    // A name of blanks would make a folder of blanks.
    const QString name = Namensordnung::Bereinigt(eingabe, MaximaleAlbumnamenLaenge);
    if (name.isEmpty())
        throw DatenbankFehler(QStringLiteral("Ein Album braucht einen Namen."));
    // "Leave the pictures where they are" would leave an empty album without
    // any folder; for this one album the setting reads "into the picture directory".
    struct Einstellungswache {
        int& wert;
        const int vorher;
        ~Einstellungswache() { wert = vorher; }
    } wache { z.einstellungen.lngBehandlungNeueAlben, z.einstellungen.lngBehandlungNeueAlben };
    z.einstellungen.lngBehandlungNeueAlben = 0;
    return AlbumAnlegen(z, db, name, z.programmordner + QLatin1Char('/'));
}

int AnzahlBilderImAlbum(Datenbankobjekte& db, const QString& nummer)
{
    bool zahl = false;
    const qlonglong tabelle = nummer.trimmed().toLongLong(&zahl);
    if (!zahl || tabelle <= 0)
        return 0;
    try {
        QSqlQuery q
            = db.conDaten.Abfragen(QStringLiteral("SELECT COUNT(*) FROM ") + Bezeichner(QString::number(tabelle)));
        return q.next() ? q.value(0).toInt() : 0;
    } catch (const DatenbankFehler&) {
        return 0; // a table gone missing holds no pictures
    }
}

QString AlbumLoeschenFrage(const QString& name, int bilder)
{
    const QString mit = bilder == 1 ? QStringLiteral("mit 1 Bild") : QStringLiteral("mit %1 Bildern").arg(bilder);
    return QStringLiteral("Das Album »%1« %2 wird mit allen Bemerkungen und Begriffen gelöscht. Fortfahren?")
        .arg(name, mit);
}

bool AlbumWaehlen(Programmzustand& z, Datenbankobjekte& db, const QString& name)
{
    Recordset& rs = db.rsAlben;
    if (rs.RecordCount() == 0)
        return false;
    rs.MoveFirst();
    while (!rs.Eof() && FeldLesen(rs, Albenname) != name)
        rs.MoveNext();
    if (rs.Eof())
        return false;
    z.albumName = name;
    z.albumNummer = FeldLesen(rs, Nummer);
    z.albumPfad = FeldLesen(rs, QStringLiteral("Pfad"));
    z.albumCDName = FeldLesen(rs, QStringLiteral("CD-Name"));
    z.suchergebnisAngezeigt = false;

    // Entries 1 ... count are the albums; a search entry behind them is never this one.
    int eintrag = static_cast<int>(z.albenauswahl.indexOf(name, 1));
    if (eintrag < 1 || eintrag > z.anzahlAlben) {
        AlbenauswahlFuellen(z, db);
        eintrag = static_cast<int>(z.albenauswahl.indexOf(name, 1));
    }
    z.albenauswahlIndex = eintrag;
    z.ui().AlbenauswahlGeaendert();
    return true;
}

Umbenennung AlbumUmbenennen(Programmzustand& z, Datenbankobjekte& db, const QString& eingabe)
{
    const QString neuerName = Namensordnung::Bereinigt(eingabe, MaximaleAlbumnamenLaenge);
    if (neuerName.isEmpty())
        return Umbenennung::Leer;
    const QString treffer = AlbumnummerZumNamen(db, neuerName);
    if (!treffer.isEmpty() && !gleicheNummer(treffer, z.albumNummer)) {
        nameVorhandenMelden(z);
        return Umbenennung::Vorhanden;
    }

    bool geschrieben = false;
    Recordset& rs = db.rsAlben;
    if (!z.albumNummer.isEmpty() && rs.IstOffen()) {
        Filterwache wache(rs);
        rs.Filter(Nummer, z.albumNummer);
        if (rs.RecordCount() == 1) {
            // FeldSchreiben drops a refused change; the row then still holds the old name.
            FeldSchreiben(rs, Albenname, neuerName);
            geschrieben = FeldLesen(rs, Albenname) == neuerName;
        }
    }
    if (!geschrieben) {
        z.Meldung(QStringLiteral("Das Album kann in der Datenbank %1 nicht in '%2' umbenannt werden.")
                      .arg(QDir::toNativeSeparators(z.aktuelleDatenbank), neuerName),
            Meldungen::Fehler, QStringLiteral("Album umbenennen"));
        return Umbenennung::Fehlgeschlagen;
    }
    z.albumName = neuerName;
    if (rs.RecordCount() > 0)
        auswahlNeuFuellen(z, db);
    return Umbenennung::Umbenannt;
}

Albumloeschung AlbumLoeschen(Programmzustand& z, Datenbankobjekte& db, const QString& name, const QString& nummer)
{
    Albumloeschung ergebnis;
    if (name.isEmpty())
        return ergebnis;

    const bool aktuelles = gleicheNummer(nummer, z.albumNummer);
    if (aktuelles) {
        z.ui().AlbumAnsichtenSchliessen();
        QCoreApplication::processEvents();
    }

    Recordset& rsAlben = db.rsAlben;
    try {
        bool zahl = false;
        const qlonglong tabelle = nummer.trimmed().toLongLong(&zahl);
        if (!zahl || tabelle <= 0)
            throw DatenbankFehler(QStringLiteral("Das Album hat keine gültige Nummer."));
        Transaktion transaktion(db.conDaten);
        // An album whose table went missing can still be deleted.
        db.conDaten.Ausfuehren(QStringLiteral("DROP TABLE IF EXISTS ") + Bezeichner(QString::number(tabelle)));
        {
            // By number: the row the dialog named, whatever the case of its name.
            Filterwache wache(rsAlben);
            rsAlben.Filter(Nummer, tabelle);
            if (rsAlben.RecordCount() != 1)
                throw DatenbankFehler(QStringLiteral("Das Album gibt es nicht mehr."));
            rsAlben.MoveFirst();
            rsAlben.Delete();
        }
        AlbumAusPraesentationenEntfernen(db, QString::number(tabelle));
        transaktion.bestaetigen();
    } catch (const DatenbankFehler& fehler) {
        // Rolled back: the rows as stored are still the truth.
        try {
            rsAlben.Requery();
        } catch (const DatenbankFehler&) {
        }
        const QChar cr(13);
        z.Meldung(QStringLiteral("Das Album '%1' kann in der Datenbank %2 nicht gelöscht werden.")
                      .arg(name, QDir::toNativeSeparators(z.aktuelleDatenbank))
                + cr + cr + fehler.text(),
            Meldungen::Fehler, QStringLiteral("Album löschen"));
        if (aktuelles)
            ergebnis.naechstesAlbum = z.albumName;
        return ergebnis;
    }
    ergebnis.geloescht = true;
    z.ui().StoryboardNeuAnzeigen();

    try {
        rsAlben.Requery();
    } catch (const DatenbankFehler&) {
        // The deleted row is gone from the recordset already.
    }
    if (rsAlben.RecordCount() == 0) {
        keinAlbumMehr(z, db);
        return ergebnis;
    }
    AlbenauswahlFuellen(z, db);
    int eintrag = 1;
    if (!aktuelles && !z.albumName.isEmpty()) {
        const int aktuellerEintrag = static_cast<int>(z.albenauswahl.indexOf(z.albumName, 1));
        if (aktuellerEintrag >= 1 && aktuellerEintrag <= z.anzahlAlben)
            eintrag = aktuellerEintrag;
    }
    z.albenauswahlIndex = eintrag;
    z.ui().AlbenauswahlGeaendert();
    ergebnis.naechstesAlbum = z.albenauswahl.value(eintrag);
    return ergebnis;
}
