#pragma once
#include "Albenpflege.h"
#include "Oberflaeche.h"
#include "Sammlungsgeruest.h"
#include "mdlDatenbanken.h"

#include <QSqlQuery>
#include <QtTest>

using namespace Qt::StringLiterals;

// Records what the presentations ask of the main window; when the
// storyboard is closed it notes whether the open table still existed.
class Praesentationsoberflaeche : public Oberflaeche {
public:
    std::function<QString()> beimSchliessen;
    QStringList aufrufe;

    void PraesentationsBefehleSetzen(bool an) override { aufrufe << (an ? u"Befehle an"_s : u"Befehle aus"_s); }
    void PraesentationSchliessen() override
    {
        aufrufe << u"Schliessen"_s + (beimSchliessen ? u" "_s + beimSchliessen() : QString());
    }
};

// A collection with albums of pictures (rows only, keys written) and the
// recorder above as main window.
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
        QStringList schluessel;
        QSqlQuery q = db.conDaten.Abfragen(u"SELECT DBNummer FROM \"%1\" ORDER BY Nummer"_s.arg(nummer));
        while (q.next())
            schluessel << q.value(0).toString();
        return schluessel;
    }
    bool tabelleDa(const QString& tabelle)
    {
        QSqlQuery q
            = db.conDaten.Abfragen(u"SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"_s, { tabelle });
        return q.next();
    }
    // The keys of a presentation table as stored, in `Reihenfolge` order, and whether that is 1..n.
    QStringList tabellenfolge(const QString& tabelle, bool* lueckenlos = nullptr)
    {
        QStringList folge;
        bool ok = true;
        QSqlQuery q
            = db.conDaten.Abfragen(u"SELECT Reihenfolge, DBNummer FROM \"%1\" ORDER BY Reihenfolge"_s.arg(tabelle));
        while (q.next()) {
            folge << q.value(1).toString();
            ok = ok && q.value(0).toInt() == folge.size();
        }
        if (lueckenlos)
            *lueckenlos = ok;
        return folge;
    }
    QStringList namenImKatalog()
    {
        QStringList namen;
        QSqlQuery q = db.conDaten.Abfragen(u"SELECT PraeName FROM Praesentationen ORDER BY Nummer"_s);
        while (q.next())
            namen << q.value(0).toString();
        return namen;
    }

    Praesentationsoberflaeche ui;
};
