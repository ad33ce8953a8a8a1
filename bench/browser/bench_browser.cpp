// The thumbnail browser over large albums against decoding the same
// thumbnail files with QImageReader alone.
#include "Benchsammlung.h"
#include "Bildliste.h"
#include "Bildorte.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Vorschaulogik.h"
#include "frmBilderListe.h"
#include "frmVorschau.h"
#include "mdlDatenbanken.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <cstdio>
#include <memory>

namespace {

constexpr int Laeufe = 5;
constexpr int Seiten = 40;

// Names and marks from the picture list, as the main window passes them.
class Vermittlung : public Oberflaeche {
public:
    frmBilderListe* liste = nullptr;
    bool BildMarkiert(int p) override { return liste->modell().markiert(p); }
    QString ListenBildname(int p) override
    {
        return liste->modell().gueltig(p) ? liste->modell().eintrag(p).dateiname : QString();
    }
};

// 160 x 120 thumbnails as the import makes them: a few different photos-like
// pictures copied under every name of the album.
void vorschaubilderMachen(const QString& ordner, int n)
{
    const QString fertig = ordner + QStringLiteral("/.fertig");
    if (QFile::exists(fertig))
        return;
    QDir(ordner).removeRecursively();
    QDir().mkpath(ordner);
    QStringList muster;
    QRandomGenerator zufall(7);
    for (int m = 0; m < 32; ++m) {
        QImage bild(160, 120, QImage::Format_RGB32);
        QPainter p(&bild);
        QLinearGradient verlauf(0, 0, 160, 120);
        verlauf.setColorAt(0, QColor::fromHsv(m * 11 % 360, 180, 230));
        verlauf.setColorAt(1, QColor::fromHsv((m * 11 + 120) % 360, 200, 60));
        p.fillRect(bild.rect(), verlauf);
        for (int k = 0; k < 60; ++k) {
            p.setBrush(QColor::fromRgb(zufall.generate()));
            p.setPen(Qt::NoPen);
            p.drawEllipse(
                QPointF(zufall.bounded(160), zufall.bounded(120)), zufall.bounded(3, 20), zufall.bounded(3, 20));
        }
        p.end();
        const QString datei = ordner + QStringLiteral("/muster%1.jpg").arg(m);
        bild.save(datei, "JPEG", 85);
        muster << datei;
    }
    for (int i = 0; i < n; ++i)
        QFile::copy(
            muster.at(i % muster.size()), ordner + QStringLiteral("/bild%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
    QFile f(fertig);
    f.open(QIODevice::WriteOnly);
}

struct Ergebnis {
    double oeffnen = 0;
    double seite = 0;
    double boden = 0;
};

Ergebnis messen(const QString& ordner, int n)
{
    const QString programm = ordner + QStringLiteral("/n%1").arg(n);
    const QString pfad = programm + QStringLiteral("/browser.mdb");
    QDir().mkpath(programm);
    if (!QFile::exists(pfad))
        GrosseSammlungMachen(pfad, n);
    vorschaubilderMachen(programm + QStringLiteral("/BilderVerzeichnis/Gross/TempBilder"), n);

    Programmzustand z;
    z.programmordner = programm;
    Vermittlung ui;
    z.oberflaeche = &ui;
    Datenbankobjekte db;
    if (!DatenbankOeffnen(z, db, pfad))
        qFatal("Die Sammlung %s lässt sich nicht öffnen.", qPrintable(pfad));
    z.bilderverzeichnis = programm + QStringLiteral("/BilderVerzeichnis/");
    z.albumPfad = QStringLiteral("Gross/");
    z.einstellungen.GroesseVorschauBild = 80;
    z.einstellungen.AnzahlBrowserZeilen = 3;
    frmBilderListe liste(z, db);
    ui.liste = &liste;
    liste.ListeAuffuellen();
    const Bildliste bilder;

    Ergebnis e;
    QVector<double> oeffnen;
    QElapsedTimer uhr;
    for (int lauf = 0; lauf < Laeufe; ++lauf) {
        // From the menu command to the first page on the screen.
        uhr.start();
        BildPfadeLaden(z, db);
        auto browser = std::make_unique<frmVorschau>(z, db, bilder);
        browser->resize(900, browser->benoetigteHoehe());
        browser->show();
        browser->Aktivieren();
        browser->repaint();
        oeffnen << uhr.nsecsElapsed() / 1e6;
        if (lauf + 1 < Laeufe)
            continue;

        if (browser->navigation().AnzahlBilder() != n)
            std::fprintf(stderr, "kolvar: %d statt %d Bilder\n", browser->navigation().AnzahlBilder(), n);
        // Pages not seen before: the cache does not help.
        QVector<double> seiten, boden;
        const int zellen = browser->AnzahlPlatzhalter();
        for (int s = 0; s < Seiten; ++s) {
            uhr.start();
            browser->Navigieren(frmVorschau::Schritt::SeiteVor);
            browser->repaint();
            seiten << uhr.nsecsElapsed() / 1e6;
            const Seitenbereich seite = browser->navigation().Seite();
            uhr.start();
            int gelesen = 0;
            for (int k = seite.erstes; k <= seite.letztes && k - seite.erstes < zellen; ++k) {
                QImageReader leser(z.bildPfade.at(k - 1));
                leser.setScaledSize(ZellenbildGroesse(leser.size(), 80));
                gelesen += leser.read().isNull() ? 0 : 1;
            }
            boden << uhr.nsecsElapsed() / 1e6;
            if (gelesen == 0)
                std::fprintf(stderr, "Seite %d: keine Datei gelesen\n", s);
        }
        e.seite = Median(seiten);
        e.boden = Median(boden);
        browser->close();
    }
    e.oeffnen = Median(oeffnen);
    DatenbankSchliessen(z, db);
    return e;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString ordner
        = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + QStringLiteral("/bench-browser");
    const Ergebnis klein = messen(ordner, 1000);
    const Ergebnis gross = messen(ordner, 10000);
    std::printf("browser: 1000 pictures, open %.0f ms, page %.2f ms, floor %.2f ms; page at 10000 / at 1000: %.2f\n",
        klein.oeffnen, klein.seite, klein.boden, gross.seite / klein.seite);
    std::printf("browser: 10000 pictures, open %.0f ms, page %.2f ms, floor %.2f ms, ratio %.2f\n", gross.oeffnen,
        gross.seite, gross.boden, gross.seite / gross.boden);
    return 0;
}
