#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Sets EXIF, XMP and IPTC entries of a picture file, as a camera or photo
// program would have written them: pairs of key ("Exif.Photo.DateTimeOriginal",
// "Xmp.dc.subject", "Iptc.Application2.Keywords") and value as text. A key
// given twice adds a second XMP bag item or IPTC entry. The orientation is
// written as the number it is. False (with a warning) when Exiv2 refuses.
bool ExifSetzen(const QString& pfad, const QList<QPair<const char*, QString>>& eintraege);

// The JPEG with an EXIF segment right after its start marker whose directory
// points far beyond its end: metadata as a broken tool or a cut-off transfer
// leaves it. The picture itself still decodes.
QByteArray MitKaputtemExif(const QByteArray& jpeg);
