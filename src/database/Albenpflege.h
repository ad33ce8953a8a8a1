#pragma once
#include <QString>
#include <QStringList>

struct Programmzustand;
struct Datenbankobjekte;

// Album maintenance without windows: the rules for album names, making an
// album current, creating an empty album, renaming and deleting. The
// dialogs only collect a name and call these; messages go through the
// state. Names are looked up with the recordset's typed filter, so names
// with ' % _ are found like any other, and the filter is always removed
// again so that every list of albums stays complete.

// The name of the search result's table, which no album may take.
QString ReservierterAlbumname();
// The chooser's last entry while the search result is shown.
QString SuchergebnisEintrag();
// Width of the `Albenname` column. Every routine here takes a name as the
// user typed it and trims it first (Namensordnung::Bereinigt): a name of
// blanks counts as empty.
constexpr int MaximaleAlbumnamenLaenge = 50;

// | \ / : * ? " < > cannot be part of a new album's name: it names a folder too.
bool ZeichenImAlbumnamenErlaubt(QChar zeichen);
// The text without those characters.
QString AlbumnamenBereinigen(const QString& text);

enum class Namenspruefung {
    Gueltig,
    Leer, // nothing typed; no message
    Reserviert, // "Name ist reserviert!" was shown
    Vorhanden // "Diesen Namen gibt es schon!" was shown
};

// The checks for a new album's name, with their messages.
Namenspruefung NeuenAlbumnamenPruefen(Programmzustand& z, Datenbankobjekte& db, const QString& name);

// `Nummer` of the album with that name as the file compares names (letters
// without regard to case); "" when there is none.
QString AlbumnummerZumNamen(Datenbankobjekte& db, const QString& name);
// Every `Albenname` in the order of rsAlben.
QStringList Albennamen(Datenbankobjekte& db);

// Creates an album with its own folder in the picture directory (the
// program folder as its source never counts as a CD), whatever the setting
// for new albums says: an empty album has no other place for pictures.
// Returns the folder made. Throws DatenbankFehler; then nothing of the
// album is stored.
QString LeeresAlbumAnlegen(Programmzustand& z, Datenbankobjekte& db, const QString& name);

// Makes the album of exactly that name current: number, name, folder and
// CD name from its row, the search result no longer shown, the chooser on
// its entry. False, and nothing changed, when there is no such album.
bool AlbumWaehlen(Programmzustand& z, Datenbankobjekte& db, const QString& name);

enum class Umbenennung {
    Umbenannt,
    Leer, // nothing typed; no message
    Vorhanden, // another album has the name; "Diesen Namen gibt es schon!" was shown
    Fehlgeschlagen // the row could not be written; a message was shown, nothing changed
};

// Renames the current album; only its row changes, its folder keeps its
// name. Its own name (in any case) is allowed, "TempAlbum" too.
Umbenennung AlbumUmbenennen(Programmzustand& z, Datenbankobjekte& db, const QString& neuerName);

// Number of pictures in the album with that number; 0 when its table is missing.
int AnzahlBilderImAlbum(Datenbankobjekte& db, const QString& nummer);
// The question asked before an album is deleted, naming it and its pictures.
QString AlbumLoeschenFrage(const QString& name, int bilder);

struct Albumloeschung {
    bool geloescht = false;
    // The album to open now (the current one, or the first by name when the
    // current one was deleted); "" when none is left.
    QString naechstesAlbum;
};

// Deletes the album's table, its row and its pictures in every
// presentation, all or nothing; its folder and files stay on disk. When it
// is the current album, its views are closed first. Afterwards the chooser
// lists the remaining albums; when none is left the album commands are
// disabled. A failure is shown as a message and changes nothing; when the
// current album's views had been closed, it is named for reopening.
Albumloeschung AlbumLoeschen(Programmzustand& z, Datenbankobjekte& db, const QString& name, const QString& nummer);
