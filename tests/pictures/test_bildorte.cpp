#include "Bildorte.h"
#include "Datenbankobjekte.h"
#include "Testsammlung.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <memory>

// Paths of pictures, thumbnails and album folders for the three kinds of
// albums, CDs found by label, the search result and the path list.
class TestBildorte : public QObject {
    Q_OBJECT

    std::unique_ptr<Testsammlung> s;

    // An album whose pictures stayed in an own folder: `Pfad` absolute.
    QString albumImOrdner(const QString& name, const QString& ordner)
    {
        s->z.einstellungen.lngBehandlungNeueAlben = 2;
        const QString nummer = s->albumAnlegen(name, ordner);
        s->z.einstellungen.lngBehandlungNeueAlben = 0;
        s->albumFeldSetzen(nummer, QStringLiteral("Pfad"), ordner);
        return nummer;
    }

    // A search result of the given pictures: rows of TempAlbum with their keys.
    void suchergebnisZeigen(const QList<QPair<QString, QString>>& schluesselUndNamen)
    {
        Recordset& rs = s->db.rsAlbum;
        rs.Schliessen();
        rs.Oeffnen(Abfrage::MitWert(QStringLiteral("TempAlbum"), QStringLiteral("Dateiname")));
        for (const auto& [schluessel, name] : schluesselUndNamen) {
            rs.AddNew();
            rs.FeldSetzen(QStringLiteral("DBNummer"), schluessel);
            rs.FeldSetzen(QStringLiteral("Dateiname"), name);
            rs.Update();
        }
        rs.Sort(QStringLiteral("Nummer ASC"));
        rs.MoveFirst();
        s->z.suchergebnisAngezeigt = true;
    }

private slots:
    void init() { s = std::make_unique<Testsammlung>(); }
    void cleanup() { s.reset(); }

    void albumImBilderverzeichnis()
    {
        const QString nummer = s->albumAnlegen(QStringLiteral("Urlaub"), s->z.programmordner + QLatin1Char('/'));
        s->albumWaehlen(nummer);
        QCOMPARE(s->z.albumPfad, QStringLiteral("Urlaub/"));
        s->bildEintragen(QStringLiteral("a.jpg"));
        s->db.rsAlbum.MoveFirst();
        const QString bv = s->z.bilderverzeichnis;
        QCOMPARE(BildPfad(s->z, s->db), bv + QStringLiteral("Urlaub/a.jpg"));
        QCOMPARE(BildPfadStill(s->z, s->db), bv + QStringLiteral("Urlaub/a.jpg"));
        QCOMPARE(VorschauBildPfad(s->z, s->db), bv + QStringLiteral("Urlaub/TempBilder/a.jpg"));
        QCOMPARE(AlbumOrdner(s->z, s->db), bv + QStringLiteral("Urlaub/"));
        QVERIFY(s->meldungen.meldungen.isEmpty());
    }

    void albumImEigenenOrdner()
    {
        const QString fotos = s->ordner(QStringLiteral("Fotos"));
        s->albumWaehlen(albumImOrdner(QStringLiteral("Fotos"), fotos));
        s->bildEintragen(QStringLiteral("a.jpg"));
        s->db.rsAlbum.MoveFirst();
        QCOMPARE(BildPfad(s->z, s->db), fotos + QStringLiteral("a.jpg"));
        QCOMPARE(VorschauBildPfad(s->z, s->db), fotos + QStringLiteral("TempBilder/a.jpg"));
        QCOMPARE(AlbumOrdnerStill(s->z, s->db), fotos);
    }

    void cdAlbumMitUndOhneScheibe()
    {
        const QString cd = s->cdEinlegen(QStringLiteral("laufwerk_e"), QStringLiteral("URLAUB2003"));
        QDir().mkpath(cd + QStringLiteral("Bilder/TempBilder"));
        const QString nummer = s->albumAnlegen(QStringLiteral("Urlaub 2003"), cd + QStringLiteral("Bilder/"));
        s->albumWaehlen(nummer);
        QCOMPARE(s->z.albumCDName, QStringLiteral("URLAUB2003"));
        QCOMPARE(s->z.albumPfad, QStringLiteral("Bilder/"));
        s->bildEintragen(QStringLiteral("a.jpg"));
        s->db.rsAlbum.MoveFirst();

        // Disc in the drive, no local copy: everything from the disc.
        QCOMPARE(BildPfad(s->z, s->db), cd + QStringLiteral("Bilder/a.jpg"));
        QCOMPARE(VorschauBildPfad(s->z, s->db), cd + QStringLiteral("Bilder/TempBilder/a.jpg"));
        QCOMPARE(AlbumOrdner(s->z, s->db), cd + QStringLiteral("Bilder/"));
        QVERIFY(VorschauOrdnerVorhanden(s->z, s->db));
        QVERIFY(s->meldungen.meldungen.isEmpty());

        // A local copy of the thumbnail wins over the disc.
        const QString lokal = s->z.bilderverzeichnis + QStringLiteral("CD/URLAUB2003/Bilder/a.jpg");
        QCOMPARE(LokalerVorschauOrdner(s->z, s->z.albumPfad, s->z.albumCDName) + QStringLiteral("a.jpg"), lokal);
        Testsammlung::bildSchreiben(lokal);
        QCOMPARE(VorschauBildPfad(s->z, s->db), lokal);

        // Disc taken out: the local copy is still used, the picture is not found.
        s->cdEntnehmen(QStringLiteral("URLAUB2003"));
        QCOMPARE(VorschauBildPfad(s->z, s->db), lokal);
        QVERIFY(s->meldungen.meldungen.isEmpty());
        QCOMPARE(BildPfadStill(s->z, s->db), QString());
        QCOMPARE(AlbumOrdnerStill(s->z, s->db), QString());
        QVERIFY(s->meldungen.meldungen.isEmpty());

        QCOMPARE(BildPfad(s->z, s->db), QStringLiteral("Nicht gefunden!"));
        QCOMPARE(s->meldungen.meldungen.size(), 1);
        const Meldungsrecorder::Eintrag m = s->meldungen.meldungen.first();
        QCOMPARE(m.titel, QStringLiteral("CD ist nicht im Laufwerk!"));
        QCOMPARE(m.stil, Meldungen::Information);
        QCOMPARE(m.text, QStringLiteral("Bitte die CD mit dem Namen:\rURLAUB2003\reinlegen!"));

        QCOMPARE(AlbumOrdner(s->z, s->db), QString());
        QCOMPARE(s->meldungen.meldungen.size(), 2);

        // Without the local copy the thumbnail is not found either, still without message.
        QFile::remove(lokal);
        QCOMPARE(VorschauBildPfad(s->z, s->db), QStringLiteral("Nicht gefunden!"));
        QCOMPARE(s->meldungen.meldungen.size(), 2);
    }

    void cdLaufwerkeNachName()
    {
        // A hard disk with the same label comes first but is no CD; of two
        // discs with that label the first in the list wins; a drive without
        // medium matches nothing, not even an empty name.
        s->laufwerke.hinzufuegen(s->ordner(QStringLiteral("platte")), Laufwerk::Festplatte, QStringLiteral("FOTOS"));
        const QString erste = s->cdEinlegen(QStringLiteral("laufwerk_d"), QStringLiteral("FOTOS"));
        s->cdEinlegen(QStringLiteral("laufwerk_e"), QStringLiteral("FOTOS"));
        s->laufwerke.hinzufuegen(s->ordner(QStringLiteral("leer")), Laufwerk::CDROM, QString());

        QCOMPARE(CDLaufwerkNachName(s->z, QStringLiteral("FOTOS")), erste);
        QCOMPARE(CDLaufwerkNachName(s->z, QStringLiteral("fotos")), QString());
        QCOMPARE(CDLaufwerkNachName(s->z, QString()), QString());
        // The drive scan left every root in the state, in list order.
        QCOMPARE(s->z.laufwerke.size(), s->laufwerke.liste.size());
        QCOMPARE(s->z.laufwerke.at(2), erste);

        QCOMPARE(Laufwerkstyp(s->z, erste + QStringLiteral("Bilder/a.jpg")), QStringLiteral("CD-ROM"));
        QCOMPARE(Laufwerkstyp(s->z, s->wurzel()), QStringLiteral("Fixed"));
        QCOMPARE(Datentraegername(s->z, erste + QStringLiteral("x")), QStringLiteral("FOTOS"));
        QCOMPARE(Datentraegername(s->z, s->wurzel()), QString());
    }

    void suchergebnisAusDreiAlben()
    {
        const QString imBV = s->albumAnlegen(QStringLiteral("Urlaub"), s->z.programmordner + QLatin1Char('/'));
        const QString fotos = s->ordner(QStringLiteral("Fotos"));
        const QString imOrdner = albumImOrdner(QStringLiteral("Fotos"), fotos);
        const QString cd = s->cdEinlegen(QStringLiteral("laufwerk_e"), QStringLiteral("SCHEIBE"));
        const QString aufCD = s->albumAnlegen(QStringLiteral("Scheibe"), cd + QStringLiteral("Reise/"));
        QCOMPARE(QStringList({imBV, imOrdner, aufCD}), QStringList({"1", "2", "3"}));

        s->albumWaehlen(imBV);
        suchergebnisZeigen({{QStringLiteral("000200001"), QStringLiteral("b.jpg")},
                            {QStringLiteral("000100004"), QStringLiteral("a.jpg")},
                            {QStringLiteral("000300002"), QStringLiteral("c.jpg")},
                            {QStringLiteral("000900001"), QStringLiteral("d.jpg")}});
        Recordset& rs = s->db.rsAlbum;
        const int albenZeile = 2;
        s->db.rsAlben.AbsolutePositionSetzen(albenZeile);

        QCOMPARE(BildPfad(s->z, s->db), fotos + QStringLiteral("b.jpg"));
        QCOMPARE(s->z.albumPfad, fotos);
        rs.MoveNext();
        QCOMPARE(BildPfad(s->z, s->db), s->z.bilderverzeichnis + QStringLiteral("Urlaub/a.jpg"));
        QCOMPARE(VorschauBildPfad(s->z, s->db), s->z.bilderverzeichnis + QStringLiteral("Urlaub/TempBilder/a.jpg"));
        rs.MoveNext();
        QCOMPARE(BildPfad(s->z, s->db), cd + QStringLiteral("Reise/c.jpg"));
        QCOMPARE(s->z.albumCDName, QStringLiteral("SCHEIBE"));
        // A key of an album that no longer exists leaves the last album's values.
        rs.MoveNext();
        QCOMPARE(BildPfad(s->z, s->db), cd + QStringLiteral("Reise/d.jpg"));
        QCOMPARE(s->z.albumPfad, QStringLiteral("Reise/"));
        // The look-up does not move the album recordset.
        QCOMPARE(s->db.rsAlben.AbsolutePosition(), albenZeile);

        QString pfad, cdName;
        QVERIFY(!AlbumDesSchluessels(s->db.rsAlben, QStringLiteral("abc"), pfad, cdName));
        QVERIFY(AlbumDesSchluessels(s->db.rsAlben, QStringLiteral("0002"), pfad, cdName));
        QCOMPARE(pfad, fotos);
    }

    void pfadlisteDesAlbums()
    {
        const QString nummer = s->albumAnlegen(QStringLiteral("Urlaub"), s->z.programmordner + QLatin1Char('/'));
        s->albumWaehlen(nummer);
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
            s->bildEintragen(QLatin1String(name));
        const QString ordner = s->z.bilderverzeichnis + QStringLiteral("Urlaub/");
        Testsammlung::bildSchreiben(ordner + QStringLiteral("TempBilder/b.jpg"));
        // Keys as the import writes them.
        Recordset& rs = s->db.rsAlbum;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            FeldSchreiben(rs, QStringLiteral("DBNummer"), QStringLiteral("00010000") + FeldLesen(rs, QStringLiteral("Nummer")));
        rs.AbsolutePositionSetzen(3);

        BildPfadeLaden(s->z, s->db);
        QCOMPARE(s->z.bildPfade, QStringList({ordner + QStringLiteral("a.jpg"), ordner + QStringLiteral("TempBilder/b.jpg"),
                                              ordner + QStringLiteral("c.jpg")}));
        QCOMPARE(s->z.bildDBNummern, QStringList({"000100001", "000100002", "000100003"}));
        QCOMPARE(rs.AbsolutePosition(), 3);
        QCOMPARE(s->ui.aufrufe, QStringList({"VorschauNeuesAlbumAnzeigen", "VorschauZeigen"}));

        // A CD album without its disc: empty entries, no message.
        s->ui.aufrufe.clear();
        const QString cd = s->cdEinlegen(QStringLiteral("laufwerk_e"), QStringLiteral("WEG"));
        s->albumWaehlen(s->albumAnlegen(QStringLiteral("Weg"), cd));
        s->bildEintragen(QStringLiteral("x.jpg"));
        s->cdEntnehmen(QStringLiteral("WEG"));
        BildPfadeLaden(s->z, s->db);
        QCOMPARE(s->z.bildPfade, QStringList({QString()}));
        QVERIFY(s->meldungen.meldungen.isEmpty());

        // An empty album: empty lists, the browser (if open) shows it, nothing is shown anew.
        s->ui.aufrufe.clear();
        s->albumWaehlen(s->albumAnlegen(QStringLiteral("Leer"), s->z.programmordner + QLatin1Char('/')));
        BildPfadeLaden(s->z, s->db);
        QVERIFY(s->z.bildPfade.isEmpty());
        QCOMPARE(s->ui.aufrufe, QStringList({"VorschauNeuesAlbumAnzeigen"}));
    }

    void vorschauordnerPruefenUndErneuern()
    {
        const QString nummer = s->albumAnlegen(QStringLiteral("Urlaub"), s->z.programmordner + QLatin1Char('/'));
        s->albumWaehlen(nummer);
        QVERIFY(!VorschauOrdnerVorhanden(s->z, s->db));
        const QString tb = s->z.bilderverzeichnis + QStringLiteral("Urlaub/TempBilder/");
        Testsammlung::bildSchreiben(tb + QStringLiteral("a.jpg"));
        QVERIFY(VorschauOrdnerVorhanden(s->z, s->db));

        // The loader runs after the folder is gone.
        bool ordnerWarWeg = false;
        s->ui.beiAlbumLaden = [&] { ordnerWarWeg = !QFileInfo::exists(tb); };
        VorschaubilderAktualisieren(s->z, s->db);
        QVERIFY(ordnerWarWeg);
        QVERIFY(QFileInfo::exists(s->z.bilderverzeichnis + QStringLiteral("Urlaub")));
        QCOMPARE(s->ui.aufrufe, QStringList({"AlbumLadenZeigen", "VorschauBilderAnzeigen"}));

        // A CD album without disc: the local copy goes, the loader does not run.
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
        QVERIFY(s->meldungen.meldungen.isEmpty());
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
        const QString fehlt = s->wurzel() + QStringLiteral("fehlt.jpg");
        QCOMPARE(Dateiname(fehlt), QString());
        QCOMPARE(UebergeordneterOrdner(fehlt), QString());
        QCOMPARE(Dateidatum(fehlt), QString());
        QVERIFY(!BilddateiVorhanden(NichtGefunden()));
        QVERIFY(!BilddateiVorhanden(s->wurzel()));
        QVERIFY(BilddateiVorhanden(datei));
    }
};

int testeBildorte(int argc, char** argv)
{
    TestBildorte t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_bildorte.moc"
