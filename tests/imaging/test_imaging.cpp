#include "Meldungsrecorder.h"
#include "Twips.h"
#include "Vorschaubild.h"
#include "cDIBSection.h"
#include "mIntelJPEGLibrary.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <limits>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Red above, blue below: shows at once whether rows were turned over or
// the colour bytes swapped on the way through the bottom-up bitmap.
QImage RotUeberBlau(int breite, int hoehe, QImage::Format format = QImage::Format_RGB32)
{
    QImage bild(breite, hoehe, format);
    bild.fill(Qt::blue);
    QPainter maler(&bild);
    maler.fillRect(0, 0, breite, hoehe / 2, Qt::red);
    return bild;
}

bool Ungefaehr(QRgb ist, QColor soll, int toleranz = 40)
{
    return qAbs(qRed(ist) - soll.red()) <= toleranz && qAbs(qGreen(ist) - soll.green()) <= toleranz
           && qAbs(qBlue(ist) - soll.blue()) <= toleranz;
}

QByteArray Jpeg(const QImage& bild, int qualitaet = 90)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "JPEG", qualitaet);
    return daten;
}

bool Schreiben(const QString& pfad, const QByteArray& daten)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(daten) == daten.size();
}

// A 1 x 1 GIF with a red pixel, written out by hand (Qt has no GIF writer).
QByteArray RoterPunktGif()
{
    static const char daten[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                                ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;";
    return QByteArray(daten, sizeof(daten) - 1);
}

QStringList Dateien(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

class TestImaging : public QObject {
    Q_OBJECT

private slots:
    void groessenUndGrenzen();
    void bitmapLiegtVonUntenNachOben();
    void ausschnitteUndRasterops();
    void resample();
    void randomiseBits();
    void copyToClipboard();
    void jpegRundreise();
    void jpegFehlerHinterlassenNichts();
    void vorschauGroesse();
    void vorschaubildAusJpegGifBmp();
    void kaputteBilderGebenFehler_data();
    void kaputteBilderGebenFehler();
    void namedPipeWirdNichtGeoeffnet();
};

void TestImaging::groessenUndGrenzen()
{
    // Rows are padded to 4 bytes: width 1 -> 4, 80 -> 240, 81 -> 244.
    const QList<QPair<int, int>> zeilen{{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {80, 240}, {81, 244}};
    cDIBSection dib;
    for (const auto& [breite, zeile] : zeilen) {
        QVERIFY(dib.Create(breite, 60));
        QCOMPARE(dib.BytesPerScanLine(), zeile);
        QCOMPARE(dib.ImageSize(), zeile * 60);
    }
    // A failed Create leaves the bitmap empty, not holding the old one.
    QVERIFY(!dib.Create(0, 10));
    QVERIFY(dib.IstLeer() && !dib.DIBSectionBitsPtr() && dib.Width() == 0);
    QVERIFY(!dib.Create(10, -1));
    QVERIFY(!dib.Create(100000, 100000));  // more than a 32-bit size
    QVERIFY(!dib.Create(std::numeric_limits<int>::max(), 1));
    QVERIFY(!dib.CreateFromPicture(QImage()));
    QVERIFY(!dib.Resample(10, 10));
}

void TestImaging::bitmapLiegtVonUntenNachOben()
{
    QImage bild(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            bild.setPixel(x, y, qRgb(10 * x, 50 * y, 7));
    cDIBSection dib;
    QVERIFY(dib.CreateFromPicture(bild));
    const unsigned char* bits = dib.DIBSectionBitsPtr();
    // The first stored row is the picture's bottom row, blue first; 15 bytes
    // of pixels per row, the 16th is padding and stays 0.
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(bits), 4), QByteArray("\x07\x64\x00\x07", 4));
    QCOMPARE(int(bits[4 * 3 + 2]), 40);
    QCOMPARE(int(bits[15]), 0);
    QCOMPARE(int(bits[16 + 1]), 50);
    QCOMPARE(int(bits[2 * 16 + 1]), 0);
    QCOMPARE(dib.Bild(), bild);

    // Other formats arrive the same way; transparent parts as over white.
    const QImage vorlage = RotUeberBlau(6, 4);
    for (QImage::Format format : {QImage::Format_RGB888, QImage::Format_BGR888, QImage::Format_Indexed8,
                                  QImage::Format_RGB16, QImage::Format_ARGB32}) {
        QVERIFY(dib.CreateFromPicture(vorlage.convertToFormat(format)));
        QCOMPARE(dib.Bild(), vorlage);
    }
    QImage durchsichtig(2, 1, QImage::Format_ARGB32);
    durchsichtig.setPixel(0, 0, qRgba(0, 0, 0, 0));
    durchsichtig.setPixel(1, 0, qRgba(255, 0, 0, 128));
    QVERIFY(dib.CreateFromPicture(durchsichtig));
    QCOMPARE(dib.Bild().pixel(0, 0), qRgb(255, 255, 255));
    QVERIFY(Ungefaehr(dib.Bild().pixel(1, 0), QColor(255, 127, 127), 2));
}

void TestImaging::ausschnitteUndRasterops()
{
    QImage quelle(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            quelle.setPixel(x, y, qRgb(x * 30, y * 30, 0));
    cDIBSection dib;
    QVERIFY(dib.Create(4, 4));
    // From (6, 5) only a 2 x 3 corner exists; the rest of the bitmap stays black.
    dib.LoadPictureBlt(quelle, 6, 5);
    const QImage ecke = dib.Bild();
    QVERIFY(ecke.pixel(0, 0) == qRgb(180, 150, 0) && ecke.pixel(1, 2) == qRgb(210, 210, 0));
    QVERIFY(ecke.pixel(2, 0) == qRgb(0, 0, 0) && ecke.pixel(0, 3) == qRgb(0, 0, 0));

    // Painted at (-1, 6), one row high: only columns 1-3 of row 0 land, at row 6.
    dib.LoadPictureBlt(quelle);
    QImage ziel(8, 8, QImage::Format_RGB888);
    ziel.fill(Qt::white);
    dib.PaintPicture(ziel, -1, 6, -1, 1);
    QVERIFY(ziel.pixel(0, 6) == quelle.pixel(1, 0) && ziel.pixel(2, 6) == quelle.pixel(3, 0));
    QVERIFY(ziel.pixel(3, 6) == qRgb(255, 255, 255) && ziel.pixel(0, 7) == qRgb(255, 255, 255));

    // Exclusive or twice gives back what was there.
    QImage muster = RotUeberBlau(4, 4);
    dib.PaintPicture(muster, 0, 0, -1, -1, 0, 0, cDIBSection::Rasterop::ExklusivOder);
    QVERIFY(muster != RotUeberBlau(4, 4));
    dib.PaintPicture(muster, 0, 0, -1, -1, 0, 0, cDIBSection::Rasterop::ExklusivOder);
    QCOMPARE(muster, RotUeberBlau(4, 4));
}

void TestImaging::resample()
{
    cDIBSection dib;
    QVERIFY(dib.Create(37, 11));
    dib.RandomiseBits(false);
    std::unique_ptr<cDIBSection> neu = dib.Resample(11, 37);
    QVERIFY(neu);
    QCOMPARE(QSize(neu->Width(), neu->Height()), QSize(37, 11));
    QVERIFY(std::memcmp(neu->DIBSectionBitsPtr(), dib.DIBSectionBitsPtr(), size_t(dib.ImageSize())) == 0);
    QVERIFY(!dib.Resample(0, 5));

    // One row 0, 100, 200: step (3 - 1) / 4 = 0.5 gives 0, 50, 100, 150.
    // A single row has no row below it, which must not be read past the end.
    QImage zeile(3, 1, QImage::Format_RGB32);
    for (int x = 0; x < 3; ++x)
        zeile.setPixel(x, 0, qRgb(0, 0, 100 * x));
    QVERIFY(dib.CreateFromPicture(zeile));
    neu = dib.Resample(1, 4);
    QVERIFY(neu);
    const QImage b = neu->Bild();
    QCOMPARE(b.size(), QSize(4, 1));
    QCOMPARE(QList<int>({qBlue(b.pixel(0, 0)), qBlue(b.pixel(1, 0)), qBlue(b.pixel(2, 0)), qBlue(b.pixel(3, 0))}),
             QList<int>({0, 50, 100, 150}));

    // The same down a single column; rows are counted from the bottom.
    QImage spalte(1, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        spalte.setPixel(0, y, qRgb(100 * (2 - y), 0, 0));
    QVERIFY(dib.CreateFromPicture(spalte));
    neu = dib.Resample(4, 2);
    QVERIFY(neu);
    const QImage h = neu->Bild();
    QCOMPARE(h.size(), QSize(2, 4));
    QCOMPARE(QList<int>({qRed(h.pixel(0, 3)), qRed(h.pixel(1, 2)), qRed(h.pixel(0, 0))}), QList<int>({0, 50, 150}));
}

void TestImaging::randomiseBits()
{
    cDIBSection dib;
    QVERIFY(dib.Create(33, 20));
    for (const bool grau : {true, false}) {
        dib.RandomiseBits(grau);
        QSet<int> werte;
        for (int y = 0; y < 20; ++y) {
            const unsigned char* p = dib.DIBSectionBitsPtr() + y * dib.BytesPerScanLine();
            for (int x = 0; x < 33; ++x, p += 3) {
                if (grau)
                    QVERIFY(p[1] == p[0] && p[2] == p[0]);
                else
                    QCOMPARE(int(p[0]), 0);
                werte << p[1] << p[2];
            }
            QCOMPARE(int(p[0]), 0);  // padding
        }
        QVERIFY(werte.size() > 100);
    }
}

void TestImaging::copyToClipboard()
{
    Meldungsrecorder recorder;
    cDIBSection dib;
    QVERIFY(dib.CreateFromPicture(RotUeberBlau(9, 6)));
    QGuiApplication::clipboard()->clear();

    QVERIFY(!dib.CopyToClipboard(true, &recorder));
    QCOMPARE(recorder.texte(), QStringList{QStringLiteral("Noch nicht verfügbar!")});
    QCOMPARE(recorder.meldungen.first().stil, Meldungen::Normal);
    QVERIFY(QGuiApplication::clipboard()->image().isNull());

    QVERIFY(dib.CopyToClipboard(false, &recorder));
    QCOMPARE(recorder.meldungen.size(), 1);
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), RotUeberBlau(9, 6));
}

void TestImaging::jpegRundreise()
{
    QTemporaryDir ordner;
    // Without padding, with padding, and one pixel wide.
    for (const QSize groesse : {QSize(64, 48), QSize(61, 47), QSize(1, 40)}) {
        cDIBSection dib;
        QVERIFY(dib.CreateFromPicture(RotUeberBlau(groesse.width(), groesse.height())));
        const QString datei = ordner.filePath(QStringLiteral("Bild 1.gif"));  // thumbnails keep the picture's name
        JpegFehler fehler;
        QVERIFY(JpegSpeichern(dib, datei, 85, &fehler));
        QCOMPARE(fehler.nummer, 0);
        QCOMPARE(Dateien(ordner.path()), QStringList{QStringLiteral("Bild 1.gif")});

        QImageReader leser(datei);
        QCOMPARE(leser.format(), QByteArray("jpeg"));
        const QImage zurueck = leser.read();
        QCOMPARE(zurueck.size(), groesse);
        QVERIFY(Ungefaehr(zurueck.pixel(0, 1), Qt::red));
        QVERIFY(Ungefaehr(zurueck.pixel(groesse.width() - 1, groesse.height() - 2), Qt::blue));
    }
}

void TestImaging::jpegFehlerHinterlassenNichts()
{
    QTemporaryDir ordner;
    JpegFehler fehler;
    QVERIFY(!JpegSpeichern(cDIBSection(), ordner.filePath(QStringLiteral("a.jpg")), 85, &fehler));
    QCOMPARE(fehler.nummer, qint32(-2147221503));
    QCOMPARE(fehler.beschreibung, QStringLiteral("Speichern fehlgeschlagen"));

    cDIBSection dib;
    QVERIFY(dib.CreateFromPicture(RotUeberBlau(8, 8)));
    fehler = {};
    QVERIFY(!JpegSpeichern(dib, ordner.filePath(QStringLiteral("fehlt/a.jpg")), 85, &fehler));
    QCOMPARE(fehler.beschreibung, QStringLiteral("Speichern fehlgeschlagen"));
    // The target is a folder: it stays, and no temporary file is left beside it.
    QVERIFY(QDir(ordner.path()).mkdir(QStringLiteral("b.jpg")));
    QVERIFY(!JpegSpeichern(dib, ordner.filePath(QStringLiteral("b.jpg")), 85, &fehler));
    QCOMPARE(Dateien(ordner.path()), QStringList{QStringLiteral("b.jpg")});
    QVERIFY(QFileInfo(ordner.filePath(QStringLiteral("b.jpg"))).isDir());
}

void TestImaging::vorschauGroesse()
{
    QCOMPARE(VorschaubildGroesseTwips(QSizeF(3000, 2000)), QSizeF(2400, 1600));
    QCOMPARE(VorschaubildGroesseTwips(QSizeF(1000, 2000)), QSizeF(1170, 2340));
    QCOMPARE(VorschaubildGroesseTwips(QSizeF(300, 200)), QSizeF(2400, 1600));  // small ones grow
    QVERIFY(VorschaubildGroesseTwips(QSizeF(0, 100)).isEmpty());

    // The cell is 160 x 156 pixels at 15 twips per pixel.
    if (!qFuzzyCompare(Twips::proPixel(), 15.0))
        QSKIP("the screen does not have 96 dpi");
    QCOMPARE(VorschaubildGroesse(QSize(4000, 3000)), QSize(160, 120));
    QCOMPARE(VorschaubildGroesse(QSize(3000, 4000)), QSize(117, 156));
    QCOMPARE(VorschaubildGroesse(QSize(40, 30)), QSize(160, 120));
    QCOMPARE(VorschaubildGroesse(QSize(1, 4000)), QSize(1, 156));
    QCOMPARE(VorschaubildGroesse(QSize(4000, 1)), QSize(160, 1));
}

void TestImaging::vorschaubildAusJpegGifBmp()
{
    QTemporaryDir quelle, ziel;
    QVERIFY(Schreiben(quelle.filePath(QStringLiteral("Urlaub.JPG")), Jpeg(RotUeberBlau(1600, 1200))));
    QVERIFY(Schreiben(quelle.filePath(QStringLiteral("a.gif")), RoterPunktGif()));
    // Complete, with padding behind the trailer as some programs write it.
    QVERIFY(Schreiben(quelle.filePath(QStringLiteral("aufgefuellt.gif")), RoterPunktGif() + QByteArray("\n\0\0", 3)));
    QVERIFY(RotUeberBlau(300, 400).save(quelle.filePath(QStringLiteral("b.bmp")), "BMP"));
    QVERIFY(Schreiben(quelle.filePath(QStringLiteral("c.bmp")), Jpeg(RotUeberBlau(64, 64))));  // content decides
    QImage schmal(1, 4000, QImage::Format_RGB32);
    schmal.fill(Qt::red);
    QVERIFY(schmal.save(quelle.filePath(QStringLiteral("schmal.jpg")), "JPEG", 90));

    for (const QString& name : QDir(quelle.path()).entryList(QDir::Files)) {
        const Vorschauergebnis e = VorschaubildErzeugen(quelle.filePath(name), ziel.filePath(name));
        QVERIFY2(e.ok, qPrintable(name + QLatin1Char(' ') + e.grund));
        QCOMPARE(QSize(e.breite, e.hoehe), VorschaubildGroesse(QImageReader(quelle.filePath(name)).size()));

        QImageReader leser(ziel.filePath(name));
        QCOMPARE(leser.format(), QByteArray("jpeg"));
        const QImage vorschau = leser.read();
        QCOMPARE(vorschau.size(), QSize(e.breite, e.hoehe));  // at least 1 wide for the 1 x 4000 one
        QVERIFY(Ungefaehr(vorschau.pixel(vorschau.width() / 2, 2), Qt::red));
        if (name.startsWith(QLatin1String("b")) || name.startsWith(QLatin1String("U")))
            QVERIFY(Ungefaehr(vorschau.pixel(vorschau.width() / 2, vorschau.height() - 3), Qt::blue));
    }
    QCOMPARE(Dateien(ziel.path()).size(), 6);

    // A second run replaces the thumbnail.
    const QString bild = quelle.filePath(QStringLiteral("Urlaub.JPG"));
    QVERIFY(Schreiben(bild, Jpeg(RotUeberBlau(300, 900))));
    const Vorschauergebnis e = VorschaubildErzeugen(bild, ziel.filePath(QStringLiteral("Urlaub.JPG")));
    QVERIFY(e.ok && e.hoehe > e.breite);
    QCOMPARE(QImageReader(ziel.filePath(QStringLiteral("Urlaub.JPG"))).size(), QSize(e.breite, e.hoehe));
}
void TestImaging::kaputteBilderGebenFehler_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    const QByteArray jpeg = Jpeg(RotUeberBlau(640, 480));
    QByteArray gif = RoterPunktGif();
    QByteArray bmp;
    {
        QBuffer puffer(&bmp);
        puffer.open(QIODevice::WriteOnly);
        RotUeberBlau(100, 80).save(&puffer, "BMP");
    }
    // A header that promises 65000 x 65000 pixels in a file of a few bytes.
    QByteArray riesig = Jpeg(RotUeberBlau(16, 16));
    const int sof = riesig.indexOf("\xff\xc0");
    QVERIFY(sof > 0);
    riesig[sof + 5] = riesig[sof + 7] = char(0xfd);
    riesig[sof + 6] = riesig[sof + 8] = char(0xe8);

    QTest::newRow("leer") << QByteArray();
    QTest::newRow("kein Bild") << QByteArray("Dies ist ein Brief, kein Bild.\n").repeated(20);
    QTest::newRow("JPEG halb") << jpeg.left(jpeg.size() / 2);
    QTest::newRow("JPEG ohne Schluss") << jpeg.left(jpeg.size() - 2);
    QTest::newRow("JPEG nur Kopf") << jpeg.left(300);
    QTest::newRow("JPEG beschaedigt") << QByteArray("\xff\xd8\xff\xe0") + QByteArray(400, '\x5a');
    QTest::newRow("JPEG riesig") << riesig;
    QTest::newRow("GIF abgeschnitten") << gif.left(gif.size() - 3);
    QTest::newRow("BMP abgeschnitten") << bmp.left(bmp.size() - 500);
    QTest::newRow("BMP riesig") << bmp.left(18) + QByteArray("\xa0\x86\x01\x00\xa0\x86\x01\x00", 8) + bmp.mid(26);
}

void TestImaging::kaputteBilderGebenFehler()
{
    QFETCH(QByteArray, inhalt);
    QTemporaryDir quelle, ziel;
    const QString bild = quelle.filePath(QStringLiteral("Bild.jpg"));
    QVERIFY(Schreiben(bild, inhalt));
    const Vorschauergebnis e = VorschaubildErzeugen(bild, ziel.filePath(QStringLiteral("Bild.jpg")));
    QVERIFY(!e.ok);
    QCOMPARE(e.fehlertext, QStringLiteral("Fehler beim Laden des Bildes."));
    QVERIFY(!e.grund.isEmpty());
    QCOMPARE(Dateien(ziel.path()), QStringList());
}

void TestImaging::namedPipeWirdNichtGeoeffnet()
{
#ifdef Q_OS_UNIX
    QTemporaryDir ordner;
    const QString fifo = ordner.filePath(QStringLiteral("Bild.jpg"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Should the pipe be opened after all, a valid picture comes through it
    // and the test sees a thumbnail instead of a hang.
    const QByteArray jpeg = Jpeg(RotUeberBlau(32, 32));
    std::thread schreiber([&] {
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY);
        if (fd >= 0) {
            [[maybe_unused]] const auto n = ::write(fd, jpeg.constData(), size_t(jpeg.size()));
            ::close(fd);
        }
    });
    const Vorschauergebnis e = VorschaubildErzeugen(fifo, ordner.filePath(QStringLiteral("Vorschau.jpg")));
    const int leser = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    schreiber.join();
    ::close(leser);
    QVERIFY(!e.ok);
    QCOMPARE(e.fehlertext, QStringLiteral("Fehler beim Laden des Bildes."));
    QCOMPARE(Dateien(ordner.path()), QStringList{QStringLiteral("Bild.jpg")});

    // A folder named like a picture is refused as well.
    QVERIFY(QDir(ordner.path()).mkdir(QStringLiteral("Ordner.jpg")));
    QVERIFY(!VorschaubildErzeugen(ordner.filePath(QStringLiteral("Ordner.jpg")), ordner.filePath(QStringLiteral("x.jpg"))).ok);
    QVERIFY(!VorschaubildErzeugen(ordner.filePath(QStringLiteral("fehlt.jpg")), ordner.filePath(QStringLiteral("x.jpg"))).ok);
    QVERIFY(!QFile::exists(ordner.filePath(QStringLiteral("x.jpg"))));
#else
    QSKIP("named pipes are a Unix matter");
#endif
}

QTEST_MAIN(TestImaging)
#include "test_imaging.moc"
