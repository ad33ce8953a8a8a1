#include "Anwendung.h"
#include "Bildknopf.h"
#include "Datenbankschema.h"
#include "Meldungsrecorder.h"
#include "Twips.h"
#include "Verbindung.h"
#include "frmAlbenAnzeige.h"
#include "frmBegriffe.h"
#include "frmBilder.h"
#include "frmBilderListe.h"
#include "frmHilfe.h"
#include "frmInfos.h"
#include "frmStart.h"
#include "frmVorschau.h"
#include "mdiHauptform.h"
#include "mdlDatenbanken.h"
#include "mdlHilfe.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

// The program's windows on the offscreen platform: start, main window with
// its menus, buttons and states, settings at exit, help.
class TestShell : public QObject {
    Q_OBJECT

    QTemporaryDir m_ordner;
    Meldungsrecorder meldungen;

    std::unique_ptr<Anwendung> neueAnwendung()
    {
        auto a = std::make_unique<Anwendung>();
        const QString programm = m_ordner.filePath(QStringLiteral("programm"));
        QDir().mkpath(programm);
        a->Vorbereiten(programm);
        a->zustand().meldungen = &meldungen;
        return a;
    }

    static bool aktiv(mdiHauptform* h, const char* name) { return h->aktion(QLatin1String(name))->isEnabled(); }
    static QString bild(mdiHauptform* h, const char* name) { return h->knopf(QLatin1String(name))->aktuellesBild(); }

    static void maus(QWidget* w, QEvent::Type art, Qt::MouseButton knopf = Qt::NoButton)
    {
        QMouseEvent e(art, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), knopf,
            art == QEvent::MouseButtonPress ? knopf : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }
    static void mausBewegen(QWidget* w) { maus(w, QEvent::MouseMove); }

    QString sammlung(const QString& name, const QStringList& alben)
    {
        const QString pfad = m_ordner.filePath(name);
        DatenbankErstellen(pfad);
        Programmzustand z;
        z.programmordner = m_ordner.path();
        z.bilderverzeichnis = m_ordner.filePath(QStringLiteral("bilder/"));
        Datenbankobjekte db;
        if (!DatenbankOhneAlbenOeffnen(z, db, pfad))
            return QString();
        for (const QString& a : alben)
            AlbumAnlegen(z, db, a, z.programmordner);
        DatenbankSchliessen(z, db);
        return pfad;
    }

    // A collection with one album of one picture (a.jpg, a real file); returns its path.
    QString sammlungMitBild(const QString& name)
    {
        const QString pfad = sammlung(name, { QStringLiteral("Urlaub") });
        Programmzustand z;
        z.programmordner = m_ordner.path();
        z.bilderverzeichnis = m_ordner.filePath(QStringLiteral("bilder/"));
        Datenbankobjekte db;
        if (!DatenbankOeffnen(z, db, pfad))
            return QString();
        QImage bild(40, 30, QImage::Format_RGB32);
        bild.fill(Qt::darkGreen);
        const QString ordner = QDir::isAbsolutePath(z.albumPfad) ? z.albumPfad : z.bilderverzeichnis + z.albumPfad;
        if (!bild.save(ordner + QStringLiteral("a.jpg")))
            return QString();
        BildEintragen(db, QStringLiteral("a.jpg"), 0, QStringLiteral("01.02.2003"));
        DatenbankSchliessen(z, db);
        return pfad;
    }

    // The remark of the collection's one picture as stored, read through a connection of its own.
    static QString gespeicherteBemerkung(const QString& sammlung)
    {
        Verbindung v;
        v.Oeffnen(sammlung, Verbindung::Lesen);
        QSqlQuery q = v.Abfragen(QStringLiteral("SELECT Bemerkung FROM \"1\""));
        return q.next() ? q.value(0).toString() : QStringLiteral("<keine Zeile>");
    }

    void hilfeseitenAnlegen(Programmzustand& z)
    {
        const QString hilfe = m_ordner.filePath(QStringLiteral("hilfe"));
        QDir().mkpath(hilfe);
        for (const char* seite : { "index.htm", "suche.htm" }) {
            QFile f(hilfe + QLatin1Char('/') + QLatin1String(seite));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<html><body><h1>Seite</h1></body></html>");
        }
        z.hilfedatei = hilfe + QStringLiteral("/index.htm");
    }

    void einstellungenLeeren()
    {
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ostrelan"), QStringLiteral("Kolvar"))
            .clear();
        QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ostrelan"), QStringLiteral("Kolvar"));
        s.setValue(QStringLiteral("Optionen/MdacOK"), QStringLiteral("True"));
    }

private slots:
    void init()
    {
        meldungen.leeren();
        einstellungenLeeren();
    }

    void startfensterZeigtDasHauptfensterGenauEinmal()
    {
        int gezeigt = 0;
        auto* start = new frmStart([&] { ++gezeigt; });
        QPointer<frmStart> wache(start);
        start->show();
        QTest::mouseClick(start, Qt::LeftButton);
        QCOMPARE(gezeigt, 1);
        QTRY_VERIFY(!wache); // the start window closed itself

        auto* zweites = new frmStart([&] { ++gezeigt; });
        zweites->show();
        zweites->Timer1().setInterval(10);
        zweites->Timer1().start();
        QTRY_COMPARE(gezeigt, 2);
        QTest::qWait(50);
        QCOMPARE(gezeigt, 2);
    }

    void hauptfensterMenuesUndTexte()
    {
        auto a = neueAnwendung();
        // The program an update replaced goes once the new one has started.
        const QString alt = a->zustand().programmordner + QStringLiteral("/kolvar.alt");
        QVERIFY(QFile(alt).open(QIODevice::WriteOnly));
        QVERIFY(a->HauptfensterZeigen());
        QVERIFY(!QFileInfo::exists(alt));
        mdiHauptform* h = a->hauptfenster();
        QCOMPARE(h->windowTitle(), QStringLiteral("Kolvar"));
        QStringList leiste;
        for (QAction* act : h->menuBar()->actions())
            leiste << act->text().remove(QLatin1Char('&'));  // as shown, without the underlined letter
        QCOMPARE(leiste, QStringList({ "Datei", "Album", "Präsentation", "Suche", "Anzeige", "Einstellungen", "?" }));
        QStringList datei;
        for (QAction* act : h->menue(QStringLiteral("mnuDatei"))->actions())
            datei << (act->isSeparator() ? QStringLiteral("-") : act->text().remove(QLatin1Char('&')));
        QCOMPARE(datei,
            QStringList({ "Neue Datenbank", "Datenbank öffnen", "Datenbank  schliessen", "-", "Kolvar beenden" }));
        QVERIFY(!h->aktion(QStringLiteral("mnuAlbenauswahl"))->isVisible());
        QCOMPARE(
            h->knopf(QStringLiteral("cmdAlbum"))->toolTip(), QStringLiteral("Album aus vorhandenen Ordner erstellen"));
        QCOMPARE(h->menue(QStringLiteral("mnuPUPrae"))->actions().size(), 5);

        frmInfos infos(a->zustand(), h);
        QCOMPARE(infos.windowTitle(), QStringLiteral("Über Kolvar"));
        QCOMPARE(infos.findChild<QLabel*>(QStringLiteral("lblName"))->text(), QStringLiteral("Programmversion:"));
        QCOMPARE(infos.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("1.0.43"));
        h->close();
    }

    void befehlszustaendeInDenDreiDatenbankzustaenden()
    {
        const QString mit = sammlung(QStringLiteral("mit.mdb"), { QStringLiteral("Urlaub") });
        const QString ohne = sammlung(QStringLiteral("ohne.mdb"), {});
        auto a = neueAnwendung();
        QVERIFY(a->HauptfensterZeigen());
        mdiHauptform* h = a->hauptfenster();

        // Without a database.
        QVERIFY(!aktiv(h, "mnuDatenbank") && !aktiv(h, "mnuAnzeige") && !aktiv(h, "mnuSuche"));
        QVERIFY(!aktiv(h, "mnuDateiSchliessen") && !aktiv(h, "mnuEinstellungenBV"));
        QCOMPARE(bild(h, "cmdBrowser"), QStringLiteral("browser_ef"));
        QCOMPARE(bild(h, "cmdAlbum"), QStringLiteral("album_ef"));
        QCOMPARE(bild(h, "cmdNew"), QStringLiteral("new_n"));
        QCOMPARE(h->statusfeld(1), QString());

        // Without albums: only the album commands, and the message.
        h->dateiWaehlen = [&](bool) { return ohne; };
        h->DatenbankOeffnenBefehl();
        QCOMPARE(meldungen.titel(), QStringList({ "Kein Album angelegt!" }));
        QVERIFY(aktiv(h, "mnuDatenbank") && aktiv(h, "mnuDateiSchliessen") && aktiv(h, "mnuEinstellungenBV"));
        QVERIFY(!aktiv(h, "mnuAnzeige") && !aktiv(h, "mnuSuche") && !aktiv(h, "mnuPraesentation"));
        QCOMPARE(bild(h, "cmdAlbum"), QStringLiteral("album_n"));
        QCOMPARE(bild(h, "cmdSuche"), QStringLiteral("suche_ef"));
        QCOMPARE(bild(h, "cmdPraesentation"), QStringLiteral("praesentation_ef"));
        QCOMPARE(h->statusfeld(1), QStringLiteral("Geladene Datenbank:"));
        QCOMPARE(h->statusfeld(2), ohne);
        meldungen.leeren();
        h->AlbumLoeschenBefehl();
        QCOMPARE(meldungen.texte(), QStringList({ "Es wurden noch keine Alben erstellt!" }));

        // With albums.
        h->dateiWaehlen = [&](bool) { return mit; };
        h->DatenbankOeffnenBefehl();
        for (const char* name : { "mnuAnzeige", "mnuPraesentation", "mnuSuche", "mnuDatenbank", "mnuLoeschenAlbum" })
            QVERIFY2(aktiv(h, name), name);
        QVERIFY(!aktiv(h, "mnuPraeOeffnen")); // no presentations yet
        QCOMPARE(bild(h, "cmdBrowser"), QStringLiteral("browser_n"));
        QCOMPARE(bild(h, "cmdListe"), QStringLiteral("liste_n"));
        QCOMPARE(a->zustand().aktuelleDatenbank, mit);

        // Cancel in the dialog changes nothing.
        h->dateiWaehlen = [](bool) { return QString(); };
        h->DatenbankOeffnenBefehl();
        QCOMPARE(a->zustand().aktuelleDatenbank, mit);

        h->DatenbankSchliessenBefehl();
        QVERIFY(!aktiv(h, "mnuAnzeige") && !aktiv(h, "mnuDatenbank"));
        QCOMPARE(bild(h, "cmdSuche"), QStringLiteral("suche_ef"));
        QCOMPARE(h->statusfeld(2), QString());
        QCOMPARE(a->zustand().aktuelleDatenbank, QString());
        h->close();
    }

    void unbrauchbareDateiWirdGemeldetUndNichtVeraendert()
    {
        const QString mit = sammlung(QStringLiteral("gut.mdb"), { QStringLiteral("A") });
        const QString muell = m_ordner.filePath(QStringLiteral("muell.mdb"));
        QFile f(muell);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("kein SQLite");
        f.close();
        auto a = neueAnwendung();
        QVERIFY(a->HauptfensterZeigen());
        mdiHauptform* h = a->hauptfenster();
        h->dateiWaehlen = [&](bool) { return mit; };
        h->DatenbankOeffnenBefehl();
        QVERIFY(a->zustand().datenbankOffen);

        for (const QString& pfad : { muell, m_ordner.filePath(QStringLiteral("gibtsnicht.mdb")) }) {
            meldungen.leeren();
            h->dateiWaehlen = [&](bool) { return pfad; };
            h->DatenbankOeffnenBefehl();
            QCOMPARE(meldungen.titel(), QStringList({ "Datenbank öffnen" }));
            QVERIFY(meldungen.texte().first().contains(QStringLiteral("kann nicht geöffnet werden")));
            QVERIFY(!a->zustand().datenbankOffen);
            QCOMPARE(a->zustand().aktuelleDatenbank, QString());
            QVERIFY(!aktiv(h, "mnuDatenbank") && !aktiv(h, "mnuDateiSchliessen"));
        }
        QVERIFY(!QFile::exists(m_ordner.filePath(QStringLiteral("gibtsnicht.mdb"))));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("kein SQLite"));
        h->close();
    }

    void neueDatenbankWirdAngelegtUndGeoeffnet()
    {
        auto a = neueAnwendung();
        QVERIFY(a->HauptfensterZeigen());
        mdiHauptform* h = a->hauptfenster();
        const QString neu = m_ordner.filePath(QStringLiteral("neu.mdb"));
        h->dateiWaehlen = [&](bool speichern) { return speichern ? neu : QString(); };
        h->NeueDatenbankBefehl();
        QVERIFY(QFile::exists(neu));
        QVERIFY(a->zustand().datenbankOffen);
        QCOMPARE(meldungen.titel(), QStringList({ "Kein Album angelegt!" }));
        QVERIFY(aktiv(h, "mnuDatenbank"));
        h->close();
    }

    void knopfbilderFolgenDerMaus()
    {
        auto a = neueAnwendung();
        QVERIFY(a->HauptfensterZeigen());
        mdiHauptform* h = a->hauptfenster();
        Bildknopf* neu = h->knopf(QStringLiteral("cmdNew"));
        Bildknopf* oeffnen = h->knopf(QStringLiteral("cmdOpen"));
        Bildknopf* browser = h->knopf(QStringLiteral("cmdBrowser"));

        mausBewegen(neu);
        QCOMPARE(neu->aktuellesBild(), QStringLiteral("new"));
        mausBewegen(oeffnen); // straight to the next button
        QCOMPARE(oeffnen->aktuellesBild(), QStringLiteral("open"));
        QCOMPARE(neu->aktuellesBild(), QStringLiteral("new_n"));
        mausBewegen(browser); // disabled: no hover, keeps "_ef"
        QCOMPARE(browser->aktuellesBild(), QStringLiteral("browser_ef"));
        QCOMPARE(oeffnen->aktuellesBild(), QStringLiteral("open_n"));

        mausBewegen(neu);
        maus(neu, QEvent::MouseButtonPress, Qt::LeftButton);
        QCOMPARE(neu->aktuellesBild(), QStringLiteral("new_u"));
        h->dateiWaehlen = [](bool) { return QString(); };
        int geklickt = 0;
        connect(neu, &Bildknopf::geklickt, this, [&] { ++geklickt; });
        maus(neu, QEvent::MouseButtonRelease, Qt::LeftButton);
        QCOMPARE(geklickt, 1);
        QCOMPARE(neu->aktuellesBild(), QStringLiteral("new"));
        mausBewegen(h->findChild<QWidget*>(QStringLiteral("sspSymbole")));
        QCOMPARE(neu->aktuellesBild(), QStringLiteral("new_n"));
        h->close();
    }

    void mindestgroesseWirdWiederhergestellt()
    {
        auto a = neueAnwendung();
        QVERIFY(a->HauptfensterZeigen());
        mdiHauptform* h = a->hauptfenster();
        h->resize(300, 200);
        QTRY_COMPARE(h->width(), Twips::zuPixel(mdiHauptform::MindestBreiteTwips));
        QTRY_COMPARE(h->height(), Twips::zuPixel(mdiHauptform::MindestHoeheTwips));
        h->resize(1000, 700);
        QTest::qWait(400);
        QCOMPARE(h->size(), QSize(1000, 700));
        h->close();
    }

    void maximiertGespeichertBleibtDieNormaleGeometrie()
    {
        auto a = neueAnwendung();
        QVERIFY(a->HauptfensterZeigen());
        mdiHauptform* h = a->hauptfenster();
        Fenstergeometrie normal{8000, 11000, 300, 450, Fenstergeometrie::Normal};  // fits the offscreen screen
        h->geometrieAnwenden(normal);
        h->showMaximized();
        QTRY_VERIFY(h->isMaximized());
        const Fenstergeometrie g = h->geometrie();
        QCOMPARE(g.status, int(Fenstergeometrie::Maximiert));
        QVERIFY(qAbs(g.breite - normal.breite) <= 15 && qAbs(g.hoehe - normal.hoehe) <= 15);
        QVERIFY(qAbs(g.links - normal.links) <= 15 && qAbs(g.oben - normal.oben) <= 15);
        h->close();
        QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ostrelan"), QStringLiteral("Kolvar"));
        QCOMPARE(s.value(QStringLiteral("MDI/Status")).toString(), QStringLiteral("2"));
        QVERIFY(qAbs(s.value(QStringLiteral("MDI/Breite")).toInt() - 11000) <= 15);
    }

    void einstellungenBeimBeendenUndBeimNaechstenStart()
    {
        int listenbreite = 0;
        const QString mit = sammlung(QStringLiteral("zuletzt.mdb"), { QStringLiteral("A") });
        {
            auto a = neueAnwendung();
            QVERIFY(a->HauptfensterZeigen());
            a->hauptfenster()->dateiWaehlen = [&](bool) { return mit; };
            a->hauptfenster()->DatenbankOeffnenBefehl();
            // The user widens the picture list a little.
            a->hauptfenster()->resize(1000, 700);
            QTRY_VERIFY(a->hauptfenster()->bilderListe());
            QWidget* liste = a->hauptfenster()->bilderListe()->parentWidget();
            liste->resize(liste->width() + 40, liste->height());
            listenbreite = liste->width();
            a->hauptfenster()->close();
        }
        QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ostrelan"), QStringLiteral("Kolvar"));
        QCOMPARE(s.value(QStringLiteral("Optionen/ListeBreite")).toInt(), Twips::ausPixel(listenbreite));
        QCOMPARE(s.value(QStringLiteral("Pfade/AktuelleDatenbank")).toString(), mit);
        QCOMPARE(s.value(QStringLiteral("Version/Version")).toString(), QStringLiteral("1.0.43"));
        QVERIFY(s.value(QStringLiteral("Pfade/Kolvar-Verz")).toString().endsWith(QLatin1String("programm")));

        // The next start reopens it.
        {
            auto a = neueAnwendung();
            QVERIFY(a->HauptfensterZeigen());
            QVERIFY(a->zustand().datenbankOffen);
            QCOMPARE(a->zustand().aktuelleDatenbank, mit);
            QTRY_VERIFY(a->hauptfenster()->bilderListe());
            QCOMPARE(a->hauptfenster()->bilderListe()->parentWidget()->width(), listenbreite);
            a->hauptfenster()->close();
        }
        // A stored path whose file is gone (an unplugged disk) opens nothing and
        // creates nothing; it says so as "Datenbank öffnen" does and is kept for the next start.
        const QString weg = mit + QStringLiteral(".weg");
        QVERIFY(QFile::rename(mit, weg));
        {
            auto a = neueAnwendung();
            QVERIFY(a->HauptfensterZeigen());
            QVERIFY(!a->zustand().datenbankOffen);
            QCOMPARE(meldungen.titel(), QStringList({"Datenbank öffnen"}));
            QVERIFY(meldungen.texte().first().contains(QStringLiteral("kann nicht geöffnet werden")));
            a->hauptfenster()->close();
        }
        QVERIFY(!QFile::exists(mit));
        s.sync();
        QCOMPARE(s.value(QStringLiteral("Pfade/AktuelleDatenbank")).toString(), mit);
        // Back in place, it opens again.
        QVERIFY(QFile::rename(weg, mit));
        {
            auto a = neueAnwendung();
            QVERIFY(a->HauptfensterZeigen());
            QVERIFY(a->zustand().datenbankOffen);
            a->hauptfenster()->close();
        }
    }

    void fehlgeschlagenerKomponententestSchreibtNichts()
    {
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ostrelan"), QStringLiteral("Kolvar"))
            .clear();
        const QByteArray alt = qgetenv("TMPDIR");
        qputenv("TMPDIR", m_ordner.filePath(QStringLiteral("gibtsnicht")).toLocal8Bit());
        meldungen.antworten << Meldungen::Antwort::Abbrechen;
        auto a = neueAnwendung();
        const bool gezeigt = a->HauptfensterZeigen();
        qputenv("TMPDIR", alt);
        QVERIFY(!gezeigt);
        QCOMPARE(meldungen.titel(), QStringList({ "Falsche MDAC-Version!" }));
        QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ostrelan"), QStringLiteral("Kolvar"));
        QVERIFY(s.allKeys().isEmpty());

        // Passed once, it is remembered.
        auto b = neueAnwendung();
        QVERIFY(b->HauptfensterZeigen());
        b->hauptfenster()->close();
        s.sync();
        QCOMPARE(s.value(QStringLiteral("Optionen/MdacOK")).toString(), QStringLiteral("True"));
    }

    void hilfeBleibtBedienbarUndEndetMitDemProgramm()
    {
        auto a = neueAnwendung();
        hilfeseitenAnlegen(a->zustand());
        QVERIFY(a->HauptfensterZeigen());
        mdiHauptform* h = a->hauptfenster();
        QVERIFY(QTest::qWaitForWindowExposed(h));

        // Asked for from a modal dialog, the help still takes clicks.
        auto* dialog = new QDialog(h); // goes with the main window
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        mdlHilfe::HilfeZeigen(a->zustand(), QStringLiteral("suche.htm"));
        QPointer<frmHilfe> hilfe(frmHilfe::instanz());
        QVERIFY(hilfe && QTest::qWaitForWindowExposed(hilfe.data()));
        QPushButton* startseite = nullptr;
        for (QPushButton* k : hilfe->findChildren<QPushButton*>()) {
            if (k->text() == QLatin1String("Startseite"))
                startseite = k;
        }
        QVERIFY(startseite);
        // Through the window system, which drops input to windows a modal dialog blocks.
        QTest::mouseClick(
            hilfe->windowHandle(), Qt::LeftButton, {}, startseite->mapTo(hilfe.data(), startseite->rect().center()));
        QVERIFY(hilfe->aktuelleSeite().toLocalFile().endsWith(QLatin1String("/index.htm")));
        dialog->close();

        // "Kolvar beenden" takes the help window along.
        mdlHilfe::HilfeZeigen(a->zustand(), QStringLiteral("suche.htm"));
        h->aktion(QStringLiteral("mnuBeenden"))->trigger();
        QTRY_VERIFY(!hilfe);
    }

    void bemerkungGehtAufKeinemWegVerloren()
    {
        const QString andere = sammlung(QStringLiteral("andere.mdb"), { QStringLiteral("B") });
        const struct {
            const char* weg;
            std::function<void(mdiHauptform*)> tun;
        } wege[] = {
            { "Anzeige geschlossen", [](mdiHauptform* h) { h->albenAnzeige()->parentWidget()->close(); } },
            { "Datenbank geschlossen",
                [](mdiHauptform* h) { h->aktion(QStringLiteral("mnuDateiSchliessen"))->trigger(); } },
            { "andere geoeffnet",
                [&](mdiHauptform* h) {
                    h->dateiWaehlen = [&](bool) { return andere; };
                    h->aktion(QStringLiteral("mnuDateiOeffnen"))->trigger();
                } },
            { "beendet", [](mdiHauptform* h) { h->aktion(QStringLiteral("mnuBeenden"))->trigger(); } },
        };
        int nummer = 0;
        for (const auto& w : wege) {
            const QString pfad = sammlungMitBild(QStringLiteral("bemerkung%1.mdb").arg(++nummer));
            QVERIFY(!pfad.isEmpty());
            auto a = neueAnwendung();
            QVERIFY(a->HauptfensterZeigen());
            mdiHauptform* h = a->hauptfenster();
            h->dateiWaehlen = [&](bool) { return pfad; };
            h->DatenbankOeffnenBefehl();
            QVERIFY2(h->albenAnzeige(), w.weg);
            auto* bemerkung = h->albenAnzeige()->findChild<QPlainTextEdit*>(QStringLiteral("txtBemerkung"));
            QTest::keyClicks(bemerkung, QStringLiteral("Am Strand"));
            QCOMPARE(gespeicherteBemerkung(pfad), QString()); // typing alone writes nothing
            w.tun(h);
            QVERIFY2(gespeicherteBemerkung(pfad) == QLatin1String("Am Strand"), w.weg);
            if (a->hauptfenster())
                a->hauptfenster()->close();
        }
    }

    void anzeigeUndListePassenInsHauptfenster()
    {
        const QString pfad = sammlungMitBild(QStringLiteral("passt.mdb"));
        auto a = neueAnwendung();
        QVERIFY(a->HauptfensterZeigen());
        mdiHauptform* h = a->hauptfenster();
        h->dateiWaehlen = [&](bool) { return pfad; };
        h->DatenbankOeffnenBefehl();
        QVERIFY(h->albenAnzeige() && h->bilderListe());
        // The default size and the smallest the main window allows.
        QWidget* flaeche = h->flaeche()->viewport();
        auto ganzZuSehen = [&](QWidget* w) {
            // Inside the frame, and clipped by none of its parents (the viewer's scroll area).
            for (QWidget* p = w->parentWidget(); p && p != flaeche; p = p->parentWidget()) {
                if (!p->rect().contains(QRect(w->mapTo(p, QPoint(0, 0)), w->size())))
                    return false;
            }
            return flaeche->rect().contains(QRect(w->mapTo(flaeche, QPoint(0, 0)), w->size()));
        };
        auto pruefen = [&](QWidget* fenster, std::initializer_list<const char*> namen, QSize groesse) {
            for (const char* name : namen) {
                QWidget* w = fenster->findChild<QWidget*>(QLatin1String(name));
                QVERIFY2(w && ganzZuSehen(w),
                    qPrintable(QStringLiteral("%1 bei %2 x %3")
                                   .arg(QLatin1String(name))
                                   .arg(groesse.width())
                                   .arg(groesse.height())));
            }
        };
        const QSize groessen[] = { { 800, 600 },
            { Twips::zuPixel(mdiHauptform::MindestBreiteTwips), Twips::zuPixel(mdiHauptform::MindestHoeheTwips) } };
        for (const QSize& groesse : groessen) {
            h->resize(groesse);
            QTRY_COMPARE(h->size(), groesse);
            QTest::qWait(50);
            pruefen(h->albenAnzeige(),
                { "cmdFirst", "cmdBack", "cmdNext", "cmdLast", "txtBemerkung", "lblSpeicherOrt" }, groesse);
            QVERIFY2(ganzZuSehen(h->bilderListe()->parentWidget()), qPrintable(QString::number(groesse.width())));
            // The keyword window, extended, covers neither the viewer nor the list and stays above them.
            h->BegriffeFensterUmschalten();
            h->begriffeFenster()->NeuenDatensatzEinfuegen(QStringLiteral("Strand"));
            h->begriffeFenster()->cmdErweitert_Click();
            QWidget* begriffe = h->begriffeFenster()->parentWidget();
            QVERIFY(ganzZuSehen(begriffe));
            for (QWidget* w : { h->albenAnzeige()->parentWidget(), h->bilderListe()->parentWidget() })
                QVERIFY2(!begriffe->geometry().intersects(w->geometry()), qPrintable(w->objectName()));
            auto* anzeigeRahmen = static_cast<QMdiSubWindow*>(h->albenAnzeige()->parentWidget());
            h->flaeche()->setActiveSubWindow(anzeigeRahmen);
            QTRY_COMPARE(h->flaeche()->subWindowList(QMdiArea::StackingOrder).last(), begriffe);
            h->BegriffeFensterUmschalten();
            QTRY_VERIFY(!h->begriffeFenster());
        }
        // The browser with four rows of the largest thumbnails: the rows that
        // do not fit are left out, the paging bar stays in sight, below the last name.
        h->resize(800, 600);
        QTRY_COMPARE(h->size(), QSize(800, 600));
        a->zustand().einstellungen.AnzahlBrowserZeilen = 4;
        a->zustand().einstellungen.GroesseVorschauBild = 120;
        h->BrowserBefehl();
        frmVorschau* v = h->vorschau();
        QVERIFY(v);
        QTest::qWait(50);
        pruefen(v, { "cmdFirst", "cmdNextGross", "cmdLast", "lblAnzeige" }, h->size());
        QVERIFY(v->AnzahlZeilen() < 4);
        const QWidget* leiste = v->lblAnzeige()->parentWidget();
        QVERIFY(v->lblBildName(v->AnzahlPlatzhalter())->geometry().bottom() < leiste->y());
        h->close();
    }

    void browserNimmtDenPlatzDerListeUndOeffnetDieZoomansicht()
    {
        const QString pfad = sammlungMitBild(QStringLiteral("browser.mdb"));
        auto a = neueAnwendung();
        QVERIFY(a->HauptfensterZeigen());
        mdiHauptform* h = a->hauptfenster();
        h->dateiWaehlen = [&](bool) { return pfad; };
        h->DatenbankOeffnenBefehl();
        QVERIFY(h->bilderListe());
        const int listeLinks = h->bilderListe()->parentWidget()->x();
        // The user closed the list: the browser loads it hidden for the marks.
        h->bilderListe()->parentWidget()->close();
        QVERIFY(!h->bilderListe());
        h->BrowserBefehl();
        frmVorschau* v = h->vorschau();
        QVERIFY(v && h->bilderListe());
        QVERIFY(!h->bilderListe()->parentWidget()->isVisible());
        QCOMPARE(h->bilderListe()->tag, QStringLiteral("0"));
        QCOMPARE(v->parentWidget()->x(), listeLinks);
        QVERIFY(h->flaeche()->viewport()->rect().contains(v->parentWidget()->geometry()));
        QCOMPARE(v->lblBildName(1)->text(), QStringLiteral("a.jpg"));
        QTest::mouseClick(v->lblBildName(1), Qt::LeftButton, Qt::ControlModifier, QPoint(3, 3));
        QVERIFY(!h->BildMarkiert(1));
        QTest::mouseClick(v->lblBildName(1), Qt::LeftButton, Qt::ControlModifier, QPoint(3, 3));
        QVERIFY(h->BildMarkiert(1));

        QTest::mouseClick(v->imgBild(1), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QVERIFY(h->zoomAnsicht());
        QTRY_VERIFY(h->zoomAnsicht()->windowTitle().startsWith(QStringLiteral("a.jpg (Bildgröße: ")));

        // "Suche" closes the browser first; the list is back in its place.
        h->SucheBefehl();
        QVERIFY(!h->vorschau());
        QVERIFY(h->bilderListe()->parentWidget()->isVisible());
        QCOMPARE(h->bilderListe()->tag, QStringLiteral("1"));
        // The command opens and closes it.
        h->BrowserBefehl();
        QVERIFY(h->vorschau());
        h->BrowserBefehl();
        QVERIFY(!h->vorschau());
        h->close();
    }

    void dateidialogeOeffnenImOrdnerDerSammlung()
    {
        QCOMPARE(mdiHauptform::DateidialogOrdner(m_ordner.filePath(QStringLiteral("b.mdb"))), m_ordner.path());
        // Gone, relative (which would be the folder the program was started from), none.
        for (const char* ohne : { "/weg/b.mdb", "b.mdb", " " })
            QCOMPARE(mdiHauptform::DateidialogOrdner(QLatin1String(ohne)), QDir::homePath());
    }

    void f1OeffnetDasThemaDesFensters()
    {
        const QString hilfe = m_ordner.filePath(QStringLiteral("hilfe"));
        QDir().mkpath(hilfe);
        for (const char* seite : { "index.htm", "suche.htm" }) {
            QFile f(hilfe + QLatin1Char('/') + QLatin1String(seite));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<html><body><h1>Seite</h1></body></html>");
        }
        Programmzustand z;
        z.meldungen = &meldungen;
        z.hilfedatei = hilfe + QStringLiteral("/index.htm");

        QWidget fenster;
        auto* feld = new QLineEdit(&fenster);
        mdlHilfe::HilfeTasteEinrichten(&fenster, z, QStringLiteral("suche.htm"));
        fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        feld->setFocus();
        QTest::keyClick(feld, Qt::Key_F1);
        QVERIFY(frmHilfe::instanz());
        QVERIFY(frmHilfe::instanz()->aktuelleSeite().toLocalFile().endsWith(QLatin1String("/suche.htm")));
        QCOMPARE(feld->text(), QString());

        mdlHilfe::HilfeZeigen(z, QString()); // the menu's "Hilfe": start page
        QVERIFY(frmHilfe::instanz()->aktuelleSeite().toLocalFile().endsWith(QLatin1String("/index.htm")));
        frmHilfe::instanz()->close();

        z.hilfedatei = m_ordner.filePath(QStringLiteral("keinehilfe/index.htm"));
        mdlHilfe::HilfeZeigen(z, QStringLiteral("suche.htm"));
        QCOMPARE(meldungen.titel(), QStringList({ "HTML-Hilfe funktionuert nicht!" }));
        // The quoted sentence, then the page that is missing.
        QCOMPARE(meldungen.texte(),
            QStringList({ "Auf Ihrem System funktioniert die HTML-Hilfe leider nicht! \r\r"
                          "Die Hilfeseite "
                + z.hilfedatei + " fehlt." }));
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
