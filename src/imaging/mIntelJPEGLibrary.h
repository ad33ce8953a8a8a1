#pragma once
#include "Dateiausgabe.h"

#include <QString>

class cDIBSection;

// Writes a cDIBSection as a JPEG file. The module keeps the name it had with
// the former encoder; the work is done by TurboJPEG, which takes the bitmap's
// bottom-up blue-green-red rows as they lie in memory, without a copy.

// The error number both failures carry (hexadecimal 80040001).
constexpr qint32 JpegFehlernummer = qint32(0x80040001);

struct JpegFehler {
    qint32 nummer = 0;
    QString beschreibung; // the text the user is shown
    QString grund; // what the encoder or the file system said, for diagnosis
    bool keinPlatz = false; // the disk was full: no further thumbnail will fit either
};

// Encodes the bitmap with the quality (1-100; 85 for thumbnails) and writes it
// to the file. The file appears complete or not at all: the data goes to a
// temporary file in the same folder, which replaces the target only when
// everything was written and is on the disk; it is written unbuffered, so
// a full disk is seen at the write and not lost in a buffer. False with the error filled in on failure.
bool JpegSpeichern(const cDIBSection& bild, const QString& dateiname, int qualitaet, JpegFehler* fehler = nullptr);
