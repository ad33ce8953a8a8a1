#pragma once
#include <QSize>
#include <QSizeF>
#include <QString>

// Makes the JPEG thumbnail of one picture, without a window: the picture is
// decoded already reduced to the thumbnail size, put into a cDIBSection and
// written by JpegSpeichern. The album import and the picture list call it
// once per picture and show their own message on failure.

// The cell a thumbnail must fit, in twips, and the JPEG quality.
struct Vorschauvorgaben {
    int hoeheTwips = 2340;
    int breiteTwips = 2400;
    int qualitaet = 85;
    double twipsProPixel = 0;  // 0: as the screen has it; set for work off the window's thread
};

struct Vorschauergebnis {
    bool ok = false;
    QString fehlertext; // the message for the user: "Fehler beim Laden des Bildes." or the writer's
    QString grund; // the detail behind it
    bool keinPlatz = false; // the disk of the target is full
    int breite = 0; // size of the thumbnail written, in pixels
    int hoehe = 0;
};

// The picture, keeping its proportions, scaled to the cell's height, or to
// its width when it would be wider than the cell. Small pictures grow.
QSizeF VorschaubildGroesseTwips(const QSizeF& bildTwips, const Vorschauvorgaben& vorgaben = {});
// The same for a picture measured in pixels, giving pixels; never below 1 x 1.
QSize VorschaubildGroesse(const QSize& bildPixel, const Vorschauvorgaben& vorgaben = {});

// Writes the thumbnail of the picture to zielPfad. A picture that cannot be
// read leaves no file behind (and an older thumbnail at zielPfad untouched).
Vorschauergebnis VorschaubildErzeugen(
    const QString& bildPfad, const QString& zielPfad, const Vorschauvorgaben& vorgaben = {});
