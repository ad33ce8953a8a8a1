#include "BilderListeModell.h"
#include "Praesentationskatalog.h"
#include "Praesentationssammlung.h"
#include "Storyboardstreifen.h"
#include "frmPraesentationAnzeige.h"
#include "frmPraesentationStoryboard.h"

#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

// Drops the data on the strip at that point as a drag from outside would.
bool fallenLassen(Storyboardstreifen& streifen, const QPoint& punkt, const QString& typ, const QByteArray& inhalt)
{
    QMimeData daten;
    daten.setData(typ, inhalt);
    QDragEnterEvent hinein(punkt, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&streifen, &hinein);
    QDropEvent ereignis(punkt, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&streifen, &ereignis);
    return ereignis.isAccepted();
}

}  // namespace

class TestFenster : public QObject {
    Q_OBJECT
private slots:
    void storyboardNimmtBilderAuf()
    {
        Praesentationssammlung s;
        const QStringList rom = s.album(u"Rom"_s, 3);
        QCOMPARE(
            Praesentationskatalog::NeuePraesentation(s.z, s.db, u"Reise"_s), Praesentationskatalog::Ergebnis::Erledigt);
        // Installed, the append cell's picture lies in share/kolvar/, not beside the program.
        s.z.datenordner = s.ordner(u"share/kolvar"_s);
        QImage gruen(60, 60, QImage::Format_RGB32);
        gruen.fill(Qt::green);
        QVERIFY(gruen.save(s.z.datenordner + u"neuesbild.jpg"_s));
        frmPraesentationStoryboard sb(s.z, s.db);
        sb.show();
        sb.SBNeuAnzeigen();
        QVERIFY(!sb.laufleiste().isEnabled());
        Storyboardstreifen& st = sb.streifen();
        using Z = Storyboardstreifen::Ziel;

        // The empty presentation is one append cell; a drop on it gives position 1.
        const QPoint anhaengen = st.bildRechteck(1).center();
        const QImage leer = st.grab().toImage();
        const QColor zelle = leer.pixelColor(anhaengen * leer.devicePixelRatio());
        QVERIFY2(zelle.green() > 200 && zelle.red() < 60, qPrintable(zelle.name()));
        QCOMPARE(st.zielBei(anhaengen).art, Z::Bild);
        QVERIFY(fallenLassen(st, anhaengen, DBNummerMimeTyp(), rom[0].toUtf8()));
        QVERIFY(fallenLassen(st, st.bildRechteck(2).center(), DBNummerMimeTyp(), rom[1].toUtf8()));
        // Into the gap after picture 1: between the two.
        const QPoint luecke1(st.bildRechteck(1).right() + 4, st.bildRechteck(1).center().y());
        QCOMPARE(st.zielBei(luecke1).art, Z::Luecke);
        QVERIFY(fallenLassen(st, luecke1, DBNummerMimeTyp(), rom[2].toUtf8()));
        QCOMPARE(s.tabellenfolge(s.z.praesentationTabelle), (QStringList { rom[0], rom[2], rom[1] }));

        // Not a picture: another type, or a key of nothing; beyond the last cell.
        QVERIFY(!fallenLassen(st, anhaengen, u"text/plain"_s, rom[0].toUtf8()));
        QVERIFY(!fallenLassen(st, anhaengen, DBNummerMimeTyp(), "000900001"));
        QCOMPARE(st.zielBei(QPoint(st.bildRechteck(4).right() + 40, anhaengen.y())).art, Z::Keins);
        QCOMPARE(sb.modell().anzahl(), 3);

        // A picture of the strip onto the append cell's gap goes to the end.
        const QPoint letzteLuecke(st.bildRechteck(4).right() + 4, anhaengen.y());
        QVERIFY(st.Ablegen(st.zielBei(letzteLuecke), 1, QString()));
        QCOMPARE(s.tabellenfolge(s.z.praesentationTabelle), (QStringList { rom[2], rom[1], rom[0] }));

        // A picture without a thumbnail folder is drawn from the picture itself.
        const QString bild = sb.modell().bildPfad(1);
        QVERIFY(QDir().mkpath(QFileInfo(bild).path()));
        QImage rot(64, 48, QImage::Format_RGB32);
        rot.fill(Qt::red);
        QVERIFY(rot.save(bild, "JPEG"));
        QVERIFY(!QFileInfo::exists(sb.modell().vorschau(1)));
        sb.SBNeuAnzeigen();
        const QImage gemalt = st.grab().toImage();
        const QColor mitte = gemalt.pixelColor(st.bildRechteck(1).center() * gemalt.devicePixelRatio());
        QVERIFY2(mitte.red() > 200 && mitte.green() < 60, qPrintable(mitte.name()));

        // More pictures than fit: the bar scrolls the frame to its right edge and back.
        sb.resize(600, sb.height());
        for (int i = 0; i < 30; ++i)
            QVERIFY(sb.modell().BildEinfuegen(1, rom[i % 3]));
        sb.hscListeEinrichten();
        QVERIFY(sb.laufleiste().isEnabled());
        sb.laufleiste().setValue(1000);
        QCOMPARE(st.links() + st.rahmenbreite(), 4 + sb.laufleiste().width());
        sb.laufleiste().setValue(0);
        QCOMPARE(st.links(), 4);
    }

    void diaschau()
    {
        Praesentationssammlung s;
        const QStringList rom = s.album(u"Rom"_s, 3);
        QCOMPARE(
            Praesentationskatalog::NeuePraesentation(s.z, s.db, u"Reise"_s), Praesentationskatalog::Ergebnis::Erledigt);
        StoryboardModell m(s.z, s.db);
        QVERIFY(m.Laden(s.z.praesentationTabelle));

        // An empty presentation does not start.
        QPointer<frmPraesentationAnzeige> leer = new frmPraesentationAnzeige(s.z, s.db);
        leer->show();
        QTRY_VERIFY(leer.isNull());

        const QString ordner = s.z.bilderverzeichnis + s.z.albumPfad;
        for (int i = 0; i < 3; ++i) {
            QVERIFY(m.BildEinfuegen(i + 1, rom[i]));
            Sammlungsgeruest::bildSchreiben(ordner + u"Rom"_s + QString::number(i + 1) + u".jpg"_s, QSize(80 + i, 60));
        }
        s.z.praesentationStartposition = 2;
        s.z.einstellungen.blnTastenTausch = true;
        QPointer<frmPraesentationAnzeige> schau = new frmPraesentationAnzeige(s.z, s.db);
        QSignalSpy gemalt(schau.data(), &frmPraesentationAnzeige::bildGemalt);
        schau->show();
        QVERIFY(gemalt.wait(5000));
        QCOMPARE(gemalt.takeFirst().at(0).toInt(), 2);
        QCOMPARE(schau->anzeigetext(), u"2/3"_s);
        QTest::keyClick(schau, Qt::Key_Right);
        QCOMPARE(schau->anzeigetext(), u"3/3"_s);
        QTest::keyClick(schau, Qt::Key_Space);
        QCOMPARE(schau->anzeigetext(), u"1/3"_s);
        QTest::keyClick(schau, Qt::Key_Up);
        QCOMPARE(schau->anzeigetext(), u"1/3"_s);
        // Swapped buttons: the left one goes back.
        QTest::mouseClick(schau, Qt::LeftButton);
        QCOMPARE(schau->anzeigetext(), u"3/3"_s);
        QTest::mouseClick(schau, Qt::RightButton);
        QCOMPARE(schau->anzeigetext(), u"1/3"_s);
        QTRY_VERIFY(schau->bildGezeigt());
        QTest::keyClick(schau, Qt::Key_Escape);
        QTRY_VERIFY(schau.isNull());
    }
};

int testeFenster(int argc, char** argv)
{
    TestFenster t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_fenster.moc"
