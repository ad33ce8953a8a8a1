#include "Albentestsammlung.h"

#include "Albenpflege.h"
#include "Datenbankschema.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

Albentestsammlung::Albentestsammlung()
{
    z.oberflaeche = &ui;
}

void Albentestsammlung::leeren()
{
    meldungen.leeren();
    ui.aufrufe.clear();
}

QString Albentestsammlung::album(const QString& name)
{
    LeeresAlbumAnlegen(z, db, name);
    return AlbumnummerZumNamen(db, name);
}

void Albentestsammlung::waehlen(const QString& name)
{
    QVERIFY(AlbumWaehlen(z, db, name));
    AlbumOeffnen(z, db, z.albumNummer);
}

QStringList Albentestsammlung::abfragen(const QString& sql) const
{
    Verbindung v;
    v.Oeffnen(datei(), Verbindung::Lesen);
    QSqlQuery q = v.Abfragen(sql);
    QStringList zeilen;
    while (q.next()) {
        QStringList spalten;
        for (int i = 0; i < q.record().count(); ++i)
            spalten << q.value(i).toString();
        zeilen << spalten.join(QLatin1Char(' '));
    }
    return zeilen;
}

QStringList Albentestsammlung::tabellen() const
{
    return abfragen(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite%'"));
}

QStringList Albentestsammlung::gespeicherteAlbennamen() const
{
    return abfragen(QStringLiteral("SELECT Albenname FROM Alben ORDER BY Albenname"));
}

QString Albentestsammlung::praesentation(const QString& name, const QStringList& schluessel)
{
    const QString tabelle = PraesentationstabelleAnlegen(db, name);
    int reihenfolge = 0;
    for (const QString& s : schluessel)
        db.conDaten.Ausfuehren(
            QStringLiteral("INSERT INTO %1 (Reihenfolge, DBNummer) VALUES (?, ?)").arg(Bezeichner(tabelle)),
            {++reihenfolge, s});
    return tabelle;
}

QStringList Albentestsammlung::reihen(const QString& tabelle) const
{
    return abfragen(
        QStringLiteral("SELECT Reihenfolge, DBNummer FROM %1 ORDER BY Reihenfolge").arg(Bezeichner(tabelle)));
}
