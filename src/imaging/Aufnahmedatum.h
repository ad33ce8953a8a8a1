#pragma once
#include <QDate>
#include <QString>

// The day a photograph was taken, as the camera or a photo program wrote it
// into the file (the order is BildangabenLesen's). An invalid date when the
// file has none, when its metadata is broken, or when it is no picture at
// all: the caller then takes the file's date. Never asks the user and never
// throws; safe to call from several threads at once.
QDate Aufnahmedatum(const QString& pfad);

// A date as EXIF writes it, "2004:05:31 14:02:11" (the time may be missing);
// invalid for anything else, including the "0000:00:00 00:00:00" of cameras
// whose clock was never set.
QDate ExifDatumLesen(const QString& text);

// A date as XMP and IPTC write it, "2004-05-31", perhaps with a time
// ("2004-05-31T14:02:11+02:00"); invalid for a year or month alone.
QDate IsoDatumLesen(const QString& text);
