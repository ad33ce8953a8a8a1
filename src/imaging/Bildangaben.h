#pragma once
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

// What a picture file says of itself beyond its pixels, read and written with
// Exiv2 for every type it knows (JPEG, PNG, TIFF, WebP, and HEIC/HEIF for
// reading; there the Exif and XMP blocks come from libheif when Exiv2 finds
// none). Never throws; safe to call from several threads at once.
struct Bildangaben {
    // The day it was taken, the first of: EXIF DateTimeOriginal,
    // DateTimeDigitized, the image's own DateTime, XMP exif:DateTimeOriginal,
    // xmp:CreateDate, photoshop:DateCreated, IPTC DateCreated. Invalid when
    // the file names none; the caller then takes the file's date.
    QDate aufgenommen;
    // IPTC Keywords, then XMP dc:subject; each text once, trimmed, in file order.
    QStringList begriffe;
    // IPTC Caption, else XMP dc:description (its default language).
    QString beschreibung;
};

// Empty angaben when the file has none, its metadata is broken, or it is no
// picture at all.
Bildangaben BildangabenLesen(const QString& pfad);

// Puts keywords (XMP dc:subject and IPTC Keywords) and the description (XMP
// dc:description and IPTC Caption) into the picture file's bytes, replacing
// those it had, so that another program shows what the user typed and no
// older text of the file stands beside it. Works in memory only: the caller
// writes the result where it belongs. True when daten carries them now
// (unchanged when it did already); false, with grund and daten untouched,
// when Exiv2 cannot write this file type or the result would not read back.
bool BildangabenEinfuegen(
    QByteArray& daten, const QStringList& begriffe, const QString& beschreibung, QString* grund = nullptr);

// The EXIF orientation tag of the file (1 to 8, as EXIF numbers them); 1
// when it has none or cannot be read. For the types whose Qt reader does
// not look at their EXIF data itself (PNG, WebP).
int ExifAusrichtung(const QString& pfad);
