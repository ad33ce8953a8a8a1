#include "mIntelJPEGLibrary.h"

#include "cDIBSection.h"

#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <turbojpeg.h>

namespace {

bool Fehlschlag(
    JpegFehler* fehler, const QString& beschreibung, const QString& grund, Ausgabefehler art = Ausgabefehler::Anderer)
{
    if (fehler)
        *fehler = { JpegFehlernummer, beschreibung, grund, art == Ausgabefehler::KeinPlatz };
    return false;
}

// Frees the encoder and its output buffer however the write ends.
struct Kodierer {
    tjhandle handle = tjInitCompress();
    unsigned char* daten = nullptr;
    unsigned long laenge = 0;
    ~Kodierer()
    {
        tjFree(daten);
        if (handle)
            tjDestroy(handle);
    }
};

} // namespace

bool JpegSpeichern(const cDIBSection& bild, const QString& dateiname, int qualitaet, JpegFehler* fehler)
{
    const QString fehlgeschlagen = QStringLiteral("Speichern fehlgeschlagen");
    Kodierer kodierer;
    if (!kodierer.handle)
        return Fehlschlag(fehler, QStringLiteral("IJL-Library kann nicht initialisiert werden: ") + QString::number(-1),
            QString::fromLocal8Bit(tjGetErrorStr2(nullptr)));
    if (bild.IstLeer())
        return Fehlschlag(fehler, fehlgeschlagen, QStringLiteral("Die Bitmap ist leer."));

    // 4:2:0 chroma subsampling, as thumbnails have always been written.
    const int status
        = tjCompress2(kodierer.handle, bild.DIBSectionBitsPtr(), bild.Width(), bild.BytesPerScanLine(), bild.Height(),
            TJPF_BGR, &kodierer.daten, &kodierer.laenge, TJSAMP_420, std::clamp(qualitaet, 1, 100), TJFLAG_BOTTOMUP);
    if (status != 0)
        return Fehlschlag(fehler, fehlgeschlagen, QString::fromLocal8Bit(tjGetErrorStr2(kodierer.handle)));

    // Unbuffered: a buffer flushed only at commit lost the error of a full
    // disk there and reported the cut-off file as written.
    QSaveFile datei(dateiname);
    errno = 0;
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Fehlschlag(fehler, fehlgeschlagen, datei.errorString(), FehlerartVon(datei));
    const qint64 laenge = qint64(kodierer.laenge);
    errno = 0;
    if (datei.write(reinterpret_cast<const char*>(kodierer.daten), laenge) != laenge || !datei.flush()) {
        const QString grund = datei.errorString();
        const Ausgabefehler art = FehlerartVon(datei);
        datei.cancelWriting();
        return Fehlschlag(fehler, fehlgeschlagen, grund, art);
    }
    errno = 0;
    if (!datei.commit())
        return Fehlschlag(fehler, fehlgeschlagen, datei.errorString(), FehlerartVon(datei));
    if (fehler)
        *fehler = {};
    return true;
}
