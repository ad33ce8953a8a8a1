#include "Aufnahmedatum.h"

#include "Bildangaben.h"

QDate Aufnahmedatum(const QString& pfad)
{
    return BildangabenLesen(pfad).aufgenommen;
}

namespace {

// "yyyy?MM?dd" at the text's start with the separator given; invalid otherwise.
QDate datumMitTrenner(const QString& text, QChar trenner)
{
    const QString t = text.trimmed();
    if (t.size() < 10 || t.at(4) != trenner || t.at(7) != trenner)
        return QDate();
    bool okJahr = false, okMonat = false, okTag = false;
    const int jahr = t.left(4).toInt(&okJahr);
    const int monat = t.mid(5, 2).toInt(&okMonat);
    const int tag = t.mid(8, 2).toInt(&okTag);
    if (!okJahr || !okMonat || !okTag || jahr < 1800)
        return QDate();
    return QDate(jahr, monat, tag);
}

}  // namespace

QDate ExifDatumLesen(const QString& text)
{
    return datumMitTrenner(text, QLatin1Char(':'));
}

QDate IsoDatumLesen(const QString& text)
{
    return datumMitTrenner(text, QLatin1Char('-'));
}
