#pragma once
#include <QList>
#include <QString>

class QRect;

class Registry;

// All user settings with their defaults, in one typed place. Read once when
// the main window loads, written once when it unloads; in between only the
// values in memory change.
struct Einstellungen {
    int GroesseVorschauBild = 80;        // browser cell edge in pixels: 80, 100, 120
    int AnzahlBrowserZeilen = 3;         // browser rows: 2, 3, 4
    float BilderFormGroesseX = 9000;     // zoom window width, twips
    float BilderFormGroesseY = 7000;     // zoom window height, twips
    int lngBehandlungNeueAlben = 0;      // 0 (and 1) copy/move into the picture directory, 2 leave in place
    int lngBehandlungNeueCDAlben = 1;    // 0 copy from CD, 1 leave on CD
    int lngBehandlungBilder = 0;         // added pictures: 0 copy, 1 move
    bool blnPraeBilderAngleichen = true; // slide show: every picture as large as possible
    bool blnTastenTausch = false;        // slide show: mouse buttons swapped
    bool MdacOK = false;                 // database components passed the start test
    int ListeBreite = 3900;              // picture list width as the user left it, twips
    bool blnAngabenUebernehmen = true;   // import and "Hinzufügen" take keywords and remark from the files
};

// The main window's normal-state geometry in twips and its window state.
struct Fenstergeometrie {
    enum Zustand { Normal = 0, Minimiert = 1, Maximiert = 2 };
    int hoehe = 9000;
    int breite = 12000;
    int links = 0;
    int oben = 0;
    int status = Normal;
};

// What the settings load hands to the program.
struct GeladeneEinstellungen {
    QString aktuelleDatenbank;  // " " and "" both mean: none
    Fenstergeometrie geometrie;
    Einstellungen optionen;
};

// Reads every value with its default, in the stored order; a value that is
// not a number yields its default, a window size or place beyond 16 bit is
// clamped to it.
GeladeneEinstellungen EinstellungenLaden(const Registry& registry);

// Writes every value in the stored order; an empty database path is kept as " ".
void EinstellungenSpeichern(Registry& registry, const QString& programmordner,
                            const QString& aktuelleDatenbank, const Fenstergeometrie& geometrie,
                            const Einstellungen& optionen, const QString& versionstext);

// A window rectangle fitted onto the screen it shows most on (the first when
// none): no larger than that screen and wholly on it, so that its title bar
// can always be reached. The screens are their available areas.
QRect FensterAufBildschirm(const QRect& fenster, const QList<QRect>& bildschirme);

// Text forms used in the store.
QString WahrheitswertText(bool wert);
