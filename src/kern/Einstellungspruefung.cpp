#include "Einstellungspruefung.h"

#include <QDir>
#include <QFileInfo>

namespace Einstellungspruefung {

namespace {
constexpr int Groessen[] = { 80, 100, 120 };
constexpr int Zeilen[] = { 2, 3, 4 };
}  // namespace

AlbenWahl AlbenWahlLaden(const Einstellungen& e)
{
    AlbenWahl wahl;
    wahl.cd = e.lngBehandlungNeueCDAlben == 0 ? 0 : 1;
    switch (e.lngBehandlungNeueAlben) {
    case 0:
        wahl.ort = 0;
        break;
    case 2:
        wahl.ort = 1;
        wahl.cd = 1;
        wahl.cdGesperrt = true;
        break;
    default:
        wahl.ort = -1;
        break;
    }
    wahl.bilder = e.lngBehandlungBilder == 1 ? 3 : 2;
    wahl.angaben = e.blnAngabenUebernehmen;
    return wahl;
}

void OrtGewaehlt(AlbenWahl& wahl, int ort, const Einstellungen& e)
{
    wahl.ort = ort;
    if (ort == 1) {
        wahl.cd = 1;
        wahl.cdGesperrt = true;
    } else {
        wahl.cd = e.lngBehandlungNeueCDAlben == 0 ? 0 : 1;
        wahl.cdGesperrt = false;
    }
}

void AlbenWahlUebernehmen(const AlbenWahl& wahl, Einstellungen& e)
{
    if (wahl.cd == 0 || wahl.cd == 1)
        e.lngBehandlungNeueCDAlben = wahl.cd;
    if (wahl.ort == 0)
        e.lngBehandlungNeueAlben = 0;
    else if (wahl.ort == 1)
        e.lngBehandlungNeueAlben = 2;
    if (wahl.bilder == 2)
        e.lngBehandlungBilder = 0;
    else if (wahl.bilder == 3)
        e.lngBehandlungBilder = 1;
    e.blnAngabenUebernehmen = wahl.angaben;
}

int GroesseIndex(int groesseVorschauBild)
{
    for (int i = 0; i < 3; ++i)
        if (Groessen[i] == groesseVorschauBild)
            return i;
    return 1;
}

int ZeilenIndex(int anzahlBrowserZeilen)
{
    for (int i = 0; i < 3; ++i)
        if (Zeilen[i] == anzahlBrowserZeilen)
            return i;
    return 0;
}

int GroesseWert(int index)
{
    return Groessen[qBound(0, index, 2)];
}

int ZeilenWert(int index)
{
    return Zeilen[qBound(0, index, 2)];
}

Verzeichnis BilderverzeichnisPruefen(const QString& text, const QVector<AlbumOrt>& alben)
{
    const QString ordner = text.trimmed();
    if (ordner.isEmpty() || !QDir::isAbsolutePath(ordner))
        return Verzeichnis::Unzulaessig;
    // A file of that name can never hold album folders.
    const QFileInfo info(ordner);
    if (info.exists() && !info.isDir())
        return Verzeichnis::Unzulaessig;
    if (alben.isEmpty())
        return Verzeichnis::KeineAlben;
    for (const AlbumOrt& album : alben) {
        if (!album.cdName.isEmpty() || album.pfad.isEmpty() || QDir::isAbsolutePath(album.pfad))
            continue;
        if (!QFileInfo(QDir(ordner).filePath(album.pfad)).isDir())
            return Verzeichnis::Unzulaessig;
    }
    return Verzeichnis::OK;
}

QString PruefungsText(Verzeichnis ergebnis)
{
    switch (ergebnis) {
    case Verzeichnis::OK:
        return QStringLiteral("Verzeichnis ist OK!");
    case Verzeichnis::KeineAlben:
        return QStringLiteral("Keine Alben vorhanden!");
    case Verzeichnis::Unzulaessig:
        break;
    }
    return QStringLiteral("Kein zulässiges Verzeichnis!");
}

}  // namespace Einstellungspruefung
