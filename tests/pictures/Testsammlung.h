#pragma once
#include "Oberflaeche.h"
#include "Sammlungsgeruest.h"

#include <QSize>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

// Records what the core asks of the main window; a test may hang its own
// reaction on the request for frmAlbumLaden.
class Oberflaechenrecorder : public Oberflaeche {
public:
    QStringList aufrufe;
    std::function<void()> beiAlbumLaden;

    void VorschauNeuesAlbumAnzeigen() override { aufrufe << QStringLiteral("VorschauNeuesAlbumAnzeigen"); }
    void VorschauZeigen() override { aufrufe << QStringLiteral("VorschauZeigen"); }
    void VorschauBilderAnzeigen() override { aufrufe << QStringLiteral("VorschauBilderAnzeigen"); }
    void AlbumLadenZeigen() override
    {
        aufrufe << QStringLiteral("AlbumLadenZeigen");
        if (beiAlbumLaden)
            beiAlbumLaden();
    }
    void ErstesAlbumZeigen() override { aufrufe << QStringLiteral("ErstesAlbumZeigen"); }
    void BilderlisteZeigen() override { aufrufe << QStringLiteral("BilderlisteZeigen"); }
    void DatenbankBefehleFreigeben(bool mitAlben) override
    {
        aufrufe << (mitAlben ? QStringLiteral("BefehleMitAlben") : QStringLiteral("BefehleOhneAlben"));
    }
};

// A fresh collection in a temporary folder: its picture directory, a fixed
// disk at "/" and room for folders that play CDs. Tests reach the state and
// database objects directly.
class Testsammlung : public Sammlungsgeruest {
public:
    Testsammlung();

    // A folder that plays a disc with this label, added to the volume list.
    QString cdEinlegen(const QString& ordnername, const QString& label);
    void cdEntnehmen(const QString& label);

    // Creates the album as the import would (settings decide its kind) and returns its number.
    QString albumAnlegen(const QString& name, const QString& quellordner);
    void bildEintragen(const QString& dateiname);
    // Sets a column of an album row.
    void albumFeldSetzen(const QString& nummer, const QString& spalte, const QString& wert);

    Oberflaechenrecorder ui;
};
