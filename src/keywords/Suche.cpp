#include "Suche.h"

#include "Albenpflege.h"
#include "Begriffsfeld.h"
#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Sanduhr.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QSet>
#include <QSqlQuery>
#include <optional>

namespace {

// The columns a picture row carries besides its own number.
const char* const Kopierspalten = "DBNummer, Dateiname, ID, Datum, Schluesselbegriffe, Bemerkung";

QString enthaelt(const QString& spalte)
{
    return Bezeichner(spalte) + QStringLiteral(" LIKE ? ESCAPE '\\'");
}

QString teilMuster(const QString& text)
{
    return QLatin1Char('%') + LikeMuster(text) + QLatin1Char('%');
}

// The album tables the file really has, so that an album row whose table
// went missing does not stop every search.
QSet<QString> vorhandeneTabellen(Verbindung& verbindung)
{
    QSet<QString> namen;
    QSqlQuery q = verbindung.Abfragen(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
    while (q.next())
        namen.insert(q.value(0).toString());
    return namen;
}

}  // namespace

bool Suchkriterien::leer() const
{
    return begriffe.isEmpty() && bemerkung.isEmpty() && dateiname.isEmpty() && !von.isValid() && !bis.isValid();
}

void DatumsbereichErgaenzen(QDate& von, QDate& bis)
{
    if (!von.isValid())
        von = bis;
    if (!bis.isValid())
        bis = von;
    if (von.isValid() && bis < von)
        std::swap(von, bis);
}

Abfrage SuchAbfrage(const Suchkriterien& k)
{
    Abfrage a;
    a.tabelle = QStringLiteral("TempAlbum");
    a.ordnung = QStringLiteral("Dateiname");
    QStringList teile;
    for (const qint64 nummer : k.begriffe) {
        teile << enthaelt(QStringLiteral("Schluesselbegriffe"));
        a.werte << teilMuster(Begriffsfeld::Eintrag(nummer));
    }
    // "ÄPFEL" finds "äpfel": texts compare without regard to case for every letter.
    if (!k.bemerkung.isEmpty()) {
        teile << EnthaeltBedingung(QStringLiteral("Bemerkung"));
        a.werte << EnthaeltMuster(k.bemerkung);
    }
    if (!k.dateiname.isEmpty()) {
        teile << EnthaeltBedingung(QStringLiteral("Dateiname"));
        a.werte << EnthaeltMuster(k.dateiname);
    }
    if (k.von.isValid() && k.bis.isValid()) {
        teile << Bezeichner(QStringLiteral("Datum")) + QStringLiteral(" >= ? AND ")
                + Bezeichner(QStringLiteral("Datum")) + QStringLiteral(" <= ?");
        a.werte << k.von.toString(Qt::ISODate) << k.bis.toString(Qt::ISODate);
    }
    a.bedingung = teile.join(QStringLiteral(" AND "));
    return a;
}

void TempAlbumErstellen(Datenbankobjekte& db, const Abfrage& auswahl)
{
    Recordset& rsAlben = db.rsAlben;
    QStringList nummern;
    if (rsAlben.IstOffen()) {
        const int vorher = rsAlben.AbsolutePosition();
        for (rsAlben.MoveFirst(); !rsAlben.Eof(); rsAlben.MoveNext())
            nummern << FeldLesen(rsAlben, QStringLiteral("Nummer"));
        if (vorher != Recordset::PositionUnbekannt)
            rsAlben.AbsolutePositionSetzen(vorher);
    }
    const QSet<QString> tabellen = vorhandeneTabellen(db.conDaten);
    const QString spalten = QLatin1String(Kopierspalten);
    // The condition runs on each album table, so only rows that can match are
    // copied: at a million pictures the copy, not the statement, is the cost.
    const QString bedingung = auswahl.bedingung.isEmpty() ? QString() : QStringLiteral(" WHERE ") + auswahl.bedingung;
    Transaktion transaktion(db.conDaten);
    db.conDaten.Ausfuehren(QStringLiteral("DELETE FROM TempAlbum"));
    for (const QString& nummer : std::as_const(nummern)) {
        if (!tabellen.contains(nummer))
            continue;
        // Without `Nummer`: the copies are numbered by TempAlbum itself, since
        // every album numbers its pictures from 1.
        db.conDaten.Ausfuehren(QStringLiteral("INSERT INTO TempAlbum (%1) SELECT NULLIF(DBNummer, ''), Dateiname, ID, "
                                              "Datum, Schluesselbegriffe, Bemerkung FROM %2%3")
                                   .arg(spalten, Bezeichner(nummer), bedingung),
            auswahl.werte);
    }
    transaktion.bestaetigen();
}

bool SuchergebnisInAuswahl(const Programmzustand& z)
{
    return !z.albenauswahl.isEmpty() && z.albenauswahl.size() > z.anzahlAlben + 1
        && z.albenauswahl.last() == SuchergebnisEintrag();
}

namespace {

// One try of the search; art tells why it failed.
Suchergebnis versuchen(Programmzustand& z, Datenbankobjekte& db, const Suchkriterien& k, DatenbankFehler::Art& art)
{
    Suchergebnis ergebnis;
    Sanduhr sanduhr;
    Recordset& rs = db.rsAlbum;
    const bool warOffen = rs.IstOffen();
    const Abfrage vorher = rs.quelle();
    const int position = rs.AbsolutePosition();
    // The copy and the reading share one transaction, so that a search
    // without a match (or a failed one) leaves TempAlbum as it was, and with
    // it a search result still on screen.
    std::optional<Transaktion> transaktion;
    try {
        transaktion.emplace(db.conDaten);
        const Abfrage abfrage = SuchAbfrage(k);
        TempAlbumErstellen(db, abfrage);
        rs.Schliessen();
        rs.Oeffnen(abfrage);
        ergebnis.anzahl = rs.RecordCount();
        if (ergebnis.anzahl > 0) {
            transaktion->bestaetigen();
            ergebnis.ausgang = Suchausgang::Gefunden;
        } else {
            ergebnis.ausgang = Suchausgang::NichtsGefunden;
        }
    } catch (const DatenbankFehler& fehler) {
        const QString datei = QDir::toNativeSeparators(z.aktuelleDatenbank);
        art = fehler.art();
        ergebnis.ausgang = Suchausgang::Fehler;
        ergebnis.fehler = art == DatenbankFehler::Gesperrt
            ? QStringLiteral("Die Datenbank %1 wird gerade von einem anderen Programm benutzt.").arg(datei)
            : QStringLiteral("Die Suche in der Datenbank %1 ist fehlgeschlagen.").arg(datei) + QChar(13)
                + fehler.text();
    }
    if (ergebnis.ausgang != Suchausgang::Gefunden) {
        if (transaktion)
            transaktion->verwerfen();
        rs.Schliessen();
        if (warOffen) {
            try {
                rs.Oeffnen(vorher);
                if (position != Recordset::PositionUnbekannt && position <= rs.RecordCount())
                    rs.AbsolutePositionSetzen(position);
            } catch (const DatenbankFehler&) {
                // The views then show an empty album, as after a failed album choice.
            }
        }
    }
    return ergebnis;
}

}  // namespace

Suchergebnis SucheAusfuehren(Programmzustand& z, Datenbankobjekte& db, Suchkriterien k)
{
    if (k.leer())
        return {};
    DatumsbereichErgaenzen(k.von, k.bis);
    z.ui().AlbenAnzeigeBemerkungSichern();

    Suchergebnis ergebnis;
    for (;;) {
        DatenbankFehler::Art art = DatenbankFehler::Allgemein;
        ergebnis = versuchen(z, db, k, art);
        if (ergebnis.ausgang != Suchausgang::Fehler || art != DatenbankFehler::Gesperrt)
            break;
        // The other program may let go of the file; the user says when.
        if (z.Meldung(ergebnis.fehler + QChar(13) + QChar(13)
                    + QStringLiteral("Beenden Sie das andere Programm und wählen Sie OK, um es noch einmal zu "
                                     "versuchen."),
                Meldungen::Warnung, QStringLiteral("Suche"))
            != Meldungen::Antwort::OK) {
            ergebnis.ausgang = Suchausgang::Abgebrochen;
            return ergebnis;
        }
    }
    if (ergebnis.ausgang != Suchausgang::Gefunden)
        return ergebnis;

    Recordset& rs = db.rsAlbum;
    rs.MoveFirst();
    z.suchergebnisAngezeigt = true;
    if (!SuchergebnisInAuswahl(z))
        z.albenauswahl << SuchergebnisEintrag();
    z.albenauswahlIndex = static_cast<int>(z.albenauswahl.size()) - 1;
    return ergebnis;
}

void SuchergebnisZeigen(Programmzustand& z, Datenbankobjekte& db)
{
    Oberflaeche& ui = z.ui();
    ui.ZoomAnsichtSchliessen();
    ui.AlbenauswahlGeaendert();
    ui.ListeAuffuellen();
    // The viewer as for a new album: its caption, the first picture, the locks, the list's mark.
    ui.AlbenAnzeigeNeuesAlbum();
    ui.AlbenAnzeigeNaviPruefung();
    ui.ListeMarkierungNachfuehren();
    if (z.offen.vorschau) {
        BildPfadeLaden(z, db);
        ui.VorschauNeuesAlbumAnzeigen();
    }
}
