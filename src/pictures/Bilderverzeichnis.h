#pragma once
#include "Einstellungspruefung.h"

#include <QString>
#include <QVector>

struct Programmzustand;
struct Datenbankobjekte;

// The picture directory of the open collection as the settings dialog
// changes it: the albums it must hold, and storing a new value.

// `Pfad` and `CD-Name` of every album of rsAlben; its current row stays.
QVector<Einstellungspruefung::AlbumOrt> AlbenOrte(Datenbankobjekte& db);

// Stores the folder (a "/" appended) in `Daten` first; only when that
// worked does the program use it. On failure the old value stays
// everywhere and fehler holds the German message naming the folder.
bool BilderverzeichnisSpeichern(Programmzustand& z, Datenbankobjekte& db, const QString& ordner, QString* fehler);
