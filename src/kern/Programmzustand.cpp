#include "Programmzustand.h"

#include <QDir>
#include <QStandardPaths>

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
    // Photographs belong where the user sees them, never into a program or
    // build folder that may be deleted with everything in it.
    QString basis = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (basis.isEmpty())
        basis = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir::cleanPath(basis) + QStringLiteral("/Kolvar/");
}
