#include "Meldungen.h"

namespace Meldungen {

QString zeilenumbrueche(const QString& text)
{
    QString ergebnis = text;
    ergebnis.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    ergebnis.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return ergebnis;
}

void Dienst::liste(const QString& text, const QStringList& eintraege, Stil stil, const QString& titel)
{
    zeigen(text + QLatin1Char('\r') + eintraege.join(QLatin1Char('\r')), stil, titel);
}

void listeZeigen(Dienst* dienst, const QString& text, const QStringList& eintraege, Stil stil, const QString& titel)
{
    if (dienst && !eintraege.isEmpty())
        dienst->liste(text, eintraege, stil, titel);
}

}  // namespace Meldungen
