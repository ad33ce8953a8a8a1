#include "Anwendung.h"
#include "Austauschsammlung.h"
#include "Bildorte.h"
#include "Ordnerauswahl.h"
#include "frmKonfAlben.h"
#include "frmKonfBilderverzeichnis.h"
#include "frmKonfBrowser.h"
#include "frmPraeExportieren.h"
#include "frmPraeImportieren.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TestDialoge : public QObject {
    Q_OBJECT

    std::unique_ptr<Austauschsammlung> s;

private slots:
    void init() { s = std::make_unique<Austauschsammlung>(); }
    void cleanup() { s.reset(); }

    // Cancel leaves every setting as it was although all was changed; OK stores what is chosen.
    void einstellungsdialoge()
    {
        Einstellungen& e = s->z.einstellungen;
        const auto werte = [&e] {
            return QList<int> { e.lngBehandlungNeueAlben, e.lngBehandlungNeueCDAlben, e.lngBehandlungBilder,
                e.GroesseVorschauBild, e.AnzahlBrowserZeilen, e.blnPraeBilderAngleichen, e.blnTastenTausch };
        };
        e.lngBehandlungNeueAlben = 2;
        e.lngBehandlungNeueCDAlben = e.lngBehandlungBilder = 0;
        e.GroesseVorschauBild = 90;
        e.AnzahlBrowserZeilen = 5;
        e.blnPraeBilderAngleichen = true;
        e.blnTastenTausch = false;
        for (const bool ok : { false, true }) {
            frmKonfAlben alben(s->z);
            // Shown locked on "leave on the CD", but memory keeps 0 until OK.
            QVERIFY(alben.optOrt[1]->isChecked() && alben.optCD[1]->isChecked() && !alben.fraCD->isEnabled());
            alben.optOrt[0]->click();
            QVERIFY(alben.fraCD->isEnabled() && alben.optCD[0]->isChecked());
            alben.optOrt[1]->click();  // locked again: the CD choice stored is 1
            alben.optOrt[3]->click();
            frmKonfBrowser browser(s->z);
            QVERIFY(browser.optGroesse[1]->isChecked() && browser.optZeilen[0]->isChecked());
            browser.optZeilen[2]->click();
            frmKonfPraesentationen praes(s->z);
            QVERIFY(praes.optBilderGroesse[0]->isChecked());
            praes.optBilderGroesse[1]->click();
            praes.chkTastenTausch->setChecked(true);
            for (QDialog* d : std::initializer_list<QDialog*> { &alben, &browser, &praes })
                QTest::mouseClick(d->findChild<QPushButton*>(ok ? u"cmdOK"_s : u"cmdAbbrechen"_s), Qt::LeftButton);
            QCOMPARE(alben.result(), ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
            const QList<int> gewaehlt { 2, 1, 1, 100, 4, 0, 1 }, vorher { 2, 0, 0, 90, 5, 1, 0 };
            QCOMPARE(werte(), ok ? gewaehlt : vorher);
        }
    }

    // The checks themselves are tried on the core; here what the dialog does with them.
    void bilderverzeichnisDialog()
    {
        const QString alt = s->z.bilderverzeichnis;
        {
            // Too long for the file: the message names the folder, the dialog stays open, nothing changed.
            frmKonfBilderverzeichnis d(s->z, s->db);
            d.txtBV->setText(s->wurzel() + QString(300, u'y'));
            d.show();
            QTest::mouseClick(d.cmdOK, Qt::LeftButton);
            QCOMPARE(s->meldungen.meldungen.size(), 1);
            QVERIFY(s->meldungen.texte().first().contains(QString(300, u'y')));
            QVERIFY(d.isVisible());
            QCOMPARE(s->z.bilderverzeichnis, alt);
        }
        s->albumMit(u"Ferien"_s, { u"a.jpg"_s });
        frmKonfBilderverzeichnis d(s->z, s->db);
        QVERIFY(d.txtBV->text() == alt && d.cmdOK->isEnabled());
        d.txtBV->setText(s->ordner(u"leer"_s));
        QVERIFY(!d.cmdOK->isEnabled());
        // A folder beside the old one holding the album's folder: stored with "/" on OK.
        const QString neu = s->ordner(u"Kopie"_s);
        QDir().mkpath(neu + u"Ferien"_s);
        d.txtBV->setText(Pfade::ohneSchraegstrich(neu));
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(s->z.bilderverzeichnis, neu);
    }

    // The model reads a folder again when it changes; the tree must not move under the pointer then.
    void ordnerauswahl()
    {
        // The test's own folder plays a disk, so that folders other programs make meanwhile
        // (in /tmp) never add rows above the pointer.
        s->laufwerke.hinzufuegen(s->wurzel(), Laufwerk::Festplatte, u"TEST"_s);
        const QString eltern = s->ordner(u"Viele"_s);
        for (int i = 0; i < 60; ++i)
            QVERIFY(QDir().mkpath(eltern + u"o%1"_s.arg(i, 2, 10, QLatin1Char('0'))));
        Ordnerauswahl auswahl(s->z);
        auswahl.resize(300, 220);
        auswahl.pfadSetzen(eltern + u"o30"_s);
        auswahl.show();
        QTreeView* baum = auswahl.dirVerzeichnisse;
        const auto* modell = static_cast<QFileSystemModel*>(baum->model());
        const auto pfadVon = [&](const QModelIndex& i) { return Pfade::ordner(modell->filePath(i)); };
        QTRY_COMPARE(pfadVon(baum->currentIndex()), eltern + u"o30/"_s);
        QTRY_VERIFY(baum->viewport()->rect().contains(baum->visualRect(baum->currentIndex()).center()));

        // The user pages up and presses a folder; its parent is read again before the release.
        baum->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
        const int hoehe = baum->verticalScrollBar()->value();
        const QPoint zeiger = baum->visualRect(baum->indexAt(QPoint(5, 5))).center() + QPoint(0, 40);
        const QString gezielt = pfadVon(baum->indexAt(zeiger));
        QTest::mousePress(baum->viewport(), Qt::LeftButton, {}, zeiger);
        QSignalSpy gelesen(modell, &QFileSystemModel::directoryLoaded);
        QVERIFY(QFile(eltern + u"neu.txt"_s).open(QIODevice::WriteOnly));
        QVERIFY(gelesen.wait(5000));
        QTest::qWait(300);
        QTest::mouseRelease(baum->viewport(), Qt::LeftButton, {}, zeiger);
        QCOMPARE(baum->verticalScrollBar()->value(), hoehe);
        QCOMPARE(pfadVon(baum->indexAt(zeiger)), gezielt);
        QCOMPARE(auswahl.pfad(), gezielt);

        // The keyboard chooses too: what is highlighted is what OK takes.
        QTest::keyClick(baum, Qt::Key_Down);
        QCOMPARE(auswahl.pfad(), pfadVon(baum->currentIndex()));
        QVERIFY(auswahl.pfad() != gezielt);
    }

    void exportDialog()
    {
        const QString nummer = s->albumMit(u"Ferien"_s, { u"a.jpg"_s, u"b.jpg"_s });
        s->z.praesentationTabelle
            = s->praesentation(u"Reise"_s, { s->schluessel(nummer, u"b.jpg"_s), s->schluessel(nummer, u"a.jpg"_s) });
        s->z.praesentationName = u"Reise"_s;
        s->meldungen.leeren();
        const QString ziel = s->ordner(u"Stick"_s);
        QVERIFY(QFile(ziel + u"alt.txt"_s).open(QIODevice::WriteOnly));
        // What a killed export left there goes when the dialog is on the folder.
        QVERIFY(QFile(ziel + u".kolvar-export-77-1.teil"_s).open(QIODevice::WriteOnly));

        // Into the non-empty folder itself; No leaves the dialog open and writes nothing.
        frmPraeExportieren d(s->z, s->db);
        d.chkVerzeichnisAnlegen->setChecked(false);
        d.ordnerauswahl->pfadSetzen(ziel);
        QCOMPARE(d.lblVerzeichnis->text(), ziel);
        QCOMPARE(eintraegeIn(ziel), QStringList({ u"alt.txt"_s }));
        d.show();
        s->meldungen.antworten << Meldungen::Antwort::Nein;
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        QCOMPARE(s->meldungen.titel(), QStringList({ u"Verzeichnis nicht leer!"_s }));
        QVERIFY(d.isVisible());
        QCOMPARE(eintraegeIn(ziel), QStringList({ u"alt.txt"_s }));
        // An album folder is refused with a message, the dialog stays.
        d.ordnerauswahl->pfadSetzen(s->z.bilderverzeichnis + u"Ferien/"_s);
        s->meldungen.leeren();
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        QCOMPARE(s->meldungen.meldungen.size(), 1);
        QVERIFY(d.isVisible() && !d.exportiert());
        // Yes to the non-empty folder.
        d.ordnerauswahl->pfadSetzen(ziel);
        s->meldungen.leeren();
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        QVERIFY(d.exportiert());
        QCOMPARE(eintraegeIn(ziel), QStringList({ u"Reise0001.jpg"_s, u"Reise0002.jpg"_s, u"alt.txt"_s }));
    }

    void hauptfensterOeffnetDialogeUndImport()
    {
        s->albumMit(u"Ferien"_s, { u"a.jpg"_s });
        s->albumMit(u"Garten"_s, { u"g.jpg"_s });
        const QString quelle = s->ordner(u"Quellen/Aaa"_s);
        for (const QString& n : { u"x0002.jpg"_s, u"x0001.jpg"_s })
            Sammlungsgeruest::bildSchreiben(quelle + n);
        QVERIFY(QFile(quelle + u"liesmich.txt"_s).open(QIODevice::WriteOnly));
        const QString datei = s->datei();
        const QString bv = s->z.bilderverzeichnis;
        DatenbankSchliessen(s->z, s->db);

        Anwendung a;
        a.Vorbereiten(s->ordner(u"programm"_s));
        a.zustand().meldungen = &s->meldungen;
        QVERIFY(a.HauptfensterZeigen());
        mdiHauptform* h = a.hauptfenster();
        h->dateiWaehlen = [&](bool) { return datei; };
        h->DatenbankOeffnenBefehl();
        QVERIFY(a.zustand().datenbankOffen);
        a.zustand().bilderverzeichnis = bv;

        // Each entry of "Einstellungen" opens its dialog modally.
        const auto oeffnet = [&](const char* aktion, std::function<void(QWidget*)> darin = {}) {
            QString name;
            QTimer::singleShot(0, [&] {
                QWidget* w = QApplication::activeModalWidget();
                name = w ? w->objectName() : QString();
                if (darin)
                    darin(w);
                else if (auto* d = qobject_cast<QDialog*>(w))
                    d->reject();
            });
            h->aktion(QLatin1String(aktion))->trigger();
            return name;
        };
        const std::pair<const char*, const char*> dialoge[]
            = { { "mnuEinstellungenAlben", "frmKonfAlben" }, { "mnuEinstellungenBV", "frmKonfBilderverzeichnis" },
                  { "mnuKonfBrowser", "frmKonfBrowser" }, { "mnuKonfPraesentationen", "frmKonfPraesentationen" } };
        for (const auto& [aktion, dialog] : dialoge)
            QCOMPARE(oeffnet(aktion), QLatin1String(dialog));
        QStringList liste;  // what the import dialog lists: the pictures in their order, nothing else
        // Import: the album made is opened, although it is not the last one of the chooser.
        QCOMPARE(oeffnet("mnuPraeImportieren",
                     [&](QWidget* w) {
                         auto* d = static_cast<frmPraeImportieren*>(w);
                         d->ordnerauswahl->pfadSetzen(quelle);
                         for (int i = 0; i < d->fllDateien->count(); ++i)
                             liste << d->fllDateien->item(i)->text();
                         d->cmdOK->click();
                     }),
            u"frmPraeImportieren"_s);
        QCOMPARE(liste, QStringList({ u"x0001.jpg"_s, u"x0002.jpg"_s }));
        QCOMPARE(a.zustand().albumName, u"Aaa"_s);
        QCOMPARE(a.zustand().praesentationName, u"Aaa"_s);
        QVERIFY(h->aktion(u"mnuPraeDummy"_s)->isEnabled());
        QCOMPARE(oeffnet("mnuPraeExportieren"), u"frmPraeExportieren"_s);
    }
};

QTEST_MAIN(TestDialoge)
#include "test_dialoge.moc"
