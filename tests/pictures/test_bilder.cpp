#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Datentraegerliste.h"
#include "ExifSchreiben.h"
#include "Testsammlung.h"
#include "Vorschaubilder.h"

#include <QImageReader>
#include <QtTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

// The picture core: paths of the three kinds of albums and of CDs, the
// folder import in its three modes, and the thumbnail run.
class TestBilder : public QObject {
    Q_OBJECT

    std::unique_ptr<Testsammlung> s;

    // Makes the album current with a.jpg as its current row.
    void einBild(const QString& nummer)
    {
        s->albumWaehlen(nummer);
        BildEintragen(s->db, u"a.jpg"_s, 0, u"01.02.2003"_s);
        s->db.rsAlbum.MoveFirst();
    }
    QString bild() { return BildPfad(s->z, s->db); }
    QString vorschau() { return VorschauBildPfad(s->z, s->db); }
    QStringList zeilen(const QString& album) { return s->zeilen(album, { u"Dateiname"_s, u"Datum"_s, u"DBNummer"_s }); }

    // Urlaub.JPG (its camera date differs from its file date), a.gif, b.bmp and c.ppm with distinct dates,
    // a named pipe called x.jpg and a folder called y.jpg.
    QString ferienordner(const QString& name)
    {
        const QString ordner = s->ordner(name);
        for (const auto& [datei, datum] : { std::pair { "Urlaub.JPG", QDate(2003, 7, 14) },
                 { "a.gif", QDate(2004, 1, 2) }, { "b.bmp", QDate(1999, 12, 31) }, { "c.ppm", QDate(2000, 1, 1) } }) {
            Testsammlung::bildSchreiben(ordner + datei);
            zeitSetzen(ordner + datei, datum);
        }
        // The camera's day wins over the file's.
        if (!ExifSetzen(ordner + "Urlaub.JPG", { { "Exif.Photo.DateTimeOriginal", u"2004:05:31 14:02:11"_s } })
            || mkfifo(QFile::encodeName(ordner + "x.jpg").constData(), 0644) != 0 || !QDir().mkpath(ordner + "y.jpg"))
            qFatal("mkfifo");
        return ordner;
    }
    // What the summary says of the Ferien folder's files that are not taken.
    static QStringList nichtGenommen(const QString& ordner)
    {
        return { ordner + "c.ppm: Dateityp wird nicht unterstützt",
            ordner + "x.jpg: keine gewöhnliche Datei (Pipe oder Gerät)" };
    }
    void importieren(const QString& quelle, const QString& name)
    {
        QCOMPARE(s->importieren({ quelle }, { name }), 1);
        s->albumWaehlen(s->albumNummer(name));
    }

private slots:
    void init() { s = std::make_unique<Testsammlung>(); }
    void cleanup()
    {
        QCOMPARE(s->unerwartet + s->antworten.size(), 0);
        s.reset();
    }

    void laufwerke()
    {
        for (const auto& [typ, wechselbar, art] : { std::tuple { "iso9660", false, Laufwerk::CDROM },
                 { "UDF", true, Laufwerk::CDROM }, { "cifs", false, Laufwerk::Netzwerk },
                 { "vfat", true, Laufwerk::Wechseldatentraeger }, { "ext4", false, Laufwerk::Festplatte } })
            QCOMPARE(DatentraegerTyp(typ, wechselbar), int(art));
        QCOMPARE(LaufwerkDesPfads(Datentraegerliste().laufwerke(), QDir::rootPath()).wurzel, u"/"_s);
        // A hard disk with the label comes first but is no CD; of two discs
        // with the label the first wins; a drive without medium never matches.
        s->laufwerke.hinzufuegen(s->ordner(u"platte"_s), Laufwerk::Festplatte, u"FOTOS"_s);
        const QString erste = s->cdEinlegen(u"laufwerk_d"_s, u"FOTOS"_s);
        s->cdEinlegen(u"laufwerk_e"_s, u"FOTOS"_s);
        s->laufwerke.hinzufuegen(s->ordner(u"leer"_s), Laufwerk::CDROM, QString());
        QCOMPARE(CDLaufwerkNachName(s->z, u"FOTOS"_s), erste);
        QVERIFY(CDLaufwerkNachName(s->z, u"fotos"_s).isEmpty() && CDLaufwerkNachName(s->z, QString()).isEmpty());
    }

    void dreiAlbenartenUndSuchergebnis()
    {
        const QString bv = s->z.bilderverzeichnis;
        einBild(s->albumAnlegen(u"Urlaub"_s, s->z.programmordner + u'/'));
        QVERIFY(bild() == bv + "Urlaub/a.jpg" && vorschau() == bv + "Urlaub/TempBilder/a.jpg");
        QCOMPARE(AlbumOrdner(s->z, s->db), bv + "Urlaub/");
        // Refreshing deletes the thumbnail folder before the loader is asked for.
        Testsammlung::bildSchreiben(bv + "Urlaub/TempBilder/a.jpg");
        s->ui.beiAlbumLaden = [&] { s->ui.aufrufe << (QFileInfo::exists(bv + "Urlaub/TempBilder") ? "da" : "weg"); };
        VorschaubilderAktualisieren(s->z, s->db);
        QCOMPARE(s->ui.aufrufe, QStringList({ "AlbumLadenZeigen", "weg", "VorschauBilderAnzeigen" }));

        // Left in its own folder: `Pfad` absolute.
        const QString fotos = s->ordner(u"Fotos"_s);
        s->z.einstellungen.lngBehandlungNeueAlben = 2;
        s->albumAnlegen(u"Fotos"_s, fotos);
        BilderAmOrtEintragen(s->z, s->db, fotos, u"Fotos"_s);
        einBild(u"2"_s);
        QVERIFY(bild() == fotos + "a.jpg" && vorschau() == fotos + "TempBilder/a.jpg");
        // A CD album keeps its path relative to the disc's root.
        const QString cd = s->cdEinlegen(u"laufwerk_e"_s, u"URLAUB2003"_s);
        einBild(s->albumAnlegen(u"Urlaub 2003"_s, cd + "Bilder/"));
        QVERIFY(s->z.albumPfad == u"Bilder/"_s && bild() == cd + "Bilder/a.jpg");
        QVERIFY(vorschau() == cd + "Bilder/TempBilder/a.jpg" && AlbumOrdner(s->z, s->db) == cd + "Bilder/");
        // A local copy of the thumbnail wins over the disc.
        const QString lokal = bv + "CD/URLAUB2003/Bilder/a.jpg";
        Testsammlung::bildSchreiben(lokal);
        QCOMPARE(vorschau(), lokal);

        // The search result: rows find their album by the first five digits of `DBNummer`.
        // A key of an album that is gone keeps the values of the last one.
        s->db.conDaten.Ausfuehren(u"INSERT INTO TempAlbum (DBNummer, Dateiname) VALUES ('000200001', 'b.jpg'), "
                                  "('000100004', 'a.jpg'), ('000300002', 'c.jpg'), ('000900001', 'd.jpg')"_s);
        Recordset& rs = s->db.rsAlbum;
        rs.Schliessen();
        rs.Oeffnen(Abfrage::Tabelle(u"TempAlbum"_s));
        s->z.suchergebnisAngezeigt = true;
        s->db.rsAlben.AbsolutePositionSetzen(2);
        QStringList gefunden;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            gefunden << bild();
        QCOMPARE(
            gefunden, QStringList({ fotos + "b.jpg", bv + "Urlaub/a.jpg", cd + "Bilder/c.jpg", cd + "Bilder/d.jpg" }));
        QCOMPARE(s->db.rsAlben.AbsolutePosition(), 2);

        // Without the disc the local copy still serves; only the routines with a message ask for it.
        einBild(u"3"_s);
        s->cdEntnehmen(u"URLAUB2003"_s);
        QCOMPARE(vorschau(), lokal);
        QVERIFY(BildPfadStill(s->z, s->db).isEmpty() && AlbumOrdnerStill(s->z, s->db).isEmpty()
            && s->meldungen.meldungen.isEmpty());
        QVERIFY(bild() == u"Nicht gefunden!"_s && AlbumOrdner(s->z, s->db).isEmpty());
        QCOMPARE(s->meldungen.titel(), QStringList(2, u"CD ist nicht im Laufwerk!"_s));
        // Refreshing without the disc drops the local copy and asks for no loader.
        s->ui.aufrufe.clear();
        VorschaubilderAktualisieren(s->z, s->db);
        QCOMPARE(s->ui.aufrufe, QStringList({ "VorschauBilderAnzeigen" }));
        QVERIFY(!QFileInfo::exists(bv + "CD/URLAUB2003/Bilder") && vorschau() == u"Nicht gefunden!"_s);
        QCOMPARE(s->meldungen.meldungen.size(), 2);
        QVERIFY(!BilddateiVorhanden(NichtGefunden()) && !BilddateiVorhanden(bv));
    }

    void ordnerUebernehmen_data()
    {
        QTest::addColumn<int>("neueAlben");
        QTest::addColumn<int>("bilder");
        QTest::addColumn<QString>("vorgegeben");  // the presentation import gives the name
        QTest::newRow("kopieren") << 0 << 0 << QString();
        QTest::newRow("verschieben") << 0 << 1 << QString();
        QTest::newRow("am Ort") << 2 << 1 << QString();
        QTest::newRow("Praesentation") << 0 << 0 << u"Ferien 2003"_s;
    }
    void ordnerUebernehmen()
    {
        QFETCH(int, neueAlben);
        QFETCH(int, bilder);
        QFETCH(QString, vorgegeben);
        s->z.einstellungen.lngBehandlungNeueAlben = neueAlben;
        s->z.einstellungen.lngBehandlungBilder = bilder;
        const QString quelle = ferienordner(u"Ferien"_s);
        const QStringList alles = dateienIn(quelle);

        // With a given name nobody is asked.
        s->z.importModus = !vorgegeben.isEmpty();
        const QStringList antwort = s->z.importModus ? QStringList() : QStringList({ u"Ferien 2003"_s });
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, { quelle }, s->rueckfragen(antwort), vorgegeben), 1);
        // The PNG and the pipe are named in the one summary; the folder y.jpg is no file at all.
        QCOMPARE(s->meldungen.titel(), QStringList({ "Nicht alle Bilder übernommen!" }));
        QCOMPARE(s->meldungen.meldungen[0].liste, nichtGenommen(quelle));
        QCOMPARE(s->ui.aufrufe, QStringList({ "ErstesAlbumZeigen", "BilderlisteZeigen", "BefehleMitAlben" }));
        // Only the regular jpg, gif and bmp files, in that order, with their dates and keys.
        QCOMPARE(zeilen(u"Ferien 2003"_s),
            QStringList(
                { "Urlaub.JPG 31.05.2004 000100001", "a.gif 02.01.2004 000100002", "b.bmp 31.12.1999 000100003" }));
        const QString albumordner = s->z.bilderverzeichnis + "Ferien 2003/";
        s->albumWaehlen(u"1"_s);
        s->db.rsAlbum.MoveFirst();
        if (neueAlben == 2) {
            // Left in place: the album knows its folder, nothing was copied.
            QVERIFY(!QFileInfo::exists(albumordner));
            QCOMPARE(dateienIn(quelle), alles);
            QCOMPARE(bild(), quelle + "a.gif");
            return;
        }
        // For the presentation import the note stays until its presentation is made.
        QCOMPARE(dateienIn(albumordner),
            QStringList({ ".kolvar-import", "Urlaub.JPG", "a.gif", "b.bmp" }).mid(vorgegeben.isEmpty() ? 1 : 0));
        // Moved: what was not taken stays, and so does the folder.
        QCOMPARE(dateienIn(quelle), bilder == 1 ? QStringList({ "c.ppm", "x.jpg", "y.jpg" }) : alles);
        QCOMPARE(bild(), albumordner + "a.gif");
    }

    void fehlschlaegeVerlierenKeinBild()
    {
        s->z.einstellungen.lngBehandlungBilder = 1;
        // The album folder holds something called a.gif already: that
        // picture cannot be moved, keeps its source and gets no row.
        const QString quelle = ferienordner(u"Ferien"_s);
        const QString ordnername = AlbumAnlegen(s->z, s->db, u"Ferien"_s, quelle);
        QDir().mkpath(s->z.bilderverzeichnis + ordnername + "/a.gif");
        QCOMPARE(BilderKopierenVerschieben(s->z, s->db, quelle, ordnername, u"Ferien"_s), 2);
        QCOMPARE(dateienIn(quelle), QStringList({ "a.gif", "c.ppm", "x.jpg", "y.jpg" }));
        QCOMPARE(zeilen(u"Ferien"_s), QStringList({ "Urlaub.JPG 31.05.2004 000100001", "b.bmp 31.12.1999 000100002" }));
        QCOMPARE(s->meldungen.titel(), QStringList({ "Nicht alle Bilder übernommen!" }));
        QCOMPARE(s->meldungen.meldungen[0].liste,
            nichtGenommen(quelle) << quelle + "a.gif: im Album liegt schon etwas dieses Namens");

        // The engine refuses the second row: no row, no copy and no deleted source remain of the folder.
        s->meldungen.leeren();
        const QString abbruchOrdner = s->ordnerMit(u"Abbruch"_s, { "a.jpg", "b.jpg" });
        const QString abbruch = AlbumAnlegen(s->z, s->db, u"Abbruch"_s, abbruchOrdner);
        s->db.conDaten.Ausfuehren(u"CREATE TRIGGER bremse BEFORE INSERT ON \"2\" "
                                  "WHEN NEW.Dateiname = 'b.jpg' BEGIN SELECT RAISE(ABORT, 'voll'); END"_s);
        QVERIFY_THROWS_EXCEPTION(
            DatenbankFehler, BilderKopierenVerschieben(s->z, s->db, abbruchOrdner, abbruch, u"Abbruch"_s));
        QCOMPARE(dateienIn(abbruchOrdner), QStringList({ "a.jpg", "b.jpg" }));
        // Only the note stays, so that importing the folder again goes on into this album.
        QCOMPARE(dateienIn(s->z.bilderverzeichnis + abbruch), QStringList({ ".kolvar-import" }));
        QVERIFY(zeilen(u"Abbruch"_s).isEmpty());
        QVERIFY(!s->db.rsImport.IstOffen());

        // In the folder import an engine error (here a name longer than the column) becomes
        // a message, a cancelled name skips its folder, and the run goes on with the next one.
        const QString lang = s->ordnerMit(u"Lang"_s, { "a.jpg" }), weiter = s->ordnerMit(u"Weiter"_s, { "b.jpg" });
        const QStringList namen = { QString(51, u'n'), QString(), u"Weiter"_s };
        QCOMPARE(s->importieren({ lang, quelle, weiter }, namen), 1);
        QCOMPARE(dateienIn(lang), QStringList({ "a.jpg" }));
        QCOMPARE(dateienIn(quelle), QStringList({ "a.gif", "c.ppm", "x.jpg", "y.jpg" }));
        QCOMPARE(s->meldungen.titel(), QStringList({ "Fehler beim Übernehmen des Ordners!" }));
        QCOMPARE(zeilen(u"Weiter"_s).size(), 1);
    }

    void cdAlbum()
    {
        const QString cd = s->cdEinlegen(u"laufwerk_e"_s, u"URLAUB2003"_s);
        const QString quelle = Testsammlung::bilderIn(cd + "Fotos/Urlaub/", { "a.jpg", "b.gif" });
        // Left on the disc even with "move" set: its path relative to the disc, nothing copied.
        s->z.einstellungen.lngBehandlungBilder = 1;
        importieren(quelle, u"Urlaub"_s);
        QVERIFY(s->z.albumCDName == u"URLAUB2003"_s && s->z.albumPfad == u"Fotos/Urlaub/"_s);
        QVERIFY(zeilen(u"Urlaub"_s).size() == 2 && !QFileInfo::exists(s->z.bilderverzeichnis + "Urlaub"));

        // Thumbnails without the disc: nothing is made, not even the folder.
        s->cdEntnehmen(u"URLAUB2003"_s);
        QVERIFY(!Vorschaubilderzeugung(s->z, s->db).AlbumLaden() && !QFileInfo::exists(s->z.bilderverzeichnis + "CD"));
        // The browser's list has empty entries then, and there is no message.
        BildPfadeLaden(s->z, s->db);
        QVERIFY(s->z.bildPfade == QStringList(2, QString()) && s->meldungen.meldungen.isEmpty());
        // With the disc: a local copy below the picture directory.
        s->cdEinlegen(u"laufwerk_e"_s, u"URLAUB2003"_s);
        QVERIFY(Vorschaubilderzeugung(s->z, s->db).AlbumLaden());
        const QString lokal = s->z.bilderverzeichnis + "CD/URLAUB2003/Fotos/Urlaub";
        QCOMPARE(dateienIn(lokal), QStringList({ "a.jpg", "b.gif" }));
        // A disc that brings its own thumbnails and no local copy: those are used.
        QVERIFY(QDir(lokal).removeRecursively() && QDir().mkpath(quelle + "TempBilder"));
        QCOMPARE(Vorschaubilderzeugung(s->z, s->db).vorschauordner(), quelle + "TempBilder");
        QVERIFY(!Vorschaubilderzeugung(s->z, s->db).AlbumLaden());
        // A disc label never leads the local copy out of "CD/".
        for (const QString& label : { u".."_s, u"../Ferien"_s, QString() }) {
            const QString ort = QDir::cleanPath(LokalerVorschauOrdner(s->z, u"Urlaub/"_s, label));
            QVERIFY2(ort.startsWith(s->z.bilderverzeichnis + "CD/"), qPrintable(ort));
        }
        // The disc's root is a folder on it too, with its local thumbnails right in the disc's folder.
        Testsammlung::bildSchreiben(cd + "r.jpg");
        importieren(cd, u"Wurzel"_s);
        s->db.rsAlbum.MoveFirst();
        QVERIFY(s->z.albumCDName == u"URLAUB2003"_s && s->z.albumPfad.isEmpty() && bild() == cd + "r.jpg");
        QVERIFY(Vorschaubilderzeugung(s->z, s->db).AlbumLaden() && s->meldungen.meldungen.isEmpty());
        QCOMPARE(vorschau(), s->z.bilderverzeichnis + "CD/URLAUB2003/r.jpg");

        // Copied from the disc: even with "move" set the disc keeps its files.
        s->z.einstellungen.lngBehandlungNeueCDAlben = 0;
        importieren(quelle, u"Kopie"_s);
        QVERIFY(dateienIn(quelle) == QStringList({ "TempBilder", "a.jpg", "b.gif" })
            && dateienIn(s->z.bilderverzeichnis + "Kopie") == QStringList({ "a.jpg", "b.gif" }));
    }

    void vorschaubilderEinesAlbums()
    {
        const QString quelle = s->ordner(u"Ferien"_s);
        Testsammlung::bildSchreiben(quelle + "quer.jpg", QSize(300, 200));
        Testsammlung::bildSchreiben(quelle + "klein.gif");
        Testsammlung::bildSchreiben(quelle + "b.bmp", QSize(40, 40));
        importieren(quelle, u"Ferien"_s);
        Vorschaubilderzeugung lauf(s->z, s->db);
        const QString album = s->z.bilderverzeichnis + "Ferien/", ordner = album + "TempBilder";
        QVERIFY(lauf.AlbumLaden() && s->meldungen.meldungen.isEmpty());
        // Named like the pictures, extension included, always JPEG.
        QCOMPARE(dateienIn(ordner), QStringList({ "b.bmp", "klein.gif", "quer.jpg" }));
        // The browser's list: the thumbnails; the current row stays.
        s->db.rsAlbum.AbsolutePositionSetzen(2);
        BildPfadeLaden(s->z, s->db);
        QCOMPARE(s->z.bildPfade, QStringList({ ordner + "/b.bmp", ordner + "/klein.gif", ordner + "/quer.jpg" }));
        QVERIFY(s->z.bildDBNummern == QStringList({ "000100003", "000100002", "000100001" })
            && s->db.rsAlbum.AbsolutePosition() == 2);

        // A thumbnail lost or left empty (a run cut off) is made the next time the album opens; the others stay.
        QFile::remove(ordner + "/quer.jpg");
        QVERIFY(QFile::resize(ordner + "/klein.gif", 0));
        QVERIFY(QFile::resize(ordner + "/b.bmp", 10));
        {
            Vorschaubilderzeugung wieder(s->z, s->db);
            QVERIFY(wieder.VorschaubilderFehlen() && wieder.AlbumLaden());
        }
        QCOMPARE(QImageReader(ordner + "/quer.jpg").size(), QSize(160, 107));
        QVERIFY(QImageReader(ordner + "/klein.gif").format() == "jpeg" && QFileInfo(ordner + "/b.bmp").size() == 10);
        QVERIFY(!Vorschaubilderzeugung(s->z, s->db).VorschaubilderFehlen());
        QVERIFY(!Vorschaubilderzeugung(s->z, s->db).AlbumLaden() && s->meldungen.meldungen.isEmpty());

        // Damaged files among them: the run on all cores names them in one list, in the order of the folder.
        for (const char* name : { "x.jpg", "a-leer.jpg" })
            schreiben(album + name, name[0] == 'a' ? "" : "kein Bild");
        QVERIFY(QDir(ordner).removeRecursively());
        QVERIFY(Vorschaubilderzeugung(s->z, s->db).AlbumLaden());
        QCOMPARE(s->meldungen.titel(), QStringList({ "Keine Vorschaubilder!" }));
        QCOMPARE(s->meldungen.meldungen[0].liste.join(u'|').remove(album).remove(QRegularExpression(u": [^|]+"_s)),
            u"a-leer.jpg|x.jpg"_s);
        QCOMPARE(dateienIn(ordner).size(), 3);
        s->meldungen.leeren();

        // The album's folder gone (a stick unplugged): nothing is made again, it is said.
        QVERIFY(QDir(album).removeRecursively());
        QVERIFY(!Vorschaubilderzeugung(s->z, s->db).AlbumLaden() && !QFileInfo::exists(album));
        QCOMPARE(s->meldungen.titel(), QStringList({ "Keine Vorschaubilder!" }));
    }
};

QTEST_MAIN(TestBilder)

#include "test_bilder.moc"
