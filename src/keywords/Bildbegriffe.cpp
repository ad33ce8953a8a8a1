#include "Bildbegriffe.h"

#include "Begriffsfeld.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Sanduhr.h"
#include "mdlDatenbanken.h"

#include <QSqlError>
#include <QSqlQuery>
#include <functional>

namespace {

const QString Feld = QStringLiteral("Schluesselbegriffe");
const QString Datum = QStringLiteral("Datum");
const QString Dateiname = QStringLiteral("Dateiname");
const QString DBNummer = QStringLiteral("DBNummer");

// One change of one picture: the column and its new stored value.
struct Aenderung {
    int position = 0;
    QString spalte;
    QVariant wert;  // as the recordset takes it
    QVariant quellwert;  // as the album table stores it
};

// Writes the value into the picture's own album row. The key's last part is
// the row's number, so the row is found by the table's key; an older row
// whose number does not match its key is found by the key alone.
void quellzeileSchreiben(Datenbankobjekte& db, const QString& dbNummer, const QString& spalte, const QVariant& wert)
{
    const QString tabelle = Bildbegriffe::QuelltabelleDesSchluessels(dbNummer);
    const QString dateiname = FeldLesen(db.rsAlbum, Dateiname);
    if (tabelle.isEmpty())
        throw DatenbankFehler(
            QStringLiteral("Das Bild %1 des Suchergebnisses gehört zu keinem Album; es wird nicht geändert.")
                .arg(dateiname));
    const QString setzen = QStringLiteral("UPDATE %1 SET %2 = ? WHERE ").arg(Bezeichner(tabelle), Bezeichner(spalte));
    auto ausfuehren = [&](const QString& bedingung, const QVariantList& werte) {
        QSqlQuery& q = db.conDaten.Vorbereitet(setzen + bedingung);
        q.addBindValue(wert);
        for (const QVariant& w : werte)
            q.addBindValue(w);
        if (!q.exec())
            throw DatenbankFehler(
                QStringLiteral("Das Bild %1 kann in seinem Album nicht geändert werden.").arg(dateiname) + QChar(13)
                + q.lastError().text());
        const int anzahl = q.numRowsAffected();
        q.finish();
        return anzahl;
    };
    bool zahl = false;
    const qlonglong nummer = dbNummer.mid(4).toLongLong(&zahl);
    if (zahl && ausfuehren(QStringLiteral("Nummer = ? AND DBNummer = ?"), { nummer, dbNummer }) > 0)
        return;
    if (ausfuehren(QStringLiteral("DBNummer = ?"), { dbNummer }) > 0)
        return;
    throw DatenbankFehler(
        QStringLiteral("Das Bild %1 gibt es in seinem Album nicht mehr; es wird nicht geändert.").arg(dateiname));
}

// Writes the changes, each at its position of rsAlbum and, in the search
// result, into the source row, in one transaction. On any failure nothing
// is stored and rsAlbum reads the table again; rsAlbum ends where it stood.
void schreiben(Programmzustand& z, Datenbankobjekte& db, const QVector<Aenderung>& aenderungen)
{
    Recordset& rs = db.rsAlbum;
    // Positions count the whole album, as the picture list shows it.
    if (rs.IstOffen() && rs.IstGefiltert())
        rs.FilterEntfernen();
    const int vorher = rs.AbsolutePosition();
    auto zurueck = [&] {
        if (vorher != Recordset::PositionUnbekannt && vorher <= rs.RecordCount())
            rs.AbsolutePositionSetzen(vorher);
    };
    if (aenderungen.isEmpty())
        return;
    Transaktion transaktion(db.conDaten);
    try {
        for (const Aenderung& a : aenderungen) {
            rs.AbsolutePositionSetzen(a.position);
            rs.FeldSetzen(a.spalte, a.wert);
            rs.Update();
            if (z.suchergebnisAngezeigt)
                quellzeileSchreiben(db, FeldLesen(rs, DBNummer), a.spalte, a.quellwert);
        }
        transaktion.bestaetigen();
    } catch (const DatenbankFehler&) {
        transaktion.verwerfen();
        rs.CancelUpdate();
        // The rows in memory took the values already; the table has the old ones.
        try {
            rs.Requery();
            zurueck();
        } catch (const DatenbankFehler&) {
        }
        throw;
    }
    zurueck();
}

// The current picture's position; throws when there is none.
int aktuellePosition(const Datenbankobjekte& db)
{
    const int position = db.rsAlbum.AbsolutePosition();
    if (!db.rsAlbum.IstOffen() || position == Recordset::PositionUnbekannt)
        throw DatenbankFehler(QStringLiteral("Es ist kein Bild ausgewählt."));
    return position;
}

// New keyword fields for the pictures at the positions; pictures the rule
// leaves as they are drop out. A field that grows past its limit stops all.
QVector<Aenderung> feldaenderungen(
    Datenbankobjekte& db, const QVector<int>& positionen, const std::function<QString(const QString&)>& regel)
{
    Recordset& rs = db.rsAlbum;
    if (!rs.IstOffen())
        return {};
    if (rs.IstGefiltert())
        rs.FilterEntfernen();
    const int vorher = rs.AbsolutePosition();
    QVector<Aenderung> aenderungen;
    QStringList zuLang;
    for (const int position : positionen) {
        if (position < 1 || position > rs.RecordCount())
            continue;
        rs.AbsolutePositionSetzen(position);
        const QString alt = FeldLesen(rs, Feld);
        const QString neu = regel(alt);
        if (neu == alt)
            continue;
        if (neu.size() > Begriffsfeld::FeldLaenge)
            zuLang << FeldLesen(rs, Dateiname);
        aenderungen.append({ position, Feld, neu, neu });
    }
    if (vorher != Recordset::PositionUnbekannt)
        rs.AbsolutePositionSetzen(vorher);
    if (!zuLang.isEmpty()) {
        const int zeigen = 10;
        QString namen = zuLang.mid(0, zeigen).join(QChar(13));
        if (zuLang.size() > zeigen)
            namen += QChar(13) + QStringLiteral("und %1 weitere").arg(zuLang.size() - zeigen);
        throw DatenbankFehler(QStringLiteral("In das Begriffsfeld dieser Bilder passt kein weiterer Begriff "
                                             "(höchstens %1 Zeichen); es wurde kein Bild geändert:")
                                  .arg(Begriffsfeld::FeldLaenge)
            + QChar(13) + namen);
    }
    return aenderungen;
}

}  // namespace

namespace Bildbegriffe {

QString QuelltabelleDesSchluessels(const QString& dbNummer)
{
    bool ok = false;
    const qlonglong nummer = dbNummer.left(4).toLongLong(&ok);
    return ok && nummer > 0 ? QString::number(nummer) : QString();
}

bool Hinzufuegen(Programmzustand& z, Datenbankobjekte& db, qint64 nummer)
{
    return MarkiertenHinzufuegen(z, db, { aktuellePosition(db) }, nummer) > 0;
}

bool Entfernen(Programmzustand& z, Datenbankobjekte& db, qint64 nummer)
{
    return MarkiertenEntfernen(z, db, { aktuellePosition(db) }, nummer) > 0;
}

int MarkiertenHinzufuegen(Programmzustand& z, Datenbankobjekte& db, const QVector<int>& positionen, qint64 nummer)
{
    Sanduhr sanduhr;
    const QVector<Aenderung> aenderungen = feldaenderungen(db, positionen, [nummer](const QString& alt) {
        return Begriffsfeld::Enthaelt(alt, nummer) ? alt : Begriffsfeld::Anhaengen(alt, nummer);
    });
    schreiben(z, db, aenderungen);
    return static_cast<int>(aenderungen.size());
}

int MarkiertenEntfernen(Programmzustand& z, Datenbankobjekte& db, const QVector<int>& positionen, qint64 nummer)
{
    Sanduhr sanduhr;
    const QVector<Aenderung> aenderungen = feldaenderungen(
        db, positionen, [nummer](const QString& alt) { return Begriffsfeld::Entfernen(alt, nummer); });
    schreiben(z, db, aenderungen);
    return static_cast<int>(aenderungen.size());
}

int MarkiertenDatumSetzen(Programmzustand& z, Datenbankobjekte& db, const QVector<int>& positionen, const QDate& datum)
{
    if (!datum.isValid() || !db.rsAlbum.IstOffen())
        return 0;
    Sanduhr sanduhr;
    QVector<Aenderung> aenderungen;
    for (const int position : positionen) {
        if (position >= 1 && position <= db.rsAlbum.RecordCount())
            aenderungen.append({ position, Datum, datum, datum.toString(Qt::ISODate) });
    }
    schreiben(z, db, aenderungen);
    return static_cast<int>(aenderungen.size());
}

}  // namespace Bildbegriffe
