#pragma once
#include "Albenpflege.h"
#include "Oberflaeche.h"
#include "Sammlungsgeruest.h"
#include "mdlDatenbanken.h"

#include <QSqlQuery>
#include <QtTest>

using namespace Qt::StringLiterals;

// Records what presentations ask of the main window, at closing whether the open table existed.
class Praesentationsoberflaeche : public Oberflaeche {
public:
    std::function<QString()> beimSchliessen;
    QStringList aufrufe;

    void PraesentationsBefehleSetzen(bool an) override { aufrufe << (an ? u"Befehle an"_s : u"Befehle aus"_s); }
    void PraesentationSchliessen() override { aufrufe << u"Schliessen"_s + (beimSchliessen ? u" "_s + beimSchliessen() : u""_s); }
};

// Albums of pictures (rows only, keys written) and the recorder above as main window.
class Praesentationssammlung : public Sammlungsgeruest {
public:
    Praesentationssammlung() { z.oberflaeche = &ui; }

    // An album with pictures named <name>1.jpg ... ; returns their keys in order.
    QStringList album(const QString& name, int bilder)
    {
        LeeresAlbumAnlegen(z, db, name);
        const QString nummer = AlbumnummerZumNamen(db, name);
        albumWaehlen(nummer);
        for (int i = 1; i <= bilder; ++i)
            BildEintragen(db, name + QString::number(i) + u".jpg"_s, 0, u"01.02.2003"_s);
        db.conDaten.Ausfuehren(u"UPDATE \"%1\" SET DBNummer = printf('%04d%05d', %1, Nummer)"_s.arg(nummer));
        db.rsAlbum.Requery();
        return spalte(u"SELECT DBNummer FROM \"%1\" ORDER BY Nummer"_s.arg(nummer));
    }
    // The first column of a query's rows.
    QStringList spalte(const QString& sql, const QVariantList& werte = {})
    {
        QStringList zeilen;
        QSqlQuery q = db.conDaten.Abfragen(sql, werte);
        while (q.next())
            zeilen << q.value(0).toString();
        return zeilen;
    }
    bool tabelleDa(const QString& tabelle)
    {
        return !spalte(u"SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"_s, { tabelle }).isEmpty();
    }
    // The keys of a presentation table in `Reihenfolge` order, and "Lücke" after
    // them when that order is not numbered 1..n.
    QStringList tabellenfolge(const QString& tabelle)
    {
        QStringList folge = spalte(u"SELECT DBNummer FROM \"%1\" ORDER BY Reihenfolge"_s.arg(tabelle));
        const QString sql = u"SELECT count(*) = count(DISTINCT Reihenfolge) AND coalesce(min(Reihenfolge), 1) = 1 "
                            "AND coalesce(max(Reihenfolge), 0) = count(*) FROM \"%1\""_s;
        return spalte(sql.arg(tabelle)) == QStringList { u"1"_s } ? folge : folge << u"Lücke"_s;
    }
    QStringList namenImKatalog() { return spalte(u"SELECT PraeName FROM Praesentationen ORDER BY Nummer"_s); }

    Praesentationsoberflaeche ui;
};
