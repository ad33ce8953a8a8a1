#include "Testsammlung.h"

#include "Datenbankschema.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QtTest>

Testsammlung::Testsammlung()
{
    z.programmordner = ordner(QStringLiteral("programm"));
    z.programmordner.chop(1);
    z.meldungen = &meldungen;
    z.oberflaeche = &ui;
    laufwerke.hinzufuegen(QStringLiteral("/"), Laufwerk::Festplatte, QString());
    z.laufwerksliste = &laufwerke;
    z.bilderverzeichnis = ordner(QStringLiteral("BilderVerzeichnis"));
    const QString datei = wurzel() + QStringLiteral("Sammlung.mdb");
    DatenbankErstellen(datei);
    if (!DatenbankOhneAlbenOeffnen(z, db, datei))
        qFatal("Die Testsammlung lässt sich nicht öffnen.");
    meldungen.leeren();
    ui.aufrufe.clear();
}

Testsammlung::~Testsammlung()
{
    DatenbankSchliessen(z, db);
}

QString Testsammlung::ordner(const QString& name) const
{
    const QString pfad = wurzel() + name + QLatin1Char('/');
    QDir().mkpath(pfad);
    return pfad;
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

QString Testsammlung::albumNummer(const QString& name)
{
    db.rsAlben.Filter(QStringLiteral("Albenname"), name);
    const QString nummer = FeldLesen(db.rsAlben, QStringLiteral("Nummer"));
    db.rsAlben.FilterEntfernen();
    return nummer;
}

void Testsammlung::albumWaehlen(const QString& nummer)
{
    Recordset& rs = db.rsAlben;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        if (FeldLesen(rs, QStringLiteral("Nummer")) == nummer)
            break;
    }
    QVERIFY(!rs.Eof());
    z.albumName = FeldLesen(rs, QStringLiteral("Albenname"));
    z.albumPfad = FeldLesen(rs, QStringLiteral("Pfad"));
    z.albumCDName = FeldLesen(rs, QStringLiteral("CD-Name"));
    z.suchergebnisAngezeigt = false;
    AlbumOeffnen(z, db, nummer);
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

void Testsammlung::bildSchreiben(const QString& pfad, QSize groesse)
{
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(QColor(0, 139, 139));
    QPainter maler(&bild);
    maler.fillRect(0, 0, groesse.width() / 2, groesse.height() / 2, Qt::yellow);
    maler.end();
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung == QLatin1String("gif")) {
        // Qt cannot write GIF: a fixed 1 x 1 picture.
        static const unsigned char gif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00,
                                            0x00, 0xff, 0xff, 0xff, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00,
                                            0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};
        QFile datei(pfad);
        if (!datei.open(QIODevice::WriteOnly) || datei.write(reinterpret_cast<const char*>(gif), sizeof gif) < 0)
            qFatal("Testbild %s lässt sich nicht schreiben.", qPrintable(pfad));
        return;
    }
    const QByteArray format = endung == QLatin1String("jpg") ? QByteArray("JPG") : endung.toUpper().toLatin1();
    if (!bild.save(pfad, format.constData()))
        qFatal("Testbild %s lässt sich nicht schreiben.", qPrintable(pfad));
}
