#include "Albentestsammlung.h"
#include "frmAlbenAuswahl.h"
#include "frmAlbumLoeschenListe.h"
#include "frmAlbumUmbenennen.h"
#include "frmNameNeuesAlbum.h"
#include "mdiHauptform.h"
#include "mdlRegistry.h"

#include <QtWidgets>
#include <memory>

namespace {

// Answers the next album dialog: the name into its box or list, OK, then "Abbrechen" if asked for.
void antworten(const QString& name, bool abbrechen = false)
{
    QTimer::singleShot(0, [name, abbrechen] {
        auto* d = qobject_cast<Albendialog*>(QApplication::activeModalWidget());
        QVERIFY(d);
        if (auto* feld = d->findChild<QLineEdit*>())
            feld->setText(name);
        if (auto* liste = d->findChild<QComboBox*>())
            liste->setCurrentText(name);
        d->cmdOK()->click();
        if (abbrechen)
            d->cmdAbbrechen()->click();
    });
}
void befehl(mdiHauptform& h, const char* aktion, const QString& name)
{
    antworten(name);
    h.aktion(QLatin1String(aktion))->trigger();
}

// Opens the chooser's list and clicks the entry, as the user does.
void eintragKlicken(QComboBox* liste, int eintrag)
{
    liste->showPopup();
    QAbstractItemView* ansicht = liste->view();
    QTest::mouseClick(
        ansicht->viewport(), Qt::LeftButton, {}, ansicht->visualRect(ansicht->model()->index(eintrag, 0)).center());
}

}  // namespace

// The album windows on the offscreen platform, alone and in the main window.
class TestAlbenfenster : public QObject {
    Q_OBJECT

    std::unique_ptr<Albentestsammlung> s;

    static bool aktiv(mdiHauptform& h, const char* name) { return h.aktion(QLatin1String(name))->isEnabled(); }

private slots:
    void init() { s = std::make_unique<Albentestsammlung>(); }
    void cleanup() { s.reset(); }

    void dialogeFuerNeuesAlbumUmbenennenUndLoeschen()
    {
        s->album(u"Urlaub"_s);
        s->leeren();
        frmNameNeuesAlbum neu(s->z, s->db);
        neu.show();
        QLineEdit* feld = neu.txtNameAlbum();
        // A typed "/" is not inserted; pasted text loses such characters too.
        QTest::keyClicks(feld, u"Rom"_s);
        QTest::keyClick(feld, '/');
        feld->setCursorPosition(1);
        QApplication::clipboard()->setText(u"a/b*c"_s);
        QTest::keySequence(feld, QKeySequence::Paste);
        QCOMPARE(feld->text(), u"Rabcom"_s);
        feld->setText(u"Rom's 100%_x"_s);
        neu.cmdOK()->click();
        QVERIFY(neu.result() == QDialog::Accepted && neu.albumname() == u"Rom's 100%_x"_s);
        QCOMPARE(s->namen(), QStringList({ u"Rom's 100%_x"_s, u"Urlaub"_s }));
        QVERIFY(QDir(s->z.bilderverzeichnis + "Rom's 100%_x"_L1).exists());

        // Renaming: another album's name is refused; this box has no key filter.
        s->waehlen(u"Rom's 100%_x"_s);
        s->leeren();
        frmAlbumUmbenennen umbenennen(s->z, s->db);
        umbenennen.show();
        umbenennen.txtNameAlbum()->setText(u"Urlaub"_s);
        umbenennen.cmdOK()->click();
        QVERIFY(umbenennen.isVisible() && s->meldungen.meldungen.size() == 1);
        QTest::keyClicks(umbenennen.txtNameAlbum(), u"Berge/Tal"_s);
        umbenennen.cmdOK()->click();
        QVERIFY(umbenennen.result() == QDialog::Accepted);
        QCOMPARE(s->namen(), QStringList({ u"Berge/Tal"_s, u"Urlaub"_s }));
    }

    void loeschenFragtNachUndNeinLoeschtNichts()
    {
        for (const QString& name : { u"Alpen"_s, u"Urlaub"_s, u"Zoo"_s })
            s->album(name);
        s->waehlen(u"Urlaub"_s);
        for (int i = 1; i <= 12; ++i)
            BildEintragen(s->db, u"bild%1.jpg"_s.arg(i), 0, u"01.02.2003"_s);
        s->leeren();

        // Every album by name, no prompt; the current one is chosen already.
        frmAlbumLoeschenListe loeschen(s->z, s->db);
        QVERIFY(loeschen.cboAlben()->count() == 3 && loeschen.cboAlben()->currentText() == u"Urlaub"_s);
        loeschen.show();
        // "Nein": nothing is named for deletion and the dialog stays for another choice.
        s->meldungen.antworten = { Meldungen::Antwort::Nein };
        loeschen.cmdOK()->click();
        QCOMPARE(s->meldungen.texte(),
            QStringList { u"Das Album »Urlaub« mit 12 Bildern wird mit allen Bemerkungen "
                          "und Begriffen gelöscht. Fortfahren?"_s });
        QVERIFY(s->meldungen.meldungen.first().stil == Meldungen::Frage && loeschen.isVisible() && loeschen.name().isEmpty());
        // Another album, one picture fewer to name; "Ja" names it.
        loeschen.cboAlben()->setCurrentText(u"Zoo"_s);
        s->leeren();
        s->meldungen.antworten = { Meldungen::Antwort::Ja };
        loeschen.cmdOK()->click();
        QCOMPARE(s->meldungen.texte().value(0), AlbumLoeschenFrage(u"Zoo"_s, 0));
        QVERIFY(loeschen.result() == QDialog::Accepted && loeschen.name() == u"Zoo"_s);
        QCOMPARE(loeschen.nummer(), AlbumnummerZumNamen(s->db, u"Zoo"_s));

        // Through the main window, "Nein" and then "Abbrechen" leave every album and picture.
        Registry registry;
        mdiHauptform h(s->z, s->db, registry);
        s->leeren();
        s->meldungen.antworten = { Meldungen::Antwort::Nein };
        antworten(u"Urlaub"_s, true);
        h.AlbumLoeschenBefehl();
        QVERIFY(s->meldungen.meldungen.size() == 1 && s->z.albumName == u"Urlaub"_s);  // asked, answered "Nein"
        QCOMPARE(s->namen(), QStringList({ u"Alpen"_s, u"Urlaub"_s, u"Zoo"_s }));
        QCOMPARE(s->abfragen(u"SELECT COUNT(*) FROM \"%1\""_s.arg(AlbumnummerZumNamen(s->db, u"Urlaub"_s))),
            QStringList { u"12"_s });
    }

    void auswahlOeffnetNurWasDerBenutzerAnklickt()
    {
        s->album(u"Berge"_s);
        const QString meer = s->album(u"Meer"_s);
        Sammlungsgeruest::bildSchreiben(s->z.bilderverzeichnis + "Meer/welle.jpg"_L1);
        s->leeren();
        frmAlbenAuswahl fenster(s->z, s->db);
        fenster.show();
        QComboBox* liste = fenster.cboAlben();
        // Filling or setting the list opens nothing.
        liste->setCurrentIndex(2);
        fenster.ListeAnzeigen();
        QVERIFY(s->z.albumName.isEmpty() && s->ui.aufrufe.isEmpty());

        eintragKlicken(liste, 2);
        QCOMPARE(s->z.albumName + s->db.rsAlbum.quelle().tabelle + FeldLesen(s->db.rsDaten, u"Album"_s),
            u"Meer"_s + meer + meer);
        QCOMPARE(s->ui.aufrufe, QStringList({ u"ZoomAnsichtSchliessen"_s, u"AlbenanzeigeStarten"_s }));
        // There was no thumbnail folder: frmAlbumLaden made it.
        QVERIFY(QFileInfo(s->z.bilderverzeichnis + "Meer/TempBilder/welle.jpg"_L1).isFile());
        // The prompt opens nothing.
        s->leeren();
        eintragKlicken(liste, 0);
        QVERIFY(s->ui.aufrufe.isEmpty() && s->z.albumName == u"Meer"_s);
    }

    void hauptfensterVomErstenBisZumLetztenAlbum()
    {
        Registry registry;
        mdiHauptform h(s->z, s->db, registry);
        DatenbankSchliessen(s->z, s->db);
        QVERIFY(DatenbankOhneAlbenOeffnen(s->z, s->db, s->datei()) && !h.albenAuswahl());
        s->meldungen.leeren();
        h.aktion(u"mnuLoeschenAlbum"_s)->trigger();
        h.aktion(u"mnuUmbenennenAlbum"_s)->trigger();
        QCOMPARE(s->meldungen.texte(), QStringList(2, u"Es wurden noch keine Alben erstellt!"_s));

        // The first album: the chooser comes up on it and the album commands work.
        befehl(h, "mnuLeeresAlbum", u"Meer"_s);
        QVERIFY(h.albenAuswahl() && h.albenAuswahl()->cboAlben()->currentText() == u"Meer"_s);
        QVERIFY(aktiv(h, "mnuAnzeige") && aktiv(h, "mnuPraesentation") && aktiv(h, "mnuSuche"));

        // The current album deleted: the chooser goes to the one left.
        befehl(h, "mnuLeeresAlbum", u"Berge"_s);
        QCOMPARE(s->z.albumName, u"Berge"_s);
        befehl(h, "mnuLoeschenAlbum", u"Berge"_s);
        QCOMPARE(s->db.rsAlbum.quelle().tabelle + h.albenAuswahl()->cboAlben()->currentText(),
            AlbumnummerZumNamen(s->db, u"Meer"_s) + u"Meer"_s);

        // The last album deleted: no album, every album command off.
        befehl(h, "mnuLoeschenAlbum", u"Meer"_s);
        QVERIFY(s->namen().isEmpty() && h.albenAuswahl()->cboAlben()->count() == 0);
        QVERIFY(!aktiv(h, "mnuAnzeige") && !aktiv(h, "mnuPraesentation") && !aktiv(h, "mnuSuche"));
        h.albenAuswahlFenster()->close();
        QVERIFY(!h.albenAuswahl() && !s->z.offen.albenAuswahl);
    }
};

int testeAlbenfenster(int argc, char** argv)
{
    TestAlbenfenster t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_albenfenster.moc"
