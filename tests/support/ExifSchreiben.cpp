#include "ExifSchreiben.h"

#include <QFile>

// Exiv2 0.27 hands its images out in std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

bool ExifSetzen(const QString& pfad, const QList<QPair<const char*, QString>>& eintraege)
{
    try {
        auto bild = Exiv2::ImageFactory::open(QFile::encodeName(pfad).toStdString());
        bild->readMetadata();
        Exiv2::ExifData exif = bild->exifData();
        for (const auto& [schluessel, wert] : eintraege) {
            if (QByteArray(schluessel) == "Exif.Image.Orientation")
                exif[schluessel] = static_cast<uint16_t>(wert.toUShort());
            else
                exif[schluessel] = wert.toStdString();
        }
        bild->setExifData(exif);
        bild->writeMetadata();
        return true;
    } catch (const std::exception& fehler) {
        qWarning("%s: %s", qPrintable(pfad), fehler.what());
        return false;
    }
}
#pragma GCC diagnostic pop

QByteArray MitKaputtemExif(const QByteArray& jpeg)
{
    QByteArray tiff("II*\0", 4);
    tiff += QByteArray("\x00\xff\xff\x7f", 4);  // first directory at 2 GB
    tiff += QByteArray(20, '\xee');
    const QByteArray nutzlast = QByteArray("Exif\0\0", 6) + tiff;
    const int laenge = nutzlast.size() + 2;
    QByteArray segment("\xff\xe1", 2);
    segment += char(laenge >> 8);
    segment += char(laenge & 0xff);
    return jpeg.left(2) + segment + nutzlast + jpeg.mid(2);
}
