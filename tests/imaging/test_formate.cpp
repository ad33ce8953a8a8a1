#include "AlbumImport.h"
#include "Begriffstabelle.h"
#include "Bildangaben.h"
#include "Bilderpflege.h"
#include "Bildleser.h"
#include "Bildorte.h"
#include "ExifSchreiben.h"
#include "Testsammlung.h"
#include "Vorschaubild.h"

#include <QtTest>
#include <libheif/heif.h>

using namespace Qt::StringLiterals;

namespace {

// 64 x 32 as stored: the left half red, the right half blue. Seen upright
// after a quarter turn clockwise it is 32 x 64, red above blue.
QImage muster(QColor links = Qt::red, QColor rechts = Qt::blue)
{
    QImage bild(64, 32, QImage::Format_RGB888);
    bild.fill(rechts);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            bild.setPixelColor(x, y, links);
    return bild;
}

// The picture as libheif's encoder takes it.
heif_image* heifBild(const QImage& quelle)
{
    const QImage q = quelle.convertToFormat(QImage::Format_RGB888);
    heif_image* bild = nullptr;
    heif_image_create(q.width(), q.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &bild);
    heif_image_add_plane(bild, heif_channel_interleaved, q.width(), q.height(), 8);
    int zeile = 0;
    uint8_t* ziel = heif_image_get_plane(bild, heif_channel_interleaved, &zeile);
    for (int y = 0; y < q.height(); ++y)
        memcpy(ziel + y * zeile, q.constScanLine(y), size_t(q.width()) * 3);
    return bild;
}

// A HEIC made by libheif's encoder, as a phone writes it: the rotation in
// the container and the same orientation in its EXIF data, the day it was
// taken there too, keywords and a caption in XMP; with a thumbnail (of a
// green picture, so that its use can be seen) when asked.
void heicSchreiben(const QString& pfad, const QImage& quelle, heif_orientation drehung, int vorschau = 0)
{
    heif_context* k = heif_context_alloc();
    heif_encoder* kodierer = nullptr;
    heif_image_handle* griff = nullptr;
    QVERIFY(heif_context_get_encoder_for_format(k, heif_compression_HEVC, &kodierer).code == heif_error_Ok);
    heif_encoder_set_lossy_quality(kodierer, 90);
    heif_image* bild = heifBild(quelle);
    heif_encoding_options* optionen = heif_encoding_options_alloc();
    optionen->image_orientation = drehung;
    QVERIFY(heif_context_encode_image(k, bild, kodierer, optionen, &griff).code == heif_error_Ok);
    // IFD0: orientation and the Exif IFD at 38, holding DateTimeOriginal at 56.
    QByteArray exif;
    QDataStream d(&exif, QIODevice::WriteOnly);
    d.setByteOrder(QDataStream::LittleEndian);
    d << quint32(0x002A4949) << quint32(8) << quint16(2) << quint16(0x0112) << quint16(3) << quint32(1)
      << quint32(drehung) << quint16(0x8769) << quint16(4) << quint32(1) << quint32(38) << quint32(0) << quint16(1)
      << quint16(0x9003) << quint16(2) << quint32(20) << quint32(56) << quint32(0);
    exif += QByteArray("2019:08:15 12:00:00", 20);
    const QByteArray xmp = u"<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/"
                           "22-rdf-syntax-ns#'><rdf:Description xmlns:dc='http://purl.org/dc/elements/1.1/'>"
                           "<dc:subject><rdf:Bag><rdf:li>Möwe</rdf:li><rdf:li>Strand</rdf:li></rdf:Bag></dc:subject>"
                           "<dc:description><rdf:Alt><rdf:li xml:lang='x-default'>Am Meer</rdf:li></rdf:Alt>"
                           "</dc:description></rdf:Description></rdf:RDF></x:xmpmeta>"_s.toUtf8();
    heif_context_add_exif_metadata(k, griff, exif.constData(), int(exif.size()));
    heif_context_add_XMP_metadata(k, griff, xmp.constData(), int(xmp.size()));
    heif_image* gruen = heifBild(muster(Qt::green, Qt::green).scaled(quelle.size()));
    if (vorschau > 0)
        heif_context_encode_thumbnail(k, gruen, griff, kodierer, optionen, vorschau, nullptr);
    QVERIFY(heif_context_write_to_file(k, QFile::encodeName(pfad).constData()).code == heif_error_Ok);
    heif_encoding_options_free(optionen);
    heif_image_handle_release(griff);
    heif_image_release(gruen);
    heif_image_release(bild);
    heif_encoder_release(kodierer);
    heif_context_free(k);
}

// A picture of that type from the pattern; the format's own writer.
void schreiben(const QString& pfad, const QImage& bild = muster())
{
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung == u"heic")
        heicSchreiben(pfad, bild, heif_orientation_normal);
    else
        QVERIFY2(bild.save(pfad, endung.startsWith(u"jp") || endung == u"jfif" ? "jpeg" : nullptr), qPrintable(pfad));
}

bool nahe(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 90;
}

} // namespace

class TestFormate : public QObject {
    Q_OBJECT

    const QStringList bilder { u"a.jpeg"_s, u"b.JFIF"_s, u"c.jpe"_s, u"d.png"_s, u"e.tif"_s, u"f.webp"_s, u"g.HEIC"_s };
    const QStringList fremde { u"x.cr2"_s, u"y.mp4"_s, u"z.pdf"_s };

private slots:
    // Every type through the import in its three modes and into a thumbnail;
    // the files no decoder here reads are named once in the summary.
    void importUndVorschau()
    {
        for (int modus = 0; modus < 3; ++modus) {
            Testsammlung s;
            s.z.einstellungen.lngBehandlungNeueAlben = modus == 2 ? 2 : 0;
            s.z.einstellungen.lngBehandlungBilder = modus == 1 ? 1 : 0;
            const QString quelle = s.ordner(u"Handy"_s);
            for (const QString& name : bilder)
                schreiben(quelle + name);
            for (const QString& name : fremde)
                QVERIFY(QFile(quelle + name).open(QIODevice::WriteOnly));
            Importrueckfragen r;
            r.nameAbfragen = [](const QString&) { return u"Handy"_s; };
            QCOMPARE(AlbenAusOrdnernAnlegen(s.z, s.db, { quelle }, r), 1);
            s.albumWaehlen(s.albumNummer(u"Handy"_s));
            QStringList zeilen, erwartet, pfade;
            for (s.db.rsAlbum.MoveFirst(); !s.db.rsAlbum.Eof(); s.db.rsAlbum.MoveNext()) {
                zeilen << FeldLesen(s.db.rsAlbum, u"Dateiname"_s), pfade << BildPfad(s.z, s.db);
                if (!zeilen.last().endsWith(u"HEIC"))
                    continue;
                // What the HEIC says of itself, read by libheif where Exiv2 finds nothing.
                const Bildangaben a = BildangabenLesen(pfade.last());
                const QStringList begriffe { u"Möwe"_s, u"Strand"_s };
                QCOMPARE(a.aufgenommen, QDate(2019, 8, 15));
                QCOMPARE(a.begriffe, begriffe);
                QCOMPARE(a.beschreibung, u"Am Meer"_s);
                QCOMPARE(s.db.rsAlbum.Feld(u"Datum"_s).toDate(), a.aufgenommen);
                QCOMPARE(FeldLesen(s.db.rsAlbum, u"Bemerkung"_s), a.beschreibung);
                QStringList texte;
                for (const Begriff& b :
                    Begriffstabelle::DesFeldes(s.db.rsBegriffe, FeldLesen(s.db.rsAlbum, u"Schluesselbegriffe"_s)))
                    texte << b.text;
                QCOMPARE(texte, begriffe);
            }
            for (const QString& name : fremde)
                erwartet << quelle + name + u": Dateityp wird nicht unterstützt"_s;
            QCOMPARE(QSet<QString>(zeilen.begin(), zeilen.end()), QSet<QString>(bilder.begin(), bilder.end()));
            QCOMPARE(s.meldungen.meldungen.size(), 1);
            QCOMPARE(s.meldungen.meldungen.first().liste, erwartet);
            for (const QString& pfad : pfade) {
                const Vorschauergebnis v = VorschaubildErzeugen(pfad, s.wurzel() + u"v.jpg"_s);
                QVERIFY2(v.ok && v.breite == 2 * v.hoehe, qPrintable(pfad + v.grund));
                const QImage vorschau(s.wurzel() + u"v.jpg"_s);
                QVERIFY2(nahe(vorschau.pixelColor(v.breite / 4, v.hoehe / 2), Qt::red)
                        && nahe(vorschau.pixelColor(3 * v.breite / 4, v.hoehe / 2), Qt::blue), qPrintable(pfad));
            }
        }
    }

    // Upright once: a HEIC turned in its container is not turned again by
    // its EXIF tag; PNG, TIFF and WebP follow their EXIF orientation.
    void aufrecht()
    {
        QTemporaryDir ordner;
        for (const QString& name : { u"gedreht.heic"_s, u"gedreht.png"_s, u"gedreht.tif"_s, u"gedreht.webp"_s }) {
            const QString pfad = ordner.filePath(name);
            if (name.endsWith(u"heic"))
                heicSchreiben(pfad, muster(), heif_orientation_rotate_90_cw);
            else {
                schreiben(pfad);
                QVERIFY(ExifSetzen(pfad, { { "Exif.Image.Orientation", u"6"_s } }));
            }
            Bildleser leser;
            QVERIFY2(leser.Oeffnen(pfad), qPrintable(leser.fehler()));
            QCOMPARE(leser.Groesse(), QSize(32, 64));
            for (const QSize groesse : { QSize(), QSize(16, 32) }) {
                QVERIFY(leser.Oeffnen(pfad));
                const QImage bild = leser.Lesen(groesse);
                QCOMPARE(bild.size(), groesse.isValid() ? groesse : QSize(32, 64));
                QVERIFY2(nahe(bild.pixelColor(bild.width() / 2, bild.height() / 4), Qt::red)
                        && nahe(bild.pixelColor(bild.width() / 2, 3 * bild.height() / 4), Qt::blue), qPrintable(name));
            }
        }
    }

    // A big HEIC's thumbnail comes from the small picture it carries (green
    // here), while the picture itself is read whole; a cut-off HEIC is refused.
    void heicVorschaubild()
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(u"gross.heic"_s);
        heicSchreiben(pfad, muster().scaled(640, 320), heif_orientation_normal, 200);
        const Vorschauergebnis v = VorschaubildErzeugen(pfad, ordner.filePath(u"v.jpg"_s));
        QVERIFY2(v.ok, qPrintable(v.grund));
        QCOMPARE(QSize(v.breite, v.hoehe), VorschaubildGroesse(QSize(640, 320)));
        QVERIFY(nahe(QImage(ordner.filePath(u"v.jpg"_s)).pixelColor(v.breite / 4, v.hoehe / 2), Qt::green));
        Bildleser leser;
        QVERIFY(leser.Oeffnen(pfad));
        QVERIFY(nahe(leser.Lesen().pixelColor(100, 100), Qt::red));
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::ReadWrite) && datei.resize(datei.size() / 2));
        datei.close();
        QString grund;
        QVERIFY(!Bildleser::Pruefen(pfad, &grund));
        QVERIFY(!grund.isEmpty());
    }

    // A folder without a picture becomes no album and is said to be so;
    // "Hinzufügen" names the file it does not take; the dialog offers every JPEG ending.
    void nichtsVerschwindet()
    {
        Testsammlung s;
        const QString quelle = s.ordner(u"Filme"_s);
        QVERIFY(QFile(quelle + u"urlaub.mp4"_s).open(QIODevice::WriteOnly));
        Importrueckfragen r;
        r.nameAbfragen = [](const QString&) { return u"Filme"_s; };
        QCOMPARE(AlbenAusOrdnernAnlegen(s.z, s.db, { quelle }, r), 0);
        QCOMPARE(s.albumNummer(u"Filme"_s), QString());
        QCOMPARE(s.meldungen.meldungen.first().liste,
            QStringList({ quelle + u"urlaub.mp4: Dateityp wird nicht unterstützt"_s,
                quelle + u": der Ordner enthält kein Bild; kein Album angelegt"_s }));

        schreiben(quelle + u"bild.heic"_s);
        QCOMPARE(AlbenAusOrdnernAnlegen(s.z, s.db, { quelle }, r), 1);
        s.albumWaehlen(s.albumNummer(u"Filme"_s));
        s.meldungen.leeren();
        schreiben(s.ordner(u"neu"_s) + u"neu.webp"_s);
        QCOMPARE(NeueBilderEintragen(s.z, s.db, { s.ordner(u"neu"_s) + u"neu.webp"_s, quelle + u"urlaub.mp4"_s }), 1);
        QCOMPARE(s.meldungen.meldungen.first().liste, QStringList(u"urlaub.mp4: Dateityp wird nicht unterstützt"_s));
        QVERIFY(Bildfilter().contains(u"jpg-Datei (*.jpg *.JPG *.jpeg *.JPEG *.jpe *.JPE *.jfif *.JFIF)"_s));
    }
};

QTEST_MAIN(TestFormate)
#include "test_formate.moc"
