#include "Ansichtensammlung.h"
#include "Bilderlistenfeld.h"
#include "Bilderpflege.h"
#include "Bildorte.h"
#include "frmAlbenAnzeige.h"
#include "frmBilderListe.h"
#include "mdlDatenbanken.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QtTest>

namespace {

void markieren(frmBilderListe& liste, const QVector<int>& positionen)
{
    liste.modell().NormaleTextfelder(0);
    for (int p : positionen)
        liste.modell().markieren(p, true);
}

int zeilenIn(Ansichtensammlung& s, const QString& tabelle)
{
    QSqlQuery q = s.db.conDaten.Abfragen(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(tabelle));
    return q.next() ? q.value(0).toInt() : -1;
}

}  // namespace

class TestBilderpflege : public QObject {
    Q_OBJECT
private slots:
    void geloeschteDateiImPapierkorb();
    void einBildLoeschenMitFrage();
    void zweiBilderLoeschenAuchSchwierigeNamen();
    void loeschenAufCDVerweigert();
    void hinzufuegenZweimalGibtEineZeile();
    void hinzufuegenVerschiebtUndRaeumtAuf();
    void hinzufuegenZuAlbumAmOrtNurAusSeinemOrdner();
    void albumOhneOrdnerNimmtDenOrdnerDerDatei();
};

void TestBilderpflege::geloeschteDateiImPapierkorb()
{
    // The desktop's trash of this test run lies below its data folder.
    const QString daten = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
    if (daten.isEmpty())
        QSKIP("XDG_DATA_HOME is not set (run through ctest)");
    QDir().mkpath(daten);
    QTemporaryDir ordner(daten + QStringLiteral("/papierkorbtest-XXXXXX"));
    // A name of this run only: an older run's file in the trash proves nothing.
    const QString name = QFileInfo(ordner.path()).fileName() + QStringLiteral(" weg.jpg");
    const QString datei = ordner.filePath(name);
    Ansichtensammlung::bildSchreiben(datei);
    QVERIFY(DateiEntsorgen(datei));
    QVERIFY(!QFile::exists(datei));
    QVERIFY(QFile::exists(daten + QStringLiteral("/Trash/files/") + name));
    // Nothing there is nothing to do.
    QVERIFY(DateiEntsorgen(datei));
}

void TestBilderpflege::einBildLoeschenMitFrage()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Urlaub")));
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
        s.bildHinzufuegen(QLatin1String(name));
    const QString schluesselB = s.spalte(QStringLiteral("b.jpg"), QStringLiteral("DBNummer"));
    const QString praesentation = s.praesentationMit({schluesselB, s.spalte(QStringLiteral("a.jpg"), QStringLiteral("DBNummer"))});
    frmBilderListe& liste = s.liste();
    liste.ListeAuffuellen();
    markieren(liste, {2});

    s.meldungen.antworten = {Meldungen::Antwort::Nein};
    liste.BildLoeschen();
    QCOMPARE(s.meldungen.meldungen.size(), 1);
    QCOMPARE(s.meldungen.meldungen[0].text, QStringLiteral("Soll das Bild wirklich  gelöscht werden!"));
    QCOMPARE(s.meldungen.meldungen[0].titel, QStringLiteral("Löschen?"));
    QCOMPARE(s.meldungen.meldungen[0].stil, Meldungen::Frage);
    QVERIFY(QFile::exists(s.albumordner() + QStringLiteral("b.jpg")));
    QCOMPARE(liste.modell().anzahl(), 3);

    s.meldungen.leeren();
    liste.BildLoeschen();
    QCOMPARE(s.meldungen.texte(), QStringList{QStringLiteral("Soll das Bild wirklich  gelöscht werden!")});
    QVERIFY(!QFile::exists(s.albumordner() + QStringLiteral("b.jpg")));
    QVERIFY(QFile::exists(s.albumordner() + QStringLiteral("a.jpg")));
    QCOMPARE(s.spalte(QStringLiteral("b.jpg"), QStringLiteral("Dateiname")), QStringLiteral("<keine Zeile>"));
    QCOMPARE(liste.modell().anzahl(), 2);
    QCOMPARE(liste.modell().eintrag(2).dateiname, QStringLiteral("c.jpg"));
    // The presentation keeps the other picture only.
    QCOMPARE(zeilenIn(s, praesentation), 1);
    QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 1);
    QCOMPARE(liste.modell().markiertePositionen(), (QVector<int>{1}));
}

void TestBilderpflege::zweiBilderLoeschenAuchSchwierigeNamen()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Sonder")));
    const QStringList namen = {QStringLiteral("d'Artagnan.jpg"), QStringLiteral("100%_echt.jpg"), QStringLiteral("x_y.jpg"),
                               QStringLiteral("xay.jpg")};
    for (const QString& name : namen)
        s.bildHinzufuegen(name);
    frmAlbenAnzeige& anzeige = s.anzeige();
    anzeige.NeuesAlbum();
    frmBilderListe& liste = s.liste();
    liste.ListeAuffuellen();
    // Sorted: 100%_echt, d'Artagnan, x_y, xay; the two with ' and _ go.
    QCOMPARE(liste.modell().eintrag(2).dateiname, QStringLiteral("d'Artagnan.jpg"));
    markieren(liste, {2, 3});

    liste.BildLoeschen();
    QCOMPARE(s.meldungen.texte(), QStringList{QStringLiteral("Sollen die Bilder wirklich  gelöscht werden!")});
    QCOMPARE(liste.modell().anzahl(), 2);
    QCOMPARE(liste.modell().eintrag(1).dateiname, QStringLiteral("100%_echt.jpg"));
    QCOMPARE(liste.modell().eintrag(2).dateiname, QStringLiteral("xay.jpg"));
    QVERIFY(!QFile::exists(s.albumordner() + QStringLiteral("x_y.jpg")));
    QVERIFY(QFile::exists(s.albumordner() + QStringLiteral("xay.jpg")));
    // The viewer shows what is left, from the first picture.
    QCOMPARE(anzeige.findChild<QLineEdit*>(QStringLiteral("txtBildname"))->text(), QStringLiteral("100%_echt.jpg"));

    // Names that differ only in case are two files here; only the marked one goes.
    s.bildHinzufuegen(QStringLiteral("Zug.jpg"));
    s.bildHinzufuegen(QStringLiteral("zug.jpg"));
    liste.ListeAuffuellen();
    QCOMPARE(liste.modell().anzahl(), 4);
    QCOMPARE(liste.modell().eintrag(3).dateiname, QStringLiteral("Zug.jpg"));
    markieren(liste, {3});
    liste.BildLoeschen();
    QCOMPARE(liste.modell().anzahl(), 3);
    QCOMPARE(liste.modell().eintrag(3).dateiname, QStringLiteral("zug.jpg"));
    QVERIFY(!QFile::exists(s.albumordner() + QStringLiteral("Zug.jpg")));
    QVERIFY(QFile::exists(s.albumordner() + QStringLiteral("zug.jpg")));
}

void TestBilderpflege::loeschenAufCDVerweigert()
{
    Ansichtensammlung s;
    const QString cd = s.ordner(QStringLiteral("cdrom"));
    s.laufwerke.hinzufuegen(cd, Laufwerk::CDROM, QStringLiteral("URLAUB2003"));
    s.albumWaehlen(s.albumMitPfad(QStringLiteral("Scheibe"), QStringLiteral("Bilder/"), QStringLiteral("URLAUB2003")));
    Ansichtensammlung::bildSchreiben(cd + QStringLiteral("Bilder/a.jpg"));
    s.bildHinzufuegen(QStringLiteral("a.jpg"), QSize());
    frmBilderListe& liste = s.liste();
    liste.ListeAuffuellen();
    markieren(liste, {1});

    liste.BildLoeschen();
    QCOMPARE(s.meldungen.texte(),
             QStringList{QStringLiteral("Bilder löschen ist nicht möglich. Das Album befindet sich auf einer CD!")});
    QCOMPARE(s.meldungen.meldungen[0].titel, QStringLiteral("Kolvar-Hilfe"));
    QCOMPARE(s.meldungen.meldungen[0].stil, Meldungen::Information);
    QVERIFY(QFile::exists(cd + QStringLiteral("Bilder/a.jpg")));
    QCOMPARE(liste.modell().anzahl(), 1);

    s.meldungen.leeren();
    liste.Hinzufuegen();
    QCOMPARE(s.meldungen.texte(),
             QStringList{QStringLiteral("Bilder hinzufügen ist nicht möglich. Das Album befindet sich auf einer CD!")});
}

void TestBilderpflege::hinzufuegenZweimalGibtEineZeile()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Dazu")));
    const QString quelle = s.ordner(QStringLiteral("Kamera")) + QStringLiteral("Neu 1.jpg");
    Ansichtensammlung::bildSchreiben(quelle, QSize(80, 60));
    Ansichtensammlung::dateizeitSetzen(quelle, QDateTime(QDate(2001, 5, 6), QTime(10, 0)));
    frmBilderListe& liste = s.liste();
    liste.ListeAuffuellen();
    int dialoge = 0;
    liste.dateienWaehlen = [&] {
        ++dialoge;
        return QStringList{quelle};
    };

    liste.Hinzufuegen();
    const QString ziel = s.albumordner() + QStringLiteral("Neu 1.jpg");
    QVERIFY(QFile::exists(ziel));
    QVERIFY(QFile::exists(quelle));  // copied, not moved
    QCOMPARE(s.spalte(QStringLiteral("Neu 1.jpg"), QStringLiteral("Datum")), QStringLiteral("2001-05-06"));
    QVERIFY(QFile::exists(s.albumordner() + QStringLiteral("TempBilder/Neu 1.jpg")));
    QCOMPARE(s.spalte(QStringLiteral("Neu 1.jpg"), QStringLiteral("DBNummer")).size(), 9);
    QCOMPARE(liste.modell().anzahl(), 1);

    // The remark stays with the older row; the file is copied over.
    s.db.rsAlbum.MoveFirst();
    BildFeldSchreiben(s.db, QStringLiteral("Bemerkung"), QStringLiteral("erste"));
    Ansichtensammlung::bildSchreiben(quelle, QSize(120, 60));
    liste.Hinzufuegen();
    QCOMPARE(dialoge, 2);
    QCOMPARE(liste.modell().anzahl(), 1);
    QCOMPARE(s.spalte(QStringLiteral("Neu 1.jpg"), QStringLiteral("Bemerkung")), QStringLiteral("erste"));
    QCOMPARE(QImage(ziel).size(), QSize(120, 60));
    QVERIFY(!QFile::exists(ziel + QStringLiteral(".kolvar-neu")));
    QVERIFY(s.meldungen.meldungen.isEmpty());

    // Cancelling the dialog adds nothing.
    liste.dateienWaehlen = [] { return QStringList(); };
    liste.Hinzufuegen();
    QCOMPARE(liste.modell().anzahl(), 1);
}

void TestBilderpflege::hinzufuegenVerschiebtUndRaeumtAuf()
{
    Ansichtensammlung s;
    s.z.einstellungen.lngBehandlungBilder = 1;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Umzug")));
    const QString quellordner = s.ordner(QStringLiteral("Karte"));
    const QStringList dateien = {quellordner + QStringLiteral("a.jpg"), quellordner + QStringLiteral("b.jpg")};
    for (const QString& d : dateien)
        Ansichtensammlung::bildSchreiben(d);
    frmBilderListe& liste = s.liste();
    liste.NeueBilderEintragen(dateien);
    QCOMPARE(liste.modell().anzahl(), 2);
    QVERIFY(QFile::exists(s.albumordner() + QStringLiteral("b.jpg")));
    QVERIFY(!QFile::exists(dateien[0]));
    QVERIFY(!QFileInfo::exists(quellordner));
}

void TestBilderpflege::hinzufuegenZuAlbumAmOrtNurAusSeinemOrdner()
{
    Ansichtensammlung s;
    const QString albumordner = s.ordner(QStringLiteral("Fotos/Urlaub"));
    s.albumWaehlen(s.albumMitPfad(QStringLiteral("AmOrt"), albumordner));
    const QString fremd = s.ordner(QStringLiteral("Fotos/urlaub2")) + QStringLiteral("x.jpg");
    Ansichtensammlung::bildSchreiben(fremd);
    frmBilderListe& liste = s.liste();

    liste.NeueBilderEintragen({fremd});
    QCOMPARE(s.meldungen.texte(), QStringList{QStringLiteral("Das Bild muss im Ordner des aktuellen Albums stehen!\r\r"
                                                             "Aktion wird abgebrochen.")});
    QCOMPARE(s.meldungen.meldungen[0].titel, QStringLiteral("Falscher Ordner!"));
    QCOMPARE(liste.modell().anzahl(), 0);

    s.meldungen.leeren();
    const QString hier = albumordner + QStringLiteral("hier.jpg");
    Ansichtensammlung::bildSchreiben(hier);
    liste.NeueBilderEintragen({hier, fremd});
    QCOMPARE(s.meldungen.texte(), QStringList{QStringLiteral("Die Bilder müssen im Ordner des aktuellen Albums stehen!\r\r"
                                                             "Aktion wird abgebrochen.")});
    QCOMPARE(liste.modell().anzahl(), 0);

    s.meldungen.leeren();
    liste.NeueBilderEintragen({hier});
    QVERIFY(s.meldungen.meldungen.isEmpty());
    QCOMPARE(liste.modell().anzahl(), 1);
    QVERIFY(QFile::exists(hier));  // entered where it lies
    QVERIFY(QFile::exists(albumordner + QStringLiteral("TempBilder/hier.jpg")));
}

void TestBilderpflege::albumOhneOrdnerNimmtDenOrdnerDerDatei()
{
    Ansichtensammlung s;
    const QString nummer = s.albumMitPfad(QStringLiteral("Ohne"), QString());
    s.albumWaehlen(nummer);
    const QString imVerzeichnis = s.z.bilderverzeichnis + QStringLiteral("Alt/bild.jpg");
    Ansichtensammlung::bildSchreiben(imVerzeichnis);
    frmBilderListe& liste = s.liste();
    liste.NeueBilderEintragen({imVerzeichnis});
    // Inside the picture directory the folder is kept relative to it.
    QCOMPARE(s.z.albumPfad, QStringLiteral("Alt/"));
    s.db.rsAlben.Filter(QStringLiteral("Nummer"), nummer);
    QCOMPARE(FeldLesen(s.db.rsAlben, QStringLiteral("Pfad")), QStringLiteral("Alt/"));
    s.db.rsAlben.FilterEntfernen();
    QCOMPARE(liste.modell().anzahl(), 1);
    QVERIFY(QFile::exists(imVerzeichnis));  // not copied onto itself and lost

    Ansichtensammlung t;
    t.albumWaehlen(t.albumMitPfad(QStringLiteral("Draussen"), QString()));
    const QString aussen = t.ordner(QStringLiteral("Extern")) + QStringLiteral("e.jpg");
    Ansichtensammlung::bildSchreiben(aussen);
    t.liste().NeueBilderEintragen({aussen});
    QCOMPARE(t.z.albumPfad, t.ordner(QStringLiteral("Extern")));
    QCOMPARE(t.liste().modell().anzahl(), 1);
}

int testeBilderpflege(int argc, char** argv)
{
    TestBilderpflege t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_bilderpflege.moc"
