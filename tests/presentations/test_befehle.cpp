#include "Albenpflege.h"
#include "Anwendung.h"
#include "Bildknopf.h"
#include "Datenbankschema.h"
#include "Meldungsrecorder.h"
#include "frmPraesentationStoryboard.h"
#include "mdlDatenbanken.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

// The presentation commands of the main window with their enabled states.
class TestBefehle : public QObject {
    Q_OBJECT
private slots:
    void neuOeffnenLoeschen()
    {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(u"s.mdb"_s);
        {
            DatenbankErstellen(datei);
            Programmzustand z;
            z.programmordner = ordner.path();
            z.bilderverzeichnis = ordner.filePath(u"bilder/"_s);
            Datenbankobjekte db;
            QVERIFY(DatenbankOhneAlbenOeffnen(z, db, datei));
            AlbumAnlegen(z, db, u"Urlaub"_s, z.programmordner);
            DatenbankSchliessen(z, db);
        }
        Meldungsrecorder meldungen;
        Anwendung a;
        QDir().mkpath(ordner.filePath(u"programm"_s));
        a.Vorbereiten(ordner.filePath(u"programm"_s));
        a.zustand().meldungen = &meldungen;
        QVERIFY(a.HauptfensterZeigen());
        mdiHauptform* h = a.hauptfenster();
        h->dateiWaehlen = [&](bool) { return datei; };
        h->DatenbankOeffnenBefehl();
        auto aktiv = [h](const char* name) { return h->aktion(QLatin1String(name))->isEnabled(); };
        const QString knopf = u"cmdPraesentation"_s;
        QVERIFY(!aktiv("mnuPraeOeffnen") && !aktiv("mnuPraeSchliessen"));
        QCOMPARE(h->knopf(knopf)->aktuellesBild(), u"praesentation_ef"_s);
        meldungen.leeren();
        h->PraesentationLoeschenBefehl();
        QCOMPARE(meldungen.texte(), QStringList { u"Es wurden noch keine Präsentationen erstellt!"_s });

        // New: the name typed and OK; the storyboard opens with the name.
        h->dialogAusfuehren = [](QDialog* d) {
            d->findChild<QLineEdit*>(u"txtNamePraesentation"_s)->setText(u"Reise"_s);
            d->findChild<QPushButton*>(u"cmdOK"_s)->click();
            return d->result();
        };
        h->aktion(u"mnuPraeNeu"_s)->trigger();
        QVERIFY(h->storyboard());
        QCOMPARE(h->storyboard()->findChild<QLabel*>(u"lblTitel"_s)->text(), u"Reise"_s);
        QVERIFY(aktiv("mnuPraeOeffnen") && aktiv("mnuPraeSchliessen") && aktiv("mnuPraeDummy"));
        QCOMPARE(h->knopf(knopf)->aktuellesBild(), u"praesentation_n"_s);
        // The album chooser moves down below the storyboard's strip.
        QMdiSubWindow* auswahl = h->albenAuswahlFenster();
        QVERIFY(auswahl);
        QVERIFY(h->storyboard()->parentWidget()->height() > 0);
        QCOMPARE(auswahl->y(), h->storyboard()->parentWidget()->height());

        // The same name again: the message, the dialog stays open.
        h->dialogAusfuehren = [](QDialog* d) {
            d->findChild<QLineEdit*>(u"txtNamePraesentation"_s)->setText(u"reise"_s);
            d->findChild<QPushButton*>(u"cmdOK"_s)->click();
            return d->isVisible() || d->result() == QDialog::Accepted ? int(QDialog::Accepted) : d->result();
        };
        meldungen.leeren();
        h->NeuePraesentationBefehl();
        QCOMPARE(meldungen.texte(), QStringList { u"Name ist schon vorhanden!"_s });

        // Deleting the open one closes the storyboard; then nothing is left.
        h->dialogAusfuehren = [](QDialog* d) {
            auto* liste = d->findChild<QComboBox*>(u"cboPraesentationen"_s);
            return liste->currentText() == u"Reise"_s ? int(QDialog::Accepted) : int(QDialog::Rejected);
        };
        h->aktion(u"mnuLoeschenPraesentation"_s)->trigger();
        QTRY_VERIFY(!h->storyboard());
        QTRY_COMPARE(auswahl->y(), 0);  // and back up once its frame is gone
        QVERIFY(a.zustand().praesentationName.isEmpty());
        QVERIFY(!aktiv("mnuPraeOeffnen") && !aktiv("mnuPraeSchliessen"));
        QCOMPARE(h->knopf(knopf)->aktuellesBild(), u"praesentation_ef"_s);
        h->close();
    }
};

QTEST_MAIN(TestBefehle)
#include "test_befehle.moc"
