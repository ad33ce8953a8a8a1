#include "Praesentationspflege.h"

#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>
#include <QStringList>

namespace {

QStringList praesentationstabellen(Verbindung& con)
{
    QStringList tabellen;
    QSqlQuery zeilen = con.Abfragen(QStringLiteral("SELECT \"Nummer\" FROM \"Praesentationen\""));
    while (zeilen.next())
        tabellen << Datenbankschema::PraesentationstabellenName(zeilen.value(0).toLongLong());
    return tabellen;
}

// bedingung compares "DBNummer" (or its album part) with the one bound value.
void zeilenEntfernen(Datenbankobjekte& db, const QString& bedingung, const QVariant& wert)
{
    QStringList tabellen;
    try {
        tabellen = praesentationstabellen(db.conDaten);
    } catch (const DatenbankFehler&) {
        return;
    }
    // Nothing in this scope may throw past the loop: inside a caller's
    // transaction a rollback here would undo the caller's work as well.
    try {
        Transaktion transaktion(db.conDaten);
        for (const QString& tabelle : std::as_const(tabellen)) {
            try {
                db.conDaten.Ausfuehren(QStringLiteral("DELETE FROM ") + Bezeichner(tabelle) + QStringLiteral(" WHERE ")
                                           + bedingung,
                                       {wert});
            } catch (const DatenbankFehler&) {
                // A presentation without its table has nothing to remove.
            }
        }
        transaktion.bestaetigen();
    } catch (const DatenbankFehler&) {
        return;
    }
    // The open presentation's rows were read before; they must not show the removed pictures.
    if (db.rsPraesentation.IstOffen()) {
        try {
            db.rsPraesentation.Requery();
        } catch (const DatenbankFehler&) {
        }
    }
}

}  // namespace

void AlbumAusPraesentationenEntfernen(Datenbankobjekte& db, const QString& albumNummer)
{
    bool zahl = false;
    const qlonglong nummer = albumNummer.trimmed().toLongLong(&zahl);
    if (!zahl)
        return;
    zeilenEntfernen(db, QStringLiteral("CAST(substr(\"DBNummer\", 1, 4) AS INTEGER) = ?"), nummer);
}

void BildAusPraesentationenEntfernen(Datenbankobjekte& db, const QString& dbNummer)
{
    // The key as text: as numbers "0003123456" (album 3) and "003123456"
    // (album 31) would be the same picture.
    const QString schluessel = dbNummer.trimmed();
    if (schluessel.isEmpty())
        return;
    zeilenEntfernen(db, QStringLiteral("\"DBNummer\" = ?"), schluessel);
}

void BilderAusPraesentationenEntfernen(Datenbankobjekte& db, const QStringList& dbNummern)
{
    QJsonArray schluessel;
    for (const QString& dbNummer : dbNummern) {
        if (!dbNummer.trimmed().isEmpty())
            schluessel.append(dbNummer.trimmed());
    }
    if (schluessel.isEmpty())
        return;
    // The keys as one bound JSON array: any count fits one statement.
    zeilenEntfernen(db, QStringLiteral("\"DBNummer\" IN (SELECT value FROM json_each(?))"),
                    QString::fromUtf8(QJsonDocument(schluessel).toJson(QJsonDocument::Compact)));
}
