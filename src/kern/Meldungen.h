#pragma once
#include <QString>
#include <QStringList>

// The one way the program asks or tells the user something in a message box.
// The shell installs the real dialog; tests install a recorder with scripted
// answers, so core code never opens a window itself.
namespace Meldungen {

// Message box styles as the program has always numbered them.
enum Stil {
    Normal = 0,       // OK only, no icon
    Fehler = 16,      // error icon, OK
    Frage = 36,       // question icon, Yes / No
    Warnung = 49,     // exclamation icon, OK / Cancel
    Information = 64  // information icon, OK
};

enum class Antwort { OK, Abbrechen, Ja, Nein };

class Dienst {
public:
    virtual ~Dienst() = default;
    // text may contain '\r' for line breaks; titel empty = the program's name.
    virtual Antwort zeigen(const QString& text, Stil stil, const QString& titel) = 0;
    // One message over a list of many entries (files and why each was
    // skipped): the list scrolls, so the box never grows past the screen.
    // Without a list form of its own a service shows the entries as lines.
    virtual void liste(const QString& text, const QStringList& eintraege, Stil stil, const QString& titel);
};

// Shows the list through the service, nothing when the list is empty or
// there is no service.
void listeZeigen(Dienst* dienst, const QString& text, const QStringList& eintraege, Stil stil, const QString& titel);

// Turns the carriage returns of message texts into line breaks.
QString zeilenumbrueche(const QString& text);

}  // namespace Meldungen
