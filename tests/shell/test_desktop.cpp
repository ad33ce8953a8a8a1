#include "Anwendung.h"
#include "Bilderlistenfeld.h"
#include "Datenbankschema.h"
#include "Meldungsrecorder.h"
#include "Zugriffstasten.h"
#include "frmAlbenAnzeige.h"
#include "frmBilderListe.h"
#include "frmHilfe.h"
#include "mdiHauptform.h"
#include "mdlDatenbanken.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

// The program on a desktop: where it finds what it ships, and the keyboard
// (menu letters, F10, F1 by the window with the focus).
class TestDesktop : public QObject {
    Q_OBJECT

    QTemporaryDir m_ordner;
    Meldungsrecorder meldungen;

    static void seitenAnlegen(const QString& ordner, const QStringList& seiten)
    {
        QDir().mkpath(ordner);
        for (const QString& seite : seiten) {
            QFile f(ordner + QLatin1Char('/') + seite);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<html><body><h1>" + seite.toUtf8() + "</h1></body></html>");
        }
    }

    // A collection with one album of three pictures in the temporary folder.
    QString sammlungMitBildern()
    {
        const QString pfad = m_ordner.filePath(QStringLiteral("sammlung.mdb"));
        DatenbankErstellen(pfad);
        Programmzustand z;
        z.programmordner = m_ordner.path();
        z.bilderverzeichnis = m_ordner.filePath(QStringLiteral("bilder/"));
        Datenbankobjekte db;
        if (!DatenbankOhneAlbenOeffnen(z, db, pfad))
            return QString();
        AlbumAnlegen(z, db, QStringLiteral("Urlaub"), z.programmordner);
        DatenbankSchliessen(z, db);
        if (!DatenbankOeffnen(z, db, pfad))
            return QString();
        for (const char* name : { "a.jpg", "b.jpg", "c.jpg" })
            BildEintragen(db, QLatin1String(name), 0, QStringLiteral("01.02.2003"));
        DatenbankSchliessen(z, db);
        return pfad;
    }

    static QString seite() { return frmHilfe::instanz()->aktuelleSeite().fileName(); }

private slots:
    void datenordnerImBauordnerUndInDerInstallation()
    {
        const QString bau = m_ordner.filePath(QStringLiteral("bau/bin"));
        seitenAnlegen(bau + QStringLiteral("/help"), { QStringLiteral("index.htm") });
        QCOMPARE(Datenordner(bau), bau);
        QCOMPARE(Datenordner(bau + QLatin1Char('/')), bau);

        const QString praefix = m_ordner.filePath(QStringLiteral("präfix mit Leerzeichen"));
        QDir().mkpath(praefix + QStringLiteral("/bin"));
        seitenAnlegen(praefix + QStringLiteral("/share/kolvar/help"), { QStringLiteral("index.htm") });
        QCOMPARE(Datenordner(praefix + QStringLiteral("/bin")), praefix + QStringLiteral("/share/kolvar"));

        // Nothing anywhere: the program's own folder, which the missing-help message then names.
        const QString leer = m_ordner.filePath(QStringLiteral("leer/bin"));
        QDir().mkpath(leer);
        QCOMPARE(Datenordner(leer), leer);

        Anwendung a;
        a.Vorbereiten(praefix + QStringLiteral("/bin"));
        QCOMPARE(a.zustand().programmordner, praefix + QStringLiteral("/bin"));
        QCOMPARE(a.zustand().hilfedatei, praefix + QStringLiteral("/share/kolvar/help/index.htm"));
    }

    void buchstabenVerteilen_data()
    {
        QTest::addColumn<QStringList>("texte");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("Anfangsbuchstaben") << QStringList { "Datei", "Album" } << QStringList { "&Datei", "&Album" };
        QTest::newRow("zweites Wort") << QStringList { "Datenbank öffnen", "Datenbank  schliessen" }
                                      << QStringList { "&Datenbank öffnen", "Datenbank  &schliessen" };
        QTest::newRow("irgendein Buchstabe")
            << QStringList { "Album", "Anzeige" } << QStringList { "&Album", "A&nzeige" };
        QTest::newRow("vorhandener bleibt") << QStringList { "Neu", "&Nachher" } << QStringList { "N&eu", "&Nachher" };
        QTest::newRow("groß wie klein") << QStringList { "browser", "Bilder" } << QStringList { "&browser", "B&ilder" };
        QTest::newRow("kaufmännisches Und") << QStringList { "&& mehr" } << QStringList { "&& &mehr" };
        QTest::newRow("nur ein Zeichen") << QStringList { "?" } << QStringList { "&?" };
        QTest::newRow("nichts mehr frei") << QStringList { "Ab", "ab", "BA" } << QStringList { "&Ab", "a&b", "BA" };
        QTest::newRow("leer") << QStringList { "" } << QStringList { "" };
    }

    void buchstabenVerteilen()
    {
        QFETCH(QStringList, texte);
        QFETCH(QStringList, erwartet);
        QCOMPARE(Zugriffstasten::verteilen(texte), erwartet);
    }

    void jedesMenueHatEigeneBuchstaben()
    {
        Anwendung a;
        a.Vorbereiten(m_ordner.filePath(QStringLiteral("programm")));
        a.zustand().meldungen = &meldungen;
        QVERIFY(a.HauptfensterZeigen());
        mdiHauptform* h = a.hauptfenster();
        QList<QWidget*> menues { h->menuBar() };
        for (const char* name : { "mnuBrowserPU", "mnuPUPraeBilder", "mnuPUPrae" })
            menues << h->menue(QLatin1String(name));
        int geprueft = 0;
        while (!menues.isEmpty()) {
            QWidget* menue = menues.takeFirst();
            QHash<QChar, QString> belegt;
            const QList<QAction*> eintraege = menue->actions();
            for (QAction* e : eintraege) {
                if (e->isSeparator())
                    continue;
                const QChar b = Zugriffstasten::buchstabe(e->text());
                QVERIFY2(!b.isNull(), qPrintable(e->text()));
                QVERIFY2(!belegt.contains(b), qPrintable(e->text() + QStringLiteral(" / ") + belegt.value(b)));
                belegt.insert(b, e->text());
                ++geprueft;
                if (e->menu())
                    menues << e->menu();
            }
        }
        QVERIFY(geprueft > 30);
        QCOMPARE(h->aktion(QStringLiteral("mnuDatei"))->text(), QStringLiteral("&Datei"));
        h->close();
    }

    void altBuchstabeUndF10OeffnenMenues()
    {
        Anwendung a;
        a.Vorbereiten(m_ordner.filePath(QStringLiteral("programm")));
        a.zustand().meldungen = &meldungen;
        QVERIFY(a.HauptfensterZeigen());
        mdiHauptform* h = a.hauptfenster();
        QVERIFY(QTest::qWaitForWindowActive(h));
        QMenu* datei = h->menue(QStringLiteral("mnuDatei"));
        QMenu* konfig = h->menue(QStringLiteral("mnuKonfig"));

        QTest::keyClick(h, Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(konfig->isVisible());
        konfig->close();
        QTRY_VERIFY(!konfig->isVisible());

        QTest::keyClick(h, Qt::Key_F10);
        QTRY_VERIFY(datei->isVisible());
        QCOMPARE(h->menuBar()->activeAction(), datei->menuAction());
        datei->close();
        h->close();
    }

    void f1ZeigtDasThemaDesFenstersMitDemFokus()
    {
        const QString programm = m_ordner.filePath(QStringLiteral("programm"));
        seitenAnlegen(programm + QStringLiteral("/help"),
            { QStringLiteral("index.htm"), QStringLiteral("hauptfenster.htm"), QStringLiteral("albenanzeige.htm"),
                QStringLiteral("begriffserklaerung.htm") });
        const QString pfad = sammlungMitBildern();
        QVERIFY(!pfad.isEmpty());
        Anwendung a;
        a.Vorbereiten(programm);
        a.zustand().meldungen = &meldungen;
        QVERIFY(a.HauptfensterZeigen());
        mdiHauptform* h = a.hauptfenster();
        h->dateiWaehlen = [&](bool) { return pfad; };
        h->DatenbankOeffnenBefehl();
        QTRY_VERIFY(h->albenAnzeige() && h->bilderListe());
        h->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h));

        const auto f1In = [&](QWidget* w) {
            w->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), w);
            QTest::keyClick(w, Qt::Key_F1);
        };
        f1In(h->flaeche());
        QVERIFY(frmHilfe::instanz());
        QCOMPARE(seite(), QStringLiteral("hauptfenster.htm"));

        h->activateWindow();
        f1In(h->albenAnzeige()->findChild<QPlainTextEdit*>(QStringLiteral("txtBemerkung")));
        QCOMPARE(seite(), QStringLiteral("albenanzeige.htm"));

        h->activateWindow();
        f1In(h->bilderListe()->feld());
        QCOMPARE(seite(), QStringLiteral("begriffserklaerung.htm"));
        // A dialog without a topic of its own does not open its owner's.
        QDialog dialog(h);
        auto* feld = new QLineEdit(&dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        f1In(feld);
        QCOMPARE(seite(), QStringLiteral("begriffserklaerung.htm"));
        dialog.close();
        frmHilfe::instanz()->close();
        h->close();
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
