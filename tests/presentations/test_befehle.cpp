#include "Anwendung.h"
#include "Praesentationssammlung.h"
#include "Storyboardstreifen.h"
#include "frmHilfe.h"
#include "frmPraesentationAnzeige.h"
#include "frmPraesentationStoryboard.h"

#include <QtWidgets>

// The album Rom of three pictures, opened by the main window of a program with its help beside it.
struct Hauptfenster {
    Praesentationssammlung s;
    Anwendung a;
    mdiHauptform* h = nullptr;

    Hauptfenster()
    {
        s.album(u"Rom"_s, 3);
        DatenbankSchliessen(s.z, s.db);
        const QString programm = s.ordner(u"programm"_s);
        QDir().mkpath(programm + u"help"_s);
        for (const char* seite : { "index.htm", "index_praesentationen.htm" }) {
            QFile f(programm + u"help/"_s + QLatin1String(seite));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("<html><body>Seite</body></html>") > 0);
        }
        a.Vorbereiten(programm);
        a.zustand().meldungen = &s.meldungen;
        if (!a.HauptfensterZeigen())
            return;
        h = a.hauptfenster();
        h->dateiWaehlen = [this](bool) { return s.datei(); };
        h->DatenbankOeffnenBefehl();
    }
};

// The presentation commands of the main window with their enabled states.
class TestBefehle : public QObject {
    Q_OBJECT
private slots:
    void praesentationsbefehle()
    {
        Hauptfenster f;
        mdiHauptform* h = f.h;
        QVERIFY(h);
        auto aktiv = [h](const char* name) { return h->aktion(QLatin1String(name))->isEnabled(); };
        QVERIFY(!aktiv("mnuPraeOeffnen") && !aktiv("mnuPraeSchliessen"));

        // New: the name typed and OK; the storyboard opens on it.
        h->dialogAusfuehren = [](QDialog* d) {
            d->findChild<QLineEdit*>(u"txtNamePraesentation"_s)->setText(u"Reise"_s);
            d->findChild<QPushButton*>(u"cmdOK"_s)->click();
            return d->result();
        };
        h->aktion(u"mnuPraeNeu"_s)->trigger();
        QVERIFY(h->storyboard() && f.a.zustand().praesentationName == u"Reise"_s);
        QVERIFY(aktiv("mnuPraeOeffnen") && aktiv("mnuPraeSchliessen") && aktiv("mnuPraeDummy"));

        // Deleting the open one closes the storyboard; then nothing is left.
        h->dialogAusfuehren = [](QDialog* d) {
            auto* liste = d->findChild<QComboBox*>(u"cboPraesentationen"_s);
            return liste->currentText() == u"Reise"_s ? int(QDialog::Accepted) : int(QDialog::Rejected);
        };
        h->aktion(u"mnuLoeschenPraesentation"_s)->trigger();
        QTRY_VERIFY(!h->storyboard());
        QVERIFY(f.a.zustand().praesentationName.isEmpty());
        QVERIFY(!aktiv("mnuPraeOeffnen") && !aktiv("mnuPraeSchliessen"));

        // An album twice as "Temporäre Präsentation", a right-click on each part
        // of the storyboard, the slide show ending from its help and with its collection.
        const auto storyboardRahmen = [h] {
            int n = 0;
            for (QMdiSubWindow* f : h->findChild<QMdiArea*>()->subWindowList())
                n += f->widget() && f->widget()->objectName() == u"frmPraesentationStoryboard"_s;
            return n;
        };

        h->aktion(u"mnuAlbumAlsPrae"_s)->trigger();
        h->aktion(u"mnuAlbumAlsPrae"_s)->trigger();
        QTRY_COMPARE(storyboardRahmen(), 1);
        QCOMPARE(h->storyboard()->modell().anzahl(), 3);

        // One right-click (press, context menu, release), one menu: the picture's "B" on picture 2,
        // the presentation's "P" on the gap after it, none on the append cell, "P" on the title.
        QString menues;
        connect(h->menue(u"mnuPUPraeBilder"_s), &QMenu::aboutToShow, this, [&] { menues += u'B'; });
        connect(h->menue(u"mnuPUPrae"_s), &QMenu::aboutToShow, this, [&] { menues += u'P'; });
        Storyboardstreifen& st = h->storyboard()->streifen();
        const QRect bild = st.bildRechteck(2);
        for (const auto& [wo, punkt] : { std::pair<QWidget*, QPoint> { &st, bild.center() },
                 { &st, QPoint(bild.right() + 3, bild.center().y()) }, { &st, st.bildRechteck(4).center() },
                 { h->storyboard()->findChild<QLabel*>(u"lblTitel"_s), QPoint(2, 2) } }) {
            QTest::mousePress(wo, Qt::RightButton, {}, punkt);
            QContextMenuEvent menue(QContextMenuEvent::Mouse, punkt, wo->mapToGlobal(punkt));
            QApplication::sendEvent(wo, &menue);
            QTest::mouseRelease(wo, Qt::RightButton, {}, punkt);
            menues += u'|';
            h->menue(u"mnuPUPraeBilder"_s)->hide();
            h->menue(u"mnuPUPrae"_s)->hide();
        }
        QCOMPARE(menues, u"B|P||P|"_s);
        QCOMPARE(h->storyboard()->gedrueckt(), 2);

        // Closing follows the frame on show.
        h->aktion(u"mnuPraeSchliessen"_s)->trigger();
        QTRY_COMPARE(storyboardRahmen(), 0);
        QVERIFY(!h->storyboard());

        // The slide show: Esc ends it from the help F1 opened; it ends with its collection and the main window.
        const auto starten = [&] {
            h->aktion(u"mnuAlbumAlsPrae"_s)->trigger();
            h->aktion(u"mnuPraeStarten"_s)->trigger();
            return QPointer<frmPraesentationAnzeige>(h->diaschau());
        };
        QPointer<frmPraesentationAnzeige> schau = starten();
        QVERIFY(schau && schau->isVisible());
        QTest::keyClick(schau, Qt::Key_F1);
        QTRY_COMPARE(QApplication::activeWindow(), frmHilfe::instanz());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!schau);
        for (const auto& ende : std::initializer_list<std::function<void()>> {
                 [&] { h->DatenbankSchliessenBefehl(); }, [&] { h->close(); } }) {
            h->DatenbankOeffnenBefehl();
            schau = starten();
            QVERIFY(schau);
            ende();
            QTRY_VERIFY(!schau);
        }
    }
};

QTEST_MAIN(TestBefehle)
#include "test_befehle.moc"
