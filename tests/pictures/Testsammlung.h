#pragma once
#include "Datenbankschema.h"
#include "Oberflaeche.h"
#include "Sammlungsgeruest.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QStringList>
#include <functional>

// Records what the core asks of the main window; a test may hang its own
// reaction on the request for frmAlbumLaden.
class Oberflaechenrecorder : public Oberflaeche {
public:
    QStringList aufrufe;
    std::function<void()> beiAlbumLaden;
    std::function<void()> beiErstemAlbum;

    void VorschauNeuesAlbumAnzeigen() override { aufrufe << "VorschauNeuesAlbumAnzeigen"; }
    void VorschauZeigen() override { aufrufe << "VorschauZeigen"; }
    void VorschauBilderAnzeigen() override { aufrufe << "VorschauBilderAnzeigen"; }
    void AlbumLadenZeigen() override { aufrufe << "AlbumLadenZeigen"; if (beiAlbumLaden) beiAlbumLaden(); }
    void ErstesAlbumZeigen() override { aufrufe << "ErstesAlbumZeigen"; if (beiErstemAlbum) beiErstemAlbum(); }
    void BilderlisteZeigen() override { aufrufe << "BilderlisteZeigen"; }
    void DatenbankBefehleFreigeben(bool alben) override { aufrufe << (alben ? "BefehleMitAlben" : "BefehleOhneAlben"); }
};

// A fresh collection with folders that play CDs; tests reach the state and
// database objects directly.
class Testsammlung : public Sammlungsgeruest {
public:
    Testsammlung() { z.oberflaeche = &ui; }

    // A folder that plays a disc with this label, added to the volume list.
    QString cdEinlegen(const QString& ordnername, const QString& label)
    {
        laufwerke.hinzufuegen(ordner(ordnername), Laufwerk::CDROM, label);
        return ordner(ordnername);
    }
    void cdEntnehmen(const QString& label) { laufwerke.liste.removeIf([&](auto& l) { return l.name == label; }); }
    // Creates the album as the import would (settings decide its kind) and returns its number.
    QString albumAnlegen(const QString& name, const QString& quelle)
    {
        AlbumAnlegen(z, db, name, quelle);
        return albumNummer(name);
    }

    Oberflaechenrecorder ui;
};

// Every entry of a folder, hidden and special files included, by name.
inline QStringList dateienIn(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDir::Name);
}
