#pragma once
#include <QString>

// A picture's keyword field: one entry " n;" per keyword it has (blank,
// the keyword's number, semicolon), in the order they were given. The
// leading blank keeps " 7;" apart from " 17;". Runs of blanks and a
// trailing blank, left by removals, are legal. Pure text work, no database.
namespace Begriffsfeld {

// The column's limits: the picture's field and a keyword's text.
constexpr int FeldLaenge = 255;
constexpr int BegriffLaenge = 50;

QString Eintrag(qint64 nummer);
bool Enthaelt(const QString& feld, qint64 nummer);
// The field with the entry at its end; an empty field becomes " n;".
QString Anhaengen(const QString& feld, qint64 nummer);
// The field without the entry: the text before the number (its blank stays)
// and what follows the semicolon less the blank that starts the next entry.
// Unchanged when the picture does not have the keyword.
QString Entfernen(const QString& feld, qint64 nummer);

}  // namespace Begriffsfeld
