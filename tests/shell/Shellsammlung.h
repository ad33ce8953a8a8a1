#pragma once
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Programmzustand.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

// A collection in the folder with the given albums; with a picture, the first album holds a.jpg, a real file.
inline QString sammlungAnlegen(
    const QString& ordner, const QString& name, const QStringList& alben, bool mitBild = false)
{
    const QString pfad = ordner + u'/' + name;
    DatenbankErstellen(pfad);
    Programmzustand z;
    z.programmordner = ordner;
    z.bilderverzeichnis = ordner + QStringLiteral("/bilder/");
    Datenbankobjekte db;
    if (!DatenbankOhneAlbenOeffnen(z, db, pfad))
        return QString();
    QString erstes;
    for (const QString& a : alben) {
        const QString ordnername = AlbumAnlegen(z, db, a, z.programmordner);
        erstes = erstes.isEmpty() ? ordnername : erstes;
    }
    if (mitBild) {
        QImage bild(40, 30, QImage::Format_RGB32);
        bild.fill(Qt::darkGreen);
        AlbumOeffnen(z, db, QStringLiteral("1"));
        if (!bild.save(z.bilderverzeichnis + erstes + QStringLiteral("/a.jpg")))
            return QString();
        BildEintragen(db, QStringLiteral("a.jpg"), 0, QStringLiteral("01.02.2003"));
    }
    DatenbankSchliessen(z, db);
    return pfad;
}

// Help pages, each with its name as heading.
inline void seitenAnlegen(const QString& ordner, const QStringList& seiten)
{
    QDir().mkpath(ordner);
    for (const QString& seite : seiten) {
        QFile f(ordner + u'/' + seite);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<html><body><h1>" + seite.toUtf8() + "</h1></body></html>");
    }
}
