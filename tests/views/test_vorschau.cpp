#include "Ansichtensammlung.h"
#include "Bildknopf.h"
#include "Bildorte.h"
#include "Vorschaulogik.h"
#include "frmVorschau.h"

#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

// An album of n pictures (64 x 48, "bild01.jpg" ...) with the picture list and
// a browser five columns wide and three rows high.
class Vorschausammlung : public Ansichtensammlung {
public:
    explicit Vorschausammlung(int n)
    {
        album(QStringLiteral("Album"));
        nummerierteBilder(n, {64, 48});
        liste().ListeAuffuellen();
        BildPfadeLaden(z, db);
        z.einstellungen.GroesseVorschauBild = 80;
        z.einstellungen.AnzahlBrowserZeilen = 3;
        browser = std::make_unique<frmVorschau>(z, db, bilder);
        ui.vorschau = browser.get();
        // Events after every picture, so that clicks can overtake a draw.
        browser->ereignisAbstandMs = 0;
        browser->resize(500, browser->benoetigteHoehe());
        browser->show();
        browser->Aktivieren();
    }
    ~Vorschausammlung() override { ui.vorschau = nullptr; }

    void nameKlicken(int zelle, Qt::KeyboardModifiers tasten = Qt::NoModifier, Qt::MouseButton k = Qt::LeftButton)
    {
        QTest::mouseClick(browser->lblBildName(zelle), k, tasten, QPoint(5, 5));
    }
    QVector<int> positionen()
    {
        QVector<int> p;
        for (int i = 1; i <= browser->AnzahlPlatzhalter(); ++i)
            p << browser->ZellenPosition(i);
        return p;
    }

    std::unique_ptr<frmVorschau> browser;
};

QVector<int> folge(int von, int bis)
{
    QVector<int> v;
    for (int i = von; i <= bis; ++i)
        v << i;
    return v;
}

}  // namespace

class TestVorschau : public QObject {
    Q_OBJECT
private slots:
    void zellen()
    {
        // A window narrower than a cell, or without width, keeps one column;
        // thumbnails keep their shape, down to a line.
        QVERIFY(RasterBerechnen(50, 80).spalten == 1 && RasterBerechnen(0, 120).spalten == 1);
        QVERIFY(ZellenbildGroesse({ 160, 120 }, 80) == QSize(80, 60) && ZellenbildGroesse({ 90, 120 }, 80) == QSize(60, 80));
        QCOMPARE(ZellenbildGroesse({ 3000, 10 }, 80), QSize(80, 1));
        QVERIFY(ZellenbildGroesse({ 0, 10 }, 80).isEmpty());
    }

    void fensterMarkiertUndBlaettert()
    {
        Vorschausammlung s(23);
        frmVorschau& v = *s.browser;
        QCOMPARE(v.lblAnzeige()->text(), u"Bilder 1 - 15  von  23"_s);
        QVERIFY(v.zeigtBild(7));
        // A plain click marks only that picture; Shift reaches from the anchor (the last
        // plain or Ctrl click) and clears the others; Ctrl on a marked picture unmarks it.
        const Qt::KeyboardModifiers ohne, umschalt = Qt::ShiftModifier, strg = Qt::ControlModifier;
        const struct {
            int zelle;
            Qt::KeyboardModifiers tasten;
            QVector<int> markiert;
        } klicks[] = { { 4, ohne, { 4 } }, { 14, strg, { 4, 14 } }, { 9, strg, { 4, 9, 14 } }, { 2, umschalt, folge(2, 9) },
            { 12, umschalt, folge(9, 12) }, { 10, strg, { 9, 11, 12 } } };
        for (const auto& k : klicks) {
            s.nameKlicken(k.zelle, k.tasten);
            QCOMPARE(s.liste().modell().markiertePositionen(), k.markiert);
            QVERIFY(k.tasten != ohne || s.db.rsAlbum.AbsolutePosition() == k.zelle);
            for (int i = 1; i <= 15; ++i)
                QCOMPARE(v.zeigtMarkierung(i), k.markiert.contains(i));
        }
        // Another view's move reaches the browser through the list.
        s.db.rsAlbum.AbsolutePositionSetzen(5);
        s.liste().ListeMarkierungNachfuehren();
        QVERIFY(v.zeigtMarkierung(5) && !v.zeigtMarkierung(9) && !v.zeigtMarkierung(11));

        // The context menu only on the marked picture, which stays the only marked one.
        QSignalSpy menue(&v, &frmVorschau::kontextmenueGewuenscht);
        s.nameKlicken(2, Qt::NoModifier, Qt::RightButton);
        s.nameKlicken(5, Qt::NoModifier, Qt::RightButton);
        QCOMPARE(menue.count(), 1);
        QCOMPARE(s.liste().modell().markiertePositionen(), QVector<int>({ 5 }));

        // Paging: one row on: the rows move up, cell 1 holds what cell 6 held.
        QTest::mouseClick(v.knopf(u"cmdNext"_s), Qt::LeftButton);
        QCOMPARE(s.positionen(), folge(6, 20));
        QCOMPARE(v.lblBildName(1)->text(), u"bild06.jpg"_s);

        QTest::mouseClick(v.knopf(u"cmdNextGross"_s), Qt::LeftButton);
        QCOMPARE(v.lblAnzeige()->text(), u"Bilder 11 - 23  von  23"_s);
        // Cells after the last picture are empty frames.
        QCOMPARE(s.positionen(), folge(11, 23) + QVector<int>(2, 0));
        QVERIFY(v.lblBildName(15)->text().isEmpty() && v.imgBild(15)->isVisible());

        // The last row went elsewhere: a click on its cell reloads from the start instead of moving.
        s.db.rsAlbum.AbsolutePositionSetzen(23);
        s.db.rsAlbum.Delete();
        s.db.rsAlbum.MoveFirst();
        QTest::mouseClick(v.imgBild(13), Qt::LeftButton);
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 1);
        QCOMPARE(v.lblAnzeige()->text(), u"Bilder 1 - 15  von  22"_s);
    }

    void fehlendesBildUndLeeresAlbum()
    {
        Vorschausammlung s(3);
        frmVorschau& v = *s.browser;
        QFile::remove(s.z.bildPfade.at(1));
        v.BilderAnzeigen();
        // Its name stays; it has no picture and ignores clicks.
        QCOMPARE(v.lblBildName(2)->text(), u"bild02.jpg"_s);
        QVERIFY(!v.zeigtBild(2));
        s.db.rsAlbum.AbsolutePositionSetzen(1);
        QTest::mouseClick(v.imgBild(2), Qt::LeftButton);
        QVERIFY(s.db.rsAlbum.AbsolutePosition() == 1 && !s.ui.aufrufe.contains(u"ZoomAnsichtZeigen"_s));
        QTest::mouseClick(v.imgBild(3), Qt::LeftButton);
        QVERIFY(s.db.rsAlbum.AbsolutePosition() == 3 && s.ui.aufrufe.count(u"ZoomAnsichtZeigen"_s) == 1);

        // The file went after its cell was drawn: the viewer asks, the user
        // deletes the entry, and the click ends there, on no other picture.
        s.anzeige();
        QVERIFY(QFile::remove(s.z.bildPfade.at(2)));
        s.meldungen.antworten = { Meldungen::Antwort::Nein, Meldungen::Antwort::Ja };
        QTest::mouseClick(v.imgBild(3), Qt::LeftButton);
        QVERIFY(s.db.rsAlbum.RecordCount() == 2 && s.ui.aufrufe.count(u"ZoomAnsichtZeigen"_s) == 1);

        // Another album without pictures: no count of the one before, no cell, no step.
        QVERIFY(!v.lblAnzeige()->text().isEmpty());
        s.album(u"Leer"_s);
        BildPfadeLaden(s.z, s.db);
        QCOMPARE(v.lblAnzeige()->text(), QString());
        for (int i = 1; i <= v.AnzahlPlatzhalter(); ++i)
            QVERIFY(!v.imgBild(i)->isVisible());
    }

    void neuesAlbumUnterbrichtZeichnen()
    {
        Vorschausammlung s(15);
        frmVorschau& v = *s.browser;
        // Exactly one page: no step.
        QCOMPARE(v.lblAnzeige()->text(), u"Bilder 1 - 15  von  15"_s);
        QCOMPARE(v.navigation().AnzahlNaviSchritte(), 0);
        const QStringList pfade = s.z.bildPfade;
        auto album = [&](const QString& buchstabe, int n) {
            s.ui.namen.clear();
            for (int i = 1; i <= n; ++i)
                s.ui.namen << buchstabe + QString::number(i);
            s.z.bildPfade = pfade.mid(0, n);
            s.z.bildDBNummern = s.ui.namen;
        };
        album(u"A"_s, 15);
        // While A's first picture is drawn, B, with fewer pictures, becomes
        // the album and is drawn: nothing of A may follow.
        bool gewechselt = false;
        QTimer::singleShot(0, &v, [&] {
            album(u"B"_s, 3);
            gewechselt = true;
            v.NeuesAlbumAnzeigen();
        });
        v.BilderAnzeigen();
        QVERIFY(gewechselt);
        QCOMPARE(s.positionen(), folge(1, 3) + QVector<int>(12, 0));
        for (int i = 1; i <= 15; ++i)
            QCOMPARE(v.lblBildName(i)->text(), i <= 3 ? u"B%1"_s.arg(i) : QString());
        QCOMPARE(v.lblAnzeige()->text(), u"Bilder 1 - 3  von  3"_s);
        QVERIFY(v.seiteFertig());

        // A page click while a page fills does nothing.
        s.ui.namen.clear();
        BildPfadeLaden(s.z, s.db);
        s.browser->resize(200, s.browser->height());
        QCOMPARE(v.AnzahlSpalten(), 2);
        QTimer::singleShot(0, &v, [&] { QTest::mouseClick(v.knopf(u"cmdNextGross"_s), Qt::LeftButton); });
        v.BilderAnzeigen();
        QCOMPARE(v.navigation().NaviSchritt(), 0);
        QCOMPARE(v.ZellenPosition(1), 1);
    }
};

int testeVorschau(int argc, char** argv)
{
    TestVorschau t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_vorschau.moc"
