#pragma once
#include <QDate>
#include <QString>

// The day a photograph was taken, as the camera wrote it into the picture's
// EXIF data: DateTimeOriginal, else DateTimeDigitized. Read with Exiv2, which
// knows the many ways cameras store it. An invalid date when the file has
// neither, when its metadata is broken, or when it is no picture at all: the
// caller then takes the file's date. Never asks the user and never throws;
// safe to call from several threads at once.
QDate Aufnahmedatum(const QString& pfad);

// A date as EXIF writes it, "2004:05:31 14:02:11" (the time may be missing);
// invalid for anything else, including the "0000:00:00 00:00:00" of cameras
// whose clock was never set.
QDate ExifDatumLesen(const QString& text);

// The EXIF orientation tag of the file (1 to 8, as EXIF numbers them); 1
// when it has none or cannot be read. For the types whose Qt reader does
// not look at their EXIF data itself (PNG, WebP).
int ExifAusrichtung(const QString& pfad);
