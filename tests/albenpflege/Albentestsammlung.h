#pragma once
#include "Albenpflege.h"
#include "Datenbankschema.h"
#include "Oberflaeche.h"
#include "Sammlungsgeruest.h"
#include "mdlDatenbanken.h"

#include <QSqlQuery>
#include <QtTest>

using namespace Qt::StringLiterals;

// Records what album maintenance asks of the main window.
class Albenoberflaeche : public Oberflaeche {
public:
    QStringList aufrufe;

    void ZoomAnsichtSchliessen() override { aufrufe << u"ZoomAnsichtSchliessen"_s; }
    void AlbumAnsichtenSchliessen() override { aufrufe << u"AlbumAnsichtenSchliessen"_s; }
    void AlbenanzeigeStarten() override { aufrufe << u"AlbenanzeigeStarten"_s; }
    void AlbenBefehleSetzen(bool an) override { aufrufe << (an ? u"AlbenBefehle an"_s : u"AlbenBefehle aus"_s); }
};

// A fresh collection without albums, with the recorder above as main window.
class Albentestsammlung : public Sammlungsgeruest {
public:
    Albentestsammlung() { z.oberflaeche = &ui; }

    // Creates an empty album as the dialog does; returns its number.
    QString album(const QString& name)
    {
        LeeresAlbumAnlegen(z, db, name);
        return AlbumnummerZumNamen(db, name);
    }
    // Makes it current as the chooser does.
    void waehlen(const QString& name)
    {
        QVERIFY(AlbumWaehlen(z, db, name));
        AlbumOeffnen(z, db, z.albumNummer);
    }
    // The first column of a query's rows, through a connection of its own: only what was committed.
    QStringList abfragen(const QString& sql)
    {
        Verbindung v;
        v.Oeffnen(datei(), Verbindung::Lesen);
        QSqlQuery q = v.Abfragen(sql);
        QStringList zeilen;
        while (q.next())
            zeilen << q.value(0).toString();
        return zeilen;
    }
    bool gibtTabelle(const QString& name) { return !abfragen(u"PRAGMA table_info(\"%1\")"_s.arg(name)).isEmpty(); }
    QStringList namen() { return abfragen(u"SELECT Albenname FROM Alben ORDER BY Albenname"_s); }
    // A presentation of these picture keys at Reihenfolge 1, 2, 3 ...; returns its table.
    QString praesentation(const QString& name, const QStringList& schluessel)
    {
        const QString tabelle = PraesentationstabelleAnlegen(db, name);
        for (int i = 0; i < schluessel.size(); ++i)
            db.conDaten.Ausfuehren(
                u"INSERT INTO %1 VALUES (?, ?)"_s.arg(Bezeichner(tabelle)), { i + 1, schluessel[i] });
        return tabelle;
    }
    // "Reihenfolge DBNummer" of a presentation table, in order.
    QStringList reihen(const QString& tabelle)
    {
        return abfragen(u"SELECT Reihenfolge || ' ' || DBNummer FROM %1 ORDER BY Reihenfolge"_s.arg(Bezeichner(tabelle)));
    }
    void leeren() { meldungen.leeren(), ui.aufrufe.clear(); }

    Albenoberflaeche ui;
};
