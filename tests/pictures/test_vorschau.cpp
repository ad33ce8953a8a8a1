#include "AlbumImport.h"
#include "Bildorte.h"
#include "Testsammlung.h"
#include "Vorschaubilder.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QtTest>
#include <memory>

namespace {

QSize jpegGroesse(const QString& pfad)
{
    QImageReader leser(pfad);
    if (leser.format() != "jpeg")
        return QSize();
    return leser.size();
}

}  // namespace

// The thumbnail run: folders, sizes, damaged pictures, CD albums, progress
// and the remaining-time texts.
class TestVorschau : public QObject {
    Q_OBJECT

    std::unique_ptr<Testsammlung> s;

    // Imports the folder by copying and makes its album current.
    QString importieren(const QString& quelle, const QString& name)
    {
        Importrueckfragen r;
        r.nameAbfragen = [name](const QString&) { return name; };
        AlbenAusOrdnernAnlegen(s->z, s->db, {quelle}, r);
        const QString nummer = s->albumNummer(name);
        s->albumWaehlen(nummer);
        return nummer;
    }

private slots:
    void init() { s = std::make_unique<Testsammlung>(); }
    void cleanup() { s.reset(); }

    void restzeitTexte()
    {
        QCOMPARE(RestzeitText(40), QStringLiteral("Noch verbleibende Zeit: ca. 1 min"));
        QCOMPARE(RestzeitText(3900), QStringLiteral("Noch verbleibende Zeit: ca. 1 h 05 min"));
        QCOMPARE(RestzeitText(720), QStringLiteral("Noch verbleibende Zeit: ca. 12 min"));
        QCOMPARE(RestzeitText(10 * 3600 + 7 * 60 + 59), QStringLiteral("Noch verbleibende Zeit: ca. 10 h 07 min"));
        QCOMPARE(RestzeitText(0), QString());
    }

    void restzeitSchaetzung()
    {
        // One second per picture; the label text after each picture k.
        auto lauf = [](int anzahl, qint64 msProBild) {
            Restzeitschaetzung sch(anzahl);
            QStringList texte;
            for (int k = 0; k < anzahl; ++k)
                texte << sch.messen(k, (k + 1) * msProBild);
            return texte;
        };
        // Five pictures or fewer: never a text.
        for (const QString& t : lauf(5, 1000))
            QVERIFY(t.isEmpty());
        // The first estimate after the fifth picture: 1995 blocks of 2 s still to do.
        const QStringList viele = lauf(4000, 1000);
        QCOMPARE(viele.indexOf(QRegularExpression(QStringLiteral(".+"))), 4);
        QCOMPARE(viele[4], QStringLiteral("Noch verbleibende Zeit: ca. 1 h 06 min"));
        QVERIFY(viele[5].isEmpty());
        QCOMPARE(viele[3994], QStringLiteral("Noch verbleibende Zeit: ca. 1 min"));
        // A slower block raises the average of all blocks measured.
        Restzeitschaetzung sch(1001);
        QVERIFY(sch.messen(2, 0).isEmpty());
        QCOMPARE(sch.messen(4, 1000), QStringLiteral("Noch verbleibende Zeit: ca. 8 min"));  // 498 x 1 s
        QCOMPARE(sch.messen(6, 4000), QStringLiteral("Noch verbleibende Zeit: ca. 16 min"));  // 497 x 2 s
    }

    void albumMitBeschaedigtenBildern()
    {
        const QString quelle = s->ordner(QStringLiteral("Ferien"));
        Testsammlung::bildSchreiben(quelle + QStringLiteral("quer.jpg"), QSize(300, 200));
        Testsammlung::bildSchreiben(quelle + QStringLiteral("hoch.jpg"), QSize(100, 200));
        Testsammlung::bildSchreiben(quelle + QStringLiteral("klein.gif"));
        Testsammlung::bildSchreiben(quelle + QStringLiteral("b.bmp"), QSize(40, 40));
        QFile kaputt(quelle + QStringLiteral("kaputt.jpg"));
        QVERIFY(kaputt.open(QIODevice::WriteOnly));
        kaputt.write("kein Bild, nur Text");
        kaputt.close();
        QFile(quelle + QStringLiteral("leer.bmp")).open(QIODevice::WriteOnly);
        // A camera picture cut off in the middle of its data.
        const QString halb = quelle + QStringLiteral("abgeschnitten.jpg");
        Testsammlung::bildSchreiben(halb, QSize(400, 300));
        QVERIFY(QFile::resize(halb, QFileInfo(halb).size() / 2));
        importieren(quelle, QStringLiteral("Ferien"));
        QVERIFY(!VorschauOrdnerVorhanden(s->z, s->db));

        Vorschaubilderzeugung lauf(s->z, s->db);
        const QString ordner = s->z.bilderverzeichnis + QStringLiteral("Ferien/TempBilder");
        QCOMPARE(lauf.quellordner(), s->z.bilderverzeichnis + QStringLiteral("Ferien"));
        QCOMPARE(lauf.vorschauordner(), ordner);
        QList<int> erledigt;
        QVERIFY(lauf.AlbumLaden([&](int fertig, int anzahl, const QString&) {
            QCOMPARE(anzahl, 7);
            erledigt << fertig;
        }));
        QCOMPARE(erledigt, QList<int>({1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(s->meldungen.texte(), QStringList({"Fehler beim Laden des Bildes.", "Fehler beim Laden des Bildes.",
                                                    "Fehler beim Laden des Bildes."}));

        // Named like the pictures, extension included, and JPEG whatever the picture was.
        QCOMPARE(QDir(ordner).entryList(QDir::Files, QDir::Name),
                 QStringList({"b.bmp", "hoch.jpg", "klein.gif", "quer.jpg"}));
        QCOMPARE(jpegGroesse(ordner + QStringLiteral("/quer.jpg")), QSize(160, 107));
        QCOMPARE(jpegGroesse(ordner + QStringLiteral("/hoch.jpg")), QSize(78, 156));
        QCOMPARE(jpegGroesse(ordner + QStringLiteral("/klein.gif")), QSize(156, 156));
        QVERIFY(VorschauOrdnerVorhanden(s->z, s->db));

        // An existing folder is never made again.
        s->meldungen.leeren();
        QFile::remove(ordner + QStringLiteral("/quer.jpg"));
        QVERIFY(!Vorschaubilderzeugung(s->z, s->db).AlbumLaden());
        QVERIFY(!QFileInfo::exists(ordner + QStringLiteral("/quer.jpg")));
        QVERIFY(s->meldungen.meldungen.isEmpty());

        // A single picture added later, then the whole folder deleted.
        QVERIFY(lauf.VBEinzeln(s->z.bilderverzeichnis + QStringLiteral("Ferien/quer.jpg")));
        QVERIFY(QFileInfo::exists(ordner + QStringLiteral("/quer.jpg")));
        lauf.OrdnerLoeschen();
        QVERIFY(!QFileInfo::exists(ordner));
        QVERIFY(lauf.VBEinzeln(s->z.bilderverzeichnis + QStringLiteral("Ferien/hoch.jpg")));
        QCOMPARE(QDir(ordner).entryList(QDir::Files), QStringList({"hoch.jpg"}));

        // The album's folder gone (a stick unplugged): nothing is made again, it is said.
        QVERIFY(QDir(s->z.bilderverzeichnis + QStringLiteral("Ferien")).removeRecursively());
        s->meldungen.leeren();
        QVERIFY(!Vorschaubilderzeugung(s->z, s->db).AlbumLaden());
        QVERIFY(!lauf.VBEinzeln(s->z.bilderverzeichnis + QStringLiteral("Ferien/hoch.jpg")));
        QVERIFY(!QFileInfo::exists(s->z.bilderverzeichnis + QStringLiteral("Ferien")));
        QCOMPARE(s->meldungen.titel(), QStringList({"Keine Vorschaubilder!"}));
    }

    void cdAlbumVorschaubilder()
    {
        const QString cd = s->cdEinlegen(QStringLiteral("laufwerk_e"), QStringLiteral("URLAUB2003"));
        const QString quelle = cd + QStringLiteral("Fotos/Urlaub/");
        Testsammlung::bildSchreiben(quelle + QStringLiteral("a.jpg"));
        Testsammlung::bildSchreiben(quelle + QStringLiteral("b.bmp"));
        importieren(quelle, QStringLiteral("Urlaub"));
        QCOMPARE(s->z.albumCDName, QStringLiteral("URLAUB2003"));

        // Without the disc nothing is made, not even the folder.
        s->cdEntnehmen(QStringLiteral("URLAUB2003"));
        {
            Vorschaubilderzeugung ohne(s->z, s->db);
            QVERIFY(ohne.quellordner().isEmpty());
            QVERIFY(!ohne.AlbumLaden());
            QVERIFY(!QFileInfo::exists(s->z.bilderverzeichnis + QStringLiteral("CD")));
        }

        // With the disc: the local copy below the picture directory.
        s->cdEinlegen(QStringLiteral("laufwerk_e"), QStringLiteral("URLAUB2003"));
        const QString lokal = s->z.bilderverzeichnis + QStringLiteral("CD/URLAUB2003/Fotos/Urlaub");
        Vorschaubilderzeugung lauf(s->z, s->db);
        QCOMPARE(lauf.vorschauordner(), lokal);
        QVERIFY(lauf.AlbumLaden());
        QCOMPARE(QDir(lokal).entryList(QDir::Files, QDir::Name), QStringList({"a.jpg", "b.bmp"}));
        s->db.rsAlbum.MoveFirst();
        QCOMPARE(VorschauBildPfad(s->z, s->db), lokal + QStringLiteral("/a.jpg"));
        s->cdEntnehmen(QStringLiteral("URLAUB2003"));
        QCOMPARE(VorschauBildPfad(s->z, s->db), lokal + QStringLiteral("/a.jpg"));

        // A disc that brings its own thumbnails and no local copy: those are used.
        s->cdEinlegen(QStringLiteral("laufwerk_e"), QStringLiteral("URLAUB2003"));
        QDir(lokal).removeRecursively();
        QDir().mkpath(quelle + QStringLiteral("TempBilder"));
        QCOMPARE(Vorschaubilderzeugung(s->z, s->db).vorschauordner(), quelle + QStringLiteral("TempBilder"));
        QVERIFY(!Vorschaubilderzeugung(s->z, s->db).AlbumLaden());

        // A disc label never leads the local copy out of "CD/".
        for (const QString& label : {QStringLiteral(".."), QStringLiteral("../Ferien"), QString()}) {
            const QString ort = QDir::cleanPath(LokalerVorschauOrdner(s->z, QStringLiteral("Urlaub/"), label));
            QVERIFY2(ort.startsWith(s->z.bilderverzeichnis + QStringLiteral("CD/")), qPrintable(ort));
        }
    }
};

int testeVorschau(int argc, char** argv)
{
    TestVorschau t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_vorschau.moc"
