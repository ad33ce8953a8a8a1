#include "Abfrage.h"

#include "Namensordnung.h"
#include "Verbindung.h"

Abfrage Abfrage::Tabelle(const QString& tabelle)
{
    Abfrage a;
    a.tabelle = tabelle;
    return a;
}

Abfrage Abfrage::MitWert(const QString& tabelle, const QString& spalte)
{
    Abfrage a;
    a.tabelle = tabelle;
    a.bedingung = Bezeichner(spalte) + QStringLiteral(" LIKE '%'");
    a.ordnung = spalte;
    return a;
}

Abfrage Abfrage::Gleich(const QString& tabelle, const QString& spalte, const QVariant& wert)
{
    Abfrage a;
    a.tabelle = tabelle;
    a.bedingung = Bezeichner(spalte) + QStringLiteral(" = ?");
    a.werte << wert;
    return a;
}

QString Abfrage::sql() const
{
    QString text = QStringLiteral("SELECT rowid AS _zeile_, * FROM ") + Bezeichner(tabelle);
    if (!bedingung.isEmpty())
        text += QStringLiteral(" WHERE ") + bedingung;
    if (!ordnung.isEmpty())
        // Lists read alphabetically whatever the case; numbers sort as numbers anyway.
        text += QStringLiteral(" ORDER BY ") + Bezeichner(ordnung) + QStringLiteral(" COLLATE NOCASE");
    return text;
}

QString LikeMuster(const QString& text)
{
    QString muster;
    muster.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            muster += QLatin1Char('\\');
        muster += c;
    }
    return muster;
}

QString EnthaeltBedingung(const QString& spalte)
{
    // LIKE itself folds ASCII only; on folded texts on both sides that is enough.
    return QLatin1String(FaltungsFunktion()) + QLatin1Char('(') + Bezeichner(spalte)
        + QStringLiteral(") LIKE ? ESCAPE '\\'");
}

QString EnthaeltMuster(const QString& text)
{
    return QLatin1Char('%') + LikeMuster(Namensordnung::Gefaltet(text)) + QLatin1Char('%');
}
