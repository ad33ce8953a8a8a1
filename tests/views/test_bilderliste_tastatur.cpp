#include "Ansichtensammlung.h"
#include "Bilderlistenfeld.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

// The picture list from the keyboard: where each key leads, and what moves
// with it (the current picture, the marks, the view).
class TestBilderlisteTastatur : public QObject {
    Q_OBJECT

    static QVector<int> markiert(const frmBilderListe& liste) { return liste.modell().markiertePositionen(); }
    static bool ganzSichtbar(const frmBilderListe& liste, int position)
    {
        return liste.feld()->rect().contains(liste.feld()->eintragsRechteck(position));
    }

    // A white dot of the frame on the bottom line of a marked entry.
    static bool gerahmt(frmBilderListe& liste, int position)
    {
        const QImage bild = liste.feld()->grab().toImage();
        const QRect r = liste.feld()->eintragsRechteck(position);
        for (int x = r.left(); x < r.right(); ++x)
            if (bild.pixelColor(x, r.bottom()) == QColor(Qt::white))
                return true;
        return false;
    }

private slots:
    void tastenzielBleibtInDerListe_data()
    {
        QTest::addColumn<int>("aktuell");
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("seite");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<int>("ziel");
        QTest::newRow("ab") << 1 << int(Qt::Key_Down) << 5 << 10 << 2;
        QTest::newRow("ab am Ende") << 10 << int(Qt::Key_Down) << 5 << 10 << 10;
        QTest::newRow("auf") << 4 << int(Qt::Key_Up) << 5 << 10 << 3;
        QTest::newRow("auf am Anfang") << 1 << int(Qt::Key_Up) << 5 << 10 << 1;
        QTest::newRow("Bild ab") << 3 << int(Qt::Key_PageDown) << 4 << 10 << 7;
        QTest::newRow("Bild ab vor dem Ende") << 8 << int(Qt::Key_PageDown) << 4 << 10 << 10;
        QTest::newRow("Bild auf vor dem Anfang") << 2 << int(Qt::Key_PageUp) << 4 << 10 << 1;
        QTest::newRow("kleines Fenster: Bild ab um eins") << 3 << int(Qt::Key_PageDown) << 0 << 10 << 4;
        QTest::newRow("Pos1") << 7 << int(Qt::Key_Home) << 4 << 10 << 1;
        QTest::newRow("Ende") << 2 << int(Qt::Key_End) << 4 << 10 << 10;
        QTest::newRow("ein Bild") << 1 << int(Qt::Key_End) << 4 << 1 << 1;
        QTest::newRow("leere Liste") << 1 << int(Qt::Key_Down) << 4 << 0 << 0;
        QTest::newRow("andere Taste") << 3 << int(Qt::Key_Left) << 4 << 10 << 0;
    }

    void tastenzielBleibtInDerListe()
    {
        QFETCH(int, aktuell);
        QFETCH(int, taste);
        QFETCH(int, seite);
        QFETCH(int, anzahl);
        QFETCH(int, ziel);
        QCOMPARE(BilderListeModell::Tastenziel(aktuell, taste, seite, anzahl), ziel);
    }

    void tastenBewegenBildMarkierungenUndAnsicht()
    {
        Ansichtensammlung s;
        s.album(u"Vierzig"_s);
        for (int i = 1; i <= 40; ++i)
            s.bild(u"bild%1.jpg"_s.arg(i, 2, 10, QLatin1Char('0')), QSize());
        s.db.rsAlbum.MoveFirst();
        frmAlbenAnzeige& anzeige = s.anzeige();
        anzeige.NeuesAlbum();
        frmBilderListe& liste = s.liste();
        liste.ListeAuffuellen();
        QVERIFY(QTest::qWaitForWindowExposed(&liste));
        const auto bildname = [&] { return anzeige.findChild<QLineEdit*>(u"txtBildname"_s)->text(); };

        // A click gives the list the keyboard.
        QTest::mouseClick(liste.feld(), Qt::LeftButton, {}, liste.feld()->eintragsRechteck(3).center());
        QCOMPARE(QApplication::focusWidget(), liste.feld());
        QTest::keyClick(liste.feld(), Qt::Key_Down);
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 4);
        QCOMPARE(markiert(liste), QVector<int>({ 4 }));
        QCOMPARE(bildname(), u"bild04.jpg"_s);

        // Shift reaches from the anchor; going back unmarks again.
        QTest::keyClick(liste.feld(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(liste.feld(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(markiert(liste), QVector<int>({ 4, 5, 6 }));
        QCOMPARE(bildname(), u"bild06.jpg"_s);
        // The dotted frame shows where the keyboard stands, not the anchor.
        QVERIFY(gerahmt(liste, 6));
        QVERIFY(!gerahmt(liste, 4));
        QTest::keyClick(liste.feld(), Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(markiert(liste), QVector<int>({ 4, 5 }));
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 5);
        QTest::keyClick(liste.feld(), Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(markiert(liste), QVector<int>({ 1, 2, 3, 4 }));
        QCOMPARE(liste.modell().anker(), 4);

        // End and Home bring the entry into view and make it the only mark.
        QTest::keyClick(liste.feld(), Qt::Key_End);
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 40);
        QCOMPARE(markiert(liste), QVector<int>({ 40 }));
        QVERIFY(ganzSichtbar(liste, 40));
        QVERIFY(!ganzSichtbar(liste, 1));
        QCOMPARE(bildname(), u"bild40.jpg"_s);
        QTest::keyClick(liste.feld(), Qt::Key_Home);
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 1);
        QVERIFY(ganzSichtbar(liste, 1));

        // A page is what the list shows: Page Down lands on the first entry below it.
        const int seite = liste.feld()->height() / liste.feld()->zeilenhoehe();
        QVERIFY(seite > 2 && seite < 40);
        QTest::keyClick(liste.feld(), Qt::Key_PageDown);
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 1 + seite);
        QVERIFY(ganzSichtbar(liste, 1 + seite));
        QTest::keyClick(liste.feld(), Qt::Key_PageUp);
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 1);
        QVERIFY(ganzSichtbar(liste, 1));
    }
};

QTEST_MAIN(TestBilderlisteTastatur)
#include "test_bilderliste_tastatur.moc"
