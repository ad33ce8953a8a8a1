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
        Exiv2::XmpData xmp = bild->xmpData();
        Exiv2::IptcData iptc = bild->iptcData();
        for (const auto& [schluessel, wert] : eintraege) {
            const QByteArray name(schluessel);
            if (name == "Exif.Image.Orientation")
                exif[schluessel] = static_cast<uint16_t>(wert.toUShort());
            else if (name.startsWith("Xmp."))
                xmp[schluessel] = wert.toStdString();  // a bag grows by each value
            else if (name.startsWith("Iptc.")) {
                // Repeatable, and typed (dates): each value is an entry of its own.
                const Exiv2::IptcKey key(schluessel);
                auto v = Exiv2::Value::create(Exiv2::IptcDataSets::dataSetType(key.tag(), key.record()));
                v->read(wert.toStdString());
                iptc.add(key, v.get());
            } else
                exif[schluessel] = wert.toStdString();
        }
        bild->setExifData(exif);
        bild->setXmpData(xmp);
        bild->setIptcData(iptc);
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
