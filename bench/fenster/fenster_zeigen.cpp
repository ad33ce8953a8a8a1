// Puts the album windows on the X screen, in a main window as large as the
// screen, and saves a screenshot of each state.
#include "Anwendung.h"
#include "Datenbankschema.h"
#include "frmAlbenAnzeige.h"
#include "frmBegriffe.h"
#include "frmVorschau.h"
#include "mdiHauptform.h"
#include "mdlDatenbanken.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

QString schirmbilder;

// The whole X screen, dialogs included, once the windows have settled.
void foto(const QString& name)
{
    QTest::qWait(600);
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        schirmbilder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// A collection with the album "Natur" of 30 coloured pictures and the empty album "Leer".
QString sammlungMachen(const QString& arbeit)
{
    const QString datei = arbeit + QStringLiteral("/Fenster.mdb");
    DatenbankErstellen(datei);
    Programmzustand z;
    z.programmordner = arbeit;
    z.bilderverzeichnis = arbeit + QStringLiteral("/bilder/");
    Datenbankobjekte db;
    if (!DatenbankOhneAlbenOeffnen(z, db, datei))
        return QString();
    AlbumAnlegen(z, db, QStringLiteral("Natur"), arbeit + QLatin1Char('/'));
    AlbumAnlegen(z, db, QStringLiteral("Leer"), arbeit + QLatin1Char('/'));
    DatenbankSchliessen(z, db);
    if (!DatenbankOeffnen(z, db, datei))
        return QString();
    const QString ordner = QDir::isAbsolutePath(z.albumPfad) ? z.albumPfad : z.bilderverzeichnis + z.albumPfad;
    for (int i = 1; i <= 30; ++i) {
        QImage bild(400, 300, QImage::Format_RGB32);
        bild.fill(QColor::fromHsv((i * 37) % 360, 160, 220));
        QPainter(&bild).drawText(bild.rect(), Qt::AlignCenter, QString::number(i));
        const QString name = QStringLiteral("Bild%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        bild.save(ordner + name);
        BildEintragen(db, name, 0, QStringLiteral("01.06.2024"));
    }
    DatenbankSchliessen(z, db);
    return datei;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 4)
        return 2;
    schirmbilder = QString::fromLocal8Bit(argv[1]);
    const QSize groesse(QString::fromLocal8Bit(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]).toInt());
    const QString arbeit = QDir::tempPath() + QStringLiteral("/fenster-zeigen");
    QDir(arbeit).removeRecursively();
    QDir().mkpath(arbeit);
    const QString datei = sammlungMachen(arbeit);
    if (datei.isEmpty())
        return 1;

    Anwendung a;
    a.Vorbereiten(QCoreApplication::applicationDirPath());
    if (!a.HauptfensterZeigen())
        return 1;
    mdiHauptform* h = a.hauptfenster();
    h->setGeometry(QRect(QPoint(0, 0), groesse));
    h->dateiWaehlen = [&](bool) { return datei; };
    h->DatenbankOeffnenBefehl();
    QTest::qWait(800);
    const QString vorsilbe = QStringLiteral("%1x%2-").arg(groesse.width()).arg(groesse.height());
    foto(vorsilbe + QStringLiteral("1-anzeige"));

    // The keyword window beside the viewer, reduced and extended; then the
    // viewer is clicked and the keyword window must stay in sight.
    h->BegriffeFensterUmschalten();
    foto(vorsilbe + QStringLiteral("2-begriffe"));
    if (frmBegriffe* b = h->begriffeFenster()) {
        b->NeuenDatensatzEinfuegen(QStringLiteral("Strand"));
        b->cmdErweitert_Click();
        foto(vorsilbe + QStringLiteral("3-begriffe-erweitert"));
        QTest::mouseClick(h->albenAnzeige()->findChild<QWidget*>(QStringLiteral("txtBemerkung")), Qt::LeftButton);
        foto(vorsilbe + QStringLiteral("4-anzeige-geklickt"));
        QTimer::singleShot(900, [vorsilbe] {
            foto(vorsilbe + QStringLiteral("5-umbenennen"));
            if (QWidget* dialog = QApplication::activeModalWidget())
                dialog->close();
        });
        b->cmdAendern_Click();
        h->BegriffeFensterUmschalten();
    }

    // The browser with four rows of the largest thumbnails, below the storyboard, on an empty album.
    Programmzustand& z = a.zustand();
    z.einstellungen.AnzahlBrowserZeilen = 4;
    z.einstellungen.GroesseVorschauBild = 120;
    h->BrowserBefehl();
    foto(vorsilbe + QStringLiteral("6-browser"));
    h->AlbumAlsPraesentationBefehl();
    foto(vorsilbe + QStringLiteral("7-browser-storyboard"));
    h->mnuPraeSchliessen_Click();
    AlbumOeffnen(z, a.datenbank(), QStringLiteral("2"));
    h->AlbumAnsichtenZeigen();
    foto(vorsilbe + QStringLiteral("8-browser-leer"));
    h->close();
    return 0;
}
