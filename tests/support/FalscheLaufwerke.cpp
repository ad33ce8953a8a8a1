#include "FalscheLaufwerke.h"

void FalscheLaufwerke::hinzufuegen(const QString& wurzel, int typ, const QString& name)
{
    Laufwerk l;
    l.wurzel = wurzel.endsWith(QLatin1Char('/')) ? wurzel : wurzel + QLatin1Char('/');
    l.typ = typ;
    l.name = name;
    liste.append(l);
}
