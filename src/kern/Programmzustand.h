#pragma once
#include "Einstellungen.h"
#include "Laufwerksliste.h"
#include "Meldungen.h"
#include "Oberflaeche.h"

#include <QString>
#include <QStringList>

// The program-wide state every window meets at: the open database, the
// picture directory, the current album, its picture paths, the settings
// and one open flag per child window. One instance lives for the whole run
// and is handed to whoever needs it; nothing here touches a widget.
//
// Lists are 0-based here; positions shown to the user or taken from a
// recordset's AbsolutePosition are 1-based and converted where they meet.
struct Programmzustand {
    QString programmordner;      // folder of the running program, no trailing "/"
    QString versionstext;        // "1.0.43"
    QString hilfedatei;          // the help start page beside the program
    QString schreibordner;       // where the program may write when its own folder is read-only
    QString datenordner;         // what the program ships (help/, "neuesbild.jpg"): beside it or share/kolvar

    QString aktuelleDatenbank;   // path of the open database; empty when none
    bool datenbankGeoeffnet = false;  // once opened in this run (closing does not reset it)
    bool datenbankOffen = false;      // a database is open right now
    QString bilderverzeichnis;   // always ending with "/"

    QString albumNummer;         // names the album's picture table
    QString albumName;
    QString albumPfad;           // `Pfad` of the album
    QString albumCDName;         // `CD-Name`; empty for albums on a hard disk
    bool suchergebnisAngezeigt = false;
    int anzahlAlben = 0;

    QStringList bildPfade;       // picture (or thumbnail) paths of the current album
    QStringList bildDBNummern;   // beside them each picture's key
    QStringList laufwerke;       // roots of all volumes, from the last drive scan

    int praesentationStartposition = 1;
    QString praesentationTabelle;  // table of the open presentation ("P0007"); empty when none
    QString praesentationName;     // its name; empty when none is open
    QString praesentationNummer;   // its `Nummer` as text
    Einstellungen einstellungen;
    bool importModus = false;    // presentation import runs the album import
    int importLaeuft = 0;        // an import run (nested: a presentation import holds one too)
    QString keinPlatzGemeldet;   // the full disk already reported in this import run

    // The album chooser's list: entry 0 is the prompt, then the albums by name.
    QStringList albenauswahl;
    int albenauswahlIndex = -1;

    struct OffeneFenster {
        bool albenAnzeige = false;   // frmAlbenAnzeige
        bool albenAuswahl = false;   // frmAlbenAuswahl
        bool suche = false;          // frmSuche
        bool vorschau = false;       // frmVorschau
        bool bilder = false;         // frmBilder
        bool storyboard = false;     // frmPraesentationStoryboard
        bool bilderListe = false;    // frmBilderListe
        bool begriffe = false;       // frmBegriffe
    } offen;

    // Reached through the state so that tests can put in their own.
    Meldungen::Dienst* meldungen = nullptr;
    Oberflaeche* oberflaeche = nullptr;
    const Laufwerksliste* laufwerksliste = nullptr;

    // Shows a message through the installed service (OK when there is none).
    Meldungen::Antwort Meldung(const QString& text, Meldungen::Stil stil = Meldungen::Normal,
                               const QString& titel = QString()) const;
    Oberflaeche& ui() const;

    // The default picture directory of a new collection: the user's pictures
    // folder (~/Bilder) + "Kolvar/"; the data folder when there is none.
    QString StandardBilderverzeichnis() const;
};
