#pragma once
#include <QStringList>

class QWidget;

// Underlined letters of the menus (Alt+letter): given once for all menus
// after they are built, so that entries added later by any part of the
// program get theirs too and no two entries of one menu share a letter.
namespace Zugriffstasten {

// The texts with one "&" each before a letter no other text of the list
// uses: a letter a text already marks stays; else the first letter of a word
// that is still free, else any free letter or digit, else any visible sign
// ("&?"). Empty texts stay empty;
// a text without a free letter stays as it is. "&&" is a plain "&".
QStringList verteilen(const QStringList& texte);

// The same for the entries of a menu bar or menu and, one level at a time,
// for every submenu in it.
void setzen(QWidget* menueOderLeiste);

// The letter of a text ("&Datei" -> 'd'); a null QChar when it has none.
QChar buchstabe(const QString& text);

}  // namespace Zugriffstasten
