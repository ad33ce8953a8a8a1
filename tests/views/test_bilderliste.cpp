#include "Ansichtensammlung.h"
#include "Bilderlistenfeld.h"
#include "frmAlbenAnzeige.h"
#include "frmBilderListe.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {

QVector<int> markiert(const frmBilderListe& liste)
{
    return liste.modell().markiertePositionen();
}

// A mouse press on the middle of entry i, as the user gives it.
void druecken(frmBilderListe& liste, int position, Qt::KeyboardModifiers tasten = Qt::NoModifier,
              Qt::MouseButton knopf = Qt::LeftButton)
{
    Bilderlistenfeld* feld = liste.feld();
    QTest::mouseClick(feld, knopf, tasten, feld->eintragsRechteck(position).center());
}

}  // namespace

class TestBilderListe : public QObject {
    Q_OBJECT
private slots:
    void leeresAlbum();
    void fuelltNachDateinamenMitSchluesseln();
    void markierenMitKlickUmschaltUndStrg();
    void klickMachtBildAktuellFuerDieAnzeige();
    void nachfuehrenMarkiertNurDasAktuelleUndRolltDorthin();
    void rechtsklickNurAufMarkiertenAusserhalbDerSuche();
    void rollbalkenNurBeiUeberlauf();
};

void TestBilderListe::leeresAlbum()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Leer")));
    frmBilderListe& liste = s.liste();
    liste.ListeAuffuellen();
    QCOMPARE(liste.modell().anzahl(), 0);
    QVERIFY(!liste.findChild<QPushButton*>(QStringLiteral("cmdLoeschen"))->isEnabled());
    // The first pictures of an empty album come in through this button.
    QVERIFY(liste.findChild<QPushButton*>(QStringLiteral("cmdHinzufuegen"))->isEnabled());
    QCOMPARE(liste.feld()->positionBei(QPoint(5, 5)), 0);
    // Clicks on the empty list change nothing.
    druecken(liste, 1);
    QCOMPARE(liste.AnzahlMarkierteFelder(), 0);
}

void TestBilderListe::fuelltNachDateinamenMitSchluesseln()
{
    Ansichtensammlung s;
    const QString nummer = s.albumImBilderverzeichnis(QStringLiteral("Urlaub"));
    s.albumWaehlen(nummer);
    for (const char* name : {"c.jpg", "A.jpg", "b.jpg"})
        s.bildHinzufuegen(QLatin1String(name));
    s.db.rsAlbum.AbsolutePositionSetzen(2);
    frmBilderListe& liste = s.liste();
    liste.ListeAuffuellen();
    const BilderListeModell& m = liste.modell();
    QCOMPARE(m.anzahl(), 3);
    QCOMPARE(m.eintrag(1).dateiname, QStringLiteral("A.jpg"));
    QCOMPARE(m.eintrag(3).dateiname, QStringLiteral("c.jpg"));
    // Keys are album number and picture number, padded: c.jpg came first.
    QCOMPARE(m.eintrag(3).dbNummer, QStringLiteral("%1").arg(nummer.toInt(), 4, 10, QLatin1Char('0')) + QStringLiteral("00001"));
    QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 2);
    QCOMPARE(liste.findChild<QLabel*>(QStringLiteral("lblTabellenname"))->text(), QStringLiteral("Urlaub"));

    // Filling again drops every mark.
    druecken(liste, 2);
    QCOMPARE(liste.AnzahlMarkierteFelder(), 1);
    liste.ListeAuffuellen();
    QCOMPARE(liste.AnzahlMarkierteFelder(), 0);
}

void TestBilderListe::markierenMitKlickUmschaltUndStrg()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Zehn")));
    for (int i = 1; i <= 10; ++i)
        s.bildHinzufuegen(QStringLiteral("bild%1.jpg").arg(i, 2, 10, QLatin1Char('0')), QSize());
    frmBilderListe& liste = s.liste();
    liste.ListeAuffuellen();

    druecken(liste, 3);
    QCOMPARE(markiert(liste), (QVector<int>{3}));
    druecken(liste, 7, Qt::ShiftModifier);
    QCOMPARE(markiert(liste), (QVector<int>{3, 4, 5, 6, 7}));
    druecken(liste, 5, Qt::ControlModifier);
    QCOMPARE(markiert(liste), (QVector<int>{3, 4, 6, 7}));
    QCOMPARE(liste.modell().anker(), 5);
    druecken(liste, 2, Qt::ShiftModifier);
    QCOMPARE(markiert(liste), (QVector<int>{2, 3, 4, 5, 6, 7}));
    QCOMPARE(liste.modell().anker(), 5);

    // A plain click on a marked entry keeps the others (they may be dragged or deleted together).
    druecken(liste, 4);
    QCOMPARE(liste.AnzahlMarkierteFelder(), 6);
    // On an unmarked one it leaves that one alone.
    druecken(liste, 9);
    QCOMPARE(markiert(liste), (QVector<int>{9}));
    // Ctrl on the only marked entry clears it.
    druecken(liste, 9, Qt::ControlModifier);
    QCOMPARE(liste.AnzahlMarkierteFelder(), 0);
}

void TestBilderListe::klickMachtBildAktuellFuerDieAnzeige()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Drei")));
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
        s.bildHinzufuegen(QLatin1String(name));
    frmAlbenAnzeige& anzeige = s.anzeige();
    anzeige.NeuesAlbum();
    frmBilderListe& liste = s.liste();
    liste.ListeAuffuellen();

    druecken(liste, 3);
    QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 3);
    QCOMPARE(anzeige.findChild<QLineEdit*>(QStringLiteral("txtBildname"))->text(), QStringLiteral("c.jpg"));
    QVERIFY(!s.ui.aufrufe.contains(QStringLiteral("ZoomBildAnzeigen")));

    // With the zoom view open it follows too.
    s.z.offen.bilder = true;
    druecken(liste, 1);
    QCOMPARE(anzeige.findChild<QLineEdit*>(QStringLiteral("txtBildname"))->text(), QStringLiteral("a.jpg"));
    QVERIFY(s.ui.aufrufe.contains(QStringLiteral("ZoomBildAnzeigen")));

    // A double click shows the picture as well.
    QTest::mouseDClick(liste.feld(), Qt::LeftButton, Qt::NoModifier, liste.feld()->eintragsRechteck(2).center());
    QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 2);
    QCOMPARE(anzeige.findChild<QLineEdit*>(QStringLiteral("txtBildname"))->text(), QStringLiteral("b.jpg"));
}

void TestBilderListe::nachfuehrenMarkiertNurDasAktuelleUndRolltDorthin()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Viele")));
    for (int i = 1; i <= 300; ++i)
        s.bildHinzufuegen(QStringLiteral("bild%1.jpg").arg(i, 3, 10, QLatin1Char('0')), QSize());
    frmBilderListe& liste = s.liste();
    liste.ListeAuffuellen();
    druecken(liste, 1);
    druecken(liste, 4, Qt::ShiftModifier);

    s.z.offen.vorschau = true;
    s.db.rsAlbum.AbsolutePositionSetzen(250);
    liste.ListeMarkierungNachfuehren();
    QCOMPARE(markiert(liste), (QVector<int>{250}));
    QCOMPARE(liste.modell().anker(), 250);
    QVERIFY(s.ui.aufrufe.contains(QStringLiteral("VorschauMarkierungAnzeigen")));
    // The entry is in view now.
    const QRect r = liste.feld()->eintragsRechteck(250);
    QVERIFY2(r.top() >= 0 && r.bottom() < liste.feld()->height(),
             qPrintable(QStringLiteral("Eintrag bei %1..%2").arg(r.top()).arg(r.bottom())));
    QCOMPARE(liste.feld()->positionBei(r.center()), 250);
}

void TestBilderListe::rechtsklickNurAufMarkiertenAusserhalbDerSuche()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Menue")));
    for (const char* name : {"a.jpg", "b.jpg"})
        s.bildHinzufuegen(QLatin1String(name), QSize());
    frmBilderListe& liste = s.liste();
    liste.ListeAuffuellen();
    QSignalSpy menue(&liste, &frmBilderListe::kontextmenueGewuenscht);

    druecken(liste, 2, Qt::NoModifier, Qt::RightButton);
    QCOMPARE(menue.count(), 0);
    druecken(liste, 2);
    druecken(liste, 2, Qt::NoModifier, Qt::RightButton);
    QCOMPARE(menue.count(), 1);
    // The right button neither marks nor moves.
    QCOMPARE(markiert(liste), (QVector<int>{2}));

    s.z.albenauswahl = {QStringLiteral("Bitte Album auswählen:"), QStringLiteral("Menue"), QStringLiteral("Suchergebnis:")};
    s.z.albenauswahlIndex = 2;
    druecken(liste, 2, Qt::NoModifier, Qt::RightButton);
    QCOMPARE(menue.count(), 1);
}

void TestBilderListe::rollbalkenNurBeiUeberlauf()
{
    Ansichtensammlung s;
    s.albumWaehlen(s.albumImBilderverzeichnis(QStringLiteral("Rollen")));
    s.bildHinzufuegen(QStringLiteral("einzeln.jpg"), QSize());
    frmBilderListe& liste = s.liste();
    liste.ListeAuffuellen();
    QVERIFY(!liste.scrollbalken()->isEnabled());
    QCOMPARE(liste.feld()->versatz(), 0);

    for (int i = 1; i <= 60; ++i)
        s.bildHinzufuegen(QStringLiteral("mehr%1.jpg").arg(i, 2, 10, QLatin1Char('0')), QSize());
    liste.ListeAuffuellen();
    QScrollBar* balken = liste.scrollbalken();
    QVERIFY(balken->isEnabled());
    const int ueberhang = liste.feld()->gesamthoehe() - liste.feld()->height();
    QVERIFY(ueberhang > 0);
    QCOMPARE(balken->maximum(), std::max(1000, ueberhang));
    balken->setValue(balken->maximum() / 2);
    QCOMPARE(liste.feld()->versatz(), ueberhang / 2);
    balken->setValue(balken->maximum());
    // The last entry ends at the lower edge.
    QCOMPARE(liste.feld()->eintragsRechteck(61).bottom(), liste.feld()->height() - 1);
    // A taller window needs no scrolling any more.
    liste.resize(liste.width(), 4000);
    QVERIFY(!balken->isEnabled());
    QCOMPARE(balken->value(), 0);
    QCOMPARE(liste.feld()->versatz(), 0);
}

int testeBilderListe(int argc, char** argv)
{
    TestBilderListe t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_bilderliste.moc"
