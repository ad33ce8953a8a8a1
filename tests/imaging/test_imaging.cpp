// Bitmaps, JPEG output, copies and thumbnails from generated pictures, damaged files and full disks;
// EXIF orientation and dates; the thumbnail run on a pool of threads.
#include "Aufnahmedatum.h"
#include "Bildleser.h"
#include "Dateiausgabe.h"
#include "ExifSchreiben.h"
#include "KleinerDatentraeger.h"
#include "Twips.h"
#include "Vorschaubild.h"
#include "Vorschaubildpool.h"
#include "cDIBSection.h"
#include "mIntelJPEGLibrary.h"

#include <QImageReader>
#include <QPainter>
#include <QtEndian>
#include <QtTest>

#include <cstring>
#include <limits>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Red above, blue below: shows at once whether rows were turned over or
// the colour bytes swapped on the way through the bottom-up bitmap.
QImage RotUeberBlau(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::blue);
    QPainter(&bild).fillRect(0, 0, breite, hoehe / 2, Qt::red);
    return bild;
}

bool Ungefaehr(QRgb ist, QColor soll, int toleranz = 40)
{
    return qAbs(qRed(ist) - soll.red()) <= toleranz && qAbs(qGreen(ist) - soll.green()) <= toleranz
        && qAbs(qBlue(ist) - soll.blue()) <= toleranz;
}

QByteArray Kodiert(const QImage& bild, const char* format = "JPEG")
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, format, 90);
    return daten;
}

bool Schreiben(const QString& pfad, const QByteArray& daten)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(daten) == daten.size();
}

// The same BMP stored top-down: a negative height and the rows in the other order, so that it shows the same picture.
QByteArray VonObenNachUnten(const QByteArray& bmp)
{
    const auto* k = reinterpret_cast<const uchar*>(bmp.constData());
    const qint32 beginn = qFromLittleEndian<qint32>(k + 10), breite = qFromLittleEndian<qint32>(k + 18);
    const qint32 hoehe = qFromLittleEndian<qint32>(k + 22), bits = qFromLittleEndian<quint16>(k + 28);
    const qint32 zeile = (breite * bits + 31) / 32 * 4;
    QByteArray ergebnis = bmp.left(beginn);
    qToLittleEndian<qint32>(-hoehe, reinterpret_cast<uchar*>(ergebnis.data()) + 22);
    for (qint32 y = hoehe - 1; y >= 0; --y)
        ergebnis += bmp.mid(beginn + y * zeile, zeile);
    return ergebnis;
}

// A 1 x 1 GIF with a red pixel, written out by hand (Qt has no GIF writer).
const QByteArray RoterPunktGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                               ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
    35);

QStringList Dateien(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

class TestImaging : public QObject {
    Q_OBJECT

private slots:
    void groessenUndGrenzen()
    {
        cDIBSection dib;
        // A failed Create leaves the bitmap empty, not holding the old one; 100000 x 100000 is more than 32 bits.
        for (const auto& [breite, hoehe] :
            { std::pair { 0, 10 }, { 10, -1 }, { 100000, 100000 }, { std::numeric_limits<int>::max(), 1 } }) {
            QVERIFY(!dib.Create(breite, hoehe));
            QVERIFY(dib.IstLeer() && !dib.DIBSectionBitsPtr() && dib.Width() == 0);
        }
        QVERIFY(!dib.CreateFromPicture(QImage()));
    }

    void bitmapLiegtVonUntenNachOben()
    {
        // The first stored row is the picture's bottom row, blue byte first;
        // 15 bytes of pixels per row, the 16th is padding and stays 0.
        cDIBSection dib;
        QVERIFY(dib.CreateFromPicture(RotUeberBlau(5, 2)));
        const QByteArray bits(reinterpret_cast<const char*>(dib.DIBSectionBitsPtr()), dib.ImageSize());
        QCOMPARE(bits, QByteArray("\xff\0\0", 3).repeated(5) + '\0' + QByteArray("\0\0\xff", 3).repeated(5) + '\0');

        // Other formats arrive the same way; transparent parts as over white.
        for (QImage::Format format : { QImage::Format_RGB888, QImage::Format_BGR888, QImage::Format_Indexed8,
                 QImage::Format_RGB16, QImage::Format_ARGB32 }) {
            QVERIFY(dib.CreateFromPicture(RotUeberBlau(6, 4).convertToFormat(format)));
            QCOMPARE(dib.Bild(), RotUeberBlau(6, 4));
        }
        QImage durchsichtig(2, 1, QImage::Format_ARGB32);
        durchsichtig.setPixel(0, 0, qRgba(0, 0, 0, 0));
        durchsichtig.setPixel(1, 0, qRgba(255, 0, 0, 128));
        QVERIFY(dib.CreateFromPicture(durchsichtig));
        QVERIFY(dib.Bild().pixel(0, 0) == qRgb(255, 255, 255)
            && Ungefaehr(dib.Bild().pixel(1, 0), QColor(255, 127, 127), 2));
    }

    void jpegSchreiben()
    {
        QTemporaryDir ordner;
        // Without padding, with padding, and one pixel wide.
        for (const QSize groesse : { QSize(64, 48), QSize(61, 47), QSize(1, 40) }) {
            cDIBSection dib;
            QVERIFY(dib.CreateFromPicture(RotUeberBlau(groesse.width(), groesse.height())));
            const QString datei = ordner.filePath(u"Bild 1.gif"_s);  // thumbnails keep the picture's name
            JpegFehler fehler;
            QVERIFY(JpegSpeichern(dib, datei, 85, &fehler) && fehler.nummer == 0);
            QCOMPARE(Dateien(ordner.path()), QStringList({ "Bild 1.gif" }));
            const QImage zurueck(datei);
            QVERIFY(QImageReader(datei).format() == "jpeg" && zurueck.size() == groesse);
            QVERIFY(Ungefaehr(zurueck.pixel(0, 1), Qt::red)
                && Ungefaehr(zurueck.pixel(groesse.width() - 1, groesse.height() - 2), Qt::blue));
        }

        // Failures leave nothing behind: an empty bitmap, and a target that is a
        // folder (it stays, and no temporary file is left beside it).
        JpegFehler fehler;
        QVERIFY(!JpegSpeichern(cDIBSection(), ordner.filePath(u"a.jpg"_s), 85, &fehler) && fehler.nummer != 0);
        cDIBSection dib;
        QVERIFY(dib.CreateFromPicture(RotUeberBlau(8, 8)) && QDir(ordner.path()).mkdir(u"b.jpg"_s));
        QVERIFY(!JpegSpeichern(dib, ordner.filePath(u"b.jpg"_s), 85, &fehler));
        QCOMPARE(Dateien(ordner.path()), QStringList({ "b.jpg", "Bild 1.gif" }));
        QVERIFY(QFileInfo(ordner.filePath(u"b.jpg"_s)).isDir());
    }

    void vollerDatentraeger()
    {
        KleinerDatentraeger platte(64 * 1024);
        if (!platte.bereit())
            QSKIP(qPrintable(u"no tmpfs to fill: "_s + platte.grund()));
        // Noise does not compress: as JPEG it is far more than 64 KiB. The
        // write fails as a full disk and leaves nothing, not even a 0-byte file.
        cDIBSection rauschen;
        QVERIFY(rauschen.Create(600, 600));
        rauschen.RandomiseBits(false);
        JpegFehler fehler;
        QVERIFY(!JpegSpeichern(rauschen, platte.pfad() + u"a.jpg"_s, 85, &fehler));
        QVERIFY(fehler.keinPlatz);
        QCOMPARE(Dateien(platte.pfad()), QStringList());
        // A small thumbnail on a disk filled up: it fits a write buffer, whose
        // flush at the end must not lose the error.
        {
            QFile fueller(platte.pfad() + u"fueller"_s);
            QVERIFY(fueller.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (fueller.write(QByteArray(4096, 'x')) == 4096) { }
        }
        cDIBSection kleinesBild;
        QVERIFY(kleinesBild.CreateFromPicture(RotUeberBlau(64, 64)));
        fehler = {};
        QVERIFY(!JpegSpeichern(kleinesBild, platte.pfad() + u"a.jpg"_s, 85, &fehler));
        QVERIFY(fehler.keinPlatz);
        QCOMPARE(Dateien(platte.pfad()), QStringList({ "fueller" }));
        QVERIFY(QFile::remove(platte.pfad() + u"fueller"_s));
        // The thumbnail of such a picture says so too.
        QTemporaryDir quelle;
        QVERIFY(Schreiben(quelle.filePath(u"gross.bmp"_s), Kodiert(rauschen.Bild(), "BMP")));
        const Vorschauergebnis e = VorschaubildErzeugen(
            quelle.filePath(u"gross.bmp"_s), platte.pfad() + u"v.jpg"_s, { 2340 * 4, 2400 * 4, 100 });
        QVERIFY(!e.ok && e.keinPlatz);
        QCOMPARE(Dateien(platte.pfad()), QStringList());

        // A copy too large is not left cut off; one that fits is whole and keeps its time.
        QCOMPARE(
            DateiKopieren(quelle.filePath(u"gross.bmp"_s), platte.pfad() + u"gross.bmp"_s), Ausgabefehler::KeinPlatz);
        QCOMPARE(Dateien(platte.pfad()), QStringList());
        const QString klein = quelle.filePath(u"klein.jpg"_s);
        QVERIFY(Schreiben(klein, Kodiert(RotUeberBlau(32, 32))));
        const QDateTime zeit(QDate(2003, 7, 14), QTime(12, 0));
        {
            QFile f(klein);
            QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(zeit, QFileDevice::FileModificationTime));
        }
        QCOMPARE(DateiKopieren(klein, platte.pfad() + u"klein.jpg"_s), Ausgabefehler::Keiner);
        QVERIFY(GleicherInhalt(klein, platte.pfad() + u"klein.jpg"_s, true));
        QCOMPARE(QFileInfo(platte.pfad() + u"klein.jpg"_s).lastModified(), zeit);
        // An existing target is never replaced.
        QString grund;
        QCOMPARE(DateiKopieren(quelle.filePath(u"gross.bmp"_s), platte.pfad() + u"klein.jpg"_s, &grund),
            Ausgabefehler::Anderer);
        QVERIFY(!grund.isEmpty());
        QVERIFY(GleicherInhalt(klein, platte.pfad() + u"klein.jpg"_s, true));
    }

    void gleicherInhalt()
    {
        // The start of a file counts as the same file only where a cut-off copy is asked for.
        QTemporaryDir ordner;
        const QByteArray daten = Kodiert(RotUeberBlau(64, 48));
        const QList<std::tuple<const char*, QByteArray, bool, bool>> faelle = { { "gleich", daten, true, true },
            { "Anfang", daten.left(100), false, true }, { "leer", QByteArray(), false, true },
            { "anders", QByteArray(daten).replace(50, 1, "x"), false, false },
            { "laenger", daten + "x", false, false } };
        QVERIFY(Schreiben(ordner.filePath(u"quelle"_s), daten));
        for (const auto& [name, inhalt, ganz, anfang] : faelle) {
            QVERIFY(Schreiben(ordner.filePath(u"ziel"_s), inhalt));
            QVERIFY2(GleicherInhalt(ordner.filePath(u"quelle"_s), ordner.filePath(u"ziel"_s), true) == ganz, name);
            QVERIFY2(GleicherInhalt(ordner.filePath(u"quelle"_s), ordner.filePath(u"ziel"_s), false) == anfang, name);
        }
    }

    void vorschaubildAusJpegGifBmp()
    {
        // The cell is 2400 x 2340 twips, 160 x 156 pixels at 15 twips per pixel (offscreen).
        if (!qFuzzyCompare(Twips::proPixel(), 15.0))
            QSKIP("the screen does not have 96 dpi");
        QVERIFY(VorschaubildGroesseTwips(QSizeF(0, 100)).isEmpty());
        QTemporaryDir quelle, ziel;
        QImage schmal(1, 4000, QImage::Format_RGB32);
        schmal.fill(Qt::red);
        // Small ones grow, and a line of a picture keeps one pixel. The padded GIF is complete, with bytes
        // behind its trailer as some programs write them; the content decides, not the name. A BMP
        // stored top-down (negative height) is valid. Those named b... are blue below.
        const QList<std::tuple<QString, QByteArray, QSize>> bilder
            = { { u"Urlaub.JPG"_s, Kodiert(RotUeberBlau(1600, 1200)), QSize(160, 120) },
                  { u"a.gif"_s, RoterPunktGif, QSize(156, 156) },
                  { u"aufgefuellt.gif"_s, RoterPunktGif + QByteArray("\n\0\0", 3), QSize(156, 156) },
                  { u"b.bmp"_s, Kodiert(RotUeberBlau(300, 400), "BMP"), QSize(117, 156) },
                  { u"b_von_oben.bmp"_s, VonObenNachUnten(Kodiert(RotUeberBlau(101, 80), "BMP")), QSize(160, 127) },
                  { u"b_jpeg.bmp"_s, Kodiert(RotUeberBlau(64, 64)), QSize(156, 156) },
                  { u"schmal.jpg"_s, Kodiert(schmal), QSize(1, 156) },
                  { u"flach.jpg"_s, Kodiert(schmal.transformed(QTransform().rotate(90))), QSize(160, 1) } };
        for (const auto& [name, inhalt, soll] : bilder) {
            QVERIFY(Schreiben(quelle.filePath(name), inhalt));
            const Vorschauergebnis e = VorschaubildErzeugen(quelle.filePath(name), ziel.filePath(name));
            QVERIFY2(e.ok && QSize(e.breite, e.hoehe) == soll, qPrintable(name + u' ' + e.grund));
            const QImage vorschau(ziel.filePath(name));
            QVERIFY2(QImageReader(ziel.filePath(name)).format() == "jpeg" && vorschau.size() == soll, qPrintable(name));
            QVERIFY(Ungefaehr(vorschau.pixel(vorschau.width() / 2, qMin(2, vorschau.height() - 1)), Qt::red));
            if (name.startsWith(u'b') || name.startsWith(u'U'))
                QVERIFY(Ungefaehr(vorschau.pixel(vorschau.width() / 2, vorschau.height() - 3), Qt::blue));
        }
        QCOMPARE(Dateien(ziel.path()).size(), bilder.size());
    }

    void kaputteBilderGebenFehler()
    {
        const QByteArray jpeg = Kodiert(RotUeberBlau(640, 480)), bmp = Kodiert(RotUeberBlau(100, 80), "BMP");
        // 101 pixels of 3 bytes: each row padded with one byte to 304.
        const QByteArray gepolstert = Kodiert(RotUeberBlau(101, 80), "BMP");
        // A header that promises 65000 x 65000 pixels in a file of a few bytes.
        QByteArray riesig = Kodiert(RotUeberBlau(16, 16));
        const int sof = riesig.indexOf("\xff\xc0");
        QVERIFY(sof > 0);
        riesig.replace(sof + 5, 4, "\xfd\xe8\xfd\xe8");
        const QList<std::pair<const char*, QByteArray>> faelle
            = { { "leer", QByteArray() }, { "kein Bild", QByteArray("Dies ist ein Brief, kein Bild.\n").repeated(20) },
                  { "JPEG halb", jpeg.left(jpeg.size() / 2) }, { "JPEG ohne Schluss", jpeg.left(jpeg.size() - 2) },
                  { "JPEG nur Kopf", jpeg.left(300) },
                  { "JPEG beschaedigt", QByteArray("\xff\xd8\xff\xe0") + QByteArray(400, '\x5a') },
                  { "JPEG riesig", riesig }, { "GIF abgeschnitten", RoterPunktGif.left(RoterPunktGif.size() - 3) },
                  { "BMP abgeschnitten", bmp.left(bmp.size() - 500) },
                  { "BMP gepolstert abgeschnitten", gepolstert.left(gepolstert.size() - 500) },
                  { "BMP gepolstert, 40 Bytes zu kurz", gepolstert.left(gepolstert.size() - 40) },
                  { "BMP von oben abgeschnitten", VonObenNachUnten(gepolstert).left(gepolstert.size() - 500) },
                  { "BMP riesig", bmp.left(18) + QByteArray("\xa0\x86\x01\x00\xa0\x86\x01\x00", 8) + bmp.mid(26) } };
        // Refused with the message, and no thumbnail, not even half of one.
        QTemporaryDir quelle, ziel;
        for (const auto& [name, inhalt] : faelle) {
            QVERIFY(Schreiben(quelle.filePath(u"Bild.jpg"_s), inhalt));
            const Vorschauergebnis e
                = VorschaubildErzeugen(quelle.filePath(u"Bild.jpg"_s), ziel.filePath(u"Bild.jpg"_s));
            QVERIFY2(!e.ok && !e.grund.isEmpty() && e.fehlertext == u"Fehler beim Laden des Bildes."_s, name);
            QVERIFY2(Dateien(ziel.path()).isEmpty(), name);
        }
    }

    void nurGewoehnlicheDateien()
    {
        QTemporaryDir ordner;
        const QString fifo = ordner.filePath(u"Bild.jpg"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        // Should the pipe be opened after all, a valid picture comes through it
        // and the test sees a thumbnail instead of a hang.
        const QByteArray jpeg = Kodiert(RotUeberBlau(32, 32));
        std::thread schreiber([&] {
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY);
            if (fd >= 0) {
                [[maybe_unused]] const auto n = ::write(fd, jpeg.constData(), size_t(jpeg.size()));
                ::close(fd);
            }
        });
        const Vorschauergebnis e = VorschaubildErzeugen(fifo, ordner.filePath(u"Vorschau.jpg"_s));
        const int leser = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);  // frees the writer
        schreiber.join();
        ::close(leser);
        QVERIFY(!e.ok);
        QCOMPARE(Dateien(ordner.path()), QStringList({ "Bild.jpg" }));
        // A folder named like a picture and a missing file are refused as well.
        QVERIFY(QDir(ordner.path()).mkdir(u"Ordner.jpg"_s));
        for (const QString& name : { u"Ordner.jpg"_s, u"fehlt.jpg"_s })
            QVERIFY(!VorschaubildErzeugen(ordner.filePath(name), ordner.filePath(u"x.jpg"_s)).ok);
        QVERIFY(!QFile::exists(ordner.filePath(u"x.jpg"_s)));
    }

    void aufnahmedatumAusDerDatei()
    {
        QTemporaryDir ordner;
        const QByteArray jpeg = Kodiert(RotUeberBlau(64, 48));
        const char *original = "Exif.Photo.DateTimeOriginal", *digital = "Exif.Photo.DateTimeDigitized",
                   *bearbeitet = "Exif.Image.DateTime";
        const QString mai = u"2004:05:31 14:02:11"_s, feb = u"2001:02:03 04:05:06"_s, neu = u"2020:01:01 00:00:00"_s;
        // A camera whose clock was never set: the scanner's date is next best; the image's own
        // date, often a scanner's only one, comes last.
        const QList<std::tuple<QString, QList<QPair<const char*, QString>>, QDate>> faelle = {
            { u"original"_s, { { original, mai } }, QDate(2004, 5, 31) },
            { u"digitalisiert"_s, { { digital, feb } }, QDate(2001, 2, 3) },
            { u"alle drei"_s, { { original, mai }, { digital, feb }, { bearbeitet, neu } }, QDate(2004, 5, 31) },
            { u"Uhr nie gestellt"_s, { { original, u"0000:00:00 00:00:00"_s }, { digital, feb } }, QDate(2001, 2, 3) },
            { u"nur bearbeitet"_s, { { bearbeitet, neu } }, QDate(2020, 1, 1) },
            // Only the day, or padded with blanks; ISO instead of EXIF, or a month 13: no date.
            { u"nur Tag"_s, { { original, u"1999:12:01"_s } }, QDate(1999, 12, 1) },
            { u"Leerzeichen"_s, { { original, u" 2010:01:02 00:00:00 "_s } }, QDate(2010, 1, 2) },
            { u"ISO"_s, { { original, u"2004-05-31 14:02:11"_s } }, QDate() },
            { u"Monat 13"_s, { { original, u"2004:13:01 10:00:00"_s } }, QDate() }
        };
        for (const auto& [name, eintraege, datum] : faelle) {
            QVERIFY(Schreiben(ordner.filePath(name), jpeg) && ExifSetzen(ordner.filePath(name), eintraege));
            QCOMPARE(Aufnahmedatum(ordner.filePath(name)), datum);
        }
        // Broken metadata on a good picture, no picture, no file, a folder: no date, and no exception.
        QVERIFY(Schreiben(ordner.filePath(u"kaputt"_s), MitKaputtemExif(jpeg)));
        QVERIFY(!QImageReader(ordner.filePath(u"kaputt"_s)).read().isNull());
        QVERIFY(Schreiben(ordner.filePath(u"text"_s), "kein Bild, nur ein Text\n"));
        for (const QString& name : { u"kaputt"_s, u"text"_s, u"fehlt"_s, QString() })
            QCOMPARE(Aufnahmedatum(ordner.filePath(name)), QDate());
    }

    void hochkantAufgenommen()
    {
        // Stored 200 x 100, red above. Turned clockwise (6) red comes to the right, counter-clockwise (8)
        // to the left; 3 is upside down. obenRot: red at the upright picture's top left, blue at its
        // bottom right, or the reverse.
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(u"bild.jpg"_s), vorschau = ordner.filePath(u"vorschau.jpg"_s);
        for (const auto& [lage, gedreht, obenRot] : { std::tuple { 0, false, true }, { 1, false, true },
                 { 3, false, false }, { 6, true, false }, { 8, true, true } }) {
            const QByteArray name = "Lage " + QByteArray::number(lage);
            const auto richtig = [&, obenRot = obenRot](const QImage& b) {
                return Ungefaehr(b.pixel(2, 2), obenRot ? Qt::red : Qt::blue)
                    && Ungefaehr(b.pixel(b.width() - 3, b.height() - 3), obenRot ? Qt::blue : Qt::red);
            };
            QVERIFY(Schreiben(pfad, Kodiert(RotUeberBlau(200, 100))));
            QVERIFY(lage == 0 || ExifSetzen(pfad, { { "Exif.Image.Orientation", QString::number(lage) } }));
            const QSize aufrecht = gedreht ? QSize(100, 200) : QSize(200, 100);
            // The reader hands out the upright size and picture, also decoded reduced.
            Bildleser leser;
            QVERIFY2(leser.Oeffnen(pfad) && Bildleser::Pruefen(pfad) && leser.Groesse() == aufrecht, name);
            const QImage klein = leser.Lesen(aufrecht / 2);
            QVERIFY2(klein.size() == aufrecht / 2 && richtig(klein), name);
            // The thumbnail's size rule works on the upright picture.
            const Vorschauergebnis e = VorschaubildErzeugen(pfad, vorschau);
            QVERIFY2(e.ok && QSize(e.breite, e.hoehe) == VorschaubildGroesse(aufrecht), name);
            QVERIFY2(QImage(vorschau).size() == VorschaubildGroesse(aufrecht) && richtig(QImage(vorschau)), name);
        }
    }

    void vorschaubilderAufVielenThreads()
    {
        // Good pictures of many sizes and among them a cut-off JPEG, an empty file, a text, a missing file.
        QTemporaryDir ordner;
        const QByteArray jpeg = Kodiert(RotUeberBlau(800, 600));
        const QStringList kaputt = { "abgeschnitten.jpg", "leer.jpg", "notiz.txt", "fehlt.jpg" };
        QVERIFY(Schreiben(ordner.filePath(kaputt[0]), jpeg.left(jpeg.size() / 2))
            && Schreiben(ordner.filePath(kaputt[1]), {}) && Schreiben(ordner.filePath(kaputt[2]), "kein Bild\n"));
        QStringList bilder;
        for (int i = 0; i < 14; ++i) {
            QImage bild(i % 3 == 0 ? QSize(600 + 40 * i, 900) : QSize(1200 - 30 * i, 700), QImage::Format_RGB32);
            bild.fill(QColor::fromHsv(i * 37 % 360, 200, 220));
            QPainter(&bild).drawEllipse(0, 0, 300, 350);
            const QString name = u"bild%1.jpg"_s.arg(i, 2, 10, QChar(u'0'));
            QVERIFY(Schreiben(ordner.filePath(name), Kodiert(bild)));
            bilder << name << (i == 4 ? kaputt.mid(0, 1) : i == 8 ? kaputt.mid(1) : QStringList());
        }
        const auto auftraege = [&](const QString& ziel) {
            QDir(ordner.path()).mkdir(ziel);
            QVector<Vorschauauftrag> liste;
            for (const QString& name : bilder)
                liste.push_back({ ordner.filePath(name), ordner.filePath(ziel + u'/' + name) });
            return liste;
        };

        // The same thumbnails as one thread makes, handed out in the order of the list.
        QHash<int, QVector<Vorschauergebnis>> ergebnisse;
        bool inOrdnung = true;
        for (int threads : { 1, 4 }) {
            const auto melden = [&](int i, const Vorschauergebnis& e) {
                inOrdnung &= i == ergebnisse[threads].size();
                return (ergebnisse[threads] << e, true);
            };
            QCOMPARE(VorschaubilderParallelErzeugen(auftraege(u"vorschau%1"_s.arg(threads)), melden, {}, threads),
                bilder.size());
        }
        QVERIFY(inOrdnung);
        for (int i = 0; i < bilder.size(); ++i) {
            const Vorschauergebnis &einer = ergebnisse[1].at(i), &viele = ergebnisse[4].at(i);
            const QString b = ordner.filePath(u"vorschau4/"_s + bilder[i]);
            // The encoder is deterministic: threads that shared a buffer would show here.
            QVERIFY2(viele.ok == !kaputt.contains(bilder[i]) && einer.ok == viele.ok
                    && einer.fehlertext == viele.fehlertext && einer.breite == viele.breite
                    && einer.hoehe == viele.hoehe
                    && GleicherInhalt(ordner.filePath(u"vorschau1/"_s + bilder[i]), b, true) == viele.ok
                    && (viele.ok ? QImage(b).size() == QSize(viele.breite, viele.hoehe)
                                 : !viele.grund.isEmpty() && !QFileInfo::exists(b)),
                qPrintable(bilder[i]));
        }
        // Nothing but the thumbnails: no temporary files left behind.
        QCOMPARE(Dateien(ordner.filePath(u"vorschau4"_s)).size(), bilder.size() - kaputt.size());

        // A stop: those already begun were finished, so each file there is a whole thumbnail.
        QVector<int> gesehen;
        const int gemeldet = VorschaubilderParallelErzeugen(
            auftraege(u"halt"_s), [&](int i, const Vorschauergebnis&) { return (gesehen << i).size() < 3; }, {}, 3);
        QVERIFY(gemeldet == 3 && gesehen == QVector<int>({ 0, 1, 2 }));
        const QStringList da = Dateien(ordner.filePath(u"halt"_s));
        QVERIFY(da.size() >= 3);
        for (const QString& name : da)
            QVERIFY2(!QImageReader(ordner.filePath(u"halt/"_s + name)).read().isNull(), qPrintable(name));
        QCOMPARE(VorschaubilderParallelErzeugen({}, [](int, const Vorschauergebnis&) { return true; }), 0);
    }
};

QTEST_MAIN(TestImaging)
#include "test_imaging.moc"
