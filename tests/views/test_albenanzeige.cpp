#include "Albenanzeigelogik.h"
#include "Ansichtensammlung.h"
#include "Bildknopf.h"
#include "Bilderlistenfeld.h"
#include "frmAlbenAnzeige.h"
#include "frmBilderListe.h"
#include "mdlDatenbanken.h"

#include <QCalendarWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QString feld(frmAlbenAnzeige& a, const char* name)
{
    return a.findChild<QLineEdit*>(QLatin1String(name))->text();
}

Bildknopf* knopf(frmAlbenAnzeige& a, const char* name)
{
    return a.findChild<Bildknopf*>(QLatin1String(name));
}

// "first" locked, "next" free ... for the four buttons in the order first, back, next, last.
QString sperren(frmAlbenAnzeige& a)
{
    QString s;
    for (const char* name : {"cmdFirst", "cmdBack", "cmdNext", "cmdLast"}) {
        Bildknopf* k = knopf(a, name);
        const bool gesperrt = !k->istAktiv() && k->tag == QLatin1String("gesperrt")
                              && k->aktuellesBild() == k->schluessel() + QStringLiteral("_ef");
        s += gesperrt ? QLatin1Char('x') : QLatin1Char('-');
    }
    return s;
}

}  // namespace

class TestAlbenAnzeige : public QObject {
    Q_OBJECT
private slots:
    void einpassenInDenRahmen();
    void speicherortsaetze();
    void begriffeAlphabetischOhneTeiltreffer();
    void vorschauUndDatumBeimErstenZeigen();
    void navigationGesperrtAnDenEnden();
    void leeresAlbumSperrtBearbeitung();
    void bemerkungBeimWeitergehenGespeichert();
    void bemerkungNieAufEinAnderesBild();
    void fehlendeDateiEintragLoeschen();
    void fehlendeDateiNeuenStandortSuchen();
    void datumAusDemKalender();
};

void TestAlbenAnzeige::einpassenInDenRahmen()
{
    QCOMPARE(BildEinpassen(QSize(4000, 3000), 160), QSize(160, 120));
    QCOMPARE(BildEinpassen(QSize(3000, 4000), 160), QSize(120, 160));
    QCOMPARE(BildEinpassen(QSize(500, 500), 160), QSize(160, 160));
    QCOMPARE(BildEinpassen(QSize(50, 20), 160), QSize(160, 64));  // small pictures grow
    QCOMPARE(BildEinpassen(QSize(10000, 10), 160), QSize(160, 1));
    QVERIFY(!BildEinpassen(QSize(0, 0), 160).isValid());
}

void TestAlbenAnzeige::speicherortsaetze()
{
    QCOMPARE(Speicherortsatz(QString(), QStringLiteral("/home/ich/Bilder/Urlaub/")),
             QStringLiteral("Die Datei befindet sich im Verzeichnis: /home/ich/Bilder/Urlaub/"));
    QCOMPARE(Speicherortsatz(QString(), QStringLiteral("Urlaub/")),
             QStringLiteral("Die Datei befindet sich im BilderVerzeichnis im Unter-Ordner: Urlaub/"));
    QCOMPARE(Speicherortsatz(QString(), QStringLiteral("C:")),
             QStringLiteral("Die Datei befindet sich im BilderVerzeichnis im Unter-Ordner: C:"));
    QCOMPARE(Speicherortsatz(QStringLiteral("URLAUB2003"), QStringLiteral("Fotos/")),
             QStringLiteral("Die Datei befindet sich auf der CD 'URLAUB2003' in dem Verzeichnis: Fotos/"));
}

void TestAlbenAnzeige::begriffeAlphabetischOhneTeiltreffer()
{
    Ansichtensammlung s;
    Recordset& rs = s.db.rsBegriffe;
    for (const char* name : {"Wald", "Meer", "Zoo", "Haus", "Berg", "Tal", "Weg"}) {
        rs.AddNew();
        rs.FeldSetzen(QStringLiteral("Schluesselbegriff"), QLatin1String(name));
        rs.Update();
    }
    for (int i = 8; i <= 17; ++i) {
        rs.AddNew();
        rs.FeldSetzen(QStringLiteral("Schluesselbegriff"), i == 17 ? QStringLiteral("Baum") : QStringLiteral("B%1").arg(i));
        rs.Update();
    }
    // 1 Wald, 7 Weg, 17 Baum: " 17;" must not count as " 7;".
    QCOMPARE(BegriffeAuflisten(rs, QStringLiteral(" 1; 17;")), QStringLiteral("Baum, Wald"));
    QCOMPARE(BegriffeAuflisten(rs, QStringLiteral(" 17; 3; 1;")), QStringLiteral("Baum, Wald, Zoo"));
    QCOMPARE(BegriffeAuflisten(rs, QString()), QString());
    // Afterwards the keywords stand by number again.
    rs.MoveFirst();
    QCOMPARE(FeldLesen(rs, QStringLiteral("Nummer")), QStringLiteral("1"));
    rs.MoveNext();
    QCOMPARE(FeldLesen(rs, QStringLiteral("Nummer")), QStringLiteral("2"));
}

void TestAlbenAnzeige::vorschauUndDatumBeimErstenZeigen()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Urlaub")));
    s.bildHinzufuegen(QStringLiteral("quer.jpg"), QSize(400, 300), QString());
    Ansichtensammlung::dateizeitSetzen(s.albumordner() + QStringLiteral("quer.jpg"), QDateTime(QDate(2002, 3, 4), QTime(12, 0)));
    s.bildHinzufuegen(QStringLiteral("xhoch.jpg"), QSize(300, 400), QStringLiteral("24.12.1999"));
    frmAlbenAnzeige& a = s.anzeige();
    a.NeuesAlbum();
    QCOMPARE(a.windowTitle(), QStringLiteral("Urlaub"));
    QCOMPARE(feld(a, "txtBildname"), QStringLiteral("quer.jpg"));
    QCOMPARE(feld(a, "txtBilddatum"), QStringLiteral("04.03.2002"));
    QCOMPARE(s.spalte(QStringLiteral("quer.jpg"), QStringLiteral("Datum")), QStringLiteral("2002-03-04"));
    QCOMPARE(a.findChild<QLabel*>(QStringLiteral("lblSpeicherOrt"))->text(),
             QStringLiteral("Die Datei befindet sich im BilderVerzeichnis im Unter-Ordner: ") + s.z.albumPfad);
    QLabel* bild = a.findChild<QLabel*>(QStringLiteral("imgBild"));
    QVERIFY(a.zeigtBild());
    QCOMPARE(bild->size(), QSize(160, 120));
    QCOMPARE(bild->pos(), QPoint(1, 1));

    a.Navigieren(frmAlbenAnzeige::Schritt::Vor);
    QCOMPARE(bild->size(), QSize(120, 160));
    // A stored date stays.
    QCOMPARE(feld(a, "txtBilddatum"), QStringLiteral("24.12.1999"));
}

void TestAlbenAnzeige::navigationGesperrtAnDenEnden()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Eins")));
    s.bildHinzufuegen(QStringLiteral("a.jpg"));
    frmAlbenAnzeige& a = s.anzeige();
    // Before anything is shown, back and first are locked.
    QCOMPARE(sperren(a), QStringLiteral("xx--"));
    a.NeuesAlbum();
    QCOMPARE(sperren(a), QStringLiteral("xxxx"));

    s.bildHinzufuegen(QStringLiteral("b.jpg"));
    s.bildHinzufuegen(QStringLiteral("c.jpg"));
    s.db.rsAlbum.MoveFirst();
    a.NeuesAlbum();
    QCOMPARE(sperren(a), QStringLiteral("xx--"));
    a.Navigieren(frmAlbenAnzeige::Schritt::Vor);
    QCOMPARE(sperren(a), QStringLiteral("----"));
    QCOMPARE(feld(a, "txtBildname"), QStringLiteral("b.jpg"));
    // Clicked as the user does; the list follows.
    frmBilderListe& liste = s.liste();
    liste.ListeAuffuellen();
    QTest::mouseClick(knopf(a, "cmdLast"), Qt::LeftButton);
    QCOMPARE(feld(a, "txtBildname"), QStringLiteral("c.jpg"));
    QCOMPARE(sperren(a), QStringLiteral("--xx"));
    QCOMPARE(liste.modell().markiertePositionen(), (QVector<int>{3}));
    // A locked button does not click.
    QTest::mouseClick(knopf(a, "cmdNext"), Qt::LeftButton);
    QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 3);
    a.Navigieren(frmAlbenAnzeige::Schritt::Erstes);
    QCOMPARE(sperren(a), QStringLiteral("xx--"));
    QCOMPARE(liste.modell().markiertePositionen(), (QVector<int>{1}));
}

void TestAlbenAnzeige::leeresAlbumSperrtBearbeitung()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Leer")));
    s.z.offen.bilder = true;
    frmAlbenAnzeige& a = s.anzeige();
    QSignalSpy zoom(&a, &frmAlbenAnzeige::zoomAnsichtSchliessen);
    a.BearbeitungFreigeben();
    a.NeuesAlbum();
    QCOMPARE(feld(a, "txtBildname"), QStringLiteral("In diesem Album ist noch kein Bild vorhanden!"));
    QCOMPARE(sperren(a), QStringLiteral("xxxx"));
    QVERIFY(a.findChild<QPlainTextEdit*>(QStringLiteral("txtBemerkung"))->isReadOnly());
    QVERIFY(!a.findChild<QPushButton*>(QStringLiteral("cmdDatum"))->isEnabled());
    QVERIFY(!a.findChild<QPushButton*>(QStringLiteral("cmdBegriffe"))->isEnabled());
    QVERIFY(!a.zeigtBild());
    QCOMPARE(zoom.count(), 1);

    // A picture added later makes the fields usable without choosing the album again.
    s.bildHinzufuegen(QStringLiteral("neu.jpg"));
    a.BildAnzeigen();
    QVERIFY(!a.findChild<QPlainTextEdit*>(QStringLiteral("txtBemerkung"))->isReadOnly());
    QVERIFY(a.findChild<QPushButton*>(QStringLiteral("cmdDatum"))->isEnabled());
}

void TestAlbenAnzeige::bemerkungBeimWeitergehenGespeichert()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Notizen")));
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
        s.bildHinzufuegen(QLatin1String(name));
    frmAlbenAnzeige& a = s.anzeige();
    a.NeuesAlbum();
    QPlainTextEdit* bemerkung = a.findChild<QPlainTextEdit*>(QStringLiteral("txtBemerkung"));
    QVERIFY(!a.Aenderung);
    QTest::keyClicks(bemerkung, QStringLiteral("Am Strand"));
    QVERIFY(a.Aenderung);
    // Not yet written: only moving away writes it.
    QCOMPARE(s.spalte(QStringLiteral("a.jpg"), QStringLiteral("Bemerkung")), QString());

    a.Navigieren(frmAlbenAnzeige::Schritt::Vor);
    QVERIFY(!a.Aenderung);
    QCOMPARE(s.spalte(QStringLiteral("a.jpg"), QStringLiteral("Bemerkung")), QStringLiteral("Am Strand"));
    QCOMPARE(bemerkung->toPlainText(), QString());

    // A click in the list saves it as well, on the picture it was typed for.
    frmBilderListe& liste = s.liste();
    liste.ListeAuffuellen();
    QTest::keyClicks(bemerkung, QStringLiteral("Im Wald"));
    QTest::mouseClick(liste.feld(), Qt::LeftButton, Qt::NoModifier, liste.feld()->eintragsRechteck(3).center());
    QCOMPARE(s.spalte(QStringLiteral("b.jpg"), QStringLiteral("Bemerkung")), QStringLiteral("Im Wald"));
    QCOMPARE(s.spalte(QStringLiteral("c.jpg"), QStringLiteral("Bemerkung")), QString());
    QCOMPARE(feld(a, "txtBildname"), QStringLiteral("c.jpg"));
}

void TestAlbenAnzeige::bemerkungNieAufEinAnderesBild()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Vorsicht")));
    for (const char* name : {"a.jpg", "b.jpg"})
        s.bildHinzufuegen(QLatin1String(name));
    frmAlbenAnzeige& a = s.anzeige();
    a.NeuesAlbum();
    QTest::keyClicks(a.findChild<QPlainTextEdit*>(QStringLiteral("txtBemerkung")), QStringLiteral("zu a"));
    // Someone moves the cursor without saving first; the text belongs to a, not to b.
    s.db.rsAlbum.MoveLast();
    a.BemerkungSichern();
    QCOMPARE(s.spalte(QStringLiteral("b.jpg"), QStringLiteral("Bemerkung")), QString());
    QVERIFY(!a.Aenderung);
}

void TestAlbenAnzeige::fehlendeDateiEintragLoeschen()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Lücken")));
    s.bildHinzufuegen(QStringLiteral("a.jpg"));
    s.bildHinzufuegen(QStringLiteral("weg.jpg"));
    QFile::remove(s.albumordner() + QStringLiteral("weg.jpg"));
    frmBilderListe& liste = s.liste();
    liste.ListeAuffuellen();
    frmAlbenAnzeige& a = s.anzeige();
    s.db.rsAlbum.MoveLast();

    // No: and no again: everything stays.
    s.meldungen.antworten = {Meldungen::Antwort::Nein, Meldungen::Antwort::Nein};
    a.BildAnzeigen();
    QCOMPARE(s.meldungen.texte(), (QStringList{QStringLiteral("Das Bild steht nicht im angegebenen Ordner!\r"
                                                              "Wollen Sie den neuen Standort suchen?"),
                                               QStringLiteral("Soll der Eintrag gelöscht werden?")}));
    QCOMPARE(s.meldungen.titel(), (QStringList{QStringLiteral("Verzeichnis stimmt nicht!"), QStringLiteral("Eintrag löschen")}));
    QVERIFY(!a.zeigtBild());
    QCOMPARE(feld(a, "txtBildname"), QStringLiteral("weg.jpg"));
    QCOMPARE(liste.modell().anzahl(), 2);

    // No, then yes: the row goes, the list is filled again, the first picture shows.
    s.meldungen.leeren();
    s.meldungen.antworten = {Meldungen::Antwort::Nein, Meldungen::Antwort::Ja};
    a.BildAnzeigen();
    QCOMPARE(s.spalte(QStringLiteral("weg.jpg"), QStringLiteral("Dateiname")), QStringLiteral("<keine Zeile>"));
    QCOMPARE(liste.modell().anzahl(), 1);
    QCOMPARE(feld(a, "txtBildname"), QStringLiteral("a.jpg"));
    QVERIFY(a.zeigtBild());
}

void TestAlbenAnzeige::fehlendeDateiNeuenStandortSuchen()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Umgezogen")));
    s.bildHinzufuegen(QStringLiteral("a.jpg"));
    // The collection's pictures now lie elsewhere; the settings dialog points there.
    const QString neu = s.ordner(QStringLiteral("NeuesVerzeichnis"));
    Ansichtensammlung::bildSchreiben(neu + s.z.albumPfad + QStringLiteral("a.jpg"));
    QFile::remove(s.albumordner() + QStringLiteral("a.jpg"));
    frmAlbenAnzeige& a = s.anzeige();
    int dialoge = 0;
    a.bilderverzeichnisWaehlen = [&] {
        ++dialoge;
        s.z.bilderverzeichnis = neu;
    };
    s.meldungen.antworten = {Meldungen::Antwort::Ja};
    a.BildAnzeigen();
    QCOMPARE(dialoge, 1);
    QCOMPARE(s.meldungen.meldungen.size(), 1);
    QVERIFY(a.zeigtBild());

    // A CD album relies on the disc prompt alone.
    Ansichtensammlung t;
    t.albumWaehlen(t.albumMitPfad(QStringLiteral("Scheibe"), QStringLiteral("Fotos/"), QStringLiteral("FEHLT")));
    t.bildHinzufuegen(QStringLiteral("a.jpg"), QSize());
    t.anzeige().BildAnzeigen();
    QCOMPARE(t.meldungen.titel(), QStringList{QStringLiteral("CD ist nicht im Laufwerk!")});
    QVERIFY(!t.anzeige().zeigtBild());
}

void TestAlbenAnzeige::datumAusDemKalender()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Kalender")));
    s.bildHinzufuegen(QStringLiteral("a.jpg"));
    frmAlbenAnzeige& a = s.anzeige();
    a.NeuesAlbum();
    a.Aktivieren();
    QPushButton* cmdDatum = a.findChild<QPushButton*>(QStringLiteral("cmdDatum"));
    QCalendarWidget* kalender = a.findChild<QCalendarWidget*>(QStringLiteral("movBildDatum"));
    QVERIFY(kalender->isHidden());
    QCOMPARE(kalender->selectedDate(), QDate::currentDate());
    QTest::mouseClick(cmdDatum, Qt::LeftButton);
    QVERIFY(kalender->isVisible());
    QCOMPARE(cmdDatum->text(), QStringLiteral("Schließen"));
    QTest::mouseClick(cmdDatum, Qt::LeftButton);
    QVERIFY(kalender->isHidden());
    QCOMPARE(cmdDatum->text(), QStringLiteral("Neues Datum"));

    QTest::mouseClick(cmdDatum, Qt::LeftButton);
    emit kalender->clicked(QDate(2004, 8, 15));
    QCOMPARE(feld(a, "txtBilddatum"), QStringLiteral("15.08.2004"));
    QCOMPARE(s.spalte(QStringLiteral("a.jpg"), QStringLiteral("Datum")), QStringLiteral("2004-08-15"));
    QVERIFY(kalender->isHidden());
    QCOMPARE(cmdDatum->text(), QStringLiteral("Neues Datum"));
}

int testeAlbenAnzeige(int argc, char** argv)
{
    TestAlbenAnzeige t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_albenanzeige.moc"
