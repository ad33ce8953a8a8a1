#include "Begriffsfeld.h"

namespace Begriffsfeld {

QString Eintrag(qint64 nummer)
{
    return QLatin1Char(' ') + QString::number(nummer) + QLatin1Char(';');
}

bool Enthaelt(const QString& feld, qint64 nummer)
{
    return feld.contains(Eintrag(nummer));
}

QString Anhaengen(const QString& feld, qint64 nummer)
{
    return feld + Eintrag(nummer);
}

QString Entfernen(const QString& feld, qint64 nummer)
{
    const QString eintrag = Eintrag(nummer);
    const qsizetype stelle = feld.indexOf(eintrag);
    if (stelle < 0)
        return feld;
    QString danach = feld.mid(stelle + eintrag.size());
    if (danach.startsWith(QLatin1Char(' ')))
        danach.remove(0, 1);
    return feld.left(stelle + 1) + danach;
}

}  // namespace Begriffsfeld
