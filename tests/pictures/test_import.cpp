#include "AlbumImport.h"
#include "Bildleser.h"
#include "Bildorte.h"
#include "Dateiausgabe.h"
#include "DatenbankFehler.h"
#include "Eingriffe.h"
#include "KleinerDatentraeger.h"
#include "Testsammlung.h"
#include "Vorschaubilder.h"

#include <QImageReader>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <QtEndian>
#include <QtTest>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// What the import does with bad input, a full disk and a run that was cut
// off: no damaged file becomes a picture, no picture is lost or entered
// twice, and the user hears of it once.
class TestImport : public QObject {
    Q_OBJECT

    std::unique_ptr<Testsammlung> s;
    int unerwartet = 0; // name queries that should not have come, and answers not asked for

    // The file names of the album's rows, by `Nummer`.
    QStringList zeilen(const QString& albumname)
    {
        Recordset rs;
        rs.Einrichten(&s->db.conDaten, Recordset::Keyset, Recordset::NurLesen);
        rs.Oeffnen(Abfrage::Tabelle(s->albumNummer(albumname)));
        QStringList namen;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            namen << FeldLesen(rs, u"Dateiname"_s);
        return namen;
    }
    // `Pfad` of the album as stored, read past every recordset the program holds.
    QString gespeicherterPfad(const QString& nummer)
    {
        Recordset rs;
        rs.Einrichten(&s->db.conDaten, Recordset::Keyset, Recordset::NurLesen);
        rs.Oeffnen(Abfrage::Gleich(u"Alben"_s, u"Nummer"_s, nummer.toLongLong()));
        return FeldLesen(rs, u"Pfad"_s);
    }
    // Imports the folders; each name query is answered from the list, and
    // a question nobody expected fails the test.
    int importieren(const QStringList& ordner, const QStringList& namen)
    {
        auto liste = std::make_shared<QStringList>(namen);
        Importrueckfragen r;
        r.nameAbfragen = [this, liste](const QString&) {
            unerwartet += liste->isEmpty();
            return liste->isEmpty() ? u"unerwartet"_s : liste->takeFirst();
        };
        const int anzahl = AlbenAusOrdnernAnlegen(s->z, s->db, ordner, r);
        unerwartet += int(liste->size());
        return anzahl;
    }
    // A picture of noise, which JPEG cannot shrink: roughly width x height bytes.
    static void rauschenSchreiben(const QString& pfad, int breite, int hoehe)
    {
        QImage bild(breite, hoehe, QImage::Format_RGB32);
        for (int y = 0; y < hoehe; ++y)
            for (int x = 0; x < breite; ++x)
                bild.setPixel(x, y, QRandomGenerator::global()->generate());
        QVERIFY(bild.save(pfad, "JPEG", 95));
    }
    static void schreiben(const QString& pfad, const QByteArray& daten)
    {
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(daten) == daten.size());
    }
    static QByteArray lesen(const QString& pfad)
    {
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The note a cut-off import leaves in its album folder, as a crash leaves
    // it: with the size and time of the source's pictures, or as earlier
    // versions wrote it, without them.
    static void notizSchreiben(const QString& albumordner, const QString& quelle, const QString& nummer, bool kennung)
    {
        QByteArray text = (QDir::cleanPath(quelle) + '\n' + nummer + '\n').toUtf8();
        if (kennung) {
            text += "Bilder:\n";
            for (const QFileInfo& f : QDir(quelle).entryInfoList(QDir::Files))
                text += u"%1\t%2\t%3\n"_s.arg(f.size())
                            .arg(f.lastModified().toMSecsSinceEpoch())
                            .arg(f.fileName())
                            .toUtf8();
        }
        schreiben(albumordner + ".kolvar-import", text);
    }
    // A card as a camera writes it: the same names on every card, other pictures.
    static void karteBeschreiben(const QString& karte, int breite)
    {
        QDir(karte).removeRecursively();
        for (int i = 1; i <= 4; ++i)
            Testsammlung::bildSchreiben(karte + u"IMG_000%1.JPG"_s.arg(i), QSize(breite + i, 60));
    }
    // The names in the one list of skipped files, without their folder.
    QStringList genannteNamen(const QString& ordner)
    {
        QStringList namen;
        for (const auto& m : std::as_const(s->meldungen.meldungen))
            for (const QString& eintrag : m.liste)
                if (eintrag.startsWith(ordner))
                    namen << eintrag.mid(ordner.size()).section(u": "_s, 0, 0);
        namen.sort();
        return namen;
    }

private slots:
    void init()
    {
        s = std::make_unique<Testsammlung>();
        unerwartet = 0;
    }
    void cleanup()
    {
        s.reset();
        QCOMPARE(unerwartet, 0);
    }

    void kaputteDateienEineListe()
    {
        // Three good pictures, a top-down BMP among them, and every kind of bad file.
        const QString quelle = s->ordner(u"Gemischt"_s);
        Testsammlung::bildSchreiben(quelle + "gut.jpg", QSize(200, 150));
        Testsammlung::bildSchreiben(quelle + "klein.gif");
        QImage bmp(101, 80, QImage::Format_RGB32);
        bmp.fill(Qt::red);
        QVERIFY(bmp.save(quelle + "unten.bmp", "BMP"));
        QByteArray daten = lesen(quelle + "unten.bmp");
        QVERIFY(QFile::remove(quelle + "unten.bmp"));
        QByteArray vonOben = daten.left(54);
        qToLittleEndian<qint32>(-80, reinterpret_cast<uchar*>(vonOben.data()) + 22);
        for (int y = 79; y >= 0; --y)
            vonOben += daten.mid(54 + y * 304, 304);
        schreiben(quelle + "oben.bmp", vonOben);
        schreiben(quelle + "halb.bmp", daten.left(daten.size() - 40)); // rows padded to 304 bytes
        Testsammlung::bildSchreiben(quelle + "halb.jpg", QSize(400, 300));
        QVERIFY(QFile::resize(quelle + "halb.jpg", QFileInfo(quelle + "halb.jpg").size() / 2));
        Testsammlung::bildSchreiben(quelle + "halb.gif");
        QVERIFY(QFile::resize(quelle + "halb.gif", QFileInfo(quelle + "halb.gif").size() - 3));
        schreiben(quelle + "leer.jpg", QByteArray());
        schreiben(quelle + "brief.jpg", "Lieber Hans, anbei die Bilder vom Urlaub.\n");
        QCOMPARE(mkfifo(QFile::encodeName(quelle + "pipe.jpg").constData(), 0644), 0);
        QVERIFY(QFile::link(u"/dev/null"_s, quelle + "geraet.jpg"));
        QVERIFY(QFile::link(quelle + "gibtsnicht.jpg", quelle + "insleere.jpg"));
        // Every JPEG ending is a picture; names that are no picture's are named too.
        for (const char* name : { "d.jpeg", "e.JPE", "f.Jfif" })
            QVERIFY(QFile::copy(quelle + "gut.jpg", quelle + name));
        for (const char* name : { "blank.jpg ", "punkt.jpg.", ".versteckt.jpg", "ohneendung", "bild.cr2" })
            QVERIFY(QFile::copy(quelle + "gut.jpg", quelle + name));
        const QByteArray latin1 = QFile::encodeName(quelle).append("M\xfcnchen.jpg");
        const int datei = ::open(latin1.constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(datei >= 0 && ::close(datei) == 0);

        QCOMPARE(importieren({ quelle }, { u"Gemischt"_s }), 1);
        const QStringList genommen({ "d.jpeg", "e.JPE", "f.Jfif", "gut.jpg", "klein.gif", "oben.bmp" });
        QCOMPARE(zeilen(u"Gemischt"_s), genommen);
        QCOMPARE(dateienIn(s->z.bilderverzeichnis + "Gemischt"), genommen);
        // One message for all of them, each named with its reason.
        QCOMPARE(s->meldungen.meldungen.size(), 1);
        QCOMPARE(s->meldungen.titel(), QStringList({ "Nicht alle Bilder übernommen!" }));
        QStringList genannt;
        for (const QString& eintrag : std::as_const(s->meldungen.meldungen[0].liste)) {
            QVERIFY2(eintrag.startsWith(quelle) && eintrag.section(u": "_s, 1).size() > 3, qPrintable(eintrag));
            genannt << eintrag.mid(quelle.size()).section(u':', 0, 0);
        }
        genannt.sort();
        QCOMPARE(genannt,
            QStringList(
                { ".versteckt.jpg", "M\uFFFDnchen.jpg", "bild.cr2", "blank.jpg ", "brief.jpg", "geraet.jpg", "halb.bmp",
                    "halb.gif", "halb.jpg", "insleere.jpg", "leer.jpg", "ohneendung", "pipe.jpg", "punkt.jpg." }));
        // Copied, the sources stay; the folder was not entered twice.
        QCOMPARE(dateienIn(quelle).size(), 19);
        QCOMPARE(::unlink(latin1.constData()), 0);  // Qt cannot name it either
    }

    void amOrtEintragenAllesOderNichts()
    {
        // A failure on a later row leaves neither rows nor the album's new `Pfad`.
        const QString quelle = s->ordner(u"Fotos"_s);
        for (const char* name : { "a.jpg", "b.jpg", "c.jpg" })
            Testsammlung::bildSchreiben(quelle + name);
        s->z.einstellungen.lngBehandlungNeueAlben = 2;
        const QString nummer = s->albumAnlegen(u"Fotos"_s, quelle);
        QCOMPARE(gespeicherterPfad(nummer), QString());
        s->db.conDaten.Ausfuehren(u"CREATE TRIGGER bremse BEFORE INSERT ON \"1\" "
                                  "WHEN NEW.Dateiname = 'b.jpg' BEGIN SELECT RAISE(ABORT, 'voll'); END"_s);
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, BilderAmOrtEintragen(s->z, s->db, quelle, u"Fotos"_s));
        QVERIFY(zeilen(u"Fotos"_s).isEmpty());
        QCOMPARE(gespeicherterPfad(nummer), QString());
        s->db.rsAlben.Filter(u"Nummer"_s, nummer);
        QCOMPARE(FeldLesen(s->db.rsAlben, u"Pfad"_s), QString());
        s->db.rsAlben.FilterEntfernen();
        QVERIFY(!s->db.rsImport.IstOffen());

        // Once the engine takes the rows, the same call enters all three.
        s->db.conDaten.Ausfuehren(u"DROP TRIGGER bremse"_s);
        QCOMPARE(BilderAmOrtEintragen(s->z, s->db, quelle, u"Fotos"_s), 3);
        QCOMPARE(gespeicherterPfad(nummer), quelle);
    }

    void amOrtAbgebrochenKeinLeeresAlbum()
    {
        // Cut off while entering in place: the album goes with its rows, so
        // the folder can be imported again under its name.
        const QString quelle = s->ordner(u"Fotos"_s);
        Testsammlung::bildSchreiben(quelle + "a.jpg");
        s->z.einstellungen.lngBehandlungNeueAlben = 2;
        s->db.conDaten.Ausfuehren(u"CREATE TRIGGER bremse BEFORE UPDATE OF Pfad ON Alben "
                                  "WHEN NEW.Pfad <> '' BEGIN SELECT RAISE(ABORT, 'voll'); END"_s);
        QCOMPARE(importieren({ quelle }, { u"Fotos"_s }), 0);
        QCOMPARE(s->meldungen.titel(), QStringList({ "Fehler beim Übernehmen des Ordners!" }));
        QVERIFY(s->albumNummer(u"Fotos"_s).isEmpty());
        QVERIFY(!s->z.albenauswahl.contains(u"Fotos"_s));
        s->db.conDaten.Ausfuehren(u"DROP TRIGGER bremse"_s);
        QCOMPARE(importieren({ quelle }, { u"Fotos"_s }), 1);
        QCOMPARE(zeilen(u"Fotos"_s), QStringList({ "a.jpg" }));
        QCOMPARE(s->z.anzahlAlben, 1);
    }

    void ordnerAufDerWurzelEinerCD()
    {
        // The disc's root itself is a folder on that disc, with or without the trailing "/".
        const QString cd = s->cdEinlegen(u"laufwerk_e"_s, u"URLAUB2003"_s);
        Testsammlung::bildSchreiben(cd + "a.jpg");
        for (const QString& pfad : { cd, Pfade::ohneSchraegstrich(cd) }) {
            QCOMPARE(Laufwerkstyp(s->z, pfad), u"CD-ROM"_s);
            QCOMPARE(Datentraegername(s->z, pfad), u"URLAUB2003"_s);
        }
        QCOMPARE(BehandlungFuer(s->z, cd), Bildbehandlung::Eintragen);
        QCOMPARE(importieren({ cd }, { u"Urlaub"_s }), 1);
        s->albumWaehlen(s->albumNummer(u"Urlaub"_s));
        QCOMPARE(s->z.albumCDName, u"URLAUB2003"_s);
        QCOMPARE(s->z.albumPfad, QString());
        s->db.rsAlbum.MoveFirst();
        QCOMPARE(BildPfad(s->z, s->db), cd + "a.jpg");
        QVERIFY(Vorschaubilderzeugung(s->z, s->db).AlbumLaden());
        QCOMPARE(dateienIn(s->z.bilderverzeichnis + "CD/URLAUB2003"), QStringList({ "a.jpg" }));
        QCOMPARE(VorschauBildPfad(s->z, s->db), s->z.bilderverzeichnis + "CD/URLAUB2003/a.jpg");
        QVERIFY(s->meldungen.meldungen.isEmpty());
    }

    void verschiebenNurVonAussen()
    {
        s->z.einstellungen.lngBehandlungBilder = 1;
        // An album left in its folder, and an album in the picture directory.
        const QString ort = s->ordner(u"Ort"_s);
        Testsammlung::bildSchreiben(ort + "Unter/a.jpg");
        Testsammlung::bildSchreiben(ort + "b.jpg");
        s->z.einstellungen.lngBehandlungNeueAlben = 2;
        QCOMPARE(importieren({ ort }, { u"Ort"_s }), 1);
        s->z.einstellungen.lngBehandlungNeueAlben = 0;
        const QString drinnen = s->z.bilderverzeichnis + "Drinnen/";
        Testsammlung::bildSchreiben(drinnen + "c.jpg");
        s->meldungen.leeren();

        // Moving out of either would delete an album's own pictures: refused, and said once.
        const QString fehlt = s->wurzel() + "fehlt/";
        QCOMPARE(importieren({ ort + "Unter/", drinnen, fehlt }, {}), 0);
        QCOMPARE(dateienIn(ort + "Unter"), QStringList({ "a.jpg" }));
        QCOMPARE(dateienIn(drinnen), QStringList({ "c.jpg" }));
        QCOMPARE(s->meldungen.titel(), QStringList({ "Nicht alle Bilder übernommen!" }));
        const QStringList liste = s->meldungen.meldungen[0].liste;
        QCOMPARE(liste.size(), 3);
        QVERIFY(liste[0].startsWith(ort + "Unter/: gehört zum Album \"Ort\""));
        QVERIFY(liste[1].startsWith(drinnen + ": liegt im Bilderverzeichnis"));
        // A folder that cannot be read (here: gone since it was ticked) makes no empty album.
        QCOMPARE(liste[2], fehlt + ": der Ordner kann nicht gelesen werden");
        QCOMPARE(s->z.anzahlAlben, 1);
        // Called directly, the routine copies instead of moving.
        const QString nummer = s->albumAnlegen(u"Kopie"_s, drinnen);
        QVERIFY(!nummer.isEmpty());
        QCOMPARE(BilderKopierenVerschieben(s->z, s->db, drinnen, u"Kopie"_s, u"Kopie"_s), 1);
        QCOMPARE(dateienIn(drinnen), QStringList({ "c.jpg" }));
    }

    void abgebrochenenImportFortsetzen_data()
    {
        QTest::addColumn<int>("verschieben");
        QTest::newRow("kopieren") << 0;
        QTest::newRow("verschieben") << 1;
    }
    void abgebrochenenImportFortsetzen()
    {
        // Cut off while copying: a.jpg copied, b.jpg copied halfway, c.jpg not yet;
        // no row was stored. z.jpg's source was deleted since, its copy is whole.
        QFETCH(int, verschieben);
        s->z.einstellungen.lngBehandlungBilder = verschieben;
        const QString quelle = s->ordner(u"Reise"_s);
        for (const char* name : { "a.jpg", "b.jpg", "c.jpg", "z.jpg" })
            Testsammlung::bildSchreiben(quelle + name, QSize(120, 90));
        const QByteArray b = lesen(quelle + "b.jpg"), z = lesen(quelle + "z.jpg");
        const QString nummer = s->albumAnlegen(u"Reise"_s, quelle);
        const QString album = s->z.bilderverzeichnis + "Reise/";
        notizSchreiben(album, quelle, nummer, true);
        QVERIFY(QFile::copy(quelle + "a.jpg", album + "a.jpg"));
        schreiben(album + "b.jpg", b.left(b.size() / 2));
        schreiben(album + "z.jpg", z);
        QVERIFY(QFile::remove(quelle + "z.jpg"));
        // Another folder of the same run had not started yet.
        const QString spaeter = s->ordner(u"Spaeter"_s);
        Testsammlung::bildSchreiben(spaeter + "d.jpg");

        // Run again: the folder goes on into its album without a question, only the next one is asked.
        QCOMPARE(importieren({ quelle, spaeter }, { u"Später"_s }), 2);
        QCOMPARE(s->z.anzahlAlben, 2);
        QCOMPARE(zeilen(u"Reise"_s), QStringList({ "a.jpg", "b.jpg", "c.jpg", "z.jpg" }));
        QCOMPARE(lesen(album + "b.jpg"), b);
        QCOMPARE(dateienIn(album), QStringList({ "a.jpg", "b.jpg", "c.jpg", "z.jpg" }));
        QCOMPARE(dateienIn(quelle), verschieben ? QStringList() : QStringList({ "a.jpg", "b.jpg", "c.jpg" }));
        QVERIFY(s->meldungen.meldungen.isEmpty());
        // A third run is a new import of the folder, asked for as usual.
        if (!verschieben) {
            QCOMPARE(importieren({ quelle }, { u"Reise 2"_s }), 1);
            QCOMPARE(zeilen(u"Reise 2"_s), QStringList({ "a.jpg", "b.jpg", "c.jpg" }));
        }
    }

    void verschobenAberNichtGeloescht()
    {
        // Cut off after the rows were stored, while the moved sources were deleted:
        // opening the album finishes the move, and no picture comes in twice.
        s->z.einstellungen.lngBehandlungBilder = 1;
        const QString quelle = s->ordner(u"Reise"_s);
        for (const char* name : { "a.jpg", "b.jpg" })
            Testsammlung::bildSchreiben(quelle + name);
        QCOMPARE(importieren({ quelle }, { u"Reise"_s }), 1);
        const QString album = s->z.bilderverzeichnis + "Reise/";
        QVERIFY(!QFileInfo::exists(quelle));
        QVERIFY(QDir().mkpath(quelle));
        for (const char* name : { "a.jpg", "b.jpg" })
            QVERIFY(QFile::copy(album + name, quelle + name));
        notizSchreiben(album, quelle, s->albumNummer(u"Reise"_s), true);
        // Besides, a copy whose row was lost.
        Testsammlung::bildSchreiben(album + "x.gif");

        s->albumWaehlen(s->albumNummer(u"Reise"_s));
        QVERIFY(AbgebrochenenImportVollenden(s->z, s->db));
        QCOMPARE(zeilen(u"Reise"_s), QStringList({ "a.jpg", "b.jpg", "x.gif" }));
        QVERIFY(!QFileInfo::exists(quelle));
        QCOMPARE(dateienIn(album), QStringList({ "a.jpg", "b.jpg", "x.gif" }));
        QVERIFY(!AbgebrochenenImportVollenden(s->z, s->db));
        QVERIFY(s->meldungen.meldungen.isEmpty());
    }

    void nichtGeloeschteQuellenGenannt()
    {
        // Moved from a disc that turns out write-protected: the copies are
        // entered, and every source that stays behind is named.
        KleinerDatentraeger stick(1024 * 1024);
        if (!stick.bereit())
            QSKIP(qPrintable(u"no tmpfs: "_s + stick.grund()));
        for (const char* name : { "a.jpg", "b.jpg" })
            Testsammlung::bildSchreiben(stick.pfad() + name);
        QVERIFY(stick.schreibschuetzen());
        s->z.einstellungen.lngBehandlungBilder = 1;
        QCOMPARE(importieren({ stick.pfad() }, { u"Stick"_s }), 1);
        QCOMPARE(zeilen(u"Stick"_s), QStringList({ "a.jpg", "b.jpg" }));
        QCOMPARE(dateienIn(stick.pfad()), QStringList({ "a.jpg", "b.jpg" }));
        QCOMPARE(s->meldungen.titel(), QStringList({ "Nicht alle Bilder übernommen!" }));
        const QStringList liste = s->meldungen.meldungen[0].liste;
        QCOMPARE(liste.size(), 2);
        for (int i = 0; i < 2; ++i)
            QVERIFY2(liste[i].startsWith(stick.pfad() + "ab"[i] + ".jpg: ins Album kopiert, aber nicht gelöscht"),
                qPrintable(liste[i]));
        // Run again once they can be deleted, with a picture taken since: the
        // move is finished into the same album, nothing is copied twice.
        QVERIFY(stick.schreibschuetzen(false));
        Testsammlung::bildSchreiben(stick.pfad() + "c.jpg");
        s->meldungen.leeren();
        QCOMPARE(importieren({ stick.pfad() }, {}), 1);
        QCOMPARE(zeilen(u"Stick"_s), QStringList({ "a.jpg", "b.jpg", "c.jpg" }));
        QCOMPARE(dateienIn(s->z.bilderverzeichnis + "Stick"), QStringList({ "a.jpg", "b.jpg", "c.jpg" }));
        QCOMPARE(dateienIn(stick.pfad()), QStringList());
        QVERIFY(s->meldungen.meldungen.isEmpty());
    }

    void zweiteKarte()
    {
        // A move from a card is killed while it deletes the sources: the rows are stored, one source is gone.
        s->z.einstellungen.lngBehandlungBilder = 1;
        const QString karte = s->ordner(u"Karte/DCIM/100CANON"_s);
        karteBeschreiben(karte, 60);
        QVERIFY(Eingriffe::ImKindAbgestuerzt([&] {
            Eingriffe::AbsturzBeim(karte, 1);
            importieren({ karte }, { u"Ostern"_s });
        }));
        s->db.rsAlben.Requery();
        const QStringList namen({ "IMG_0001.JPG", "IMG_0002.JPG", "IMG_0003.JPG", "IMG_0004.JPG" });
        QCOMPARE(zeilen(u"Ostern"_s), namen);
        QCOMPARE(dateienIn(karte), namen.mid(1));

        // Another card at the same place, the same names, other pictures: a new
        // album of its own, asked for, with all of them; Ostern keeps its own.
        karteBeschreiben(karte, 90);
        QCOMPARE(importieren({ karte }, { u"Pfingsten"_s }), 1);
        QCOMPARE(zeilen(u"Pfingsten"_s), namen);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(QImage(s->z.bilderverzeichnis + "Pfingsten/" + namen[i]).width(), 91 + i);
            QCOMPARE(QImage(s->z.bilderverzeichnis + "Ostern/" + namen[i]).width(), 61 + i);
        }
        QVERIFY(!QFileInfo::exists(karte));
        QCOMPARE(zeilen(u"Ostern"_s), namen);
        QVERIFY(s->meldungen.meldungen.isEmpty());
    }

    void alteNotiz_data()
    {
        QTest::addColumn<int>("kopieGroesse");
        QTest::addColumn<QString>("frage");
        QTest::newRow("Kopie so groß wie die Quelle: fortgesetzt") << 0 << QString();
        QTest::newRow("andere Größe: neues Album") << 10 << u"Neu"_s;
    }
    void alteNotiz()
    {
        // A note of an earlier version names no pictures: the sizes of the copies decide.
        QFETCH(int, kopieGroesse);
        QFETCH(QString, frage);
        const QString quelle = s->ordner(u"Alt"_s);
        Testsammlung::bildSchreiben(quelle + "a.jpg");
        Testsammlung::bildSchreiben(quelle + "b.jpg");
        const QString album = s->z.bilderverzeichnis + "Alt/";
        notizSchreiben(album, quelle, s->albumAnlegen(u"Alt"_s, quelle), false);
        QVERIFY(QFile::copy(quelle + "a.jpg", album + "a.jpg"));
        if (kopieGroesse)
            QVERIFY(QFile::resize(album + "a.jpg", kopieGroesse));
        QCOMPARE(importieren({ quelle }, frage.isEmpty() ? QStringList() : QStringList({ frage })), 1);
        QCOMPARE(zeilen(frage.isEmpty() ? u"Alt"_s : frage), QStringList({ "a.jpg", "b.jpg" }));
    }

    void einzelneKopieAbgelehnt_data()
    {
        QTest::addColumn<bool>("grenze");
        QTest::addColumn<QString>("grund");
        // The source shrinks while it is copied.
        QTest::newRow("Quelle verändert") << false << u"beim Kopieren verändert"_s;
        // A file size limit is no full disk: the run goes on with the next picture.
        QTest::newRow("ulimit -f") << true << u"ulimit -f"_s;
    }
    void einzelneKopieAbgelehnt()
    {
        QFETCH(bool, grenze);
        QFETCH(QString, grund);
        const QString quelle = s->ordner(u"Wechsel"_s);
        rauschenSchreiben(quelle + "a.jpg", 1200, 900);
        Testsammlung::bildSchreiben(quelle + "b.jpg");
        rlimit vorher {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &vorher), 0);
        rlimit begrenzt = vorher;
        begrenzt.rlim_cur = 512 * 1024;
        if (grenze)
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &begrenzt), 0);
        else
            Eingriffe::KuerzenBeimLesen(quelle + "a.jpg");
        const int anzahl = importieren({ quelle }, { u"Wechsel"_s });
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &vorher), 0);
        // No copy, no row, and the file is named with its reason in the one list.
        QCOMPARE(anzahl, 1);
        QCOMPARE(zeilen(u"Wechsel"_s), QStringList({ "b.jpg" }));
        QCOMPARE(dateienIn(s->z.bilderverzeichnis + "Wechsel"), QStringList({ "b.jpg" }));
        QCOMPARE(s->meldungen.titel(), QStringList({ "Nicht alle Bilder übernommen!" }));
        QCOMPARE(genannteNamen(quelle), QStringList({ "a.jpg" }));
        QVERIFY2(s->meldungen.meldungen[0].liste[0].contains(grund), qPrintable(s->meldungen.meldungen[0].liste[0]));
    }

    void vollerDatentraeger()
    {
        KleinerDatentraeger platte(256 * 1024);
        if (!platte.bereit())
            QSKIP(qPrintable(u"no tmpfs to fill: "_s + platte.grund()));
        s->z.bilderverzeichnis = platte.pfad() + u"BilderVerzeichnis/"_s;
        QVERIFY(QDir().mkpath(s->z.bilderverzeichnis));
        // Five pictures of about 90 KiB each: two or three fit.
        const QString quelle = s->ordner(u"Gross"_s), weiter = s->ordner(u"Weiter"_s);
        QStringList alle;
        for (int i = 1; i <= 5; ++i) {
            alle << u"bild%1.jpg"_s.arg(i);
            rauschenSchreiben(quelle + alle.last(), 320, 240);
        }
        Testsammlung::bildSchreiben(weiter + "w.jpg");
        s->z.einstellungen.lngBehandlungBilder = 1;
        const QString album = s->z.bilderverzeichnis + "Gross";
        // The main window opens the first album after the run, with its thumbnails.
        s->ui.beiErstemAlbum = [&] {
            s->albumWaehlen(s->albumNummer(u"Gross"_s));
            AbgebrochenenImportVollenden(s->z, s->db);
            Vorschaubilderzeugung(s->z, s->db).AlbumLaden();
        };

        // One message naming the folder, the run stops before the next folder.
        QCOMPARE(importieren({ quelle, weiter }, { u"Gross"_s }), 1);
        s->ui.beiErstemAlbum = nullptr;
        QDir(album + "/TempBilder").removeRecursively();
        QCOMPARE(s->meldungen.texte(), QStringList({ "Kein Speicherplatz mehr auf " + album }));
        QCOMPARE(s->meldungen.titel(), QStringList({ "Kein Speicherplatz!" }));
        QVERIFY(s->albumNummer(u"Weiter"_s).isEmpty());
        // What was entered is complete and moved; nothing cut off lies in the album; no picture is lost.
        const QStringList eingetragen = zeilen(u"Gross"_s);
        QVERIFY2(!eingetragen.isEmpty() && eingetragen.size() < 5, qPrintable(eingetragen.join(u' ')));
        QStringList bilder = dateienIn(album);
        bilder.removeAll(u".kolvar-import"_s);
        QCOMPARE(bilder, eingetragen);
        for (const QString& name : eingetragen)
            QVERIFY2(Bildleser::Pruefen(album + '/' + name), qPrintable(name));
        QStringList zusammen = dateienIn(quelle) + eingetragen;
        zusammen.sort();
        QCOMPARE(zusammen, alle);

        // With room again, the same run goes on into the album and takes the next folder too.
        QVERIFY(platte.groesseAendern(4 * 1024 * 1024));
        s->meldungen.leeren();
        QCOMPARE(importieren({ quelle, weiter }, { u"Weiter"_s }), 2);
        QStringList sortiert = zeilen(u"Gross"_s);
        sortiert.sort();
        QCOMPARE(sortiert, alle);
        QVERIFY(!QFileInfo::exists(quelle));
        QCOMPARE(zeilen(u"Weiter"_s), QStringList({ "w.jpg" }));
        QVERIFY(s->meldungen.meldungen.isEmpty());

        // Thumbnails on a full disk: one message naming their folder, and no cut-off file.
        s->albumWaehlen(s->albumNummer(u"Gross"_s));
        const QStorageInfo info(platte.pfad());
        QVERIFY(platte.groesseAendern(info.bytesTotal() - info.bytesAvailable() + 24 * 1024));
        QList<int> erledigt;
        QVERIFY(Vorschaubilderzeugung(s->z, s->db).AlbumLaden([&](int fertig, int, const QString&) {
            erledigt << fertig;
        }));
        QCOMPARE(s->meldungen.texte(), QStringList({ "Kein Speicherplatz mehr auf " + album + "/TempBilder" }));
        QVERIFY2(erledigt.size() < 5, "the run went on after the disk was full");
        const QStringList vorschau = dateienIn(album + "/TempBilder");
        QVERIFY(vorschau.size() < 5);
        for (const QString& name : vorschau)
            QVERIFY2(Bildleser::Pruefen(album + "/TempBilder/" + name), qPrintable(name));
        // With room, the next opening makes the missing ones.
        QVERIFY(platte.groesseAendern(4 * 1024 * 1024));
        Vorschaubilderzeugung wieder(s->z, s->db);
        QVERIFY(wieder.VorschaubilderFehlen());
        QVERIFY(wieder.AlbumLaden());
        QCOMPARE(dateienIn(album + "/TempBilder"), alle);
    }
};

QTEST_MAIN(TestImport)

#include "test_import.moc"
