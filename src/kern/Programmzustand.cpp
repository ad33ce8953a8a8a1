#include "Programmzustand.h"

Meldungen::Antwort Programmzustand::Meldung(const QString& text, Meldungen::Stil stil,
                                            const QString& titel) const
{
    if (!meldungen)
        return stil == Meldungen::Frage ? Meldungen::Antwort::Ja : Meldungen::Antwort::OK;
    return meldungen->zeigen(text, stil, titel);
}

Oberflaeche& Programmzustand::ui() const
{
    static Oberflaeche keine;
    return oberflaeche ? *oberflaeche : keine;
}

QString Programmzustand::StandardBilderverzeichnis() const
{
    const QString basis = schreibordner.isEmpty() ? programmordner : schreibordner;
    return basis + QStringLiteral("/BilderVerzeichnis/");
}
