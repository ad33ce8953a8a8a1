#pragma once
#include "BilderListeModell.h"

#include <QString>
#include <QStringList>
#include <QVector>

struct Programmzustand;
struct Datenbankobjekte;

// Deleting pictures from the current album and adding picture files to it:
// files, rows, keys and thumbnails. Works on rsAlbum and the current album
// of the state; asks and tells the user through the state's messages. The
// picture list calls these and then fills itself anew.

// Moves a file to the desktop's trash; only where that fails is it
// deleted. True when no file is left at the path.
bool DateiEntsorgen(const QString& pfad);

// Deletes the current row of rsAlbum, its entries in the presentations and,
// while the search result is shown, its row in its own album; mitDatei: its
// file too (errors ignored). rsAlbum then stands before its first row.
void BildEintragEntfernen(Programmzustand& z, Datenbankobjekte& db, bool mitDatei);

// "Löschen": refuses albums on a CD, asks once, then deletes the entries'
// files and rows in the given order. True when something was deleted;
// rsAlbum is then at its first row.
bool BilderLoeschen(Programmzustand& z, Datenbankobjekte& db, const QVector<BilderListeModell::Eintrag>& markierte);

// False, with the message, for an album on a CD.
bool HinzufuegenMoeglich(const Programmzustand& z);

// Enters the chosen files (full paths from one folder) into the current
// album: copied or moved into an album of the picture directory, or where
// they are for an album left in its own folder, which they must lie in.
// An album without folder takes the files' folder first. Makes each
// thumbnail and sets the keys. Returns the number of pictures entered.
int NeueBilderEintragen(Programmzustand& z, Datenbankobjekte& db, const QStringList& dateien);

// `DBNummer` of every row of rsAlbum from the album number and the row's
// `Nummer`; only rows whose key differs are written.
void AlbumDBNummernSetzen(Datenbankobjekte& db, const QString& albumNummer);
