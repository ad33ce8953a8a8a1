#pragma once
#include "Datenbankobjekte.h"
#include "FalscheLaufwerke.h"
#include "Meldungsrecorder.h"
#include "Programmzustand.h"

#include <QSize>
#include <QString>
#include <QTemporaryDir>

// A fresh collection without albums in a temporary folder, opened as the
// program opens it: program folder, picture directory, a fixed disk at "/"
// and the message recorder. Test fixtures build on it and put in their own
// stand-in for the main window once they are complete.
class Sammlungsgeruest {
public:
    Sammlungsgeruest();
    virtual ~Sammlungsgeruest();
    Sammlungsgeruest(const Sammlungsgeruest&) = delete;
    Sammlungsgeruest& operator=(const Sammlungsgeruest&) = delete;

    QString wurzel() const { return m_ordner.path() + QLatin1Char('/'); }
    QString datei() const { return wurzel() + QStringLiteral("Sammlung.mdb"); }
    // A folder below the sandbox, made on demand, ending with "/".
    QString ordner(const QString& name) const;

    // Number of the album of that name; "" when there is none.
    QString albumNummer(const QString& name);
    // Makes the album current and opens rsAlbum on it, as the chooser does.
    void albumWaehlen(const QString& nummer);

    // A picture of that size, in the format its suffix says (GIF: 1 x 1).
    static void bildSchreiben(const QString& pfad, QSize groesse = QSize(64, 48));

    Programmzustand z;
    Datenbankobjekte db;
    Meldungsrecorder meldungen;
    FalscheLaufwerke laufwerke;

private:
    QTemporaryDir m_ordner;
};
