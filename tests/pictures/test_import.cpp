#include "AlbumImport.h"
#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Datenbankschema.h"
#include "Testsammlung.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <memory>
#include <sys/stat.h>

namespace {

QStringList dateienIn(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDir::Name);
}

void zeitSetzen(const QString& pfad, const QDate& datum)
{
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime(datum, QTime(12, 0)), QFileDevice::FileModificationTime));
}

struct Zeile {
    QString dateiname, datum, dbNummer;
};

}  // namespace

// Folders taken over as albums: copied, moved or entered in place, from a
// hard disk or a CD, with the rows, keys and dates that result.
class TestImport : public QObject {
    Q_OBJECT

    std::unique_ptr<Testsammlung> s;

    // Urlaub.JPG, a.gif, b.bmp and c.png with distinct dates, a named pipe
    // called x.jpg and a folder called y.jpg.
    QString ferienordner(const QString& name)
    {
        const QString ordner = s->ordner(name);
        Testsammlung::bildSchreiben(ordner + QStringLiteral("Urlaub.JPG"));
        Testsammlung::bildSchreiben(ordner + QStringLiteral("a.gif"));
        Testsammlung::bildSchreiben(ordner + QStringLiteral("b.bmp"));
        Testsammlung::bildSchreiben(ordner + QStringLiteral("c.png"));
        zeitSetzen(ordner + QStringLiteral("Urlaub.JPG"), QDate(2003, 7, 14));
        zeitSetzen(ordner + QStringLiteral("a.gif"), QDate(2004, 1, 2));
        zeitSetzen(ordner + QStringLiteral("b.bmp"), QDate(1999, 12, 31));
        if (mkfifo(QFile::encodeName(ordner + QStringLiteral("x.jpg")).constData(), 0644) != 0)
            qFatal("mkfifo");
        QDir().mkpath(ordner + QStringLiteral("y.jpg"));
        return ordner;
    }

    QList<Zeile> zeilen(const QString& nummer)
    {
        Recordset rs;
        rs.Einrichten(&s->db.conDaten, Recordset::Keyset, Recordset::NurLesen);
        rs.Oeffnen(Abfrage::Tabelle(nummer));
        rs.Sort(QStringLiteral("Nummer ASC"));
        QList<Zeile> ergebnis;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            ergebnis.append({FeldLesen(rs, QStringLiteral("Dateiname")), FeldLesen(rs, QStringLiteral("Datum")),
                             FeldLesen(rs, QStringLiteral("DBNummer"))});
        return ergebnis;
    }

    QString nummerVon(const QString& name)
    {
        s->db.rsAlben.Filter(QStringLiteral("Albenname"), name);
        const QString nummer = FeldLesen(s->db.rsAlben, QStringLiteral("Nummer"));
        s->db.rsAlben.FilterEntfernen();
        return nummer;
    }

    // The name query answers from a list; the notices are recorded.
    QStringList hinweise;
    Importrueckfragen rueckfragen(QStringList namen)
    {
        auto liste = std::make_shared<QStringList>(namen);
        Importrueckfragen r;
        r.nameAbfragen = [liste](const QString&) { return liste->isEmpty() ? QString() : liste->takeFirst(); };
        r.hinweisZeigen = [this](Bildbehandlung b) { hinweise << HinweisText(b); };
        r.hinweisSchliessen = [this] { hinweise << QStringLiteral("zu"); };
        return r;
    }

private slots:
    void init()
    {
        s = std::make_unique<Testsammlung>();
        hinweise.clear();
    }
    void cleanup() { s.reset(); }

    void ordnerUebernehmen_data()
    {
        QTest::addColumn<int>("neueAlben");
        QTest::addColumn<int>("bilder");
        QTest::addColumn<QString>("hinweis");
        QTest::newRow("kopieren") << 0 << 0 << "Bilder werden kopiert.";
        QTest::newRow("verschieben") << 0 << 1 << "Bilder werden verschoben.";
        QTest::newRow("am Ort") << 2 << 1 << "Bilder werden eingetragen.";
    }

    void ordnerUebernehmen()
    {
        QFETCH(int, neueAlben);
        QFETCH(int, bilder);
        QFETCH(QString, hinweis);
        s->z.einstellungen.lngBehandlungNeueAlben = neueAlben;
        s->z.einstellungen.lngBehandlungBilder = bilder;
        const QString quelle = ferienordner(QStringLiteral("Ferien"));

        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {quelle}, rueckfragen({QStringLiteral("Ferien 2003")})), 1);
        QCOMPARE(hinweise, QStringList({hinweis, "zu"}));
        QVERIFY2(s->meldungen.meldungen.isEmpty(), qPrintable(s->meldungen.texte().join(QLatin1Char('|'))));
        QCOMPARE(s->ui.aufrufe, QStringList({"ErstesAlbumZeigen", "BilderlisteZeigen", "BefehleMitAlben"}));

        // Three rows in the order jpg, gif, bmp with the files' dates and their keys.
        const QString nummer = nummerVon(QStringLiteral("Ferien 2003"));
        QCOMPARE(nummer, QStringLiteral("1"));
        const QList<Zeile> z = zeilen(nummer);
        QCOMPARE(z.size(), 3);
        QCOMPARE(z[0].dateiname, QStringLiteral("Urlaub.JPG"));
        QCOMPARE(z[1].dateiname, QStringLiteral("a.gif"));
        QCOMPARE(z[2].dateiname, QStringLiteral("b.bmp"));
        QCOMPARE(z[0].datum, QStringLiteral("14.07.2003"));
        QCOMPARE(z[1].datum, QStringLiteral("02.01.2004"));
        QCOMPARE(z[2].datum, QStringLiteral("31.12.1999"));
        QCOMPARE(z[0].dbNummer, QStringLiteral("000100001"));
        QCOMPARE(z[2].dbNummer, QStringLiteral("000100003"));

        const QString albumordner = s->z.bilderverzeichnis + QStringLiteral("Ferien 2003/");
        const QStringList bilder3 = {"Urlaub.JPG", "a.gif", "b.bmp"};
        if (neueAlben == 2) {
            // Left in place: the album knows its folder, nothing was copied.
            QVERIFY(!QFileInfo::exists(albumordner));
            QCOMPARE(dateienIn(quelle), QStringList({"Urlaub.JPG", "a.gif", "b.bmp", "c.png", "x.jpg", "y.jpg"}));
            s->albumWaehlen(nummer);
            QCOMPARE(s->z.albumPfad, quelle);
            QVERIFY(s->z.albumCDName.isEmpty());
            s->db.rsAlbum.MoveFirst();
            QCOMPARE(BildPfad(s->z, s->db), quelle + QStringLiteral("a.gif"));
            return;
        }
        QCOMPARE(dateienIn(albumordner), QStringList({"Urlaub.JPG", "a.gif", "b.bmp"}));
        for (const QString& name : bilder3)
            QCOMPARE(QFileInfo(albumordner + name).lastModified().date(), DatumAusText(z[bilder3.indexOf(name)].datum));
        if (bilder == 1) {
            // Moved: what was not taken stays, and so does the folder.
            QCOMPARE(dateienIn(quelle), QStringList({"c.png", "x.jpg", "y.jpg"}));
        } else {
            QCOMPARE(dateienIn(quelle), QStringList({"Urlaub.JPG", "a.gif", "b.bmp", "c.png", "x.jpg", "y.jpg"}));
        }
        s->albumWaehlen(nummer);
        QCOMPARE(s->z.albumPfad, QStringLiteral("Ferien 2003/"));
        s->db.rsAlbum.MoveFirst();
        QVERIFY(BilddateiVorhanden(BildPfad(s->z, s->db)));
    }

    void verschiebenLeertUndEntferntDenOrdner()
    {
        s->z.einstellungen.lngBehandlungBilder = 1;
        const QString quelle = s->ordner(QStringLiteral("Alt"));
        Testsammlung::bildSchreiben(quelle + QStringLiteral("a.jpg"));
        Testsammlung::bildSchreiben(quelle + QStringLiteral("b.jpg"));
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {quelle}, rueckfragen({QStringLiteral("Alt")})), 1);
        QVERIFY(!QFileInfo::exists(quelle));
        QCOMPARE(dateienIn(s->z.bilderverzeichnis + QStringLiteral("Alt")), QStringList({"a.jpg", "b.jpg"}));
    }

    void fehlgeschlageneKopieBleibtAmOrt()
    {
        // The album folder already holds something called a.gif: that
        // picture cannot be moved, keeps its source and gets no row.
        s->z.einstellungen.lngBehandlungBilder = 1;
        const QString quelle = ferienordner(QStringLiteral("Ferien"));
        const QString ordnername = AlbumAnlegen(s->z, s->db, QStringLiteral("Ferien"), quelle);
        QDir().mkpath(s->z.bilderverzeichnis + ordnername + QStringLiteral("/a.gif"));

        QCOMPARE(BilderKopierenVerschieben(s->z, s->db, quelle, ordnername, QStringLiteral("Ferien")), 2);
        QCOMPARE(dateienIn(quelle), QStringList({"a.gif", "c.png", "x.jpg", "y.jpg"}));
        QVERIFY(QFileInfo(quelle + QStringLiteral("a.gif")).size() > 0);
        const QList<Zeile> z = zeilen(nummerVon(QStringLiteral("Ferien")));
        QCOMPARE(z.size(), 2);
        QCOMPARE(z[1].dateiname, QStringLiteral("b.bmp"));
        QCOMPARE(z[1].dbNummer, QStringLiteral("000100002"));
        QCOMPARE(s->meldungen.meldungen.size(), 1);
        QCOMPARE(s->meldungen.meldungen[0].titel, QStringLiteral("Nicht alle Bilder übernommen!"));
        QVERIFY(s->meldungen.meldungen[0].text.contains(QStringLiteral("\ra.gif")));
    }

    void datenbankfehlerLaesstQuellenUnberuehrt()
    {
        // The engine refuses the second row: no row, no copy and no deleted
        // source remain of the folder.
        s->z.einstellungen.lngBehandlungBilder = 1;
        const QString quelle = s->ordner(QStringLiteral("Abbruch"));
        Testsammlung::bildSchreiben(quelle + QStringLiteral("a.jpg"));
        Testsammlung::bildSchreiben(quelle + QStringLiteral("b.jpg"));
        const QString ordnername = AlbumAnlegen(s->z, s->db, QStringLiteral("Abbruch"), quelle);
        const QString nummer = nummerVon(QStringLiteral("Abbruch"));
        s->db.conDaten.Ausfuehren(QStringLiteral("CREATE TRIGGER bremse BEFORE INSERT ON \"%1\" "
                                                 "WHEN NEW.Dateiname = 'b.jpg' BEGIN SELECT RAISE(ABORT, 'voll'); END")
                                      .arg(nummer));
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler,
                                 BilderKopierenVerschieben(s->z, s->db, quelle, ordnername, QStringLiteral("Abbruch")));
        QCOMPARE(dateienIn(quelle), QStringList({"a.jpg", "b.jpg"}));
        QVERIFY(dateienIn(s->z.bilderverzeichnis + ordnername).isEmpty());
        QVERIFY(zeilen(nummer).isEmpty());
        QVERIFY(!s->db.rsImport.IstOffen());

        // In the folder import an engine error (here a name longer than the
        // column) becomes a message and the run goes on with the next folder.
        const QString weiter = s->ordner(QStringLiteral("Weiter"));
        Testsammlung::bildSchreiben(weiter + QStringLiteral("b.jpg"));
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {quelle, weiter},
                                        rueckfragen({QString(51, QLatin1Char('n')), QStringLiteral("Weiter")})),
                 1);
        QCOMPARE(dateienIn(quelle), QStringList({"a.jpg", "b.jpg"}));
        QCOMPARE(s->meldungen.titel(), QStringList({"Fehler beim Übernehmen des Ordners!"}));
        QCOMPARE(zeilen(nummerVon(QStringLiteral("Weiter"))).size(), 1);
    }

    void abgebrochenerNameUeberspringtNurDiesenOrdner()
    {
        const QString eins = ferienordner(QStringLiteral("Eins"));
        const QString zwei = s->ordner(QStringLiteral("Zwei"));
        Testsammlung::bildSchreiben(zwei + QStringLiteral("z.jpg"));
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {eins, zwei}, rueckfragen({QString(), QStringLiteral("Zwei")})), 1);
        QVERIFY(nummerVon(QStringLiteral("Eins")).isEmpty());
        QCOMPARE(zeilen(nummerVon(QStringLiteral("Zwei"))).size(), 1);
        QCOMPARE(hinweise.size(), 2);

        // Nothing imported: the views are left alone.
        s->ui.aufrufe.clear();
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {eins}, rueckfragen({QString()})), 0);
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {}, rueckfragen({})), 0);
        QVERIFY(s->ui.aufrufe.isEmpty());
    }

    void praesentationsimportOhneNamensabfrage()
    {
        const QString quelle = ferienordner(QStringLiteral("Export"));
        s->z.importModus = true;
        Importrueckfragen r = rueckfragen({QStringLiteral("falsch")});
        bool gefragt = false;
        r.nameAbfragen = [&](const QString&) { gefragt = true; return QStringLiteral("falsch"); };
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {quelle}, r, QStringLiteral("Präsentation")), 1);
        QVERIFY(!gefragt);
        QCOMPARE(zeilen(nummerVon(QStringLiteral("Präsentation"))).size(), 3);
    }

    void cdAlbumImport()
    {
        const QString cd = s->cdEinlegen(QStringLiteral("laufwerk_e"), QStringLiteral("URLAUB2003"));
        const QString quelle = cd + QStringLiteral("Fotos/Urlaub/");
        Testsammlung::bildSchreiben(quelle + QStringLiteral("a.jpg"));
        Testsammlung::bildSchreiben(quelle + QStringLiteral("b.gif"));

        // Left on the disc: a CD album, no copies.
        s->z.einstellungen.lngBehandlungNeueCDAlben = 1;
        s->z.einstellungen.lngBehandlungBilder = 1;
        QCOMPARE(BehandlungFuer(s->z, quelle), Bildbehandlung::Eintragen);
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {quelle}, rueckfragen({QStringLiteral("Urlaub")})), 1);
        const QString nummer = nummerVon(QStringLiteral("Urlaub"));
        s->albumWaehlen(nummer);
        QCOMPARE(s->z.albumCDName, QStringLiteral("URLAUB2003"));
        QCOMPARE(s->z.albumPfad, QStringLiteral("Fotos/Urlaub/"));
        QCOMPARE(zeilen(nummer).size(), 2);
        QVERIFY(!QFileInfo::exists(s->z.bilderverzeichnis + QStringLiteral("Urlaub")));
        s->db.rsAlbum.MoveFirst();
        QCOMPARE(BildPfad(s->z, s->db), quelle + QStringLiteral("a.jpg"));

        // Copied from the disc: even with "move" set, the disc keeps its files.
        s->z.einstellungen.lngBehandlungNeueCDAlben = 0;
        QCOMPARE(BehandlungFuer(s->z, quelle), Bildbehandlung::Kopieren);
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {quelle}, rueckfragen({QStringLiteral("Kopie")})), 1);
        QCOMPARE(dateienIn(quelle), QStringList({"a.jpg", "b.gif"}));
        QCOMPARE(dateienIn(s->z.bilderverzeichnis + QStringLiteral("Kopie")), QStringList({"a.jpg", "b.gif"}));
        s->albumWaehlen(nummerVon(QStringLiteral("Kopie")));
        QVERIFY(s->z.albumCDName.isEmpty());
        QCOMPARE(hinweise, QStringList({"Bilder werden eingetragen.", "zu", "Bilder werden kopiert.", "zu"}));
    }

    void bilddateienNurRegulaereDateien()
    {
        const QString ordner = ferienordner(QStringLiteral("Gemischt"));
        Testsammlung::bildSchreiben(ordner + QStringLiteral("A.jpg"));
        Testsammlung::bildSchreiben(ordner + QStringLiteral("sub/d.jpg"));
        QFile::link(ordner + QStringLiteral("A.jpg"), ordner + QStringLiteral("verweis.jpg"));
        QCOMPARE(Bilddateien(ordner), QStringList({"A.jpg", "Urlaub.JPG", "verweis.jpg", "a.gif", "b.bmp"}));
    }
};

int testeImport(int argc, char** argv)
{
    TestImport t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_import.moc"
