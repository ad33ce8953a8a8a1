#pragma once
#include <QString>
#include <QStringList>

struct Datenbankobjekte;

// Keeps the presentation tables free of pictures that no longer exist. Rows
// are matched by the number their `DBNummer` stands for, so "000300017" and
// a key written without leading zeros name the same picture. The remaining
// rows keep their `Reihenfolge`: readers sort by it and accept gaps.
//
// Both routines ignore database errors (a presentation whose table is
// missing is skipped). Inside a running transaction they take part in it;
// otherwise they run in one of their own.

// Removes every picture of the album (the first four characters of the key).
void AlbumAusPraesentationenEntfernen(Datenbankobjekte& db, const QString& albumNummer);
// Removes every occurrence of one picture.
void BildAusPraesentationenEntfernen(Datenbankobjekte& db, const QString& dbNummer);
// The same for many pictures at once: one statement per presentation table.
void BilderAusPraesentationenEntfernen(Datenbankobjekte& db, const QStringList& dbNummern);
