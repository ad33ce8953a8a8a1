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

namespace {

// Qt reads GIF but cannot write it: a small four-colour GIF of our own. The
// codes stay 3 bits wide because a clear code follows every two pixels.
QByteArray gifBilden(const QImage& bild)
{
    const QRgb farben[4] = {qRgb(0, 139, 139), qRgb(255, 255, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)};
    QByteArray d("GIF89a");
    auto wort = [&d](int w) {
        d.append(char(w & 0xff));
        d.append(char((w >> 8) & 0xff));
    };
    wort(bild.width());
    wort(bild.height());
    d.append(char(0x81));  // global colour table of 4 entries
    d.append(char(0));
    d.append(char(0));
    for (QRgb f : farben) {
        d.append(char(qRed(f)));
        d.append(char(qGreen(f)));
        d.append(char(qBlue(f)));
    }
    d.append(',');
    wort(0);
    wort(0);
    wort(bild.width());
    wort(bild.height());
    d.append(char(0));
    d.append(char(2));  // minimum code size

    QByteArray daten;
    quint32 puffer = 0;
    int bits = 0;
    auto code = [&](int c) {
        puffer |= quint32(c) << bits;
        bits += 3;
        while (bits >= 8) {
            daten.append(char(puffer & 0xff));
            puffer >>= 8;
            bits -= 8;
        }
    };
    int zaehler = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (zaehler++ % 2 == 0)
                code(4);
            code(bild.pixel(x, y) == farben[1] ? 1 : 0);
        }
    }
    code(5);
    if (bits > 0)
        daten.append(char(puffer & 0xff));
    for (int i = 0; i < daten.size(); i += 255) {
        const QByteArray block = daten.mid(i, 255);
        d.append(char(block.size()));
        d.append(block);
    }
    d.append(char(0));
    d.append(';');
    return d;
}

}  // namespace

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
        QFile datei(pfad);
        if (!datei.open(QIODevice::WriteOnly) || datei.write(gifBilden(bild)) < 0)
            qFatal("Testbild %s lässt sich nicht schreiben.", qPrintable(pfad));
        return;
    }
    const QByteArray format = endung == QLatin1String("jpg") ? QByteArray("JPG") : endung.toUpper().toLatin1();
    if (!bild.save(pfad, format.constData()))
        qFatal("Testbild %s lässt sich nicht schreiben.", qPrintable(pfad));
}
