#pragma once
#include "Praesentationsbilder.h"

#include <QVector>
#include <functional>

struct Programmzustand;
class Verbindung;
class QSize;

// The order and stepping of a slide show, without a window: which picture
// comes next for a key or a mouse button, wrapping at both ends, and the
// search past pictures that cannot be shown. The window only paints the
// position it is given.
class Diaschaufolge {
public:
    enum class Schritt { Keiner, Vor, Zurueck, Schliessen };
    enum class Knopf { Links, Rechts };
    // What became of a picture the show wants to show.
    enum class Lage { Anzeigen, Ueberspringen, Abbrechen };

    // n pictures from the start position, kept within 1..n.
    Diaschaufolge(int anzahl, int start);

    int anzahl() const { return m_anzahl; }
    int position() const { return m_position; }
    bool leer() const { return m_anzahl == 0; }
    // "3/12"
    QString positionstext() const;

    // Escape closes; Left goes back; Up and Down do nothing; every other
    // key (F1 too, after its help) goes on. Qt key codes.
    static Schritt Taste(int taste);
    // Left goes on and right goes back, the other way round with tausch.
    static Schritt Maus(Knopf knopf, bool tausch);

    // Takes the step: the new position (wrapping), or 0 for Schliessen.
    int Gehen(Schritt schritt);
    // Where a step would go, without taking it.
    int Ziel(Schritt schritt) const;
    // The direction of travel: the last step taken (Vor at the start).
    Schritt richtung() const { return m_richtung; }

    // From the current position on, asks pruefen for each picture and goes
    // on in the direction of travel past those to be skipped, at most once
    // round. The position to show, or 0 when the show ends (Abbrechen, or
    // no picture could be shown: the position then stays).
    int Suchen(const std::function<Lage(int position)>& pruefen);

private:
    int m_anzahl;
    int m_position;
    Schritt m_richtung = Schritt::Vor;
};

// The pictures of the slide show: resolved once when it starts.
struct Diaschaubild {
    PraesentationsBild bild;
    QString pfad;  // full path; "" while its CD is in no drive
};
// Throws DatenbankFehler when the table cannot be read.
QVector<Diaschaubild> DiaschaubilderLaden(Programmzustand& z, Verbindung& con, const QString& tabelle);

// Whether the picture can be shown. A picture of a CD album whose disc is
// in no drive: "Bitte CD '...' einlegen!"; Cancel ends the show, OK looks
// again and skips the picture when the disc is still missing. Any other
// missing file is shown as an empty screen, without a message.
Diaschaufolge::Lage DiaschaubildPruefen(Programmzustand& z, Diaschaubild& bild);

// The size a picture of that size is shown at on a screen of that size: the
// largest that fits, keeping its proportions, when it is larger than the
// screen or fitting is asked for; else its own.
QSize Anzeigegroesse(const QSize& bild, const QSize& bildschirm, bool angleichen);
