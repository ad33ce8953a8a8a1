#include "Aufnahmedatum.h"
#include "Austauschsammlung.h"
#include "Begriffsfeld.h"
#include "Begriffstabelle.h"
#include "Bildangaben.h"
#include "Bilderpflege.h"
#include "Bildorte.h"
#include "ExifSchreiben.h"
#include "KleinerDatentraeger.h"
#include "PraesentationAustausch.h"

#include <QImage>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <QtTest>

using namespace Qt::StringLiterals;
using Angaben = QList<QPair<const char*, QString>>;

// What picture files carry besides their pixels: the day they were taken,
// keywords and captions taken over at import, and given back in exported copies.
class TestMetadaten : public QObject {
    Q_OBJECT

    std::unique_ptr<Austauschsammlung> s;

    static QByteArray inhalt(const QString& pfad)
    {
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A picture made by Qt in the type its suffix says, with the entries written by Exiv2.
    static bool bild(const QString& pfad, const Angaben& angaben)
    {
        QImage bild(48, 32, QImage::Format_RGB32);
        bild.fill(Qt::darkGreen);
        return bild.save(pfad) && (angaben.isEmpty() || ExifSetzen(pfad, angaben));
    }
    // Each row of the album: file name -> keyword texts and remark.
    QHash<QString, QPair<QStringList, QString>> zeilen(const QString& nummer)
    {
        QHash<QString, QPair<QStringList, QString>> ergebnis;
        Recordset rs;
        rs.Einrichten(&s->db.conDaten, Recordset::Keyset, Recordset::NurLesen);
        rs.Oeffnen(Abfrage::Tabelle(nummer));
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            QStringList texte;
            for (const Begriff& b : Begriffstabelle::DesFeldes(s->db.rsBegriffe, FeldLesen(rs, u"Schluesselbegriffe"_s)))
                texte << b.text;
            ergebnis.insert(FeldLesen(rs, u"Dateiname"_s), { texte, FeldLesen(rs, u"Bemerkung"_s) });
        }
        return ergebnis;
    }

private slots:
    void init() { s = std::make_unique<Austauschsammlung>(); }
    void cleanup() { s.reset(); }

    void aufnahmedatumInDieserReihenfolge()
    {
        const char *original = "Exif.Photo.DateTimeOriginal", *digital = "Exif.Photo.DateTimeDigitized",
                   *ifd0 = "Exif.Image.DateTime", *xmpExif = "Xmp.exif.DateTimeOriginal",
                   *xmpErstellt = "Xmp.xmp.CreateDate", *photoshop = "Xmp.photoshop.DateCreated",
                   *iptc = "Iptc.Application2.DateCreated";
        const QString d1 = u"2001:01:01 10:00:00"_s, d2 = u"2002:02:02 10:00:00"_s, d3 = u"2003:03:03 10:00:00"_s,
                      d4 = u"2004-04-04T10:00:00+02:00"_s, d5 = u"2005-05-05T10:00:00"_s, d6 = u"2006-06-06"_s,
                      d7 = u"2007-07-07"_s;
        // Each case drops the winner of the one before: the next in the order must win.
        const QList<std::tuple<QString, Angaben, QDate>> faelle = {
            { u"alle.jpg"_s, { { iptc, d7 }, { photoshop, d6 }, { xmpErstellt, d5 }, { xmpExif, d4 }, { ifd0, d3 },
                                 { digital, d2 }, { original, d1 } }, QDate(2001, 1, 1) },
            { u"digital.png"_s, { { iptc, d7 }, { xmpExif, d4 }, { ifd0, d3 }, { digital, d2 } }, QDate(2002, 2, 2) },
            { u"ifd0.tif"_s, { { iptc, d7 }, { xmpExif, d4 }, { ifd0, d3 } }, QDate(2003, 3, 3) },
            { u"xmp.jpg"_s, { { iptc, d7 }, { photoshop, d6 }, { xmpErstellt, d5 }, { xmpExif, d4 } }, QDate(2004, 4, 4) },
            { u"erstellt.png"_s, { { iptc, d7 }, { photoshop, d6 }, { xmpErstellt, d5 } }, QDate(2005, 5, 5) },
            { u"photoshop.tif"_s, { { iptc, d7 }, { photoshop, d6 } }, QDate(2006, 6, 6) },
            { u"iptc.jpg"_s, { { iptc, d7 } }, QDate(2007, 7, 7) },
            { u"uhrNieGestellt.tif"_s, { { original, u"0000:00:00 00:00:00"_s }, { iptc, d7 } }, QDate(2007, 7, 7) },
            { u"nurJahr.png"_s, { { xmpErstellt, u"2005"_s } }, QDate() },
            { u"ohne.jpg"_s, {}, QDate() },
        };
        for (const auto& [name, angaben, tag] : faelle) {
            const QString pfad = s->ordner(u"Daten"_s) + name;
            QVERIFY2(bild(pfad, angaben), qPrintable(name));
            QVERIFY2(Aufnahmedatum(pfad) == tag, qPrintable(name));
            // Without a day of its own a picture is entered with its file's date.
            QCOMPARE(Bilddatum(pfad), tag.isValid() ? DatumText(tag) : Dateidatum(pfad));
        }
    }

    void begriffeUndBemerkungBeimImport_data()
    {
        QTest::addColumn<int>("neueAlben");
        QTest::addColumn<int>("behandlung");
        QTest::addColumn<bool>("uebernehmen");
        QTest::newRow("kopieren") << 0 << 0 << true;
        QTest::newRow("verschieben") << 0 << 1 << true;
        QTest::newRow("am Ort eintragen") << 2 << 0 << true;
        QTest::newRow("Einstellung aus") << 0 << 0 << false;
    }
    void begriffeUndBemerkungBeimImport()
    {
        QFETCH(int, neueAlben);
        QFETCH(int, behandlung);
        QFETCH(bool, uebernehmen);
        s->z.einstellungen.lngBehandlungNeueAlben = neueAlben;
        s->z.einstellungen.lngBehandlungBilder = behandlung;
        s->z.einstellungen.blnAngabenUebernehmen = uebernehmen;
        const qint64 rose = Begriffstabelle::NeuenDatensatzEinfuegen(s->db, u"Rose"_s);
        const QString lang(60, u'ä');
        const QString quelle = s->ordner(u"Kamera"_s);
        const char *iptc = "Iptc.Application2.Keywords", *xmp = "Xmp.dc.subject";
        QVERIFY(bild(quelle + u"a.jpg"_s,
            { { iptc, u"Rose"_s }, { iptc, u"Gärten"_s }, { "Iptc.Application2.Caption", u"Im Garten"_s } }));
        QVERIFY(bild(quelle + u"b.jpg"_s,
            { { xmp, u"Urlaub"_s }, { xmp, u"Rose"_s }, { "Xmp.dc.description", u"Am Meer"_s } }));
        QVERIFY(bild(quelle + u"c.jpg"_s, { { iptc, lang }, { xmp, u"Rose"_s } }));

        Importrueckfragen fragen;
        fragen.nameAbfragen = [](const QString&) { return u"Ferien"_s; };
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, { quelle }, fragen), 1);
        const auto album = zeilen(s->albumNummer(u"Ferien"_s));
        using Z = QPair<QStringList, QString>;
        const Z leer;
        QCOMPARE(album.value(u"a.jpg"_s), uebernehmen ? Z({ u"Rose"_s, u"Gärten"_s }, u"Im Garten"_s) : leer);
        QCOMPARE(album.value(u"b.jpg"_s), uebernehmen ? Z({ u"Rose"_s, u"Urlaub"_s }, u"Am Meer"_s) : leer);
        QCOMPARE(album.value(u"c.jpg"_s), uebernehmen ? Z({ u"Rose"_s }, QString()) : leer);
        // Keywords in the order of their numbers; the one there was is reused, never made twice.
        QCOMPARE(Begriffstabelle::NummerVon(s->db.rsBegriffe, u"Rose"_s), rose);
        QCOMPARE(Begriffstabelle::Alphabetisch(s->db.rsBegriffe).size(), uebernehmen ? 3 : 1);
        // The keyword too long is not cut: it is named, with its file, in the one message of the run.
        QCOMPARE(s->meldungen.meldungen.size(), uebernehmen ? 1 : 0);
        if (uebernehmen) {
            QCOMPARE(s->meldungen.meldungen.first().liste.size(), 1);
            QVERIFY(s->meldungen.meldungen.first().liste.first().contains(u"c.jpg: der Begriff \""_s + lang));
        }
        // "Hinzufügen" takes them over the same way.
        if (neueAlben == 0 && behandlung == 0) {
            QVERIFY(bild(s->ordner(u"Neu"_s) + u"d.jpg"_s, { { xmp, u"Gärten"_s } }));
            s->albumWaehlen(s->albumNummer(u"Ferien"_s));
            QCOMPARE(NeueBilderEintragen(s->z, s->db, { s->ordner(u"Neu"_s) + u"d.jpg"_s }), 1);
            QCOMPARE(zeilen(s->albumNummer(u"Ferien"_s)).value(u"d.jpg"_s).first,
                uebernehmen ? QStringList({ u"Gärten"_s }) : QStringList());
            QCOMPARE(Begriffstabelle::Alphabetisch(s->db.rsBegriffe).size(), uebernehmen ? 3 : 1);
            // A failed "Hinzufügen" takes the keywords it made back with its rows.
            QVERIFY(bild(s->ordner(u"Neu"_s) + u"e.jpg"_s, { { xmp, u"Neuland"_s } }));
            s->db.conDaten.Ausfuehren(u"CREATE TRIGGER bremse BEFORE UPDATE ON \"%1\" BEGIN SELECT RAISE(ABORT, 'voll'); END"_s
                                          .arg(s->albumNummer(u"Ferien"_s)));
            QCOMPARE(NeueBilderEintragen(s->z, s->db, { s->ordner(u"Neu"_s) + u"e.jpg"_s }), 0);
            QVERIFY(Begriffstabelle::NummerVon(s->db.rsBegriffe, u"Neuland"_s) <= 0);
            QCOMPARE(Begriffstabelle::Alphabetisch(s->db.rsBegriffe).size(), uebernehmen ? 3 : 1);
        }
    }

    void exportTraegtBegriffeUndBemerkung()
    {
        const QString nummer = s->albumMit(u"Garten"_s, { u"g1.jpg"_s, u"g2.jpg"_s, u"g3.gif"_s });
        const qint64 rose = Begriffstabelle::NeuenDatensatzEinfuegen(s->db, u"Rose"_s);
        const qint64 tulpe = Begriffstabelle::NeuenDatensatzEinfuegen(s->db, u"Tulpe"_s);
        const QString bv = s->z.bilderverzeichnis + u"Garten/"_s;
        // The source carries an old caption and keyword; the copy must carry what the user typed instead.
        QVERIFY(ExifSetzen(bv + u"g1.jpg"_s, { { "Iptc.Application2.Caption", u"alt"_s },
                                                 { "Iptc.Application2.Keywords", u"Alt"_s } }));
        s->db.conDaten.Ausfuehren(u"UPDATE \"%1\" SET Schluesselbegriffe = ?, Bemerkung = ?"_s.arg(nummer),
            { Begriffsfeld::Anhaengen(Begriffsfeld::Eintrag(rose), tulpe), u"Beet am Haus"_s });
        QStringList schluessel, quellen;
        QList<QByteArray> vorher;
        for (const QString& name : { u"g1.jpg"_s, u"g2.jpg"_s, u"g3.gif"_s }) {
            schluessel << s->schluessel(nummer, name);
            quellen << bv + name;
            vorher << inhalt(bv + name);
        }
        const QString tabelle = s->praesentation(u"Beete"_s, schluessel);
        const QString ziel = s->ordner(u"Export"_s);
        const auto ergebnis = PraesentationAustausch::Exportieren(
            s->z, PraesentationAustausch::ExportListe(s->z, s->db, tabelle), u"Beete"_s, ziel);
        QCOMPARE(ergebnis.geschrieben, 3);
        const QStringList kopien = { ziel + u"Beete0001.jpg"_s, ziel + u"Beete0002.jpg"_s, ziel + u"Beete0003.gif"_s };
        for (int i = 0; i < 2; ++i) {
            const Bildangaben a = BildangabenLesen(kopien.at(i));
            QCOMPARE(a.begriffe, QStringList({ u"Rose"_s, u"Tulpe"_s }));
            QCOMPARE(a.beschreibung, u"Beet am Haus"_s);
            QVERIFY(!QImage(kopien.at(i)).isNull());
            QCOMPARE(QFileInfo(kopien.at(i)).lastModified(), QFileInfo(quellen.at(i)).lastModified());
        }
        // GIF cannot carry them: copied as it is and named; the collection's files are untouched.
        QCOMPARE(inhalt(kopien.at(2)), vorher.at(2));
        QCOMPARE(ergebnis.ohneAngaben.size(), 1);
        QVERIFY(ergebnis.ohneAngaben.first().startsWith(kopien.at(2) + u": "_s));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(inhalt(quellen.at(i)), vorher.at(i));
        PraesentationAustausch::ErgebnisMelden(s->z, ergebnis);
        QCOMPARE(s->meldungen.meldungen.size(), 1);
        QCOMPARE(s->meldungen.meldungen.first().liste, ergebnis.ohneAngaben);
    }

    void kopieOhneRaumFuerAngabenBleibtUnverfaelscht()
    {
        const QString nummer = s->albumMit(u"Garten"_s, { u"g1.jpg"_s });
        const QString quelle = s->z.bilderverzeichnis + u"Garten/g1.jpg"_s;
        QImage rauschen(300, 300, QImage::Format_RGB32);
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 300; ++x)
                rauschen.setPixel(x, y, QRandomGenerator::global()->generate());
        QVERIFY(rauschen.save(quelle, "JPEG", 90));
        s->db.conDaten.Ausfuehren(u"UPDATE \"%1\" SET Bemerkung = ?"_s.arg(nummer), { QString(3000, u'x') });
        const QByteArray original = inhalt(quelle);
        // The disk holds the copy to the page, not a byte more: the copy is made, its metadata cannot be.
        KleinerDatentraeger disk(4 * 1024 * 1024);
        QVERIFY2(disk.bereit(), qPrintable(disk.grund()));
        const qint64 seiten = (original.size() + 4095) / 4096 * 4096;
        QFile fueller(disk.pfad() + u"fueller"_s);
        QVERIFY(fueller.open(QIODevice::WriteOnly));
        QVERIFY(fueller.write(QByteArray(QStorageInfo(disk.pfad()).bytesAvailable() - seiten, 'f')) > 0);
        fueller.close();

        const QString tabelle = s->praesentation(u"Beete"_s, { s->schluessel(nummer, u"g1.jpg"_s) });
        const auto ergebnis = PraesentationAustausch::Exportieren(
            s->z, PraesentationAustausch::ExportListe(s->z, s->db, tabelle), u"B"_s, disk.pfad());
        // Written as the source is, and said so; never a cut-off copy, never "with keywords".
        QCOMPARE(ergebnis.geschrieben, 1);
        QCOMPARE(inhalt(disk.pfad() + u"B0001.jpg"_s), original);
        QCOMPARE(ergebnis.ohneAngaben.size(), 1);
        QCOMPARE(inhalt(quelle), original);
    }
};

QTEST_MAIN(TestMetadaten)
#include "test_metadaten.moc"
