#include "Bildleser.h"
#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Eingriffe.h"
#include "KleinerDatentraeger.h"
#include "Testsammlung.h"
#include "Vorschaubilder.h"

#include <QRandomGenerator>
#include <QStorageInfo>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The import with bad input, a full disk and cut-off runs: no damaged file becomes a picture,
// no picture is lost or entered twice, and the user hears of it once.
class TestImport : public QObject {
    Q_OBJECT

    std::unique_ptr<Testsammlung> s;

    // `Pfad` of the album as stored, read past every recordset the program holds.
    QString gespeicherterPfad(const QString& nummer)
    {
        Recordset rs;
        rs.Einrichten(&s->db.conDaten, Recordset::Keyset, Recordset::NurLesen);
        rs.Oeffnen(Abfrage::Gleich(u"Alben"_s, u"Nummer"_s, nummer.toLongLong()));
        return FeldLesen(rs, u"Pfad"_s);
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
    // The note a cut-off import leaves in its album folder: with the size and time of the source's
    // pictures, or as earlier versions wrote it, without them.
    static void notizSchreiben(const QString& albumordner, const QString& quelle, const QString& nummer, bool kennung)
    {
        QByteArray text = (QDir::cleanPath(quelle) + '\n' + nummer + '\n' + (kennung ? "Bilder:\n" : "")).toUtf8();
        for (const QFileInfo& f : QDir(quelle).entryInfoList(QDir::Files))
            if (kennung)
                text += u"%1\t%2\t%3\n"_s.arg(f.size())
                            .arg(f.lastModified().toMSecsSinceEpoch())
                            .arg(f.fileName())
                            .toUtf8();
        schreiben(albumordner + ".kolvar-import", text);
    }
    // A card as a camera writes it: the same names on every card, other pictures.
    static void karteBeschreiben(const QString& karte, int breite)
    {
        QDir(karte).removeRecursively();
        for (int i = 1; i <= 4; ++i)
            Testsammlung::bildSchreiben(karte + u"IMG_000%1.JPG"_s.arg(i), QSize(breite + i, 60));
    }
    static QStringList sortiert(QStringList liste) { return liste.sort(), liste; }
    // The names in the one list of skipped files, without their folder; one without a reason is marked.
    QStringList genannteNamen(const QString& ordner)
    {
        QStringList namen;
        for (const auto& m : std::as_const(s->meldungen.meldungen))
            for (const QString& eintrag : m.liste)
                if (eintrag.startsWith(ordner))
                    namen << eintrag.mid(ordner.size()).section(u": "_s, 0, 0)
                            + (eintrag.section(u": "_s, 1).size() > 3 ? "" : " ohne Grund");
        namen.sort();
        return namen;
    }

private slots:
    void init() { s = std::make_unique<Testsammlung>(); }
    void cleanup()
    {
        // No name query came that was not expected, and none expected stayed unasked.
        QCOMPARE(s->unerwartet + s->antworten.size(), 0);
        s.reset();
    }

    void kaputteDateienEineListe()
    {
        // A cut-off picture and every kind of file that is no picture by its name or kind
        // (damaged contents of each format are the imaging test's cases).
        const QString quelle = s->ordner(u"Gemischt"_s);
        Testsammlung::bildSchreiben(quelle + "gut.jpg", QSize(200, 150));
        Testsammlung::bildSchreiben(quelle + "klein.gif");
        Testsammlung::bildSchreiben(quelle + "halb.jpg", QSize(400, 300));
        QVERIFY(QFile::resize(quelle + "halb.jpg", QFileInfo(quelle + "halb.jpg").size() / 2));
        QCOMPARE(mkfifo(QFile::encodeName(quelle + "pipe.jpg").constData(), 0644), 0);
        QVERIFY(QFile::link(quelle + "gibtsnicht.jpg", quelle + "insleere.jpg"));
        // Every JPEG ending is a picture; names that are no picture's are named too.
        for (const char* name :
            { "d.jpeg", "e.JPE", "f.Jfif", "blank.jpg ", "punkt.jpg.", ".versteckt.jpg", "bild.cr2" })
            QVERIFY(QFile::copy(quelle + "gut.jpg", quelle + name));
        const QByteArray latin1 = QFile::encodeName(quelle).append("M\xfcnchen.jpg");
        const int datei = ::open(latin1.constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(datei >= 0 && ::close(datei) == 0);

        QCOMPARE(s->importieren({ quelle }, { u"Gemischt"_s }), 1);
        const QStringList genommen({ "d.jpeg", "e.JPE", "f.Jfif", "gut.jpg", "klein.gif" });
        QCOMPARE(s->zeilen(u"Gemischt"_s), genommen);
        QCOMPARE(dateienIn(s->z.bilderverzeichnis + "Gemischt"), genommen);
        // One message for all of them, each named with its reason.
        QCOMPARE(s->meldungen.titel(), QStringList({ "Nicht alle Bilder übernommen!" }));
        QCOMPARE(genannteNamen(quelle),
            QStringList({ ".versteckt.jpg", "M\uFFFDnchen.jpg", "bild.cr2", "blank.jpg ", "halb.jpg", "insleere.jpg",
                "pipe.jpg", "punkt.jpg." }));
        // Copied, the sources stay; the folder was not entered twice.
        QCOMPARE(dateienIn(quelle).size(), 12);
        QCOMPARE(::unlink(latin1.constData()), 0);  // Qt cannot name it either
    }

    void amOrtAllesOderNichts()
    {
        // A failure on a later row leaves neither rows nor the album's new `Pfad`.
        const QString quelle = s->ordnerMit(u"Fotos"_s, { "a.jpg", "b.jpg", "c.jpg" });
        s->z.einstellungen.lngBehandlungNeueAlben = 2;
        const QString nummer = s->albumAnlegen(u"Fotos"_s, quelle);
        QCOMPARE(gespeicherterPfad(nummer), QString());
        s->db.conDaten.Ausfuehren(u"CREATE TRIGGER bremse BEFORE INSERT ON \"1\" "
                                  "WHEN NEW.Dateiname = 'b.jpg' BEGIN SELECT RAISE(ABORT, 'voll'); END"_s);
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, BilderAmOrtEintragen(s->z, s->db, quelle, u"Fotos"_s));
        QVERIFY(s->zeilen(u"Fotos"_s).isEmpty() && gespeicherterPfad(nummer).isEmpty());
        s->db.rsAlben.Filter(u"Nummer"_s, nummer);
        QCOMPARE(FeldLesen(s->db.rsAlben, u"Pfad"_s), QString());
        s->db.rsAlben.FilterEntfernen();
        QVERIFY(!s->db.rsImport.IstOffen());
        // Once the engine takes the rows, the same call enters all three.
        s->db.conDaten.Ausfuehren(u"DROP TRIGGER bremse"_s);
        QCOMPARE(BilderAmOrtEintragen(s->z, s->db, quelle, u"Fotos"_s), 3);
        QCOMPARE(gespeicherterPfad(nummer), quelle);

        // Cut off in the folder import: the album goes with its rows, so the folder can be imported
        // again under its name.
        const QString neu = s->ordnerMit(u"Neu"_s, { "a.jpg" });
        s->db.conDaten.Ausfuehren(u"CREATE TRIGGER bremse BEFORE UPDATE OF Pfad ON Alben "
                                  "WHEN NEW.Pfad <> '' BEGIN SELECT RAISE(ABORT, 'voll'); END"_s);
        const int alben = s->z.anzahlAlben;
        QCOMPARE(s->importieren({ neu }, { u"Neu"_s }), 0);
        QCOMPARE(s->meldungen.titel(), QStringList({ "Fehler beim Übernehmen des Ordners!" }));
        QVERIFY(s->albumNummer(u"Neu"_s).isEmpty() && !s->z.albenauswahl.contains(u"Neu"_s));
        s->db.conDaten.Ausfuehren(u"DROP TRIGGER bremse"_s);
        QCOMPARE(s->importieren({ neu }, { u"Neu"_s }), 1);
        QVERIFY(s->zeilen(u"Neu"_s) == QStringList({ "a.jpg" }) && s->z.anzahlAlben == alben + 1);
    }

    void verschiebenNurVonAussen()
    {
        s->z.einstellungen.lngBehandlungBilder = 1;
        // An album left in its folder, and an album in the picture directory.
        const QString ort = s->ordnerMit(u"Ort"_s, { "Unter/a.jpg", "b.jpg" });
        s->z.einstellungen.lngBehandlungNeueAlben = 2;
        QCOMPARE(s->importieren({ ort }, { u"Ort"_s }), 1);
        s->z.einstellungen.lngBehandlungNeueAlben = 0;
        const QString drinnen = Testsammlung::bilderIn(s->z.bilderverzeichnis + "Drinnen/", { "c.jpg" });
        s->meldungen.leeren();

        // Moving out of either would delete an album's own pictures: refused, and said once.
        const QString fehlt = s->wurzel() + "fehlt/";
        QCOMPARE(s->importieren({ ort + "Unter/", drinnen, fehlt }, {}), 0);
        QVERIFY(dateienIn(ort + "Unter") == QStringList({ "a.jpg" }) && dateienIn(drinnen) == QStringList({ "c.jpg" }));
        QCOMPARE(s->meldungen.titel(), QStringList({ "Nicht alle Bilder übernommen!" }));
        const QStringList liste = s->meldungen.meldungen[0].liste;
        QCOMPARE(liste.size(), 3);
        QVERIFY(liste[0].startsWith(ort + "Unter/: gehört zum Album \"Ort\""));
        QVERIFY(liste[1].startsWith(drinnen + ": liegt im Bilderverzeichnis"));
        // A folder that cannot be read (here: gone since it was ticked) makes no empty album.
        QVERIFY(liste[2] == fehlt + ": der Ordner kann nicht gelesen werden" && s->z.anzahlAlben == 1);
        // Called directly, the routine copies instead of moving.
        QVERIFY(!s->albumAnlegen(u"Kopie"_s, drinnen).isEmpty());
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
        const QString spaeter = s->ordnerMit(u"Spaeter"_s, { "d.jpg" });

        // Run again: the folder goes on into its album without a question, only the next one is asked.
        QCOMPARE(s->importieren({ quelle, spaeter }, { u"Später"_s }), 2);
        QCOMPARE(s->z.anzahlAlben, 2);
        QCOMPARE(s->zeilen(u"Reise"_s), QStringList({ "a.jpg", "b.jpg", "c.jpg", "z.jpg" }));
        QCOMPARE(lesen(album + "b.jpg"), b);
        QCOMPARE(dateienIn(album), QStringList({ "a.jpg", "b.jpg", "c.jpg", "z.jpg" }));
        QCOMPARE(dateienIn(quelle), verschieben ? QStringList() : QStringList({ "a.jpg", "b.jpg", "c.jpg" }));
        QVERIFY(s->meldungen.meldungen.isEmpty());
        // A third run is a new import of the folder, asked for as usual.
        if (!verschieben) {
            QCOMPARE(s->importieren({ quelle }, { u"Reise 2"_s }), 1);
            QCOMPARE(s->zeilen(u"Reise 2"_s), QStringList({ "a.jpg", "b.jpg", "c.jpg" }));
        }
    }

    void verschobenAberNichtGeloescht()
    {
        // Cut off after the rows were stored, while the moved sources were deleted:
        // opening the album finishes the move, and no picture comes in twice.
        s->z.einstellungen.lngBehandlungBilder = 1;
        const QString quelle = s->ordnerMit(u"Reise"_s, { "a.jpg", "b.jpg" });
        QCOMPARE(s->importieren({ quelle }, { u"Reise"_s }), 1);
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
        QCOMPARE(s->zeilen(u"Reise"_s), QStringList({ "a.jpg", "b.jpg", "x.gif" }));
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
        Testsammlung::bilderIn(stick.pfad(), { "a.jpg", "b.jpg" });
        QVERIFY(stick.schreibschuetzen());
        s->z.einstellungen.lngBehandlungBilder = 1;
        QCOMPARE(s->importieren({ stick.pfad() }, { u"Stick"_s }), 1);
        QCOMPARE(s->zeilen(u"Stick"_s), QStringList({ "a.jpg", "b.jpg" }));
        QCOMPARE(dateienIn(stick.pfad()), QStringList({ "a.jpg", "b.jpg" }));
        QCOMPARE(s->meldungen.titel(), QStringList({ "Nicht alle Bilder übernommen!" }));
        QCOMPARE(genannteNamen(stick.pfad()), QStringList({ "a.jpg", "b.jpg" }));
        // Run again once they can be deleted, with a picture taken since: the
        // move is finished into the same album, nothing is copied twice.
        QVERIFY(stick.schreibschuetzen(false));
        Testsammlung::bildSchreiben(stick.pfad() + "c.jpg");
        s->meldungen.leeren();
        QCOMPARE(s->importieren({ stick.pfad() }, {}), 1);
        QCOMPARE(s->zeilen(u"Stick"_s), QStringList({ "a.jpg", "b.jpg", "c.jpg" }));
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
            s->importieren({ karte }, { u"Ostern"_s });
        }));
        s->db.rsAlben.Requery();
        const QStringList namen({ "IMG_0001.JPG", "IMG_0002.JPG", "IMG_0003.JPG", "IMG_0004.JPG" });
        QCOMPARE(s->zeilen(u"Ostern"_s), namen);
        QCOMPARE(dateienIn(karte), namen.mid(1));

        // Another card at the same place, the same names, other pictures: a new
        // album of its own, asked for, with all of them; Ostern keeps its own.
        karteBeschreiben(karte, 90);
        QCOMPARE(s->importieren({ karte }, { u"Pfingsten"_s }), 1);
        QCOMPARE(s->zeilen(u"Pfingsten"_s), namen);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(QImage(s->z.bilderverzeichnis + "Pfingsten/" + namen[i]).width(), 91 + i);
            QCOMPARE(QImage(s->z.bilderverzeichnis + "Ostern/" + namen[i]).width(), 61 + i);
        }
        QVERIFY(!QFileInfo::exists(karte));
        QCOMPARE(s->zeilen(u"Ostern"_s), namen);
        QVERIFY(s->meldungen.meldungen.isEmpty());
    }

    void alteNotiz()
    {
        // A note of an earlier version names no pictures: the sizes of the copies decide. A copy as large
        // as its source goes on into the album; one of another size makes a new album, asked for.
        for (const auto& [name, kopieGroesse, frage] :
            { std::tuple { u"Alt"_s, 0, QString() }, { u"Anders"_s, 10, u"Neu"_s } }) {
            const QString quelle = s->ordnerMit(name, { "a.jpg", "b.jpg" }),
                          album = s->z.bilderverzeichnis + name + '/';
            notizSchreiben(album, quelle, s->albumAnlegen(name, quelle), false);
            QVERIFY(QFile::copy(quelle + "a.jpg", album + "a.jpg")
                && (!kopieGroesse || QFile::resize(album + "a.jpg", kopieGroesse)));
            QCOMPARE(s->importieren({ quelle }, frage.isEmpty() ? QStringList() : QStringList({ frage })), 1);
            QCOMPARE(s->zeilen(frage.isEmpty() ? name : frage), QStringList({ "a.jpg", "b.jpg" }));
        }
    }

    void einzelneKopieAbgelehnt()
    {
        // The source shrinks while it is copied; a file size limit is no full disk: the run goes on with the next
        // picture.
        for (const auto& [grenze, album, grund] : { std::tuple { false, u"Wechsel"_s, u"beim Kopieren verändert"_s },
                 { true, u"Grenze"_s, u"ulimit -f"_s } }) {
            const QString quelle = s->ordnerMit(album, { "b.jpg" });
            rauschenSchreiben(quelle + "a.jpg", 1200, 900);
            rlimit vorher {};
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &vorher), 0);
            const rlimit begrenzt { 512 * 1024, vorher.rlim_max };
            if (grenze)
                QCOMPARE(setrlimit(RLIMIT_FSIZE, &begrenzt), 0);
            else
                Eingriffe::KuerzenBeimLesen(quelle + "a.jpg");
            const int anzahl = s->importieren({ quelle }, { album });
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &vorher), 0);
            // No copy, no row, and the file is named with its reason in the one list.
            QCOMPARE(anzahl, 1);
            QCOMPARE(s->zeilen(album), QStringList({ "b.jpg" }));
            QCOMPARE(dateienIn(s->z.bilderverzeichnis + album), QStringList({ "b.jpg" }));
            QCOMPARE(s->meldungen.titel(), QStringList({ "Nicht alle Bilder übernommen!" }));
            QCOMPARE(genannteNamen(quelle), QStringList({ "a.jpg" }));
            QVERIFY2(
                s->meldungen.meldungen[0].liste[0].contains(grund), qPrintable(s->meldungen.meldungen[0].liste[0]));
            s->meldungen.leeren();
        }
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
        QCOMPARE(s->importieren({ quelle, weiter }, { u"Gross"_s }), 1);
        s->ui.beiErstemAlbum = nullptr;
        QDir(album + "/TempBilder").removeRecursively();
        QCOMPARE(s->meldungen.texte(), QStringList({ "Kein Speicherplatz mehr auf " + album }));
        QCOMPARE(s->meldungen.titel(), QStringList({ "Kein Speicherplatz!" }));
        QVERIFY(s->albumNummer(u"Weiter"_s).isEmpty());
        // What was entered is complete and moved; nothing cut off lies in the album; no picture is lost.
        const QStringList eingetragen = s->zeilen(u"Gross"_s);
        QVERIFY2(!eingetragen.isEmpty() && eingetragen.size() < 5, qPrintable(eingetragen.join(u' ')));
        QCOMPARE(dateienIn(album), QStringList({ ".kolvar-import" }) + eingetragen);
        for (const QString& name : eingetragen)
            QVERIFY2(Bildleser::Pruefen(album + '/' + name), qPrintable(name));
        QCOMPARE(sortiert(dateienIn(quelle) + eingetragen), alle);

        // With room again, the same run goes on into the album and takes the next folder too.
        QVERIFY(platte.groesseAendern(4 * 1024 * 1024));
        s->meldungen.leeren();
        QCOMPARE(s->importieren({ quelle, weiter }, { u"Weiter"_s }), 2);
        QCOMPARE(sortiert(s->zeilen(u"Gross"_s)), alle);
        QVERIFY(!QFileInfo::exists(quelle));
        QCOMPARE(s->zeilen(u"Weiter"_s), QStringList({ "w.jpg" }));
        QVERIFY(s->meldungen.meldungen.isEmpty());

        // Thumbnails on a full disk: one message naming their folder, and no cut-off file.
        s->albumWaehlen(s->albumNummer(u"Gross"_s));
        const QStorageInfo info(platte.pfad());
        QVERIFY(platte.groesseAendern(info.bytesTotal() - info.bytesAvailable() + 24 * 1024));
        QVERIFY(Vorschaubilderzeugung(s->z, s->db).AlbumLaden());
        QCOMPARE(s->meldungen.texte(), QStringList({ "Kein Speicherplatz mehr auf " + album + "/TempBilder" }));
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
