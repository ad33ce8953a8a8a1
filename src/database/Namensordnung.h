#pragma once
#include <QString>

// How names compare everywhere in the program: in German order ("Ägypten"
// beside "Apfel", "Großes Album" after "Gärten") and, for names the user
// gives, without regard to case for every letter ("Äpfel" and "äpfel" are
// one name). SQLite's NOCASE folds ASCII only, so lists and uniqueness
// checks go through here instead.
namespace Namensordnung {

// <0, 0, >0 in German order, case only deciding between otherwise equal
// names, so that the order is fixed.
int Vergleichen(const QString& a, const QString& b);

// The text with every letter in its case-folded form: two texts are equal
// without regard to case when their folded forms are.
QString Gefaltet(const QString& text);

// True when the names differ at most in case.
bool Gleich(const QString& a, const QString& b);

// Width of the name columns (albums, presentations, keywords).
constexpr int MaximaleLaenge = 50;

// A name as the user means it: without blanks before and after, cut to the
// column's width and trimmed again, so that no cut leaves a trailing blank.
// A name of blanks only becomes "".
QString Bereinigt(const QString& name, int laenge = MaximaleLaenge);

}  // namespace Namensordnung
