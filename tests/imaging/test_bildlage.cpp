// Pictures taken upright and the day they were taken: both come from the
// EXIF data the camera wrote. The pictures are made here and tagged with
// Exiv2, the same library the program reads them with.
#include "Aufnahmedatum.h"
#include "Bildleser.h"
#include "ExifSchreiben.h"
#include "Vorschaubild.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Red on the left, blue on the right, as the sensor stored it.
QImage RotLinksBlauRechts(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::blue);
    QPainter(&bild).fillRect(0, 0, breite / 2, hoehe, Qt::red);
    return bild;
}

bool Rot(QRgb farbe)
{
    return qRed(farbe) > 180 && qBlue(farbe) < 80;
}
bool Blau(QRgb farbe)
{
    return qBlue(farbe) > 180 && qRed(farbe) < 80;
}

QByteArray Jpeg(const QImage& bild)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "JPEG", 90);
    return daten;
}

bool Schreiben(const QString& pfad, const QByteArray& daten)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(daten) == daten.size();
}

}  // namespace

class TestBildlage : public QObject {
    Q_OBJECT

private slots:
    void exifDatumstext_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("datum");
        QTest::newRow("mit Uhrzeit") << "2004:05:31 14:02:11" << QDate(2004, 5, 31);
        QTest::newRow("ohne Uhrzeit") << "1999:12:01" << QDate(1999, 12, 1);
        QTest::newRow("Leerzeichen drumherum") << " 2010:01:02 00:00:00 " << QDate(2010, 1, 2);
        QTest::newRow("Uhr nie gestellt") << "0000:00:00 00:00:00" << QDate();
        QTest::newRow("unbekannt, leer gelassen") << "    :  :     :  :  " << QDate();
        QTest::newRow("leer") << "" << QDate();
        QTest::newRow("ISO statt EXIF") << "2004-05-31 14:02:11" << QDate();
        QTest::newRow("Monat 13") << "2004:13:01 10:00:00" << QDate();
        QTest::newRow("30. Februar") << "2004:02:30 10:00:00" << QDate();
    }
    void exifDatumstext()
    {
        QFETCH(QString, text);
        QFETCH(QDate, datum);
        QCOMPARE(ExifDatumLesen(text), datum);
    }

    void aufnahmedatumAusDerDatei()
    {
        QTemporaryDir ordner;
        const QByteArray jpeg = Jpeg(RotLinksBlauRechts(64, 48));
        const QString original = ordner.filePath("original.jpg"), digitalisiert = ordner.filePath("digital.jpg");
        const QString beide = ordner.filePath("beide.jpg"), ungestellt = ordner.filePath("ungestellt.jpg");
        const QString ohne = ordner.filePath("ohne.jpg"), kaputt = ordner.filePath("kaputt.jpg");
        const QString text = ordner.filePath("text.jpg");
        for (const QString& pfad : { original, digitalisiert, beide, ungestellt, ohne })
            QVERIFY(Schreiben(pfad, jpeg));
        QVERIFY(ExifSetzen(original, { { "Exif.Photo.DateTimeOriginal", "2004:05:31 14:02:11" } }));
        QVERIFY(ExifSetzen(digitalisiert, { { "Exif.Photo.DateTimeDigitized", "2001:02:03 04:05:06" } }));
        QVERIFY(ExifSetzen(beide,
            { { "Exif.Photo.DateTimeOriginal", "2004:05:31 14:02:11" },
                { "Exif.Photo.DateTimeDigitized", "2001:02:03 04:05:06" },
                { "Exif.Image.DateTime", "2020:01:01 00:00:00" } }));
        // A camera whose clock was never set: the scanner's date is next best.
        QVERIFY(ExifSetzen(ungestellt,
            { { "Exif.Photo.DateTimeOriginal", "0000:00:00 00:00:00" },
                { "Exif.Photo.DateTimeDigitized", "2001:02:03 04:05:06" } }));
        // Only the date an editor last saved it: that is not when it was taken.
        QVERIFY(ExifSetzen(ohne, { { "Exif.Image.DateTime", "2020:01:01 00:00:00" } }));
        QVERIFY(Schreiben(kaputt, MitKaputtemExif(jpeg)));
        QVERIFY(!QImageReader(kaputt).read().isNull());  // the picture itself is fine
        QVERIFY(Schreiben(text, "kein Bild, nur ein Text\n"));

        QCOMPARE(Aufnahmedatum(original), QDate(2004, 5, 31));
        QCOMPARE(Aufnahmedatum(digitalisiert), QDate(2001, 2, 3));
        QCOMPARE(Aufnahmedatum(beide), QDate(2004, 5, 31));
        QCOMPARE(Aufnahmedatum(ungestellt), QDate(2001, 2, 3));
        QCOMPARE(Aufnahmedatum(ohne), QDate());
        QCOMPARE(Aufnahmedatum(kaputt), QDate());
        QCOMPARE(Aufnahmedatum(text), QDate());
        QCOMPARE(Aufnahmedatum(ordner.filePath("fehlt.jpg")), QDate());
        QCOMPARE(Aufnahmedatum(ordner.path()), QDate());
    }

    void hochkantAufgenommen_data()
    {
        QTest::addColumn<int>("lage");
        QTest::addColumn<bool>("gedreht");
        QTest::addColumn<QString>("oben");  // colour of the upright picture's top left
        QTest::addColumn<QString>("unten");  // and of its bottom right
        // Stored 200 x 100, red left. Turned clockwise (6) red comes on top,
        // counter-clockwise (8) at the bottom; 3 is upside down.
        QTest::newRow("ohne Angabe") << 0 << false << "rot"
                                     << "blau";
        QTest::newRow("1 normal") << 1 << false << "rot"
                                  << "blau";
        QTest::newRow("3 auf dem Kopf") << 3 << false << "blau"
                                        << "rot";
        QTest::newRow("6 rechts gedreht") << 6 << true << "rot"
                                          << "blau";
        QTest::newRow("8 links gedreht") << 8 << true << "blau"
                                         << "rot";
    }
    void hochkantAufgenommen()
    {
        QFETCH(int, lage);
        QFETCH(bool, gedreht);
        QFETCH(QString, oben);
        QFETCH(QString, unten);
        auto farbe = [](QRgb p) { return Rot(p) ? QStringLiteral("rot") : Blau(p) ? QStringLiteral("blau") : "?"; };

        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("bild.jpg");
        QVERIFY(Schreiben(pfad, Jpeg(RotLinksBlauRechts(200, 100))));
        if (lage > 0)
            QVERIFY(ExifSetzen(pfad, { { "Exif.Image.Orientation", QString::number(lage) } }));
        const QSize aufrecht = gedreht ? QSize(100, 200) : QSize(200, 100);

        // The reader hands out the upright size and picture, also decoded reduced.
        Bildleser leser;
        QVERIFY(leser.Oeffnen(pfad));
        QCOMPARE(leser.Groesse(), aufrecht);
        const QImage klein = leser.Lesen(aufrecht / 2);
        QCOMPARE(klein.size(), aufrecht / 2);
        QCOMPARE(farbe(klein.pixel(2, 2)), oben);
        QCOMPARE(farbe(klein.pixel(klein.width() - 3, klein.height() - 3)), unten);
        QVERIFY(Bildleser::Pruefen(pfad));

        // The thumbnail's size rule works on the upright picture.
        const QString vorschau = ordner.filePath("vorschau.jpg");
        const Vorschauergebnis e = VorschaubildErzeugen(pfad, vorschau);
        QVERIFY2(e.ok, qPrintable(e.grund));
        QCOMPARE(QSize(e.breite, e.hoehe), VorschaubildGroesse(aufrecht));
        const QImage geschrieben(vorschau);
        QCOMPARE(geschrieben.size(), VorschaubildGroesse(aufrecht));
        QCOMPARE(farbe(geschrieben.pixel(2, 2)), oben);
        QCOMPARE(farbe(geschrieben.pixel(geschrieben.width() - 3, geschrieben.height() - 3)), unten);
    }
};

QTEST_MAIN(TestBildlage)
#include "test_bildlage.moc"
