#include "Praesentationskatalog.h"

#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Namensordnung.h"
#include "Programmzustand.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>

namespace Praesentationskatalog {

namespace {

const QString NameVorhandenText = QStringLiteral("Name ist schon vorhanden!");

Praesentation ausZeile(qlonglong nummer, const QString& name)
{
    return { Datenbankschema::PraesentationstabellenName(nummer), name, QString::number(nummer) };
}

// After a rollback the rows as stored are the truth again.
void neuLesen(Datenbankobjekte& db)
{
    try {
        db.rsPraesentationen.Requery();
    } catch (const DatenbankFehler&) {
    }
}

void fehlerMelden(
    Programmzustand& z, Datenbankobjekte& db, const QString& name, const QString& was, const DatenbankFehler& f)
{
    const QChar cr(13);
    z.Meldung(QStringLiteral("Die Präsentation '%1' kann in der Datenbank %2 nicht %3.")
                  .arg(name, QDir::toNativeSeparators(db.conDaten.pfad()), was)
            + cr + cr + f.text(),
        Meldungen::Fehler);
}

// Inside the caller's transaction: the table goes first, then the row.
void zeileUndTabelleLoeschen(Datenbankobjekte& db, const Praesentation& p)
{
    db.conDaten.Ausfuehren(QStringLiteral("DROP TABLE IF EXISTS ") + Bezeichner(p.tabelle));
    db.conDaten.Ausfuehren(
        QStringLiteral("DELETE FROM \"Praesentationen\" WHERE \"Nummer\" = ?"), { p.nummer.toLongLong() });
}

// The choice still names a live presentation: its number's row has its
// name, and its table is the number's.
bool passtZumKatalog(Datenbankobjekte& db, const Praesentation& p)
{
    bool zahl = false;
    const qlonglong nummer = p.nummer.toLongLong(&zahl);
    if (!zahl || p.tabelle != Datenbankschema::PraesentationstabellenName(nummer))
        return false;
    QSqlQuery zeile = db.conDaten.Abfragen(
        QStringLiteral("SELECT 1 FROM \"Praesentationen\" WHERE \"Nummer\" = ? AND \"PraeName\" = ?"),
        { nummer, p.name });
    return zeile.next();
}

// The presentation this program made for "Album als Präsentation anzeigen"
// and may replace; invalid when there is none (or the file has no mark yet).
Praesentation temporaere(Datenbankobjekte& db)
{
    if (!Datenbankschema::HatTemporaerSpalte(db.conDaten))
        return {};
    QSqlQuery zeile = db.conDaten.Abfragen(
        QStringLiteral("SELECT \"Nummer\", \"PraeName\" FROM \"Praesentationen\" WHERE %1 = 1 ORDER BY \"Nummer\"")
            .arg(Bezeichner(Datenbankschema::TemporaerSpalte())));
    return zeile.next() ? ausZeile(zeile.value(0).toLongLong(), zeile.value(1).toString()) : Praesentation {};
}

}  // namespace

QStringList Namen(Datenbankobjekte& db)
{
    QStringList namen;
    Recordset& rs = db.rsPraesentationen;
    if (!rs.IstOffen())
        return namen;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        namen << rs.Feld(QStringLiteral("PraeName")).toString();
    return namen;
}

Praesentation Suchen(Datenbankobjekte& db, const QString& name)
{
    if (name.isEmpty() || !db.conDaten.IstOffen())
        return {};
    Praesentation gefunden;
    try {
        // The column's NOCASE folds ASCII only; names compare by the program's one rule.
        // An older file may hold names that differ only in case: the exact one wins.
        QSqlQuery zeile = db.conDaten.Abfragen(
            QStringLiteral("SELECT \"Nummer\", \"PraeName\" FROM \"Praesentationen\" ORDER BY \"Nummer\""));
        while (zeile.next()) {
            const QString gespeichert = zeile.value(1).toString();
            if (gespeichert == name)
                return ausZeile(zeile.value(0).toLongLong(), gespeichert);
            if (!gefunden.gueltig() && Namensordnung::Gleich(gespeichert, name))
                gefunden = ausZeile(zeile.value(0).toLongLong(), gespeichert);
        }
    } catch (const DatenbankFehler&) {
    }
    return gefunden;
}

bool NameVorhanden(Datenbankobjekte& db, const QString& name)
{
    return Suchen(db, name).gueltig();
}

Praesentation Erstellen(Datenbankobjekte& db, const QString& name)
{
    try {
        const QString tabelle = PraesentationstabelleAnlegen(db, name);
        return { tabelle, name, QString::number(tabelle.mid(1).toLongLong()) };
    } catch (const DatenbankFehler&) {
        neuLesen(db);
        throw;
    }
}

void AktuelleSetzen(Programmzustand& z, const Praesentation& p)
{
    z.praesentationTabelle = p.tabelle;
    z.praesentationName = p.name;
    z.praesentationNummer = p.nummer;
}

Praesentation Aktuelle(const Programmzustand& z)
{
    return { z.praesentationTabelle, z.praesentationName, z.praesentationNummer };
}

Ergebnis NeuePraesentation(Programmzustand& z, Datenbankobjekte& db, const QString& eingabe)
{
    const QString name = Namensordnung::Bereinigt(eingabe);
    if (name.isEmpty())
        return Ergebnis::Leer;
    if (NameVorhanden(db, name)) {
        z.Meldung(NameVorhandenText);
        return Ergebnis::Vorhanden;
    }
    Praesentation neu;
    try {
        neu = Erstellen(db, name);
    } catch (const DatenbankFehler& f) {
        fehlerMelden(z, db, name, QStringLiteral("angelegt werden"), f);
        return Ergebnis::Fehlgeschlagen;
    }
    z.ui().PraesentationsBefehleSetzen(true);
    AktuelleSetzen(z, neu);
    return Ergebnis::Erledigt;
}

bool Oeffnen(Programmzustand& z, Datenbankobjekte& db, const QString& name)
{
    const Praesentation p = Suchen(db, name);
    if (!p.gueltig())
        return false;
    AktuelleSetzen(z, p);
    return true;
}

Ergebnis Umbenennen(Programmzustand& z, Datenbankobjekte& db, const QString& eingabe)
{
    const QString neuerName = Namensordnung::Bereinigt(eingabe);
    if (neuerName.isEmpty())
        return Ergebnis::Leer;
    if (NameVorhanden(db, neuerName)) {
        z.Meldung(NameVorhandenText);
        return Ergebnis::Vorhanden;
    }
    try {
        // By the stored number: the table name's digits are only its padded form.
        // A renamed temporary presentation is the user's from now on.
        Transaktion transaktion(db.conDaten);
        db.conDaten.Ausfuehren(QStringLiteral("UPDATE \"Praesentationen\" SET \"PraeName\" = ? WHERE \"Nummer\" = ?"),
            { neuerName, z.praesentationNummer.toLongLong() });
        if (Datenbankschema::HatTemporaerSpalte(db.conDaten))
            db.conDaten.Ausfuehren(QStringLiteral("UPDATE \"Praesentationen\" SET %1 = NULL WHERE \"Nummer\" = ?")
                                       .arg(Bezeichner(Datenbankschema::TemporaerSpalte())),
                { z.praesentationNummer.toLongLong() });
        transaktion.bestaetigen();
    } catch (const DatenbankFehler& f) {
        fehlerMelden(z, db, z.praesentationName, QStringLiteral("umbenannt werden"), f);
        return Ergebnis::Fehlgeschlagen;
    }
    neuLesen(db);
    z.praesentationName = neuerName;
    return Ergebnis::Erledigt;
}

bool Entfernen(Programmzustand& z, Datenbankobjekte& db, const Praesentation& gewaehlt)
{
    if (!gewaehlt.gueltig())
        return false;
    try {
        if (!passtZumKatalog(db, gewaehlt))
            return false;
    } catch (const DatenbankFehler&) {
        return false;
    }
    if (!z.praesentationName.isEmpty() && z.praesentationNummer == gewaehlt.nummer) {
        // The storyboard lets go of the table before it goes.
        z.ui().PraesentationSchliessen();
        AktuelleSetzen(z, {});
    }
    bool erledigt = false;
    try {
        Transaktion transaktion(db.conDaten);
        zeileUndTabelleLoeschen(db, gewaehlt);
        transaktion.bestaetigen();
        erledigt = true;
    } catch (const DatenbankFehler&) {
    }
    neuLesen(db);
    if (db.rsPraesentationen.RecordCount() == 0)
        z.ui().PraesentationsBefehleSetzen(false);
    return erledigt;
}

Praesentation AlbumAlsPraesentation(Programmzustand& z, Datenbankobjekte& db, const QString& name)
{
    // The keys first, in rsAlbum's order; the recordset keeps its row.
    QStringList schluessel;
    Recordset& album = db.rsAlbum;
    if (album.IstOffen() && album.RecordCount() > 0) {
        const int vorher = album.AbsolutePosition();
        for (album.MoveFirst(); !album.Eof(); album.MoveNext()) {
            const QString s = album.Feld(QStringLiteral("DBNummer")).toString().trimmed();
            if (!s.isEmpty())
                schluessel << s;
        }
        if (vorher != Recordset::PositionUnbekannt)
            album.AbsolutePositionSetzen(vorher);
    }

    const QString wunsch = Namensordnung::Bereinigt(name);
    Praesentation alt;
    try {
        alt = temporaere(db);
    } catch (const DatenbankFehler&) {
    }
    // A presentation of the user's with that name (in any case) stays: this one takes a free name.
    QString frei = wunsch;
    for (int n = 1;; ++n) {
        const Praesentation p = Suchen(db, frei);
        if (!p.gueltig() || p.nummer == alt.nummer)
            break;
        const QString endung = n == 1 ? QStringLiteral("_neu") : QStringLiteral("_neu%1").arg(n);
        frei = Namensordnung::Bereinigt(wunsch.left(Namensordnung::MaximaleLaenge - endung.size())) + endung;
    }
    if (alt.gueltig() && z.praesentationNummer == alt.nummer) {
        z.ui().PraesentationSchliessen();
        AktuelleSetzen(z, {});
    }
    Praesentation neu;
    try {
        Transaktion transaktion(db.conDaten);
        if (alt.gueltig())
            zeileUndTabelleLoeschen(db, alt);
        Datenbankschema::TemporaerSpalteAnlegen(db.conDaten);
        neu = Erstellen(db, frei);
        db.conDaten.Ausfuehren(QStringLiteral("UPDATE \"Praesentationen\" SET %1 = 1 WHERE \"Nummer\" = ?")
                                   .arg(Bezeichner(Datenbankschema::TemporaerSpalte())),
            { neu.nummer.toLongLong() });
        QSqlQuery& zeile = db.conDaten.Vorbereitet(QStringLiteral("INSERT INTO ") + Bezeichner(neu.tabelle)
            + QStringLiteral(" (\"Reihenfolge\", \"DBNummer\") VALUES (?, ?)"));
        for (int i = 0; i < schluessel.size(); ++i) {
            zeile.bindValue(0, i + 1);
            zeile.bindValue(1, schluessel[i]);
            if (!zeile.exec())
                throw DatenbankFehler(zeile.lastError().text());
        }
        transaktion.bestaetigen();
    } catch (const DatenbankFehler& f) {
        neuLesen(db);
        fehlerMelden(z, db, frei, QStringLiteral("angelegt werden"), f);
        return {};
    }
    neuLesen(db);
    z.ui().PraesentationsBefehleSetzen(true);
    AktuelleSetzen(z, neu);
    return neu;
}

}  // namespace Praesentationskatalog
