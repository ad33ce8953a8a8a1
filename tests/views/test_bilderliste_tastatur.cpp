#include "Ansichtensammlung.h"
#include "Bilderlistenfeld.h"

#include <QLineEdit>
#include <QtTest>

// The picture list from the keyboard: where each key leads, and what moves
// with it (the current picture, the marks).
class TestBilderlisteTastatur : public QObject {
    Q_OBJECT
private slots:
    void tastenzielBleibtInDerListe()
    {
        // The edges of the list; the window shows `seite` entries.
        const struct {
            const char* fall;
            int aktuell, taste, seite, anzahl, ziel;
        } faelle[] = { { "ab am Ende", 10, Qt::Key_Down, 5, 10, 10 }, { "auf am Anfang", 1, Qt::Key_Up, 5, 10, 1 },
            { "Bild ab vor dem Ende", 8, Qt::Key_PageDown, 4, 10, 10 },
            { "Bild auf vor dem Anfang", 2, Qt::Key_PageUp, 4, 10, 1 },
            { "kleines Fenster: Bild ab um eins", 3, Qt::Key_PageDown, 0, 10, 4 },
            { "leere Liste", 1, Qt::Key_Down, 4, 0, 0 },
            { "andere Taste", 3, Qt::Key_Left, 4, 10, 0 } };
        for (const auto& f : faelle)
            QVERIFY2(BilderListeModell::Tastenziel(f.aktuell, f.taste, f.seite, f.anzahl) == f.ziel, f.fall);
    }

    void tastenBewegenBildMarkierungenUndAnsicht()
    {
        Ansichtensammlung s;
        s.album(u"Vierzig"_s);
        s.nummerierteBilder(40);
        s.db.rsAlbum.MoveFirst();
        frmAlbenAnzeige& anzeige = s.anzeige();
        anzeige.NeuesAlbum();
        frmBilderListe& liste = s.liste();
        liste.ListeAuffuellen();
        QVERIFY(QTest::qWaitForWindowExposed(&liste));
        const auto markiert = [&] { return liste.modell().markiertePositionen(); };
        const auto taste = [&](Qt::Key t, Qt::KeyboardModifiers m = {}) { QTest::keyClick(liste.feld(), t, m); };

        QTest::mouseClick(liste.feld(), Qt::LeftButton, {}, liste.feld()->eintragsRechteck(3).center());
        taste(Qt::Key_Down);
        QCOMPARE(markiert(), QVector<int>({ 4 }));
        // Shift reaches from the anchor; going back unmarks again.
        taste(Qt::Key_Down, Qt::ShiftModifier);
        taste(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(markiert(), QVector<int>({ 4, 5, 6 }));
        QCOMPARE(anzeige.findChild<QLineEdit*>(u"txtBildname"_s)->text(), u"bild06.jpg"_s);
        taste(Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(markiert(), QVector<int>({ 4, 5 }));
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 5);
        taste(Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(markiert(), QVector<int>({ 1, 2, 3, 4 }));
        QCOMPARE(liste.modell().anker(), 4);

        // End and Home make the entry the only mark; a page is what the list shows,
        // so Page Down lands on the first entry below it.
        const int seite = liste.feld()->height() / liste.feld()->zeilenhoehe();
        QVERIFY(seite > 2 && seite < 40);
        const struct {
            Qt::Key taste;
            int ziel;
        } schritte[] = { { Qt::Key_End, 40 }, { Qt::Key_Home, 1 }, { Qt::Key_PageDown, 1 + seite },
            { Qt::Key_PageUp, 1 } };
        for (const auto& t : schritte) {
            taste(t.taste);
            QCOMPARE(s.db.rsAlbum.AbsolutePosition(), t.ziel);
            QCOMPARE(markiert(), QVector<int>({ t.ziel }));
        }
        QCOMPARE(anzeige.findChild<QLineEdit*>(u"txtBildname"_s)->text(), u"bild01.jpg"_s);
    }
};

QTEST_MAIN(TestBilderlisteTastatur)
#include "test_bilderliste_tastatur.moc"
