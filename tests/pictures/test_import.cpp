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

}  // namespace

// Folders taken over as albums: copied, moved or entered in place, from a
// hard disk or a CD, with the rows, keys and dates that result, and what
// happens when a copy or the database fails.
class TestImport : public QObject {
    Q_OBJECT

    std::unique_ptr<Testsammlung> s;
    QStringList hinweise;

    // Urlaub.JPG, a.gif, b.bmp and c.png with distinct dates, a named pipe
    // called x.jpg and a folder called y.jpg.
    QString ferienordner(const QString& name)
    {
        const QString ordner = s->ordner(name);
        for (const char* datei : {"Urlaub.JPG", "a.gif", "b.bmp", "c.png"})
            Testsammlung::bildSchreiben(ordner + QLatin1String(datei));
        zeitSetzen(ordner + QStringLiteral("Urlaub.JPG"), QDate(2003, 7, 14));
        zeitSetzen(ordner + QStringLiteral("a.gif"), QDate(2004, 1, 2));
        zeitSetzen(ordner + QStringLiteral("b.bmp"), QDate(1999, 12, 31));
        if (mkfifo(QFile::encodeName(ordner + QStringLiteral("x.jpg")).constData(), 0644) != 0)
            qFatal("mkfifo");
        QDir().mkpath(ordner + QStringLiteral("y.jpg"));
        return ordner;
    }

    // "Dateiname Datum DBNummer" of every row, by `Nummer`.
    QStringList zeilen(const QString& albumname)
    {
        Recordset rs;
        rs.Einrichten(&s->db.conDaten, Recordset::Keyset, Recordset::NurLesen);
        rs.Oeffnen(Abfrage::Tabelle(s->albumNummer(albumname)));
        QStringList ergebnis;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            ergebnis << QStringList({FeldLesen(rs, QStringLiteral("Dateiname")), FeldLesen(rs, QStringLiteral("Datum")),
                                     FeldLesen(rs, QStringLiteral("DBNummer"))})
                            .join(QLatin1Char(' '));
        return ergebnis;
    }

    // The name query answers from a list; the notices are recorded.
    Importrueckfragen rueckfragen(const QStringList& namen)
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
        const QStringList alles = {"Urlaub.JPG", "a.gif", "b.bmp", "c.png", "x.jpg", "y.jpg"};

        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {quelle}, rueckfragen({QStringLiteral("Ferien 2003")})), 1);
        QCOMPARE(hinweise, QStringList({hinweis, "zu"}));
        QVERIFY(s->meldungen.meldungen.isEmpty());
        QCOMPARE(s->ui.aufrufe, QStringList({"ErstesAlbumZeigen", "BilderlisteZeigen", "BefehleMitAlben"}));
        // Three rows in the order jpg, gif, bmp, with the files' dates and their keys.
        QCOMPARE(zeilen(QStringLiteral("Ferien 2003")),
                 QStringList({"Urlaub.JPG 14.07.2003 000100001", "a.gif 02.01.2004 000100002",
                              "b.bmp 31.12.1999 000100003"}));

        const QString albumordner = s->z.bilderverzeichnis + QStringLiteral("Ferien 2003/");
        s->albumWaehlen(QStringLiteral("1"));
        s->db.rsAlbum.MoveFirst();
        if (neueAlben == 2) {
            // Left in place: the album knows its folder, nothing was copied.
            QVERIFY(!QFileInfo::exists(albumordner));
            QCOMPARE(dateienIn(quelle), alles);
            QCOMPARE(s->z.albumPfad, quelle);
            QCOMPARE(BildPfad(s->z, s->db), quelle + QStringLiteral("a.gif"));
            return;
        }
        QCOMPARE(dateienIn(albumordner), QStringList({"Urlaub.JPG", "a.gif", "b.bmp"}));
        QCOMPARE(QFileInfo(albumordner + QStringLiteral("b.bmp")).lastModified().date(), QDate(1999, 12, 31));
        // Moved: what was not taken stays, and so does the folder.
        QCOMPARE(dateienIn(quelle), bilder == 1 ? QStringList({"c.png", "x.jpg", "y.jpg"}) : alles);
        QCOMPARE(BildPfad(s->z, s->db), albumordner + QStringLiteral("a.gif"));
    }

    void verschiebenEntferntDenLeerenOrdner()
    {
        s->z.einstellungen.lngBehandlungBilder = 1;
        const QString quelle = s->ordner(QStringLiteral("Alt"));
        Testsammlung::bildSchreiben(quelle + QStringLiteral("a.jpg"));
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {quelle}, rueckfragen({QStringLiteral("Alt")})), 1);
        QVERIFY(!QFileInfo::exists(quelle));
        QCOMPARE(dateienIn(s->z.bilderverzeichnis + QStringLiteral("Alt")), QStringList({"a.jpg"}));
    }

    void fehlgeschlageneKopieBleibtAmOrt()
    {
        // The album folder holds something called a.gif already: that
        // picture cannot be moved, keeps its source and gets no row.
        s->z.einstellungen.lngBehandlungBilder = 1;
        const QString quelle = ferienordner(QStringLiteral("Ferien"));
        const QString ordnername = AlbumAnlegen(s->z, s->db, QStringLiteral("Ferien"), quelle);
        QDir().mkpath(s->z.bilderverzeichnis + ordnername + QStringLiteral("/a.gif"));

        QCOMPARE(BilderKopierenVerschieben(s->z, s->db, quelle, ordnername, QStringLiteral("Ferien")), 2);
        QCOMPARE(dateienIn(quelle), QStringList({"a.gif", "c.png", "x.jpg", "y.jpg"}));
        QCOMPARE(zeilen(QStringLiteral("Ferien")),
                 QStringList({"Urlaub.JPG 14.07.2003 000100001", "b.bmp 31.12.1999 000100002"}));
        QCOMPARE(s->meldungen.titel(), QStringList({"Nicht alle Bilder übernommen!"}));
        QVERIFY(s->meldungen.meldungen[0].text.endsWith(QStringLiteral("geblieben:\ra.gif")));
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
        s->db.conDaten.Ausfuehren(QStringLiteral("CREATE TRIGGER bremse BEFORE INSERT ON \"1\" "
                                                 "WHEN NEW.Dateiname = 'b.jpg' BEGIN SELECT RAISE(ABORT, 'voll'); END"));
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler,
                                 BilderKopierenVerschieben(s->z, s->db, quelle, ordnername, QStringLiteral("Abbruch")));
        QCOMPARE(dateienIn(quelle), QStringList({"a.jpg", "b.jpg"}));
        QVERIFY(dateienIn(s->z.bilderverzeichnis + ordnername).isEmpty());
        QVERIFY(zeilen(QStringLiteral("Abbruch")).isEmpty());
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
        QCOMPARE(zeilen(QStringLiteral("Weiter")).size(), 1);
    }

    void namensabfrageUndPraesentationsimport()
    {
        // A cancelled name skips only its folder; with nothing imported the views stay alone.
        const QString eins = ferienordner(QStringLiteral("Eins"));
        const QString zwei = s->ordner(QStringLiteral("Zwei"));
        Testsammlung::bildSchreiben(zwei + QStringLiteral("z.jpg"));
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {eins, zwei}, rueckfragen({QString(), QStringLiteral("Zwei")})), 1);
        QCOMPARE(s->albumNummer(QStringLiteral("Eins")), QString());
        QCOMPARE(zeilen(QStringLiteral("Zwei")).size(), 1);
        s->ui.aufrufe.clear();
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {eins}, rueckfragen({QString()})), 0);
        QVERIFY(s->ui.aufrufe.isEmpty());

        // The presentation import gives the name; nobody is asked.
        s->z.importModus = true;
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {eins}, rueckfragen({QStringLiteral("gefragt")}),
                                        QStringLiteral("Präsentation")),
                 1);
        QCOMPARE(zeilen(QStringLiteral("Präsentation")).size(), 3);
        QCOMPARE(s->albumNummer(QStringLiteral("gefragt")), QString());
    }

    void cdAlbumImport()
    {
        const QString cd = s->cdEinlegen(QStringLiteral("laufwerk_e"), QStringLiteral("URLAUB2003"));
        const QString quelle = cd + QStringLiteral("Fotos/Urlaub/");
        Testsammlung::bildSchreiben(quelle + QStringLiteral("a.jpg"));
        Testsammlung::bildSchreiben(quelle + QStringLiteral("b.gif"));

        // Left on the disc: a CD album, nothing copied.
        s->z.einstellungen.lngBehandlungBilder = 1;
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {quelle}, rueckfragen({QStringLiteral("Urlaub")})), 1);
        s->albumWaehlen(s->albumNummer(QStringLiteral("Urlaub")));
        QCOMPARE(s->z.albumCDName, QStringLiteral("URLAUB2003"));
        QCOMPARE(s->z.albumPfad, QStringLiteral("Fotos/Urlaub/"));
        QCOMPARE(zeilen(QStringLiteral("Urlaub")).size(), 2);
        QVERIFY(!QFileInfo::exists(s->z.bilderverzeichnis + QStringLiteral("Urlaub")));
        s->db.rsAlbum.MoveFirst();
        QCOMPARE(BildPfad(s->z, s->db), quelle + QStringLiteral("a.jpg"));

        // Copied from the disc: even with "move" set the disc keeps its files.
        s->z.einstellungen.lngBehandlungNeueCDAlben = 0;
        QCOMPARE(AlbenAusOrdnernAnlegen(s->z, s->db, {quelle}, rueckfragen({QStringLiteral("Kopie")})), 1);
        QCOMPARE(dateienIn(quelle), QStringList({"a.jpg", "b.gif"}));
        QCOMPARE(dateienIn(s->z.bilderverzeichnis + QStringLiteral("Kopie")), QStringList({"a.jpg", "b.gif"}));
        QCOMPARE(hinweise, QStringList({"Bilder werden eingetragen.", "zu", "Bilder werden kopiert.", "zu"}));
    }
};

int testeImport(int argc, char** argv)
{
    TestImport t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_import.moc"
