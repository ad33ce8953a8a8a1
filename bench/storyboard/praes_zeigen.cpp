// Puts the presentation windows on the X screen with real photographs and
// saves a screenshot of each state with `import -window root`. Clicks and
// keys go through the X server (xdotool), as the user's would.
#include "Anwendung.h"
#include "Benchsammlung.h"
#include "Ordnerauswahl.h"
#include "Storyboardstreifen.h"
#include "frmHilfe.h"
#include "frmPraeExportieren.h"
#include "frmPraesentationAnzeige.h"
#include "frmPraesentationStoryboard.h"
#include "mdlDatenbanken.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMdiArea>
#include <QMenu>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>

namespace {

QString schirmbilder;

void foto(const QString& name)
{
    QTest::qWait(400);
    QProcess::execute(QStringLiteral("import"),
        { QStringLiteral("-window"), QStringLiteral("root"),
            schirmbilder + QLatin1Char('/') + name + QStringLiteral(".png") });
}

// Through the X server: "mousemove X Y click 3", "key F1".
void xdotool(const QString& befehl)
{
    QProcess::startDetached(QStringLiteral("xdotool"), befehl.split(QLatin1Char(' ')));
    QTest::qWait(500);
}

void klick(QWidget* w, const QPoint& punkt, int knopf)
{
    const QPoint global = w->mapToGlobal(punkt);
    xdotool(QStringLiteral("mousemove %1 %2 click %3").arg(global.x()).arg(global.y()).arg(knopf));
}

void menueSchliessen()
{
    if (QWidget* menue = QApplication::activePopupWidget())
        menue->close();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString fotos = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/');
    schirmbilder = QString::fromLocal8Bit(argv[2]);
    const QString arbeit = QDir::tempPath() + QStringLiteral("/praes-zeigen");
    QDir(arbeit).removeRecursively();
    QDir().mkpath(arbeit + QStringLiteral("/album/TempBilder"));

    // An album of the photographs, a few dozen with repeats, thumbnails made here.
    QStringList quellen = QDir(fotos).entryList({ QStringLiteral("*.jpg") }, QDir::Files, QDir::Name);
    const QString datei = arbeit + QStringLiteral("/Fotos.mdb");
    GrosseSammlungMachen(datei, 1);
    {
        Verbindung con;
        con.Oeffnen(datei, Verbindung::LesenSchreiben);
        Transaktion t(con);
        con.Ausfuehren(QStringLiteral("DELETE FROM \"1\""));
        con.Ausfuehren(QStringLiteral("UPDATE Alben SET Albenname = 'Natur', Pfad = ? WHERE Nummer = 1"),
            { arbeit + QStringLiteral("/album/") });
        for (int i = 0; i < 30; ++i) {
            const QString quelle = quellen[i % quellen.size()];
            const QString name = QStringLiteral("%1_%2").arg(i + 1, 2, 10, QLatin1Char('0')).arg(quelle);
            // Smaller than the screen, so that fitting shows.
            QImage(fotos + quelle)
                .scaledToWidth(1000, Qt::SmoothTransformation)
                .save(arbeit + QStringLiteral("/album/") + name, "JPEG", 90);
            QImage(fotos + quelle)
                .scaled(160, 160, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                .save(arbeit + QStringLiteral("/album/TempBilder/") + name, "JPEG", 85);
            con.Ausfuehren(
                QStringLiteral("INSERT INTO \"1\" (DBNummer, Dateiname, ID, Datum) VALUES (?, ?, 0, '2024-06-01')"),
                { QStringLiteral("0001%1").arg(i + 1, 5, 10, QLatin1Char('0')), name });
        }
        t.bestaetigen();
    }

    Anwendung a;
    a.Vorbereiten(QCoreApplication::applicationDirPath());
    if (!a.HauptfensterZeigen())
        return 1;
    mdiHauptform* h = a.hauptfenster();
    h->showMaximized();
    h->dateiWaehlen = [&](bool) { return datei; };
    h->DatenbankOeffnenBefehl();
    Programmzustand& z = a.zustand();
    z.albumNummer = QStringLiteral("1");
    AlbumOeffnen(z, a.datenbank(), QStringLiteral("1"));
    h->AlbumAlsPraesentationBefehl();
    frmPraesentationStoryboard* sb = h->storyboard();
    if (!sb)
        return 1;
    // A few drops and moves as the hand would make them.
    using Z = Storyboardstreifen::Ziel;
    sb->streifen().Ablegen({ Z::Bild, 2 }, 0, QStringLiteral("000100007"));
    sb->streifen().Ablegen({ Z::Luecke, 1 }, 0, QStringLiteral("000100012"));
    sb->streifen().Ablegen({ Z::Bild, 1 }, 5, QString());
    sb->streifen().Ablegen({ Z::Bild, 8 }, 3, QString());
    sb->modell().BildLoeschen(10);
    sb->hscListeEinrichten();
    foto(QStringLiteral("1-storyboard"));
    sb->laufleiste().setValue(1000);
    foto(QStringLiteral("2-storyboard-ende"));
    sb->laufleiste().setValue(0);

    // The picture's pop-up menu, by a right click on picture 3: one menu.
    h->activateWindow();
    klick(&sb->streifen(), sb->streifen().bildRechteck(3).center(), 3);
    foto(QStringLiteral("3-bildmenue"));
    menueSchliessen();
    sb->BildInfo();
    foto(QStringLiteral("4-info"));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmPraeBildInfo"))
            w->close();
    klick(&sb->streifen(), sb->streifen().bildRechteck(1).topLeft() - QPoint(0, 3), 3);
    foto(QStringLiteral("5-praesentationsmenue"));
    menueSchliessen();

    // The export's folder tree: the user clicks a folder, then its parent is read again.
    const QString viele = arbeit + QStringLiteral("/Ziele/");
    for (int i = 0; i < 60; ++i)
        QDir().mkpath(viele + QStringLiteral("Ordner%1").arg(i, 2, 10, QLatin1Char('0')));
    {
        frmPraeExportieren d(z, a.datenbank(), h);
        d.show();
        d.ordnerauswahl->pfadSetzen(viele + QStringLiteral("Ordner30"));
        QTest::qWait(800);
        QTreeView* baum = d.ordnerauswahl->dirVerzeichnisse;
        klick(baum->viewport(), baum->visualRect(baum->currentIndex()).center() - QPoint(0, 60), 1);
        QFile(viele + QStringLiteral("neu.txt")).open(QIODevice::WriteOnly);
        QTest::qWait(800);
        foto(QStringLiteral("8-exportbaum-nach-neuem-lesen"));
    }

    for (bool angleichen : { true, false }) {
        z.einstellungen.blnPraeBilderAngleichen = angleichen;
        h->PraesentationStarten(3);
        (void)QTest::qWaitFor([&] { return h->diaschau() && h->diaschau()->bildGezeigt(); }, 10000);
        foto(angleichen ? QStringLiteral("6-diaschau-angeglichen") : QStringLiteral("7-diaschau-natuerlich"));
        h->diaschau()->Schritt(Diaschaufolge::Schritt::Vor);
        (void)QTest::qWaitFor([&] { return h->diaschau()->bildGezeigt(); }, 10000);
        foto(angleichen ? QStringLiteral("6b-diaschau-weiter") : QStringLiteral("7b-diaschau-weiter"));
        h->diaschau()->close();
        QTest::qWait(300);
    }
    // F1 in the slide show: the help in front; Escape in the help still ends the show.
    z.einstellungen.blnPraeBilderAngleichen = true;
    h->PraesentationStarten(1);
    (void)QTest::qWaitFor([&] { return h->diaschau() && h->diaschau()->bildGezeigt(); }, 10000);
    foto(QStringLiteral("9-diaschau-hell"));
    xdotool(QStringLiteral("key F1"));
    foto(QStringLiteral("10-diaschau-hilfe"));
    xdotool(QStringLiteral("key Escape"));
    foto(QStringLiteral("11-nach-escape"));
    h->close();
    return 0;
}
