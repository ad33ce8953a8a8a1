#pragma once
#include "BilderListeModell.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

struct Programmzustand;
struct Datenbankobjekte;

// Deleting pictures from the current album and adding picture files to it:
// files, rows, keys and thumbnails. Works on rsAlbum and the current album
// of the state; asks and tells the user through the state's messages. The
// picture list calls these and then fills itself anew.
//
// Neither routine ever removes or replaces a picture it was not asked to:
// an added file whose name the album has already gets a free name, and a
// file is deleted only after its row is gone for good.

// Progress of a long run, for a window to show: steps done of all steps.
using Pflegefortschritt = std::function<void(int erledigt, int anzahl)>;

// Moves a file to the desktop's trash; where that fails, or the file did
// not land in a trash folder, it is deleted. True when no file is left at
// the path (and none was left elsewhere).
bool DateiEntsorgen(const QString& pfad);

// Deletes the current row of rsAlbum, its entries in the presentations and,
// while the search result is shown, its row in its own album, in one
// transaction; mitDatei: its file too, once the rows are gone (errors
// ignored). rsAlbum then stands before its first row. Errors reach the
// caller; then no row was deleted.
void BildEintragEntfernen(Programmzustand& z, Datenbankobjekte& db, bool mitDatei);

// "Löschen": refuses albums on a CD, asks once, then deletes the entries'
// rows in one transaction (one clean-up per presentation table) and then
// their files. True when something was deleted; rsAlbum is then at its
// first row.
bool BilderLoeschen(Programmzustand& z, Datenbankobjekte& db, const QVector<BilderListeModell::Eintrag>& markierte,
    const Pflegefortschritt& fortschritt = {});

// False, with the message, for an album on a CD.
bool HinzufuegenMoeglich(const Programmzustand& z);

// Enters the chosen files (full paths) into the current album: copied or
// moved into an album of the picture directory, or where they are for an
// album left in its own folder, which they must lie in. A name the album
// (or its folder) has already gives the new picture a free name; a file
// that is already the album's own picture is skipped. An album without
// folder takes the files' folder first. Rows go in in one transaction;
// sources of a move are deleted only after that; then each thumbnail is
// made. Returns the number of pictures entered.
int NeueBilderEintragen(
    Programmzustand& z, Datenbankobjekte& db, const QStringList& dateien, const Pflegefortschritt& fortschritt = {});

// `DBNummer` of every row of rsAlbum from the album number and the row's
// `Nummer`; only rows whose key differs are written.
void AlbumDBNummernSetzen(Datenbankobjekte& db, const QString& albumNummer);
