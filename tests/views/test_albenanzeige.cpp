#include "Albenanzeigelogik.h"
#include "Ansichtensammlung.h"
#include "Bilderlistenfeld.h"
#include "Bildknopf.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QString feld(frmAlbenAnzeige& a, const char* name)
{
    return a.findChild<QLineEdit*>(QLatin1String(name))->text();
}
template <class W = QPushButton> W* kind(frmAlbenAnzeige& a, const char* name)
{
    return a.findChild<W*>(QLatin1String(name));
}

} // namespace

class TestAlbenAnzeige : public QObject {
    Q_OBJECT
private slots:
    void anzeigenNavigierenUndBearbeiten()
    {
        Ansichtensammlung s;
        s.album(u"Urlaub"_s);
        s.z.offen.bilder = true;
        frmAlbenAnzeige& a = s.anzeige();
        QSignalSpy zoom(&a, &frmAlbenAnzeige::zoomAnsichtSchliessen);
        a.BearbeitungFreigeben();
        a.NeuesAlbum();
        // Empty: nothing to edit, the zoom view closed.
        QCOMPARE(feld(a, "txtBildname"), u"In diesem Album ist noch kein Bild vorhanden!"_s);
        auto* bemerkung = kind<QPlainTextEdit>(a, "txtBemerkung");
        QPushButton* cmdDatum = kind(a, "cmdDatum");
        QVERIFY(bemerkung->isReadOnly() && !cmdDatum->isEnabled() && !kind(a, "cmdBegriffe")->isEnabled());
        QVERIFY(!a.zeigtBild() && zoom.count() == 1);
        QVERIFY(!BildEinpassen(QSize(0, 0), 160).isValid()); // a picture without size divides nothing

        // A picture added later makes the fields usable without choosing the album again;
        // without a stored date the file's date is shown and written.
        s.bild(u"a.jpg"_s, QSize(400, 300), QString());
        QVERIFY(Ansichtensammlung::dateizeit(s.albumordner() + "a.jpg"_L1, QDate(2002, 3, 4)));
        a.BildAnzeigen();
        QVERIFY(!bemerkung->isReadOnly() && cmdDatum->isEnabled() && a.zeigtBild());
        QCOMPARE(feld(a, "txtBilddatum"), u"04.03.2002"_s);
        QCOMPARE(s.spalte(u"a.jpg"_s, u"Datum"_s), u"2002-03-04"_s);

        s.bild(u"b.jpg"_s, QSize(300, 400), u"24.12.1999"_s);
        s.bild(u"c.jpg"_s);
        // Keywords by name, without partial matches: " 17;" (Baum) must not count as " 7;" (Weg).
        Recordset& rs = s.db.rsBegriffe;
        for (const QString& name : u"Wald Meer Zoo Haus Berg Tal Weg 8 9 10 11 12 13 14 15 16 Baum"_s.split(u' ')) {
            rs.AddNew();
            rs.FeldSetzen(u"Schluesselbegriff"_s, name);
            rs.Update();
        }
        s.db.rsAlbum.MoveFirst();
        BildFeldSchreiben(s.db, u"Schluesselbegriffe"_s, u" 17; 3; 1;"_s);
        a.NeuesAlbum();
        QCOMPARE(feld(a, "txtBegriffe"), u"Baum, Wald, Zoo"_s);
        rs.MoveLast(); // afterwards the keywords stand by number again
        QCOMPARE(FeldLesen(rs, u"Nummer"_s), u"17"_s);
        QTest::keyClicks(bemerkung, u"Am Strand"_s);
        QCOMPARE(s.spalte(u"a.jpg"_s, u"Bemerkung"_s), QString()); // only moving away writes it
        a.Navigieren(frmAlbenAnzeige::Schritt::Vor);
        QCOMPARE(s.spalte(u"a.jpg"_s, u"Bemerkung"_s), u"Am Strand"_s);
        QVERIFY(bemerkung->toPlainText().isEmpty() && feld(a, "txtBegriffe").isEmpty());
        QCOMPARE(feld(a, "txtBilddatum"), u"24.12.1999"_s); // a stored date stays

        // A click in the list saves it as well, on the picture it was typed for.
        frmBilderListe& liste = s.liste();
        liste.ListeAuffuellen();
        QTest::keyClicks(bemerkung, u"Im Wald"_s);
        QTest::mouseClick(liste.feld(), Qt::LeftButton, Qt::NoModifier, liste.feld()->eintragsRechteck(3).center());
        QCOMPARE(s.spalte(u"b.jpg"_s, u"Bemerkung"_s), u"Im Wald"_s);
        QCOMPARE(feld(a, "txtBildname"), u"c.jpg"_s);
        // Clicked as the user does: the list follows, a locked button does not click.
        QTest::mouseClick(kind<Bildknopf>(a, "cmdFirst"), Qt::LeftButton);
        QCOMPARE(liste.modell().markiertePositionen(), QVector<int> { 1 });
        QTest::mouseClick(kind<Bildknopf>(a, "cmdLast"), Qt::LeftButton);
        QTest::mouseClick(kind<Bildknopf>(a, "cmdNext"), Qt::LeftButton);
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 3);

        // The button opens the calendar; a clicked date is written and closes it.
        auto* kalender = kind<QCalendarWidget>(a, "movBildDatum");
        QTest::mouseClick(cmdDatum, Qt::LeftButton);
        QVERIFY(kalender->isVisible());
        emit kalender->clicked(QDate(2004, 8, 15));
        QCOMPARE(feld(a, "txtBilddatum"), u"15.08.2004"_s);
        QCOMPARE(s.spalte(u"c.jpg"_s, u"Datum"_s), u"2004-08-15"_s);
        QVERIFY(kalender->isHidden());

        // Someone moves the cursor without saving first: the text belongs to c, not to a.
        QTest::keyClicks(bemerkung, u"zu c"_s);
        s.db.rsAlbum.MoveFirst();
        a.BemerkungSichern();
        QCOMPARE(s.spalte(u"a.jpg"_s, u"Bemerkung"_s), u"Am Strand"_s);
        QVERIFY(!a.Aenderung);
    }

    void fehlendeDatei()
    {
        Ansichtensammlung s;
        s.album(u"Lücken"_s);
        for (const char* name : { "a.jpg", "b.jpg", "weg.jpg" })
            s.bild(QLatin1String(name));
        QFile::remove(s.albumordner() + "weg.jpg"_L1);
        // b.jpg lies only where the settings dialog will point.
        const QString neu = s.ordner(u"Neu"_s);
        Ansichtensammlung::bildSchreiben(neu + s.z.albumPfad + "b.jpg"_L1);
        QFile::remove(s.albumordner() + "b.jpg"_L1);
        frmBilderListe& liste = s.liste();
        liste.ListeAuffuellen();
        frmAlbenAnzeige& a = s.anzeige();

        // No, and no again: everything stays.
        s.db.rsAlbum.MoveLast();
        s.meldungen.antworten = { Meldungen::Antwort::Nein, Meldungen::Antwort::Nein };
        a.BildAnzeigen();
        // Both questions name the file that was looked for.
        const QString weg = s.albumordner() + "weg.jpg"_L1;
        QVERIFY(s.meldungen.texte().size() == 2 && s.meldungen.texte().filter(weg).size() == 2);
        QVERIFY(!a.zeigtBild());
        QCOMPARE(liste.modell().anzahl(), 3);
        // No, then yes: the row goes, the list is filled again, the first picture shows.
        s.meldungen.antworten = { Meldungen::Antwort::Nein, Meldungen::Antwort::Ja };
        a.BildAnzeigen();
        QCOMPARE(s.spalte(u"weg.jpg"_s, u"Dateiname"_s), u"<keine Zeile>"_s);
        QCOMPARE(liste.modell().anzahl(), 2);
        QCOMPARE(feld(a, "txtBildname"), u"a.jpg"_s);
        QVERIFY(a.zeigtBild());
        // Yes: the picture directory is chosen anew and the picture found there.
        a.bilderverzeichnisWaehlen = [&] { s.z.bilderverzeichnis = neu; };
        s.meldungen.leeren();
        s.meldungen.antworten = { Meldungen::Antwort::Ja };
        a.Navigieren(frmAlbenAnzeige::Schritt::Vor);
        QVERIFY(a.zeigtBild());

        // A CD album relies on the disc prompt alone.
        s.meldungen.leeren();
        s.album(u"Scheibe"_s, u"Fotos/"_s, u"FEHLT"_s);
        s.bild(u"a.jpg"_s, QSize());
        a.BildAnzeigen();
        QCOMPARE(s.meldungen.titel(), QStringList { u"CD ist nicht im Laufwerk!"_s });
        QVERIFY(!a.zeigtBild());
    }
};

int testeAlbenAnzeige(int argc, char** argv)
{
    TestAlbenAnzeige t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_albenanzeige.moc"
