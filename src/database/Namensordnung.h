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

// True when the names differ at most in case.
bool Gleich(const QString& a, const QString& b);

}  // namespace Namensordnung
