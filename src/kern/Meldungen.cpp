#include "Meldungen.h"

namespace Meldungen {

QString zeilenumbrueche(const QString& text)
{
    QString ergebnis = text;
    ergebnis.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    ergebnis.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return ergebnis;
}

}  // namespace Meldungen
