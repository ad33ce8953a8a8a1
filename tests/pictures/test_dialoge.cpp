#include "Bildorte.h"
#include "Ordneruebernahme.h"
#include "Testsammlung.h"
#include "frmAlbumLaden.h"
#include "frmCopyInfo.h"
#include "frmNamenAbfragen.h"
#include "frmOrdnerWaehlen.h"
#include "mdlDatenbanken.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionViewItem>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

namespace {

// With KOLVAR_FOTOS set to a folder, the windows are saved there as PNG.
void foto(QWidget* fenster, const QString& name)
{
    const QString ordner = qEnvironmentVariable("KOLVAR_FOTOS");
    if (!ordner.isEmpty())
        fenster->grab().save(ordner + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QStringList kinder(const QTreeWidgetItem* knoten)
{
    QStringList namen;
    for (int i = 0; i < knoten->childCount(); ++i)
        namen << knoten->child(i)->text(0);
    return namen;
}

// Answers modal dialogs as they appear: each step gets the active modal
// widget and returns true when it has dealt with it.
class Fernbedienung : public QObject {
public:
    QList<std::function<bool(QWidget*)>> schritte;
    QStringList gesehen;  // texts of the notices shown meanwhile

    Fernbedienung()
    {
        m_uhr.setInterval(5);
        QObject::connect(&m_uhr, &QTimer::timeout, this, [this] { pruefen(); });
        m_uhr.start();
    }

private:
    void pruefen()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* info = qobject_cast<frmCopyInfo*>(w);
            if (info && info->isVisible() && (gesehen.isEmpty() || !gesehen.last().startsWith(info->lblArt->text()))) {
                // While it shows, no other window takes input.
                const bool modal = QApplication::activeModalWidget() == info;
                gesehen << info->lblArt->text() + (modal ? QString() : QStringLiteral(" (nicht modal)"));
                foto(info, QStringLiteral("frmCopyInfo"));
            }
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !schritte.isEmpty() && schritte.first()(modal))
            schritte.removeFirst();
    }
    QTimer m_uhr;
};

}  // namespace

// The dialogs of the import and the thumbnail window, on the offscreen platform.
class TestDialoge : public QObject {
    Q_OBJECT

    std::unique_ptr<Testsammlung> s;
    QString platte;

    // Clicks the node's check box, or its name.
    void klicken(QTreeWidget* baum, QTreeWidgetItem* knoten, bool aufHaken)
    {
        baum->scrollToItem(knoten);
        const QRect zeile = baum->visualItemRect(knoten);
        QPoint punkt = zeile.center();
        if (aufHaken) {
            QStyleOptionViewItem option;
            option.initFrom(baum);
            option.rect = zeile;
            option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay
                              | QStyleOptionViewItem::HasDecoration;
            option.text = knoten->text(0);
            option.icon = knoten->icon(0);
            option.decorationSize = baum->iconSize().isValid() ? baum->iconSize() : QSize(16, 16);
            punkt = baum->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, baum).center();
        } else {
            punkt.setX(zeile.left() + zeile.width() - 4);
        }
        QTest::mouseClick(baum->viewport(), Qt::LeftButton, {}, punkt);
    }

private slots:
    void init()
    {
        s = std::make_unique<Testsammlung>();
        platte = s->ordner(QStringLiteral("platte"));
        for (const char* o : {"Fotos/2003/Sommer", "Fotos/2004", "Musik", ".versteckt"})
            QDir().mkpath(platte + QLatin1String(o));
        QFile::link(platte, platte + QStringLiteral("schleife"));
        QFile::link(platte + QStringLiteral("Fotos"), platte + QStringLiteral("Fotos/2004/zurueck"));
        s->laufwerke.liste.clear();
        s->laufwerke.hinzufuegen(platte, Laufwerk::Festplatte, QStringLiteral("DATEN"));
        s->cdEinlegen(QStringLiteral("scheibe"), QStringLiteral("URLAUB2003"));
        QDir().mkpath(s->wurzel() + QStringLiteral("scheibe/Bilder"));
    }
    void cleanup() { s.reset(); }

    void ordnerbaumMitHaekchen()
    {
        frmOrdnerWaehlen dialog(s->z);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Album hinzufügen"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTreeWidget* baum = dialog.trvOrdner;
        QCOMPARE(baum->topLevelItemCount(), 1);
        QTreeWidgetItem* wurzel = baum->topLevelItem(0);
        QCOMPARE(frmOrdnerWaehlen::pfadVon(wurzel), platte);
        // Links and hidden folders are left out; two levels are loaded.
        QCOMPARE(kinder(wurzel), QStringList({"Fotos", "Musik"}));
        QTreeWidgetItem* fotos = wurzel->child(0);
        QCOMPARE(kinder(fotos), QStringList({"2003", "2004"}));
        QTreeWidgetItem* jahr2003 = fotos->child(0);
        QCOMPARE(jahr2003->childCount(), 0);
        QVERIFY(!fotos->isExpanded());

        // A click on the name opens the folder and loads the next level.
        klicken(baum, fotos, false);
        QVERIFY(fotos->isExpanded());
        QCOMPARE(kinder(jahr2003), QStringList({"Sommer"}));
        QVERIFY(kinder(fotos->child(1)).isEmpty());
        // A click on the check box only ticks.
        klicken(baum, jahr2003, true);
        QCOMPARE(jahr2003->checkState(0), Qt::Checked);
        QVERIFY(!jahr2003->isExpanded());
        klicken(baum, jahr2003, false);
        QVERIFY(jahr2003->isExpanded());
        klicken(baum, jahr2003->child(0), true);
        klicken(baum, wurzel->child(1), true);
        foto(&dialog, QStringLiteral("frmOrdnerWaehlen"));

        QTest::mouseClick(dialog.cmdUebernehmen, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.ausgewaehlteOrdner(),
                 QStringList({platte + "Fotos/2003/", platte + "Fotos/2003/Sommer/", platte + "Musik/"}));
        QVERIFY(s->meldungen.meldungen.isEmpty());
    }

    void keinOrdnerGewaehlt()
    {
        frmOrdnerWaehlen dialog(s->z);
        QTest::mouseClick(dialog.cmdUebernehmen, Qt::LeftButton);
        QVERIFY(dialog.ausgewaehlteOrdner().isEmpty());
        QCOMPARE(s->meldungen.titel(), QStringList({"Kein Ordner gewählt!"}));
        QCOMPARE(s->meldungen.meldungen[0].stil, Meldungen::Information);
        QCOMPARE(s->meldungen.meldungen[0].text,
                 QStringLiteral("Sie haben keinen Ordner ausgewählt!\r\rOrdner, die übernommen werden sollen, "
                                "müssen mit einem Häkchen gekennzeichnet werden!"));
        QCOMPARE(OrdnerImportieren(s->z, s->db, dialog.ausgewaehlteOrdner(), nullptr), 0);
        QVERIFY(s->ui.aufrufe.isEmpty());
    }

    void laufwerkWechseln()
    {
        frmOrdnerWaehlen dialog(s->z);
        dialog.Drive1->setCurrentIndex(1);
        QCOMPARE(kinder(dialog.trvOrdner->topLevelItem(0)), QStringList({"Bilder"}));
        // A drive that does not answer leaves the tree empty.
        QDir(s->wurzel() + QStringLiteral("scheibe")).removeRecursively();
        dialog.Drive1->setCurrentIndex(0);
        dialog.Drive1->setCurrentIndex(1);
        QCOMPARE(dialog.trvOrdner->topLevelItemCount(), 0);
    }

    void namenAbfragen()
    {
        s->albumAnlegen(QStringLiteral("Urlaub"), s->z.programmordner + QLatin1Char('/'));
        frmNamenAbfragen dialog(s->z, s->db, platte + QStringLiteral("Fotos/"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Name für neues Album"));
        QCOMPARE(dialog.lblAlterOrdner->text(), platte + QStringLiteral("Fotos/"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QLineEdit* feld = dialog.txtNameAlbum;

        // Forbidden characters are dropped, typed or pasted.
        QTest::keyClicks(feld, QStringLiteral("Ur|la\\ub/:*?\"<>"));
        QCOMPARE(feld->text(), QStringLiteral("Urlaub"));
        QApplication::clipboard()->setText(QStringLiteral(" 2003/04"));
        QTest::keySequence(feld, QKeySequence::Paste);
        QCOMPARE(feld->text(), QStringLiteral("Urlaub 200304"));
        foto(&dialog, QStringLiteral("frmNamenAbfragen"));

        feld->setText(QStringLiteral("TempAlbum"));
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(s->meldungen.texte(), QStringList({"Name ist reserviert!"}));

        feld->setText(QStringLiteral("urlaub"));
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(s->meldungen.texte().last(), QStringLiteral("Diesen Namen gibt es schon!"));
        QCOMPARE(feld->text(), QString());
        QVERIFY(!s->db.rsAlben.IstGefiltert());
        QCOMPARE(s->db.rsAlben.RecordCount(), 1);

        // An empty name does nothing.
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(s->meldungen.meldungen.size(), 2);

        QTest::keyClicks(feld, QStringLiteral("Sommer"));
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.neuerAlbumname(), QStringLiteral("Sommer"));

        frmNamenAbfragen abgebrochen(s->z, s->db, platte);
        abgebrochen.txtNameAlbum->setText(QStringLiteral("Egal"));
        QTest::mouseClick(abgebrochen.cmdAbbrechen, Qt::LeftButton);
        QCOMPARE(abgebrochen.neuerAlbumname(), QString());
    }

    void ganzerAblaufMitNamenUndHinweis()
    {
        // Two folders: the first gets a name, the second is skipped.
        const QString fotos = platte + QStringLiteral("Fotos/2004/");
        Testsammlung::bildSchreiben(fotos + QStringLiteral("a.jpg"));
        Testsammlung::bildSchreiben(fotos + QStringLiteral("b.jpg"));
        s->z.einstellungen.lngBehandlungBilder = 1;
        Fernbedienung fern;
        fern.schritte << [](QWidget* w) {
            auto* d = qobject_cast<frmNamenAbfragen*>(w);
            if (!d)
                return false;
            QTest::keyClicks(d->txtNameAlbum, QStringLiteral("Jahr 2004"));
            QTest::mouseClick(d->cmdOK, Qt::LeftButton);
            return true;
        };
        fern.schritte << [](QWidget* w) {
            auto* d = qobject_cast<frmNamenAbfragen*>(w);
            if (!d)
                return false;
            QTest::mouseClick(d->cmdAbbrechen, Qt::LeftButton);
            return true;
        };
        QWidget haupt;
        haupt.resize(800, 600);
        haupt.show();
        QCOMPARE(OrdnerImportieren(s->z, s->db, {fotos, platte + QStringLiteral("Musik/")}, &haupt), 1);
        QVERIFY(fern.schritte.isEmpty());
        QCOMPARE(fern.gesehen, QStringList({"Bilder werden verschoben."}));
        QCOMPARE(QDir(s->z.bilderverzeichnis + QStringLiteral("Jahr 2004")).entryList(QDir::Files),
                 QStringList({"a.jpg", "b.jpg"}));
        // No notice stays behind.
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<frmCopyInfo*>(w) || !w->isVisible());
    }

    void vorschaubilderFenster()
    {
        const QString quelle = platte + QStringLiteral("Fotos/2003/");
        for (int i = 1; i <= 6; ++i)
            Testsammlung::bildSchreiben(quelle + QStringLiteral("bild%1.jpg").arg(i), QSize(320, 240));
        s->albumWaehlen(s->albumAnlegen(QStringLiteral("2003"), s->z.programmordner + QLatin1Char('/')));
        s->albumFeldSetzen(s->z.albumNummer, QStringLiteral("Pfad"), quelle);
        s->z.albumPfad = quelle;

        frmAlbumLaden fenster(s->z, s->db);
        QCOMPARE(fenster.windowTitle(), QStringLiteral("Kolvar - Vorschaubilder werden erzeugt!"));
        QList<int> werte;
        int mitSanduhr = 0;
        connect(fenster.pgbLadezustand, &QProgressBar::valueChanged, &fenster, [&](int wert) {
            werte << wert;
            const QCursor* zeiger = QGuiApplication::overrideCursor();
            if (zeiger && zeiger->shape() == Qt::WaitCursor)
                ++mitSanduhr;
            if (wert == 3)
                foto(&fenster, QStringLiteral("frmAlbumLaden"));
        });
        QCOMPARE(fenster.exec(), int(QDialog::Accepted));
        QCOMPARE(werte, QList<int>({1, 2, 3, 4, 5, 6}));
        QCOMPARE(fenster.pgbLadezustand->maximum(), 6);
        QCOMPARE(mitSanduhr, 6);
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(fenster.vorschaubilderErzeugt());
        QCOMPARE(QDir(quelle + QStringLiteral("TempBilder")).entryList(QDir::Files).size(), 6);

        // The folder exists now: nothing is shown, nothing made.
        QVERIFY(!AlbumLadenAusfuehren(s->z, s->db, nullptr));
    }
};

QTEST_MAIN(TestDialoge)

#include "test_dialoge.moc"
