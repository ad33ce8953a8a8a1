#include "Albenpflege.h"
#include "Albentestsammlung.h"
#include "Bildknopf.h"
#include "Namensfilter.h"
#include "frmAlbenAuswahl.h"
#include "frmAlbumLoeschenListe.h"
#include "frmAlbumUmbenennen.h"
#include "frmNameNeuesAlbum.h"
#include "mdiHauptform.h"
#include "mdlDatenbanken.h"
#include "mdlRegistry.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// Runs the reaction on the modal dialog of that type as soon as it is shown.
template <class Dialog>
void imDialog(std::function<void(Dialog*)> reaktion)
{
    auto* warten = new QTimer;
    warten->setInterval(10);
    QObject::connect(warten, &QTimer::timeout, [warten, reaktion] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<Dialog*>(w); d && d->isVisible()) {
                warten->stop();
                warten->deleteLater();
                reaktion(d);
                return;
            }
        }
    });
    warten->start();
}

void eintragWaehlen(QComboBox* liste, Qt::Key taste)
{
    liste->setFocus();
    QTest::keyClick(liste, taste);
}

}  // namespace

// The album windows on the offscreen platform, alone and in the main window.
class TestAlbenfenster : public QObject {
    Q_OBJECT

    std::unique_ptr<Albentestsammlung> s;

    static QString bild(mdiHauptform& h, const char* name) { return h.knopf(QLatin1String(name))->aktuellesBild(); }
    static bool aktiv(mdiHauptform& h, const char* name) { return h.aktion(QLatin1String(name))->isEnabled(); }

private slots:
    void init() { s = std::make_unique<Albentestsammlung>(); }
    void cleanup() { s.reset(); }

    void namensfeldLaesstVerboteneZeichenNichtZu()
    {
        frmNameNeuesAlbum dialog(s->z, s->db);
        dialog.show();
        QLineEdit* feld = dialog.txtNameAlbum();
        QSignalSpy abgewiesen(dialog.namensfilter(), &Namensfilter::abgewiesen);

        QTest::keyClicks(feld, QStringLiteral("Rom"));
        QTest::keyClick(feld, '/');
        QCOMPARE(feld->text(), QStringLiteral("Rom"));
        QCOMPARE(abgewiesen.count(), 1);
        QCOMPARE(feld->cursorPosition(), 3);

        // Pasted text loses them too, the rest of it stays, the cursor after it.
        feld->setCursorPosition(1);
        QApplication::clipboard()->setText(QStringLiteral("a:b*c"));
        QTest::keySequence(feld, QKeySequence::Paste);
        QCOMPARE(feld->text(), QStringLiteral("Rabcom"));
        QCOMPARE(abgewiesen.count(), 2);
        QCOMPARE(feld->cursorPosition(), 4);
    }

    void neuesAlbumImDialog()
    {
        s->album(QStringLiteral("Urlaub"));
        s->leeren();
        frmNameNeuesAlbum dialog(s->z, s->db);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Neues Album"));
        dialog.show();
        QLineEdit* feld = dialog.txtNameAlbum();

        dialog.cmdOK()->click();  // empty: nothing
        QVERIFY(dialog.isVisible());
        QVERIFY(s->meldungen.meldungen.isEmpty());

        feld->setText(QStringLiteral("TempAlbum"));
        dialog.cmdOK()->click();
        QVERIFY(dialog.isVisible());
        QVERIFY(feld->text().isEmpty());
        QCOMPARE(s->meldungen.texte(), QStringList({"Name ist reserviert!"}));

        const QString name = QStringLiteral("Rom's 100%_x");
        feld->setText(name);
        dialog.cmdOK()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.albumname(), name);
        QCOMPARE(s->gespeicherteAlbennamen(), QStringList({name, "Urlaub"}));
        QVERIFY(QDir(s->z.bilderverzeichnis + name).exists());
    }

    void umbenennenUndLoeschlisteImDialog()
    {
        s->album(QStringLiteral("Urlaub"));
        const QString berge = s->album(QStringLiteral("Berge"));
        s->waehlen(QStringLiteral("Berge"));
        s->leeren();
        frmAlbumUmbenennen umbenennen(s->z, s->db);
        QCOMPARE(umbenennen.windowTitle(), QStringLiteral("Album 'Berge' umbenennen"));
        QCOMPARE(umbenennen.txtNameAlbum()->text(), QStringLiteral("Berge"));
        umbenennen.show();
        umbenennen.txtNameAlbum()->setText(QStringLiteral("Urlaub"));
        umbenennen.cmdOK()->click();
        QVERIFY(umbenennen.isVisible());
        QVERIFY(umbenennen.txtNameAlbum()->text().isEmpty());
        QCOMPARE(s->meldungen.texte(), QStringList({"Diesen Namen gibt es schon!"}));
        // The rename box has no key filter.
        QTest::keyClicks(umbenennen.txtNameAlbum(), QStringLiteral("Berge/Tal"));
        umbenennen.cmdOK()->click();
        QCOMPARE(umbenennen.result(), int(QDialog::Accepted));
        QCOMPARE(s->gespeicherteAlbennamen(), QStringList({"Berge/Tal", "Urlaub"}));

        // The delete list: every album by name, no prompt; OK names the choice.
        frmAlbumLoeschenListe loeschen(s->z, s->db);
        QCOMPARE(loeschen.windowTitle(), QStringLiteral("Album löschen"));
        QCOMPARE(loeschen.cboAlben()->count(), 2);
        QCOMPARE(loeschen.cboAlben()->itemText(1), QStringLiteral("Urlaub"));
        loeschen.show();
        loeschen.cmdOK()->click();
        QCOMPARE(loeschen.name(), QStringLiteral("Berge/Tal"));
        QCOMPARE(loeschen.nummer(), berge);
    }

    void auswahlOeffnetNurWasDerBenutzerWaehlt()
    {
        const QString berge = s->album(QStringLiteral("Berge"));
        const QString meer = s->album(QStringLiteral("Meer"));
        QImage bild(64, 48, QImage::Format_RGB32);
        bild.fill(Qt::darkCyan);
        QVERIFY(bild.save(s->z.bilderverzeichnis + QStringLiteral("Meer/welle.jpg"), "JPG"));
        s->leeren();
        auto* fenster = new frmAlbenAuswahl(s->z, s->db);
        QVERIFY(s->z.offen.albenAuswahl);
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Albenauswahl"));
        fenster->show();
        QComboBox* liste = fenster->cboAlben();
        QCOMPARE(liste->count(), 3);
        QCOMPARE(liste->currentText(), AlbenauswahlAufforderung());

        // Filling or setting the list opens nothing.
        liste->setCurrentIndex(2);
        fenster->ListeAnzeigen();
        QVERIFY(s->z.albumName.isEmpty());
        QVERIFY(s->ui.aufrufe.isEmpty());

        liste->setCurrentIndex(1);
        eintragWaehlen(liste, Qt::Key_Down);
        QCOMPARE(s->z.albumName, QStringLiteral("Meer"));
        QCOMPARE(s->z.albumNummer, meer);
        QCOMPARE(s->db.rsAlbum.quelle().tabelle, meer);
        QCOMPARE(FeldLesen(s->db.rsDaten, QStringLiteral("Album")), meer);
        QCOMPARE(s->ui.aufrufe, QStringList({"ZoomAnsichtSchliessen", "AlbenanzeigeStarten"}));
        // There was no thumbnail folder: frmAlbumLaden made it.
        QVERIFY(QFileInfo(s->z.bilderverzeichnis + QStringLiteral("Meer/TempBilder/welle.jpg")).isFile());

        s->ui.aufrufe.clear();
        eintragWaehlen(liste, Qt::Key_Up);
        QCOMPARE(s->z.albumNummer, berge);
        QCOMPARE(s->ui.aufrufe, QStringList({"ZoomAnsichtSchliessen", "AlbenanzeigeStarten"}));

        // The prompt opens nothing.
        s->ui.aufrufe.clear();
        eintragWaehlen(liste, Qt::Key_Up);
        QCOMPARE(s->z.albumNummer, berge);
        QVERIFY(s->ui.aufrufe.isEmpty());

        // Neither does the search entry; choosing an album takes it away.
        s->z.albenauswahl << SuchergebnisEintrag();
        s->z.albenauswahlIndex = 3;
        s->z.suchergebnisAngezeigt = true;
        fenster->ListeAnzeigen();
        QCOMPARE(liste->currentText(), SuchergebnisEintrag());
        eintragWaehlen(liste, Qt::Key_End);
        QVERIFY(s->ui.aufrufe.isEmpty());
        eintragWaehlen(liste, Qt::Key_Up);
        QCOMPARE(s->z.albumNummer, meer);
        QVERIFY(!s->z.suchergebnisAngezeigt);
        QCOMPARE(s->z.albenauswahl, QStringList({AlbenauswahlAufforderung(), "Berge", "Meer"}));

        QSignalSpy weg(fenster, &frmAlbenAuswahl::entladen);
        fenster->close();
        QCOMPARE(weg.count(), 1);
        QVERIFY(!s->z.offen.albenAuswahl);
        delete fenster;
    }

    void hauptfensterVomErstenBisZumLetztenAlbum()
    {
        Registry registry;
        mdiHauptform h(s->z, s->db, registry);
        DatenbankSchliessen(s->z, s->db);
        QVERIFY(DatenbankOhneAlbenOeffnen(s->z, s->db, s->datei()));
        QVERIFY(!h.albenAuswahl());
        s->meldungen.leeren();

        h.aktion(QStringLiteral("mnuLoeschenAlbum"))->trigger();
        h.aktion(QStringLiteral("mnuUmbenennenAlbum"))->trigger();
        QCOMPARE(s->meldungen.texte(),
                 QStringList({"Es wurden noch keine Alben erstellt!", "Es wurden noch keine Alben erstellt!"}));

        // The first album: the chooser comes up on it and the album commands work.
        imDialog<frmNameNeuesAlbum>([](frmNameNeuesAlbum* d) {
            d->txtNameAlbum()->setText(QStringLiteral("Meer"));
            d->cmdOK()->click();
        });
        h.aktion(QStringLiteral("mnuLeeresAlbum"))->trigger();
        QVERIFY(h.albenAuswahl());
        QCOMPARE(h.albenAuswahlFenster()->windowTitle(), QStringLiteral("Albenauswahl"));
        QVERIFY(h.flaeche()->subWindowList().contains(h.albenAuswahlFenster()));
        QCOMPARE(h.albenAuswahl()->cboAlben()->currentText(), QStringLiteral("Meer"));
        QCOMPARE(s->z.albumName, QStringLiteral("Meer"));
        QVERIFY(aktiv(h, "mnuAnzeige") && aktiv(h, "mnuPraesentation") && aktiv(h, "mnuSuche"));
        QCOMPARE(bild(h, "cmdBrowser"), QStringLiteral("browser_n"));
        QCOMPARE(bild(h, "cmdListe"), QStringLiteral("liste_n"));
        QCOMPARE(bild(h, "cmdSuche"), QStringLiteral("suche_n"));
        // The entry is hidden for good, so Qt reports it disabled; its tick shows the chooser's state.
        QVERIFY(h.aktion(QStringLiteral("mnuAlbenauswahl"))->isChecked());

        // The last album deleted: no album, every album command off.
        imDialog<frmAlbumLoeschenListe>([](frmAlbumLoeschenListe* d) { d->cmdOK()->click(); });
        h.aktion(QStringLiteral("mnuLoeschenAlbum"))->trigger();
        QCOMPARE(s->gespeicherteAlbennamen(), QStringList());
        QCOMPARE(h.albenAuswahl()->cboAlben()->count(), 0);
        QVERIFY(!aktiv(h, "mnuAnzeige") && !aktiv(h, "mnuPraesentation") && !aktiv(h, "mnuSuche"));
        QCOMPARE(bild(h, "cmdBrowser"), QStringLiteral("browser_ef"));
        QCOMPARE(bild(h, "cmdListe"), QStringLiteral("liste_ef"));
        QCOMPARE(bild(h, "cmdPraesentation"), QStringLiteral("praesentation_ef"));
        QCOMPARE(bild(h, "cmdSuche"), QStringLiteral("suche_ef"));

        h.albenAuswahlFenster()->close();
        QVERIFY(!h.albenAuswahl());
        QVERIFY(!s->z.offen.albenAuswahl);
        QVERIFY(!h.aktion(QStringLiteral("mnuAlbenauswahl"))->isChecked());
    }

    void hauptfensterLoeschtDasAktuelleAlbumUndOeffnetDasErste()
    {
        for (const char* name : {"Meer", "Berge", "Alpen"})
            s->album(QLatin1String(name));
        Registry registry;
        mdiHauptform h(s->z, s->db, registry);
        // Opening a collection with albums shows the chooser on the album last used.
        QVERIFY(DatenbankOeffnen(s->z, s->db, s->datei()));
        QVERIFY(h.albenAuswahl());
        QCOMPARE(h.albenAuswahl()->cboAlben()->currentText(), QStringLiteral("Meer"));

        imDialog<frmAlbumLoeschenListe>([](frmAlbumLoeschenListe* d) {
            d->cboAlben()->setCurrentText(QStringLiteral("Meer"));
            d->cmdOK()->click();
        });
        h.aktion(QStringLiteral("mnuLoeschenAlbum"))->trigger();
        QCOMPARE(s->gespeicherteAlbennamen(), QStringList({"Alpen", "Berge"}));
        QCOMPARE(s->z.albumName, QStringLiteral("Alpen"));
        QCOMPARE(s->db.rsAlbum.quelle().tabelle, AlbumnummerZumNamen(s->db, QStringLiteral("Alpen")));
        QCOMPARE(h.albenAuswahl()->cboAlben()->currentText(), QStringLiteral("Alpen"));
    }
};

int testeAlbenfenster(int argc, char** argv)
{
    TestAlbenfenster t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_albenfenster.moc"
