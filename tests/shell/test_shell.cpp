#include "Anwendung.h"
#include "Bildknopf.h"
#include "Datenbankschema.h"
#include "Meldungsrecorder.h"
#include "Shellsammlung.h"
#include "Verbindung.h"
#include "frmAlbenAnzeige.h"
#include "frmBilder.h"
#include "frmBilderListe.h"
#include "frmHilfe.h"
#include "frmVorschau.h"
#include "mdiHauptform.h"
#include "mdlDatenbanken.h"
#include "mdlHilfe.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// The program's windows on the offscreen platform: start, main window with
// its menus, buttons and states, settings at exit, help.
class TestShell : public QObject {
    Q_OBJECT

    QTemporaryDir m_ordner;
    Meldungsrecorder meldungen;
    std::unique_ptr<Anwendung> m_a;

    // Closes the running program, starts it anew and opens the collection, if given,
    // through "Datenbank öffnen"; null when the main window did not come up.
    mdiHauptform* starten(const QString& sammlung = {})
    {
        beenden();
        m_a = std::make_unique<Anwendung>();
        const QString programm = m_ordner.filePath(u"programm"_s);
        QDir().mkpath(programm);
        m_a->Vorbereiten(programm);
        m_a->zustand().meldungen = &meldungen;
        if (!m_a->HauptfensterZeigen())
            return nullptr;
        mdiHauptform* h = m_a->hauptfenster();
        if (!sammlung.isEmpty())
            oeffnen(h, sammlung);
        return h;
    }
    void beenden()
    {
        if (m_a && m_a->hauptfenster())
            m_a->hauptfenster()->close();
        m_a.reset();
    }
    static void oeffnen(mdiHauptform* h, const QString& pfad)
    {
        h->dateiWaehlen = [pfad](bool) { return pfad; };
        h->DatenbankOeffnenBefehl();
    }

    // Each of "name+" (enabled), "name-" (disabled), "knopf=bild" holds for the main window.
    static void pruefen(mdiHauptform* h, const char* erwartet)
    {
        for (const QString& e : QString::fromUtf8(erwartet).split(u' ', Qt::SkipEmptyParts)) {
            if (e.contains(u'='))
                QCOMPARE(h->knopf(e.section(u'=', 0, 0))->aktuellesBild(), e.section(u'=', 1));
            else
                QVERIFY2(h->aktion(e.chopped(1))->isEnabled() == e.endsWith(u'+'), qPrintable(e));
        }
    }

    QString sammlung(const QString& name, const QStringList& alben, bool mitBild = false)
    {
        return sammlungAnlegen(m_ordner.path(), name, alben, mitBild);
    }

    // The remark of the collection's one picture as stored, read through a connection of its own.
    static QString gespeicherteBemerkung(const QString& sammlung)
    {
        Verbindung v;
        v.Oeffnen(sammlung, Verbindung::Lesen);
        QSqlQuery q = v.Abfragen(u"SELECT Bemerkung FROM \"1\""_s);
        return q.next() ? q.value(0).toString() : u"<keine Zeile>"_s;
    }

    static QSettings* einstellungen()
    {
        static QSettings s(QSettings::IniFormat, QSettings::UserScope, u"Ostrelan"_s, u"Kolvar"_s);
        s.sync();
        return &s;
    }
    static QString einstellung(const char* schluessel)
    {
        return einstellungen()->value(QLatin1String(schluessel)).toString();
    }

private slots:
    void init()
    {
        meldungen.leeren();
        einstellungen()->clear();
        einstellungen()->setValue(u"Optionen/MdacOK"_s, u"True"_s);
        einstellungen()->sync();
    }
    void cleanup() { beenden(); }

    // Open, cancel, close, refused files and a new database, one after the other in one window.
    void befehlszustaendeUndDatenbankwechsel()
    {
        const QString mit = sammlung(u"mit.mdb"_s, { u"Urlaub"_s }), ohne = sammlung(u"ohne.mdb"_s, {});
        const QString muell = m_ordner.filePath(u"muell.mdb"_s), fehlt = m_ordner.filePath(u"gibtsnicht.mdb"_s);
        const QString neu = m_ordner.filePath(u"neu.mdb"_s), keinAlbum = u"Kein Album angelegt!"_s;
        const QString nichtOffen = u"Datenbank öffnen"_s;  // with "kann nicht geöffnet werden"
        QFile f(muell);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("kein SQLite") == 11);
        f.close();
        // The program an update replaced goes once the new one has started.
        const QString alt = m_ordner.filePath(u"programm/kolvar.alt"_s);
        QVERIFY(QDir().mkpath(m_ordner.filePath(u"programm"_s)) && QFile(alt).open(QIODevice::WriteOnly));
        mdiHauptform* h = starten();
        QVERIFY(h && !QFileInfo::exists(alt));
        const char* zu = "mnuDatenbank- mnuDateiSchliessen- mnuAnzeige- mnuSuche- cmdSuche=suche_ef";
        // The step, the states then, the collection then open and the title of its one message, if any.
        const std::tuple<const char*, std::function<void()>, const char*, QString, QString> schritte[] = {
            { "ohne Datenbank", [] {}, "mnuEinstellungenBV- cmdBrowser=browser_ef cmdAlbum=album_ef cmdNew=new_n", {},
                {} },
            { "ohne Alben", [&] { oeffnen(h, ohne); },
                "mnuDatenbank+ mnuDateiSchliessen+ mnuEinstellungenBV+ mnuAnzeige- mnuSuche- mnuPraesentation- "
                "cmdAlbum=album_n cmdSuche=suche_ef cmdPraesentation=praesentation_ef",
                ohne, keinAlbum },
            { "mit Alben", [&] { oeffnen(h, mit); },
                "mnuAnzeige+ mnuPraesentation+ mnuSuche+ mnuDatenbank+ mnuLoeschenAlbum+ mnuPraeOeffnen- "
                "cmdBrowser=browser_n cmdListe=liste_n",
                mit, {} },
            { "Abbrechen ändert nichts", [&] { oeffnen(h, QString()); }, "mnuAnzeige+", mit, {} },
            { "keine Datenbank statt der offenen", [&] { oeffnen(h, muell); }, zu, {}, nichtOffen },
            { "fehlende Datei", [&] { oeffnen(h, fehlt); }, zu, {}, nichtOffen },
            { "neue Datenbank", [&] { QTest::mouseClick(h->knopf(u"cmdNew"_s), Qt::LeftButton); }, "mnuDatenbank+", neu,
                keinAlbum },
            { "geschlossen", [&] { h->DatenbankSchliessenBefehl(); }, zu, {}, {} },
        };
        for (const auto& [fall, tun, erwartet, datenbank, titel] : schritte) {
            meldungen.leeren();
            h->dateiWaehlen = [&](bool speichern) { return speichern ? neu : QString(); };
            tun();
            pruefen(h, erwartet);
            QVERIFY2(!QTest::currentTestFailed(), fall);
            QCOMPARE(m_a->zustand().aktuelleDatenbank, datenbank);
            QCOMPARE(m_a->zustand().datenbankOffen, !datenbank.isEmpty());
            QCOMPARE(h->statusfeld(2), datenbank);
            QCOMPARE(meldungen.titel(), titel.isEmpty() ? QStringList() : QStringList { titel });
            QVERIFY2(titel != nichtOffen || meldungen.texte().first().contains(u"kann nicht geöffnet werden"_s), fall);
        }
        QVERIFY(QFile::exists(neu) && !QFile::exists(fehlt));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("kein SQLite"));
    }

    void einstellungenBeimBeendenUndBeimNaechstenStart()
    {
        // The collection open at the end is open again at the next start.
        const QString mit = sammlung(u"zuletzt.mdb"_s, { u"A"_s });
        QVERIFY(starten(mit));
        beenden();
        QCOMPARE(einstellung("Pfade/AktuelleDatenbank"), mit);
        QVERIFY(starten() && m_a->zustand().datenbankOffen);
        QCOMPARE(m_a->zustand().aktuelleDatenbank, mit);

        // A stored path whose file is gone (an unplugged disk) opens nothing and
        // creates nothing; it says so as "Datenbank öffnen" does and is kept for the next start.
        beenden();
        const QString weg = mit + u".weg"_s;
        QVERIFY(QFile::rename(mit, weg));
        meldungen.leeren();
        QVERIFY(starten() && !m_a->zustand().datenbankOffen);
        QCOMPARE(meldungen.titel(), QStringList({ "Datenbank öffnen" }));
        beenden();
        QVERIFY(!QFile::exists(mit));
        QCOMPARE(einstellung("Pfade/AktuelleDatenbank"), mit);
        // Back in place, it opens again.
        QVERIFY(QFile::rename(weg, mit));
        QVERIFY(starten() && m_a->zustand().datenbankOffen);
    }

    void hilfeZeigtThemenBleibtBedienbarUndEndetMitDemProgramm()
    {
        mdiHauptform* h = starten();
        QVERIFY(h);
        Programmzustand& z = m_a->zustand();
        seitenAnlegen(m_ordner.filePath(u"hilfe"_s), { u"index.htm"_s, u"suche.htm"_s });
        z.hilfedatei = m_ordner.filePath(u"hilfe/index.htm"_s);
        auto seite = [] { return frmHilfe::instanz()->aktuelleSeite().fileName(); };
        // Asked for from a modal dialog, the help still takes clicks.
        auto* dialog = new QDialog(h);  // goes with the main window
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        mdlHilfe::HilfeZeigen(z, u"suche.htm"_s);
        QPointer<frmHilfe> hilfe(frmHilfe::instanz());
        QVERIFY(hilfe && QTest::qWaitForWindowExposed(hilfe.data()));
        QCOMPARE(seite(), u"suche.htm"_s);
        const auto knoepfe = hilfe->findChildren<QPushButton*>();
        const auto startseite = *std::find_if(
            knoepfe.cbegin(), knoepfe.cend(), [](QPushButton* k) { return k->text() == QLatin1String("Startseite"); });
        // Through the window system, which drops input to windows a modal dialog blocks.
        QTest::mouseClick(
            hilfe->windowHandle(), Qt::LeftButton, {}, startseite->mapTo(hilfe.data(), startseite->rect().center()));
        QCOMPARE(seite(), u"index.htm"_s);
        dialog->close();

        // "Kolvar beenden" takes the help window along.
        mdlHilfe::HilfeZeigen(z, u"suche.htm"_s);
        h->aktion(u"mnuBeenden"_s)->trigger();
        QTRY_VERIFY(!hilfe);

        // Without the help's files: the quoted sentence, then the page that is missing.
        z.hilfedatei = m_ordner.filePath(u"keinehilfe/index.htm"_s);
        mdlHilfe::HilfeZeigen(z, u"suche.htm"_s);
        QCOMPARE(meldungen.titel(), QStringList({ "HTML-Hilfe funktionuert nicht!" }));
        QVERIFY(meldungen.texte().first().endsWith(u"Die Hilfeseite "_s + z.hilfedatei + u" fehlt."_s));
    }

    void bemerkungGehtAufKeinemWegVerloren()
    {
        const QString andere = sammlung(u"andere.mdb"_s, { u"B"_s });
        const std::pair<const char*, std::function<void(mdiHauptform*)>> wege[] = {
            { "Anzeige geschlossen", [](mdiHauptform* h) { h->albenAnzeige()->parentWidget()->close(); } },
            { "Datenbank geschlossen", [](mdiHauptform* h) { h->aktion(u"mnuDateiSchliessen"_s)->trigger(); } },
            { "andere geoeffnet",
                [&](mdiHauptform* h) {
                    h->dateiWaehlen = [&](bool) { return andere; };
                    h->aktion(u"mnuDateiOeffnen"_s)->trigger();
                } },
            { "beendet", [](mdiHauptform* h) { h->aktion(u"mnuBeenden"_s)->trigger(); } },
        };
        int nummer = 0;
        for (const auto& [weg, tun] : wege) {
            const QString pfad = sammlung(u"bemerkung%1.mdb"_s.arg(++nummer), { u"Urlaub"_s }, true);
            mdiHauptform* h = starten(pfad);
            QVERIFY2(h && h->albenAnzeige(), weg);
            QTest::keyClicks(h->albenAnzeige()->findChild<QPlainTextEdit*>(u"txtBemerkung"_s), u"Am Strand"_s);
            QCOMPARE(gespeicherteBemerkung(pfad), QString());  // typing alone writes nothing
            tun(h);
            QVERIFY2(gespeicherteBemerkung(pfad) == QLatin1String("Am Strand"), weg);
        }
    }

    void browserNimmtDenPlatzDerListe()
    {
        mdiHauptform* h = starten(sammlung(u"passt.mdb"_s, { u"Urlaub"_s }, true));
        QVERIFY(h && h->albenAnzeige() && h->bilderListe());
        // Opened after the user closed the list, the browser loads it hidden for the marks.
        h->bilderListe()->parentWidget()->close();
        QVERIFY(!h->bilderListe());
        h->BrowserBefehl();
        frmVorschau* v = h->vorschau();
        QVERIFY(v && h->bilderListe() && !h->bilderListe()->parentWidget()->isVisible());
        // Marks by Ctrl and a click, the zoom view by a click on the picture.
        QCOMPARE(v->lblBildName(1)->text(), u"a.jpg"_s);
        for (bool markiert : { false, true }) {
            QTest::mouseClick(v->lblBildName(1), Qt::LeftButton, Qt::ControlModifier, QPoint(3, 3));
            QCOMPARE(h->BildMarkiert(1), markiert);
        }
        QTest::mouseClick(v->imgBild(1), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QTRY_VERIFY(h->zoomAnsicht() && h->zoomAnsicht()->windowTitle().startsWith(u"a.jpg (Bildgröße: "_s));
        // "Suche" closes the browser first; the list is back in its place.
        h->SucheBefehl();
        QVERIFY(!h->vorschau() && h->bilderListe()->parentWidget()->isVisible());
        h->BrowserBefehl();  // the command opens and closes it
        QVERIFY(h->vorschau());
        h->BrowserBefehl();
        QVERIFY(!h->vorschau());
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
