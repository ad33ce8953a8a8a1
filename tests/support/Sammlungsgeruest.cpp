#include "Sammlungsgeruest.h"

#include "Datenbankschema.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

Sammlungsgeruest::Sammlungsgeruest()
{
    z.programmordner = wurzel() + QStringLiteral("programm");
    QDir().mkpath(z.programmordner);
    z.meldungen = &meldungen;
    laufwerke.hinzufuegen(QStringLiteral("/"), Laufwerk::Festplatte, QString());
    z.laufwerksliste = &laufwerke;
    z.bilderverzeichnis = ordner(QStringLiteral("BilderVerzeichnis"));
    DatenbankErstellen(datei());
    if (!DatenbankOhneAlbenOeffnen(z, db, datei()))
        qFatal("Die Testsammlung lässt sich nicht öffnen.");
    meldungen.leeren();
}

Sammlungsgeruest::~Sammlungsgeruest()
{
    z.oberflaeche = nullptr;
    DatenbankSchliessen(z, db);
}

QString Sammlungsgeruest::ordner(const QString& name) const
{
    const QString pfad = wurzel() + name + QLatin1Char('/');
    QDir().mkpath(pfad);
    return pfad;
}

QString Sammlungsgeruest::albumNummer(const QString& name)
{
    db.rsAlben.Filter(QStringLiteral("Albenname"), name);
    const QString nummer = FeldLesen(db.rsAlben, QStringLiteral("Nummer"));
    db.rsAlben.FilterEntfernen();
    return nummer;
}

void Sammlungsgeruest::albumWaehlen(const QString& nummer)
{
    Recordset& rs = db.rsAlben;
    rs.Filter(QStringLiteral("Nummer"), nummer);
    if (rs.RecordCount() != 1)
        qFatal("Das Album %s gibt es nicht.", qPrintable(nummer));
    z.albumName = FeldLesen(rs, QStringLiteral("Albenname"));
    z.albumPfad = FeldLesen(rs, QStringLiteral("Pfad"));
    z.albumCDName = FeldLesen(rs, QStringLiteral("CD-Name"));
    rs.FilterEntfernen();
    z.suchergebnisAngezeigt = false;
    if (!db.rsAlbum.verbindung())
        db.rsAlbum.Einrichten(&db.conDaten, Recordset::Keyset, Recordset::Pessimistisch);
    AlbumOeffnen(z, db, nummer);
}

void Sammlungsgeruest::bildSchreiben(const QString& pfad, QSize groesse)
{
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
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(QColor(0, 139, 139));
    QPainter maler(&bild);
    maler.fillRect(0, 0, groesse.width() / 2, groesse.height() / 2, Qt::yellow);
    maler.end();
    const QByteArray format = endung == QLatin1String("jpg") || endung.isEmpty() ? QByteArray("JPG")
                                                                              : endung.toUpper().toLatin1();
    if (!bild.save(pfad, format.constData()))
        qFatal("Testbild %s lässt sich nicht schreiben.", qPrintable(pfad));
}
