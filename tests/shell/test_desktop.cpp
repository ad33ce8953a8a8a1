#include "Anwendung.h"
#include "Bilderlistenfeld.h"
#include "Meldungsrecorder.h"
#include "Shellsammlung.h"
#include "Zugriffstasten.h"
#include "frmAlbenAnzeige.h"
#include "frmBilderListe.h"
#include "frmHilfe.h"
#include "mdiHauptform.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// The program on a desktop: where it finds what it ships, and the keyboard
// (menu letters, F10, F1 by the window with the focus).
class TestDesktop : public QObject {
    Q_OBJECT

    QTemporaryDir m_ordner;
    Meldungsrecorder meldungen;

    mdiHauptform* hauptfenster(Anwendung& a)
    {
        a.Vorbereiten(m_ordner.filePath(u"programm"_s));
        a.zustand().meldungen = &meldungen;
        return a.HauptfensterZeigen() ? a.hauptfenster() : nullptr;
    }

    static QString seite() { return frmHilfe::instanz()->aktuelleSeite().fileName(); }

private slots:
    void datenordnerImBauordnerUndInDerInstallation()
    {
        // Help beside the program, under share/kolvar of a prefix with a blank,
        // or nowhere: then the program's own folder, which the missing-help message names.
        const QString bau = m_ordner.filePath(u"bau/bin"_s), praefix = m_ordner.filePath(u"präfix mit Leerzeichen"_s);
        const QString leer = m_ordner.filePath(u"leer/bin"_s);
        seitenAnlegen(bau + u"/help"_s, { u"index.htm"_s });
        seitenAnlegen(praefix + u"/share/kolvar/help"_s, { u"index.htm"_s });
        QVERIFY(QDir().mkpath(praefix + u"/bin"_s) && QDir().mkpath(leer));
        for (const auto& [programm, daten] : { std::pair { bau, bau }, { bau + u'/', bau },
                 { praefix + u"/bin"_s, praefix + u"/share/kolvar"_s }, { leer, leer } })
            QCOMPARE(Datenordner(programm), daten);
        Anwendung a;
        a.Vorbereiten(praefix + u"/bin"_s);
        QCOMPARE(a.zustand().programmordner, praefix + u"/bin"_s);
        QCOMPARE(a.zustand().hilfedatei, praefix + u"/share/kolvar/help/index.htm"_s);
    }

    void buchstabenVerteilen()
    {
        const std::pair<QStringList, QStringList> faelle[] = { { { "Datei", "Album" }, { "&Datei", "&Album" } },
            { { "Datenbank öffnen", "Datenbank  schliessen" }, { "&Datenbank öffnen", "Datenbank  &schliessen" } },
            { { "Neu", "&Nachher" }, { "N&eu", "&Nachher" } },  // a given letter stays
            { { "browser", "Bilder" }, { "&browser", "B&ilder" } }, { { "&& mehr" }, { "&& &mehr" } },
            { { "Ab", "ab", "BA" }, { "&Ab", "a&b", "BA" } }, { { "" }, { "" } } };
        for (const auto& [texte, erwartet] : faelle)
            QCOMPARE(Zugriffstasten::verteilen(texte), erwartet);
    }

    void menuesHabenEigeneBuchstabenUndOeffnenPerTaste()
    {
        Anwendung a;
        mdiHauptform* h = hauptfenster(a);
        QVERIFY(h);
        QList<QWidget*> menues { h->menuBar() };
        for (const char* name : { "mnuBrowserPU", "mnuPUPraeBilder", "mnuPUPrae" })
            menues << h->menue(QLatin1String(name));
        int geprueft = 0;
        while (!menues.isEmpty()) {
            QHash<QChar, QString> belegt;
            const QList<QAction*> eintraege = menues.takeFirst()->actions();
            for (QAction* e : eintraege) {
                if (e->isSeparator())
                    continue;
                const QChar b = Zugriffstasten::buchstabe(e->text());
                QVERIFY2(!b.isNull(), qPrintable(e->text()));
                QVERIFY2(!belegt.contains(b), qPrintable(e->text() + u" / "_s + belegt.value(b)));
                belegt.insert(b, e->text());
                ++geprueft;
                if (e->menu())
                    menues << e->menu();
            }
        }
        QVERIFY(geprueft > 30);

        // Alt and a letter, and F10 for the first menu.
        QVERIFY(QTest::qWaitForWindowActive(h));
        QMenu* datei = h->menue(u"mnuDatei"_s);
        QMenu* konfig = h->menue(u"mnuKonfig"_s);
        QTest::keyClick(h, Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(konfig->isVisible());
        konfig->close();
        QTRY_VERIFY(!konfig->isVisible());
        QTest::keyClick(h, Qt::Key_F10);
        QTRY_VERIFY(datei->isVisible());
        QCOMPARE(h->menuBar()->activeAction(), datei->menuAction());
        QCOMPARE(datei->menuAction()->text(), u"&Datei"_s);
        datei->close();
        h->close();
    }

    void f1ZeigtDasThemaDesFenstersMitDemFokus()
    {
        seitenAnlegen(m_ordner.filePath(u"programm/help"_s),
            { u"index.htm"_s, u"hauptfenster.htm"_s, u"albenanzeige.htm"_s, u"begriffserklaerung.htm"_s });
        const QString pfad = sammlungAnlegen(m_ordner.path(), u"sammlung.mdb"_s, { u"Urlaub"_s });
        Anwendung a;
        mdiHauptform* h = hauptfenster(a);
        QVERIFY(h);
        h->dateiWaehlen = [&](bool) { return pfad; };
        h->DatenbankOeffnenBefehl();
        QTRY_VERIFY(h->albenAnzeige() && h->bilderListe());
        // A dialog without a topic of its own does not open its owner's.
        QDialog dialog(h);
        const QList<std::pair<QWidget*, QString>> faelle = { { h->flaeche(), u"hauptfenster.htm"_s },
            { h->albenAnzeige()->findChild<QPlainTextEdit*>(u"txtBemerkung"_s), u"albenanzeige.htm"_s },
            { h->bilderListe()->feld(), u"begriffserklaerung.htm"_s },
            { new QLineEdit(&dialog), u"begriffserklaerung.htm"_s } };
        for (const auto& [w, thema] : faelle) {
            if (w->window() == &dialog)
                dialog.show();
            else
                h->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w->window()));
            w->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), w);
            QTest::keyClick(w, Qt::Key_F1);
            QVERIFY(frmHilfe::instanz());
            QCOMPARE(seite(), thema);
            if (auto* feld = qobject_cast<QLineEdit*>(w))
                QCOMPARE(feld->text(), QString());  // F1 types nothing
        }
        dialog.close();
        frmHilfe::instanz()->close();
        h->close();
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
