#include "Bildangaben.h"

#include "Aufnahmedatum.h"
#include "Bildleser.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

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
#ifdef EXV_ENABLE_BMFF
        // Built in, but off until asked for: HEIC/HEIF/AVIF from phones.
        Exiv2::enableBMFF(true);
#endif
    });
}

const char* const IptcBegriffe = "Iptc.Application2.Keywords";
const char* const IptcBeschreibung = "Iptc.Application2.Caption";
const char* const IptcZeichensatz = "Iptc.Envelope.CharacterSet";
const char* const XmpBegriffe = "Xmp.dc.subject";
const char* const XmpBeschreibung = "Xmp.dc.description";
// ESC % G: the IPTC records are UTF-8.
const char* const Utf8Kennung = "\x1b%G";

// IPTC texts are UTF-8 when the envelope says so, and mostly Latin-1 from
// older programs when it does not; what is not valid UTF-8 is taken as Latin-1.
QString iptcText(const std::string& roh, bool utf8)
{
    const QByteArray bytes = QByteArray::fromStdString(roh);
    if (utf8)
        return QString::fromUtf8(bytes);
    QStringDecoder dekodierer(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = dekodierer(bytes);
    return dekodierer.hasError() ? QString::fromLatin1(bytes) : text;
}

// The default language's text of an XMP alternative, else the first one.
QString xmpSprachtext(const Exiv2::Value& wert)
{
    const auto* alternativen = dynamic_cast<const Exiv2::LangAltValue*>(&wert);
    if (!alternativen)
        return QString::fromStdString(wert.toString());
    if (alternativen->value_.empty())
        return QString();
    const auto standard = alternativen->value_.find("x-default");
    return QString::fromStdString(
        standard != alternativen->value_.end() ? standard->second : alternativen->value_.begin()->second);
}

void begriffAufnehmen(QStringList& begriffe, const QString& text)
{
    const QString begriff = text.trimmed();
    if (!begriff.isEmpty() && !begriffe.contains(begriff))
        begriffe << begriff;
}

QDate aufnahmetag(const Exiv2::ExifData& exif, const Exiv2::XmpData& xmp, const Exiv2::IptcData& iptc)
{
    for (const char* schluessel :
        { "Exif.Photo.DateTimeOriginal", "Exif.Photo.DateTimeDigitized", "Exif.Image.DateTime" }) {
        const auto eintrag = exif.findKey(Exiv2::ExifKey(schluessel));
        const QDate datum
            = eintrag == exif.end() ? QDate() : ExifDatumLesen(QString::fromStdString(eintrag->toString()));
        if (datum.isValid())
            return datum;
    }
    for (const char* schluessel : { "Xmp.exif.DateTimeOriginal", "Xmp.xmp.CreateDate", "Xmp.photoshop.DateCreated" }) {
        const auto eintrag = xmp.findKey(Exiv2::XmpKey(schluessel));
        const QDate datum
            = eintrag == xmp.end() ? QDate() : IsoDatumLesen(QString::fromStdString(eintrag->toString()));
        if (datum.isValid())
            return datum;
    }
    const auto eintrag = iptc.findKey(Exiv2::IptcKey("Iptc.Application2.DateCreated"));
    return eintrag == iptc.end() ? QDate() : IsoDatumLesen(QString::fromStdString(eintrag->toString()));
}

Exiv2::Image::AutoPtr oeffnen(const QString& pfad)
{
    // A named pipe would block the reader for ever.
    if (!QFileInfo(pfad).isFile())
        return Exiv2::Image::AutoPtr();
    auto bild = Exiv2::ImageFactory::open(QFile::encodeName(pfad).toStdString());
    if (bild.get())
        bild->readMetadata();
    return bild;
}

Exiv2::Image::AutoPtr oeffnen(const QByteArray& daten)
{
    auto bild = Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte*>(daten.constData()), daten.size());
    if (bild.get())
        bild->readMetadata();
    return bild;
}

Bildangaben lesen(const Exiv2::ExifData& exif, const Exiv2::XmpData& xmp, const Exiv2::IptcData& iptc)
{
    Bildangaben angaben;
    angaben.aufgenommen = aufnahmetag(exif, xmp, iptc);

    const auto zeichensatz = iptc.findKey(Exiv2::IptcKey(IptcZeichensatz));
    const bool utf8 = zeichensatz != iptc.end() && zeichensatz->toString() == Utf8Kennung;
    for (const Exiv2::Iptcdatum& eintrag : iptc) {
        if (eintrag.key() == IptcBegriffe)
            begriffAufnehmen(angaben.begriffe, iptcText(eintrag.toString(), utf8));
        else if (eintrag.key() == IptcBeschreibung && angaben.beschreibung.isEmpty())
            angaben.beschreibung = iptcText(eintrag.toString(), utf8).trimmed();
    }
    for (const Exiv2::Xmpdatum& eintrag : xmp) {
        if (eintrag.key() == XmpBegriffe) {
            for (long i = 0; i < eintrag.count(); ++i)
                begriffAufnehmen(angaben.begriffe, QString::fromStdString(eintrag.toString(i)));
        } else if (eintrag.key() == XmpBeschreibung && angaben.beschreibung.isEmpty())
            angaben.beschreibung = xmpSprachtext(eintrag.value()).trimmed();
    }
    return angaben;
}

Bildangaben lesen(const Exiv2::Image::AutoPtr& bild)
{
    return bild.get() ? lesen(bild->exifData(), bild->xmpData(), bild->iptcData()) : Bildangaben();
}

// Exiv2 finds neither Exif nor XMP in many HEIC files that carry both
// (libheif's own among them), so the blocks come from libheif. A broken
// Exif block still leaves the XMP packet to be read, and the other way round.
Bildangaben heifLesen(const QString& pfad)
{
    const Bildleser::Metadaten bloecke = Bildleser::HeifMetadaten(pfad);
    Exiv2::ExifData exif;
    Exiv2::XmpData xmp;
    try {
        if (!bloecke.exif.isEmpty())
            Exiv2::ExifParser::decode(
                exif, reinterpret_cast<const Exiv2::byte*>(bloecke.exif.constData()), uint32_t(bloecke.exif.size()));
    } catch (...) {
        exif.clear();
    }
    try {
        if (!bloecke.xmp.isEmpty() && Exiv2::XmpParser::decode(xmp, bloecke.xmp.toStdString()) != 0)
            xmp.clear();
    } catch (...) {
        xmp.clear();
    }
    return lesen(exif, xmp, Exiv2::IptcData());
}

// Whether Exiv2 read the file as the HEIF/AVIF container without finding its
// metadata there, or could not read it at all (which is then left to libheif
// to decide).
bool heifNachlesen(const Exiv2::Image::AutoPtr& bild)
{
    if (!bild.get())
        return true;
#ifdef EXV_ENABLE_BMFF
    return bild->imageType() == Exiv2::ImageType::bmff && bild->exifData().empty() && bild->xmpData().empty();
#else
    return false;
#endif
}

template<typename Daten, typename Schluessel>
void entfernen(Daten& daten, const char* name)
{
    for (auto it = daten.findKey(Schluessel(name)); it != daten.end(); it = daten.findKey(Schluessel(name)))
        daten.erase(it);
}

// The picture's bytes with the entries replaced, written by Exiv2 in memory.
QByteArray schreiben(Exiv2::Image& bild, const QStringList& begriffe, const QString& beschreibung)
{
    const bool mitIptc = Exiv2::ImageFactory::checkMode(bild.imageType(), Exiv2::mdIptc) == Exiv2::amReadWrite;

    Exiv2::XmpData xmp = bild.xmpData();
    entfernen<Exiv2::XmpData, Exiv2::XmpKey>(xmp, XmpBegriffe);
    entfernen<Exiv2::XmpData, Exiv2::XmpKey>(xmp, XmpBeschreibung);
    if (!begriffe.isEmpty()) {
        Exiv2::XmpArrayValue tasche(Exiv2::xmpBag);
        for (const QString& begriff : begriffe)
            tasche.read(begriff.toStdString());
        xmp.add(Exiv2::XmpKey(XmpBegriffe), &tasche);
    }
    if (!beschreibung.isEmpty()) {
        Exiv2::LangAltValue text;
        text.value_["x-default"] = beschreibung.toStdString();
        xmp.add(Exiv2::XmpKey(XmpBeschreibung), &text);
    }
    bild.setXmpData(xmp);

    if (mitIptc) {
        Exiv2::IptcData iptc = bild.iptcData();
        entfernen<Exiv2::IptcData, Exiv2::IptcKey>(iptc, IptcBegriffe);
        entfernen<Exiv2::IptcData, Exiv2::IptcKey>(iptc, IptcBeschreibung);
        for (const QString& begriff : begriffe) {
            Exiv2::StringValue wert(begriff.toStdString());
            iptc.add(Exiv2::IptcKey(IptcBegriffe), &wert);
        }
        if (!beschreibung.isEmpty())
            iptc[IptcBeschreibung] = beschreibung.toStdString();
        // Marked only when text of ours went in.
        if (!begriffe.isEmpty() || !beschreibung.isEmpty())
            iptc[IptcZeichensatz] = std::string(Utf8Kennung);
        bild.setIptcData(iptc);
    }
    bild.writeMetadata();
    Exiv2::BasicIo& io = bild.io();
    if (io.open() != 0 || io.seek(0, Exiv2::BasicIo::beg) != 0)
        throw Exiv2::Error(Exiv2::kerDataSourceOpenFailed, "memory");
    const Exiv2::DataBuf neu = io.read(io.size());
    return QByteArray(reinterpret_cast<const char*>(neu.pData_), neu.size_);
}

}  // namespace

Bildangaben BildangabenLesen(const QString& pfad)
{
    Einrichten();
    try {
        const auto bild = oeffnen(pfad);
        if (!heifNachlesen(bild))
            return lesen(bild);
    } catch (...) {
        // Exiv2 throws on anything it cannot parse; the pixels may still be fine.
    }
    try {
        return heifLesen(pfad);
    } catch (...) {
        return Bildangaben();
    }
}

bool BildangabenEinfuegen(QByteArray& daten, const QStringList& texte, const QString& bemerkung, QString* grund)
{
    Einrichten();
    // In the form reading gives, so that what is written can be compared.
    QStringList begriffe;
    for (const QString& text : texte)
        begriffAufnehmen(begriffe, text);
    const QString beschreibung = bemerkung.trimmed();
    const auto nein = [&](const QString& text) {
        if (grund)
            *grund = text;
        return false;
    };
    try {
        auto bild = oeffnen(daten);
        if (!bild.get() || Exiv2::ImageFactory::checkMode(bild->imageType(), Exiv2::mdXmp) != Exiv2::amReadWrite)
            return nein(QStringLiteral("in diesen Dateityp können keine Begriffe geschrieben werden"));
        const Bildangaben vorher = lesen(bild);
        if (vorher.begriffe == begriffe && vorher.beschreibung == beschreibung)
            return true;
        const QByteArray neu = schreiben(*bild, begriffe, beschreibung);
        // Written is what reads back.
        const Bildangaben nachher = lesen(oeffnen(neu));
        if (nachher.begriffe != begriffe || nachher.beschreibung != beschreibung)
            return nein(QStringLiteral("Begriffe und Bemerkung ließen sich nicht zurücklesen"));
        daten = neu;
        return true;
    } catch (const std::exception& fehler) {
        return nein(QStringLiteral("Begriffe und Bemerkung konnten nicht geschrieben werden (%1)")
                        .arg(QString::fromLocal8Bit(fehler.what())));
    }
}

int ExifAusrichtung(const QString& pfad)
{
    Einrichten();
    try {
        const auto bild = oeffnen(pfad);
        if (!bild.get())
            return 1;
        const Exiv2::ExifData& exif = bild->exifData();
        const auto eintrag = exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
        const long wert = eintrag == exif.end() ? 1 : eintrag->toLong();
        return wert >= 1 && wert <= 8 ? int(wert) : 1;
    } catch (...) {
        return 1;
    }
}

#pragma GCC diagnostic pop
