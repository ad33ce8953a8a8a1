#include "Katalog.h"

#include "Verbindung.h"

#include <QStringList>

QString Katalog::Anweisung(const Tabelle& tabelle)
{
    QStringList teile;
    for (const Spalte& s : tabelle.spalten) {
        const QString name = Bezeichner(s.name);
        QString teil = name;
        switch (s.typ) {
        case SpaltenTyp::Long:
            teil += s.autoIncrement ? QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT")
                                    : QStringLiteral(" INTEGER");
            break;
        case SpaltenTyp::Text:
            teil += QStringLiteral(" TEXT");
            if (s.grossKleinEgal)
                teil += QStringLiteral(" COLLATE NOCASE");
            teil += QStringLiteral(" CHECK (length(%1) <= %2)").arg(name).arg(s.groesse);
            break;
        case SpaltenTyp::Memo:
            teil += QStringLiteral(" TEXT");
            break;
        case SpaltenTyp::Datum:
            teil += QLatin1Char(' ') + QLatin1String(DatumsTypName());
            break;
        }
        if (!s.leerErlaubt && s.typ != SpaltenTyp::Long && s.typ != SpaltenTyp::Datum)
            teil += QStringLiteral(" CHECK (%1 <> '')").arg(name);
        teile << teil;
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(Bezeichner(tabelle.name), teile.join(QLatin1String(", ")));
}

void Katalog::TabelleAnhaengen(const Tabelle& tabelle)
{
    m_verbindung.Ausfuehren(Anweisung(tabelle));
}
