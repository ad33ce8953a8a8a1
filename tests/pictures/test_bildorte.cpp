#include "Bildorte.h"
#include "Datentraegerliste.h"
#include "Testsammlung.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <memory>

// Paths of pictures, thumbnails and album folders for the three kinds of
// albums, CDs found by label, the search result, the path list, and the
// real volume list.
class TestBildorte : public QObject {
    Q_OBJECT

    std::unique_ptr<Testsammlung> s;

    QString albumImBV(const QString& name) { return s->albumAnlegen(name, s->z.programmordner + QLatin1Char('/')); }
    // An album whose pictures stayed in their own folder: `Pfad` absolute.
    QString albumImOrdner(const QString& name, const QString& ordner)
    {
        s->z.einstellungen.lngBehandlungNeueAlben = 2;
        const QString nummer = s->albumAnlegen(name, ordner);
        s->z.einstellungen.lngBehandlungNeueAlben = 0;
        s->albumFeldSetzen(nummer, QStringLiteral("Pfad"), ordner);
        return nummer;
    }
    void einBild(const QString& nummer)
    {
        s->albumWaehlen(nummer);
        s->bildEintragen(QStringLiteral("a.jpg"));
        s->db.rsAlbum.MoveFirst();
    }

private slots:
    void init() { s = std::make_unique<Testsammlung>(); }
    void cleanup() { s.reset(); }

    void datentraeger()
    {
        QCOMPARE(DatentraegerTyp("iso9660", false), int(Laufwerk::CDROM));
        QCOMPARE(DatentraegerTyp("UDF", true), int(Laufwerk::CDROM));
        QCOMPARE(DatentraegerTyp("fuse.sshfs", false), int(Laufwerk::Netzwerk));
        QCOMPARE(DatentraegerTyp("cifs", false), int(Laufwerk::Netzwerk));
        QCOMPARE(DatentraegerTyp("tmpfs", false), int(Laufwerk::RAMDisk));
        QCOMPARE(DatentraegerTyp("vfat", true), int(Laufwerk::Wechseldatentraeger));
        QCOMPARE(DatentraegerTyp("ext4", false), int(Laufwerk::Festplatte));
        QVERIFY(!IstWechselbar("/dev/gibtesnicht0"));
        // The real list: sorted by root, so the first match is the same on every call.
        const QVector<Laufwerk> liste = Datentraegerliste().laufwerke();
        QVERIFY(!liste.isEmpty());
        for (int i = 1; i < liste.size(); ++i)
            QVERIFY(liste[i - 1].wurzel < liste[i].wurzel);
        QCOMPARE(LaufwerkDesPfads(liste, QDir::rootPath()).wurzel, QStringLiteral("/"));
    }

    void dreiAlbenarten()
    {
        const QString bv = s->z.bilderverzeichnis;
        einBild(albumImBV(QStringLiteral("Urlaub")));
        QCOMPARE(s->z.albumPfad, QStringLiteral("Urlaub/"));
        QCOMPARE(BildPfad(s->z, s->db), bv + QStringLiteral("Urlaub/a.jpg"));
        QCOMPARE(VorschauBildPfad(s->z, s->db), bv + QStringLiteral("Urlaub/TempBilder/a.jpg"));
        QCOMPARE(AlbumOrdner(s->z, s->db), bv + QStringLiteral("Urlaub/"));

        const QString fotos = s->ordner(QStringLiteral("Fotos"));
        einBild(albumImOrdner(QStringLiteral("Fotos"), fotos));
        QCOMPARE(BildPfad(s->z, s->db), fotos + QStringLiteral("a.jpg"));
        QCOMPARE(VorschauBildPfad(s->z, s->db), fotos + QStringLiteral("TempBilder/a.jpg"));

        const QString cd = s->cdEinlegen(QStringLiteral("laufwerk_e"), QStringLiteral("URLAUB2003"));
        einBild(s->albumAnlegen(QStringLiteral("Urlaub 2003"), cd + QStringLiteral("Bilder/")));
        QCOMPARE(s->z.albumPfad, QStringLiteral("Bilder/"));
        QCOMPARE(BildPfad(s->z, s->db), cd + QStringLiteral("Bilder/a.jpg"));
        QCOMPARE(VorschauBildPfad(s->z, s->db), cd + QStringLiteral("Bilder/TempBilder/a.jpg"));
        QCOMPARE(AlbumOrdner(s->z, s->db), cd + QStringLiteral("Bilder/"));
        // A local copy of the thumbnail wins over the disc.
        const QString lokal = bv + QStringLiteral("CD/URLAUB2003/Bilder/a.jpg");
        Testsammlung::bildSchreiben(lokal);
        QCOMPARE(VorschauBildPfad(s->z, s->db), lokal);
        QVERIFY(s->meldungen.meldungen.isEmpty());

        // Disc taken out: the local copy is still used; only the
        // with-message routines ask for the disc.
        s->cdEntnehmen(QStringLiteral("URLAUB2003"));
        QCOMPARE(VorschauBildPfad(s->z, s->db), lokal);
        QCOMPARE(BildPfadStill(s->z, s->db), QString());
        QCOMPARE(AlbumOrdnerStill(s->z, s->db), QString());
        QVERIFY(s->meldungen.meldungen.isEmpty());
        QCOMPARE(BildPfad(s->z, s->db), QStringLiteral("Nicht gefunden!"));
        QCOMPARE(s->meldungen.meldungen.size(), 1);
        QCOMPARE(s->meldungen.meldungen[0].titel, QStringLiteral("CD ist nicht im Laufwerk!"));
        QCOMPARE(s->meldungen.meldungen[0].stil, Meldungen::Information);
        QCOMPARE(s->meldungen.meldungen[0].text, QStringLiteral("Bitte die CD mit dem Namen:\rURLAUB2003\reinlegen!"));
        QCOMPARE(AlbumOrdner(s->z, s->db), QString());
        QCOMPARE(s->meldungen.meldungen.size(), 2);
        QFile::remove(lokal);
        QCOMPARE(VorschauBildPfad(s->z, s->db), QStringLiteral("Nicht gefunden!"));
        QCOMPARE(s->meldungen.meldungen.size(), 2);
    }

    void cdLaufwerkeNachName()
    {
        // A hard disk with the label comes first but is no CD; of two discs
        // with the label the first wins; a drive without medium never matches.
        s->laufwerke.hinzufuegen(s->ordner(QStringLiteral("platte")), Laufwerk::Festplatte, QStringLiteral("FOTOS"));
        const QString erste = s->cdEinlegen(QStringLiteral("laufwerk_d"), QStringLiteral("FOTOS"));
        s->cdEinlegen(QStringLiteral("laufwerk_e"), QStringLiteral("FOTOS"));
        s->laufwerke.hinzufuegen(s->ordner(QStringLiteral("leer")), Laufwerk::CDROM, QString());
        QCOMPARE(CDLaufwerkNachName(s->z, QStringLiteral("FOTOS")), erste);
        QCOMPARE(CDLaufwerkNachName(s->z, QStringLiteral("fotos")), QString());
        QCOMPARE(CDLaufwerkNachName(s->z, QString()), QString());
        QCOMPARE(s->z.laufwerke.size(), 5);
        QCOMPARE(s->z.laufwerke.at(2), erste);
        QCOMPARE(Laufwerkstyp(s->z, erste + QStringLiteral("Bilder/a.jpg")), QStringLiteral("CD-ROM"));
        QCOMPARE(Laufwerkstyp(s->z, s->wurzel()), QStringLiteral("Fixed"));
        QCOMPARE(Datentraegername(s->z, erste + QStringLiteral("x")), QStringLiteral("FOTOS"));
    }

    void suchergebnisAusDreiAlben()
    {
        const QString fotos = s->ordner(QStringLiteral("Fotos"));
        const QString cd = s->cdEinlegen(QStringLiteral("laufwerk_e"), QStringLiteral("SCHEIBE"));
        QCOMPARE(albumImBV(QStringLiteral("Urlaub")), QStringLiteral("1"));
        albumImOrdner(QStringLiteral("Fotos"), fotos);
        s->albumAnlegen(QStringLiteral("Scheibe"), cd + QStringLiteral("Reise/"));
        s->albumWaehlen(QStringLiteral("1"));

        Recordset& rs = s->db.rsAlbum;
        rs.Schliessen();
        rs.Oeffnen(Abfrage::Tabelle(QStringLiteral("TempAlbum")));
        for (const char* zeile : {"000200001 b.jpg", "000100004 a.jpg", "000300002 c.jpg", "000900001 d.jpg"}) {
            rs.AddNew();
            rs.FeldSetzen(QStringLiteral("DBNummer"), QString::fromLatin1(zeile).left(9));
            rs.FeldSetzen(QStringLiteral("Dateiname"), QString::fromLatin1(zeile).mid(10));
            rs.Update();
        }
        s->z.suchergebnisAngezeigt = true;
        s->db.rsAlben.AbsolutePositionSetzen(2);
        rs.MoveFirst();
        QCOMPARE(BildPfad(s->z, s->db), fotos + QStringLiteral("b.jpg"));
        rs.MoveNext();
        QCOMPARE(VorschauBildPfad(s->z, s->db), s->z.bilderverzeichnis + QStringLiteral("Urlaub/TempBilder/a.jpg"));
        rs.MoveNext();
        QCOMPARE(BildPfad(s->z, s->db), cd + QStringLiteral("Reise/c.jpg"));
        // A key of an album that is gone keeps the values of the last one.
        rs.MoveNext();
        QCOMPARE(BildPfad(s->z, s->db), cd + QStringLiteral("Reise/d.jpg"));
        QCOMPARE(s->z.albumCDName, QStringLiteral("SCHEIBE"));
        QCOMPARE(s->db.rsAlben.AbsolutePosition(), 2);
    }

    void pfadlisteDesAlbums()
    {
        s->albumWaehlen(albumImBV(QStringLiteral("Urlaub")));
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
            s->bildEintragen(QLatin1String(name));
        const QString ordner = s->z.bilderverzeichnis + QStringLiteral("Urlaub/");
        Testsammlung::bildSchreiben(ordner + QStringLiteral("TempBilder/b.jpg"));
        Recordset& rs = s->db.rsAlbum;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            FeldSchreiben(rs, QStringLiteral("DBNummer"), QStringLiteral("00010000") + FeldLesen(rs, QStringLiteral("Nummer")));
        rs.AbsolutePositionSetzen(3);

        // The thumbnail where there is one, else the picture.
        BildPfadeLaden(s->z, s->db);
        QCOMPARE(s->z.bildPfade, QStringList({ordner + "a.jpg", ordner + "TempBilder/b.jpg", ordner + "c.jpg"}));
        QCOMPARE(s->z.bildDBNummern, QStringList({"000100001", "000100002", "000100003"}));
        QCOMPARE(rs.AbsolutePosition(), 3);
        QCOMPARE(s->ui.aufrufe, QStringList({"VorschauNeuesAlbumAnzeigen", "VorschauZeigen"}));

        // A CD album without its disc: an empty entry and no message.
        const QString cd = s->cdEinlegen(QStringLiteral("laufwerk_e"), QStringLiteral("WEG"));
        einBild(s->albumAnlegen(QStringLiteral("Weg"), cd));
        s->cdEntnehmen(QStringLiteral("WEG"));
        BildPfadeLaden(s->z, s->db);
        QCOMPARE(s->z.bildPfade, QStringList({QString()}));
        QVERIFY(s->meldungen.meldungen.isEmpty());

        // An empty album is shown anew by an open browser, nothing more.
        s->ui.aufrufe.clear();
        s->albumWaehlen(albumImBV(QStringLiteral("Leer")));
        BildPfadeLaden(s->z, s->db);
        QVERIFY(s->z.bildPfade.isEmpty());
        QCOMPARE(s->ui.aufrufe, QStringList({"VorschauNeuesAlbumAnzeigen"}));
    }

    void vorschauordnerPruefenUndErneuern()
    {
        s->albumWaehlen(albumImBV(QStringLiteral("Urlaub")));
        QVERIFY(!VorschauOrdnerVorhanden(s->z, s->db));
        const QString tb = s->z.bilderverzeichnis + QStringLiteral("Urlaub/TempBilder/");
        Testsammlung::bildSchreiben(tb + QStringLiteral("a.jpg"));
        QVERIFY(VorschauOrdnerVorhanden(s->z, s->db));
        // The loader is asked for once the folder is gone.
        bool ordnerWarWeg = false;
        s->ui.beiAlbumLaden = [&] { ordnerWarWeg = !QFileInfo::exists(tb); };
        VorschaubilderAktualisieren(s->z, s->db);
        QVERIFY(ordnerWarWeg);
        QCOMPARE(s->ui.aufrufe, QStringList({"AlbumLadenZeigen", "VorschauBilderAnzeigen"}));

        // A CD album without disc: the local copy goes, the loader is not asked for.
        s->ui.aufrufe.clear();
        const QString cd = s->cdEinlegen(QStringLiteral("laufwerk_e"), QStringLiteral("URLAUB"));
        s->albumWaehlen(s->albumAnlegen(QStringLiteral("CD"), cd + QStringLiteral("Bilder/")));
        const QString lokal = LokalerVorschauOrdner(s->z, s->z.albumPfad, s->z.albumCDName);
        Testsammlung::bildSchreiben(lokal + QStringLiteral("a.jpg"));
        s->cdEntnehmen(QStringLiteral("URLAUB"));
        QVERIFY(VorschauOrdnerVorhanden(s->z, s->db));
        VorschaubilderAktualisieren(s->z, s->db);
        QVERIFY(!QFileInfo::exists(lokal));
        QVERIFY(!VorschauOrdnerVorhanden(s->z, s->db));
        QCOMPARE(s->ui.aufrufe, QStringList({"VorschauBilderAnzeigen"}));
    }

    void dateiRoutinen()
    {
        const QString datei = s->ordner(QStringLiteral("Fotos")) + QStringLiteral("Bild 1.jpg");
        Testsammlung::bildSchreiben(datei);
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime(QDate(2003, 7, 14), QTime(0, 0)), QFileDevice::FileModificationTime));
        f.close();
        QCOMPARE(Dateidatum(datei), QStringLiteral("14.07.2003"));
        QCOMPARE(Dateiname(datei), QStringLiteral("Bild 1.jpg"));
        QCOMPARE(UebergeordneterOrdner(datei), s->wurzel() + QStringLiteral("Fotos/"));
        QCOMPARE(Dateidatum(s->wurzel() + QStringLiteral("fehlt.jpg")), QString());
        QVERIFY(!BilddateiVorhanden(NichtGefunden()));
        QVERIFY(!BilddateiVorhanden(s->wurzel()));
    }
};

int testeBildorte(int argc, char** argv)
{
    TestBildorte t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_bildorte.moc"
