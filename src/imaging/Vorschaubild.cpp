#include "Vorschaubild.h"

#include "Bildleser.h"
#include "Twips.h"
#include "cDIBSection.h"
#include "mIntelJPEGLibrary.h"

#include <algorithm>
#include <cmath>

namespace {

Vorschauergebnis Ladefehler(const QString& grund)
{
    Vorschauergebnis ergebnis;
    ergebnis.fehlertext = QStringLiteral("Fehler beim Laden des Bildes.");
    ergebnis.grund = grund;
    return ergebnis;
}

} // namespace

QSizeF VorschaubildGroesseTwips(const QSizeF& bildTwips, const Vorschauvorgaben& vorgaben)
{
    if (bildTwips.isEmpty())
        return QSizeF();
    double hoehe = vorgaben.hoeheTwips;
    double breite = bildTwips.width() * hoehe / bildTwips.height();
    if (breite > vorgaben.breiteTwips) {
        breite = vorgaben.breiteTwips;
        hoehe = bildTwips.height() * breite / bildTwips.width();
    }
    return QSizeF(breite, hoehe);
}

QSize VorschaubildGroesse(const QSize& bildPixel, const Vorschauvorgaben& vorgaben)
{
    // Measured in twips as the cell is; a 1 x 4000 picture still gets one
    // pixel of width.
    const double proPixel = vorgaben.twipsProPixel > 0 ? vorgaben.twipsProPixel : Twips::proPixel();
    const QSizeF twips
        = VorschaubildGroesseTwips(QSizeF(bildPixel.width() * proPixel, bildPixel.height() * proPixel), vorgaben);
    if (twips.isEmpty())
        return QSize();
    const auto zuPixel = [proPixel](double t) { return static_cast<int>(std::lround(t / proPixel)); };
    return QSize(std::max(1, zuPixel(twips.width())), std::max(1, zuPixel(twips.height())));
}

Vorschauergebnis VorschaubildErzeugen(
    const QString& bildPfad, const QString& zielPfad, const Vorschauvorgaben& vorgaben)
{
    Bildleser leser;
    if (!leser.Oeffnen(bildPfad))
        return Ladefehler(leser.fehler());
    const QImage bild = leser.Lesen(VorschaubildGroesse(leser.Groesse(), vorgaben));
    if (bild.isNull())
        return Ladefehler(leser.fehler());

    cDIBSection bitmap;
    if (!bitmap.CreateFromPicture(bild))
        return Ladefehler(QStringLiteral("Für das Vorschaubild ist kein Speicher frei."));
    JpegFehler fehler;
    Vorschauergebnis ergebnis;
    if (!JpegSpeichern(bitmap, zielPfad, vorgaben.qualitaet, &fehler)) {
        ergebnis.fehlertext = fehler.beschreibung;
        ergebnis.grund = fehler.grund;
        ergebnis.keinPlatz = fehler.keinPlatz;
        return ergebnis;
    }
    ergebnis.ok = true;
    ergebnis.breite = bitmap.Width();
    ergebnis.hoehe = bitmap.Height();
    return ergebnis;
}
