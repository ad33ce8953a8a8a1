#include "Aufnahmedatum.h"

#include <QFile>
#include <QFileInfo>

#include <mutex>

// Exiv2 0.27 hands its images out in std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

namespace {

void Einrichten()
{
    static std::once_flag einmal;
    std::call_once(einmal, [] {
        // Broken metadata is an everyday thing; it must not fill the terminal.
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        // Not thread-safe on its own; reading a JPEG may parse its XMP packet.
        Exiv2::XmpParser::initialize();
    });
}

QDate Lesen(const QString& pfad)
{
    // A named pipe would block the reader for ever.
    if (!QFileInfo(pfad).isFile())
        return QDate();
    auto bild = Exiv2::ImageFactory::open(QFile::encodeName(pfad).toStdString());
    if (!bild.get())
        return QDate();
    bild->readMetadata();
    const Exiv2::ExifData& exif = bild->exifData();
    for (const char* schluessel : { "Exif.Photo.DateTimeOriginal", "Exif.Photo.DateTimeDigitized" }) {
        const auto eintrag = exif.findKey(Exiv2::ExifKey(schluessel));
        if (eintrag == exif.end())
            continue;
        const QDate datum = ExifDatumLesen(QString::fromStdString(eintrag->toString()));
        if (datum.isValid())
            return datum;
    }
    return QDate();
}

}  // namespace

QDate Aufnahmedatum(const QString& pfad)
{
    Einrichten();
    try {
        return Lesen(pfad);
    } catch (...) {
        // Exiv2 throws on anything it cannot parse; the file's date serves then.
        return QDate();
    }
}

int ExifAusrichtung(const QString& pfad)
{
    Einrichten();
    try {
        if (!QFileInfo(pfad).isFile())
            return 1;
        auto bild = Exiv2::ImageFactory::open(QFile::encodeName(pfad).toStdString());
        if (!bild.get())
            return 1;
        bild->readMetadata();
        const Exiv2::ExifData& exif = bild->exifData();
        const auto eintrag = exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
        const long wert = eintrag == exif.end() ? 1 : eintrag->toLong();
        return wert >= 1 && wert <= 8 ? int(wert) : 1;
    } catch (...) {
        return 1;
    }
}
#pragma GCC diagnostic pop

QDate ExifDatumLesen(const QString& text)
{
    const QString t = text.trimmed();
    if (t.size() < 10 || t.at(4) != QLatin1Char(':') || t.at(7) != QLatin1Char(':'))
        return QDate();
    bool okJahr = false, okMonat = false, okTag = false;
    const int jahr = t.left(4).toInt(&okJahr);
    const int monat = t.mid(5, 2).toInt(&okMonat);
    const int tag = t.mid(8, 2).toInt(&okTag);
    if (!okJahr || !okMonat || !okTag || jahr < 1800)
        return QDate();
    return QDate(jahr, monat, tag);
}
