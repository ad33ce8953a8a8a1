#include "Testsammlung.h"

#include "Datenbankschema.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QtTest>

Testsammlung::Testsammlung()
{
    z.oberflaeche = &ui;
}

QString Testsammlung::cdEinlegen(const QString& ordnername, const QString& label)
{
    const QString pfad = ordner(ordnername);
    laufwerke.hinzufuegen(pfad, Laufwerk::CDROM, label);
    return pfad;
}

void Testsammlung::cdEntnehmen(const QString& label)
{
    for (int i = laufwerke.liste.size() - 1; i >= 0; --i) {
        if (laufwerke.liste[i].name == label)
            laufwerke.liste.remove(i);
    }
}

QString Testsammlung::albumAnlegen(const QString& name, const QString& quellordner)
{
    AlbumAnlegen(z, db, name, quellordner);
    return albumNummer(name);
}

void Testsammlung::bildEintragen(const QString& dateiname)
{
    BildEintragen(db, dateiname, 0, QStringLiteral("01.02.2003"));
}

void Testsammlung::albumFeldSetzen(const QString& nummer, const QString& spalte, const QString& wert)
{
    db.rsAlben.Filter(QStringLiteral("Nummer"), nummer);
    FeldSchreiben(db.rsAlben, spalte, wert);
    db.rsAlben.FilterEntfernen();
}

