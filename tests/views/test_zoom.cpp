#include "Ansichtensammlung.h"
#include "Bildknopf.h"
#include "Zoomlogik.h"
#include "frmBilder.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The zoom view on an album of pictures of the given sizes ("z1.jpg" ...).
class Zoomsammlung : public Ansichtensammlung {
public:
    explicit Zoomsammlung(const QList<QSize>& groessen)
    {
        album(QStringLiteral("Zoom"));
        for (int i = 0; i < groessen.size(); ++i)
            bild(QStringLiteral("z%1.jpg").arg(i + 1), groessen.at(i));
        db.rsAlbum.MoveFirst();
        zoom = std::make_unique<frmBilder>(z, db, bilder);
        zoom->resize(700, 500);
        zoom->show();
        QVERIFY(QTest::qWaitForWindowExposed(zoom.get()));
    }
    std::unique_ptr<frmBilder> zoom;
};

}  // namespace

class TestZoom : public QObject {
    Q_OBJECT
private slots:
    void rechnung()
    {
        // In twips (15 to the pixel), fitted into a display of 9000 x 6000; beyond 16 bit
        // for a 10-pixel picture filling a large area.
        const struct {
            const char* fall;
            QSizeF bild;
            QRectF eingepasst;
            int prozent;
        } formen[] = { { "groß", { 30000, 15000 }, { 0, 750, 9000, 4500 }, 30 },
            { "klein", { 200, 100 }, { 0, 750, 9000, 4500 }, 4500 },
            { "hoch", { 1000, 3000 }, { 3500, 0, 2000, 6000 }, 200 },
            { "winzig", { 1, 1 }, { 1500, 0, 6000, 6000 }, 600000 } };
        Zoomrechnung r;
        for (const auto& f : formen) {
            r.Vollanzeige(f.bild, QSizeF(9000, 6000), true);
            QVERIFY2(r.bildRechteck() == f.eingepasst && r.Zoomfaktor() == f.prozent, f.fall);
        }

        // Unfitted, the picture at its own size; the steps (of ten, see the window's test)
        // stop at 310 and 40 %.
        r.Vollanzeige(QSizeF(3000, 2000), QSizeF(9000, 6000), false);
        QVERIFY(r.bildRechteck().size() == QSizeF(3000, 2000) && r.Zoomfaktor() == 100);
        while (r.Groesser()) { }
        QCOMPARE(r.Zoomfaktor(), 310);
        r.Original();
        while (r.Kleiner()) { }
        QCOMPARE(r.Zoomfaktor(), 40);

        // Fitted at 30 %, a third reduction would leave nothing: refused.
        r.Vollanzeige(QSizeF(30000, 15000), QSizeF(9000, 6000), true);
        QVERIFY(r.Kleiner() && r.Kleiner());
        QVERIFY(!r.kannKleiner() && !r.Kleiner());
        QCOMPARE(r.bildRechteck().width(), 3000.0);

        // Without a picture nothing divides by zero and nothing zooms.
        r.Vollanzeige(QSizeF(), QSizeF(9000, 6000), true);
        QVERIFY(r.Zoomfaktor() == 0 && !r.Groesser() && !r.Kleiner());

        // The smallest of the decoder's reductions (1/2, 1/4, 1/8) that still covers what is needed.
        const struct {
            const char* fall;
            QSize original;
            QSizeF benoetigt;
            QSize groesse;
        } faelle[] = { { "genau ein Viertel", { 6000, 4000 }, { 1500, 1000 }, { 1500, 1000 } },
            { "aufgerundet", { 6001, 4001 }, { 750.1, 500 }, { 751, 501 } },
            { "Achtel", { 4000, 6000 }, { 333, 500 }, { 500, 750 } },
            { "größer als das Bild", { 300, 400 }, { 600, 800 }, { 300, 400 } } };
        for (const auto& f : faelle)
            QVERIFY2(DekodierGroesse(f.original, f.benoetigt) == f.groesse, f.fall);
    }

    void fensterDekodiertPassendUndMeldetUnlesbares()
    {
        Zoomsammlung s({ QSize(2400, 1600), QSize(300, 400), QSize(64, 48) });
        frmBilder& f = *s.zoom;
        QSignalSpy gemalt(&f, &frmBilder::gezeichnet);
        f.BildAnzeigen();
        QVERIFY(gemalt.wait(10000));
        // Decoded reduced in the decoder, as large as the fitted picture needs;
        // enlarged beyond that, the full picture.
        QCOMPARE(f.dekodiert(), DekodierGroesse(QSize(2400, 1600), f.rechnung().bildRechteck().size()));
        for (int i = 0; i < 6; ++i)
            f.cmdGroesser_Click();
        QCOMPARE(f.dekodiert(), QSize(2400, 1600));
        f.cmdOriginal_Click();
        f.cmdKleiner_Click();
        QCOMPARE(f.windowTitle(), u"z1.jpg (Bildgröße: 90%)"_s);

        // Navigation moves rsAlbum; full displays stay at original size until fitted again.
        QTest::mouseClick(f.knopf(u"cmdNext"_s), Qt::LeftButton);
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 2);
        QCOMPARE(f.windowTitle(), u"z2.jpg (Bildgröße: 100%)"_s);
        f.cmdAnpassen_Click();
        QCOMPARE(f.rechnung().bildRechteck().height(), double(f.picBildAnzeige()->height()));

        // An unreadable picture is reported once and cannot be zoomed.
        QFile datei(s.albumordner() + u"z3.jpg"_s);
        QVERIFY(datei.open(QIODevice::WriteOnly | QIODevice::Truncate) && datei.write("kein Bild") > 0);
        datei.close();
        QTest::mouseClick(f.knopf(u"cmdNext"_s), Qt::LeftButton);
        QCOMPARE(s.meldungen.texte(), QStringList { u"Bild nicht gefunden!"_s });
        QCOMPARE(f.Zoomfaktor(), 0);
        QVERIFY(!f.knopf(u"cmdGroesser"_s)->istAktiv() && !f.knopf(u"cmdKleiner"_s)->istAktiv());
        f.cmdGroesser_Click();
        QCOMPARE(f.Zoomfaktor(), 0);
    }

    void geloeschteEintraegeBeendenDieNavigation()
    {
        // Both files went while the zoom showed the first; stepping on, the
        // viewer asks about each and the user deletes both entries.
        Zoomsammlung s({ QSize(64, 48), QSize(64, 48) });
        frmBilder& f = *s.zoom;
        QObject::connect(&s.anzeige(), &frmAlbenAnzeige::zoomAnsichtSchliessen, &f, &QWidget::close);
        QVERIFY(QFile::remove(s.albumordner() + u"z1.jpg"_s) && QFile::remove(s.albumordner() + u"z2.jpg"_s));
        using A = Meldungen::Antwort;
        s.meldungen.antworten = { A::Nein, A::Ja, A::Nein, A::Ja };
        f.Navigieren(frmBilder::Schritt::Vor);
        QCOMPARE(s.db.rsAlbum.RecordCount(), 0);
        QVERIFY(!f.isVisible());
        QCOMPARE(s.meldungen.meldungen.size(), 4);
    }
};

int testeZoom(int argc, char** argv)
{
    TestZoom t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_zoom.moc"
