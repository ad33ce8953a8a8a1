#pragma once
#include "Albenpflege.h"
#include "Begriffstabelle.h"
#include "DatenbankFehler.h"
#include "Datenbankschema.h"
#include "Sammlungsgeruest.h"
#include "mdlDatenbanken.h"

#include <QSqlQuery>
#include <QTest>

// Albums whose picture rows come straight through SQL: keywords and search read rows only.
class Begriffssammlung : public Sammlungsgeruest {
public:
    // A new album; returns its number (its table's name).
    QString album(const QString& name)
    {
        AlbumAnlegen(z, db, name, z.programmordner + QLatin1Char('/'));
        return albumNummer(name);
    }
    // A picture row with its key; returns the key.
    QString zeile(const QString& album, const QString& datei, const QString& feld = {},
        const QString& datumIso = QStringLiteral("2004-05-01"), const QString& bemerkung = {})
    {
        const auto wert = [](const QString& t) { return t.isEmpty() ? QVariant() : QVariant(t); };
        db.conDaten.Ausfuehren(QStringLiteral("INSERT INTO \"%1\" (Dateiname, ID, Datum, Schluesselbegriffe, "
                                              "Bemerkung) VALUES (?, 0, ?, ?, ?)")
                                   .arg(album),
            { datei, wert(datumIso), wert(feld), wert(bemerkung) });
        db.conDaten.Ausfuehren(
            QStringLiteral("UPDATE \"%1\" SET DBNummer = printf('%04d%05d', %1, Nummer) WHERE DBNummer IS NULL")
                .arg(album));
        QSqlQuery q = db.conDaten.Abfragen(
            QStringLiteral("SELECT DBNummer FROM \"%1\" ORDER BY Nummer DESC LIMIT 1").arg(album));
        return q.next() ? q.value(0).toString() : QString();
    }
    qint64 begriff(const QString& text) { return Begriffstabelle::FindenOderAnlegen(db, text); }

    // A column of the row with that key in a table; "<keine Zeile>" when there is none.
    QString wert(
        const QString& tabelle, const QString& dbNummer, const QString& spalte = QStringLiteral("Schluesselbegriffe"))
    {
        QSqlQuery q = db.conDaten.Abfragen(
            QStringLiteral("SELECT \"%1\" FROM \"%2\" WHERE DBNummer = ?").arg(spalte, tabelle), { dbNummer });
        return q.next() ? q.value(0).toString() : QStringLiteral("<keine Zeile>");
    }
    // Every file name of rsAlbum in its order.
    QStringList dateinamen()
    {
        QStringList namen;
        Recordset& rs = db.rsAlbum;
        const int vorher = rs.AbsolutePosition();
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            namen << FeldLesen(rs, QStringLiteral("Dateiname"));
        if (vorher > 0)
            rs.AbsolutePositionSetzen(vorher);
        return namen;
    }
    // Places rsAlbum on the row with that key.
    void aufSchluessel(const QString& dbNummer)
    {
        Recordset& rs = db.rsAlbum;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            if (FeldLesen(rs, QStringLiteral("DBNummer")) == dbNummer)
                return;
        }
        QFAIL("Schlüssel nicht in rsAlbum");
    }
};
