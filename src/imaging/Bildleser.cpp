#include "Bildleser.h"

#include "Bildangaben.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTransform>
#include <QtEndian>

#include <libheif/heif.h>

#include <cstdlib>
#include <mutex>
#include <vector>

namespace {

// The one table of picture endings and the kind each stands for.
struct Bildendung {
    const char* endung;
    int art;
};
constexpr Bildendung Bildendungen[] = { { "jpg", Bildleser::Jpeg }, { "jpeg", Bildleser::Jpeg },
    { "jpe", Bildleser::Jpeg }, { "jfif", Bildleser::Jpeg }, { "gif", Bildleser::Gif }, { "bmp", Bildleser::Bmp },
    { "png", Bildleser::Png }, { "tif", Bildleser::Tiff }, { "tiff", Bildleser::Tiff }, { "webp", Bildleser::Webp },
    { "heic", Bildleser::Heif }, { "heif", Bildleser::Heif }, { "hif", Bildleser::Heif },
    { "avif", Bildleser::Avif } };

void HeifEinrichten()
{
    static std::once_flag einmal;
    std::call_once(einmal, [] { heif_init(nullptr); });
}

// A picture as EXIF orientation n (1 to 8) says it is to be seen.
QImage aufrichten(QImage bild, int n)
{
    if (n >= 5) {
        bild = bild.transformed(QTransform().rotate(90));
        n = n == 5 ? 2 : n == 6 ? 1 : n == 7 ? 4 : 3;
    }
    if (n == 2 || n == 3)
        bild = bild.mirrored(true, n == 3);
    else if (n == 4)
        bild = bild.mirrored(false, true);
    return bild;
}

// What libheif makes of a file's first bytes.
heif_filetype_result heifDateityp(const QByteArray& kopf)
{
    return kopf.size() < 12 ? heif_filetype_no
                            : heif_check_filetype(reinterpret_cast<const uint8_t*>(kopf.constData()), int(kopf.size()));
}

} // namespace

// A HEIF file opened by libheif and its primary image.
struct Heifbild {
    heif_context* kontext = heif_context_alloc();
    heif_image_handle* bild = nullptr;
    ~Heifbild()
    {
        if (bild)
            heif_image_handle_release(bild);
        heif_context_free(kontext);
    }
    // libheif checks that every part of the file it points to is there, so
    // a cut-off file fails here.
    heif_error oeffnen(const QString& pfad)
    {
        HeifEinrichten();
        const heif_error fehler = heif_context_read_from_file(kontext, QFile::encodeName(pfad).constData(), nullptr);
        return fehler.code != heif_error_Ok ? fehler : heif_context_get_primary_image_handle(kontext, &bild);
    }
};

int Bildleser::ArtNachName(const QString& dateiname)
{
    const int punkt = int(dateiname.lastIndexOf(QLatin1Char('.')));
    if (punkt <= 0)
        return -1;
    const QStringView endung = QStringView(dateiname).mid(punkt + 1);
    for (const Bildendung& e : Bildendungen)
        if (endung.compare(QLatin1String(e.endung), Qt::CaseInsensitive) == 0)
            return e.art;
    return -1;
}

bool Bildleser::Lesbar(int art)
{
    HeifEinrichten();
    static const bool lesbar[Arten] = { true, true, true,
        QImageReader::supportedImageFormats().contains("png"), QImageReader::supportedImageFormats().contains("tiff"),
        QImageReader::supportedImageFormats().contains("webp"), heif_have_decoder_for_format(heif_compression_HEVC) != 0,
        heif_have_decoder_for_format(heif_compression_AV1) != 0 };
    return art >= 0 && art < Arten && lesbar[art];
}

QStringList Bildleser::Endungen(int art)
{
    QStringList endungen;
    for (const Bildendung& e : Bildendungen)
        if (e.art == art)
            endungen << QString::fromLatin1(e.endung);
    return endungen;
}

// Notes when the decoder asks for bytes after the end of the file. libjpeg
// then inserts an end marker, pads the picture with grey and reports only a
// warning, so this is the one sure sign of a cut-off JPEG. Opened unbuffered,
// so that each request of the decoder reaches readData as it was made.
class Lesewaechter : public QFile {
public:
    using QFile::QFile;
    bool ueberDasEnde = false;

protected:
    qint64 readData(char* daten, qint64 anzahl) override
    {
        const qint64 gelesen = QFile::readData(daten, anzahl);
        if (gelesen == 0 && anzahl > 0)
            ueberDasEnde = true;
        return gelesen;
    }
};

Bildleser::Bildleser() = default;
Bildleser::~Bildleser() = default;

bool Bildleser::Fehler(const QString& text)
{
    m_fehler = text;
    return false;
}

bool Bildleser::Oeffnen(const QString& pfad)
{
    m_leser.reset();
    m_heif.reset();
    m_datei.reset();
    m_format.clear();
    m_groesse = QSize();
    m_gedreht = false;
    m_ausrichtung = 1;
    m_fehler.clear();

    const QFileInfo info(pfad);
    if (!info.exists())
        return Fehler(QStringLiteral("Die Datei gibt es nicht."));
    if (!info.isFile())
        return Fehler(QStringLiteral("Das ist keine gewöhnliche Datei."));
    m_datei = std::make_unique<Lesewaechter>(pfad);
    if (!m_datei->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return Fehler(QStringLiteral("Die Datei kann nicht geöffnet werden: %1").arg(m_datei->errorString()));

    // The format is taken from the content, so a JPEG named ".bmp" is still read.
    const heif_filetype_result heif = heifDateityp(m_datei->read(64));
    if (heif == heif_filetype_yes_unsupported)
        return Fehler(QStringLiteral("Dateityp wird nicht unterstützt."));
    if (heif == heif_filetype_yes_supported)
        return HeifOeffnen(pfad);
    if (!m_datei->seek(0))
        return Fehler(QStringLiteral("Die Datei kann nicht gelesen werden: %1").arg(m_datei->errorString()));
    m_datei->ueberDasEnde = false;
    m_leser = std::make_unique<QImageReader>(m_datei.get());
    // A picture taken upright is shown upright, its thumbnail too.
    m_leser->setAutoTransform(true);
    m_format = m_leser->format();
    if (m_format.isEmpty())
        return Fehler(QStringLiteral("Die Datei enthält kein lesbares Bild."));
    m_groesse = m_leser->size();
    // A BMP stored top-down gives the negative height of its header.
    if (m_format == "bmp")
        m_groesse = QSize(qAbs(m_groesse.width()), qAbs(m_groesse.height()));
    if (m_groesse.isEmpty())
        return Fehler(QStringLiteral("Das Bild hat keine gültige Größe."));
    m_gedreht = m_leser->transformation() & QImageIOHandler::TransformationRotate90;
    // Qt's PNG and WebP readers do not look at the EXIF data those may carry.
    if ((m_format == "png" || m_format == "webp") && m_leser->transformation() == QImageIOHandler::TransformationNone) {
        m_ausrichtung = ExifAusrichtung(pfad);
        m_gedreht = m_ausrichtung >= 5;
    }
    if (m_gedreht)
        m_groesse.transpose();
    return true;
}

bool Bildleser::HeifOeffnen(const QString& pfad)
{
    m_datei.reset();
    m_format = "heif";
    m_heif = std::make_unique<Heifbild>();
    const heif_error fehler = m_heif->oeffnen(pfad);
    if (fehler.code != heif_error_Ok)
        return Fehler(QStringLiteral("Die Datei enthält kein lesbares Bild (%1).").arg(QString::fromUtf8(fehler.message)));
    // The size as shown: libheif has turned it by the container's rotation.
    m_groesse = QSize(heif_image_handle_get_width(m_heif->bild), heif_image_handle_get_height(m_heif->bild));
    if (m_groesse.isEmpty())
        return Fehler(QStringLiteral("Das Bild hat keine gültige Größe."));
    return true;
}

// The primary image, or for a reduced picture the smallest thumbnail the
// file carries that is at least that large and of the same proportions
// (a thumbnail lying on its side would otherwise come out turned).
QImage Bildleser::HeifLesen(const QSize& skaliert)
{
    const heif_image_handle* quelle = m_heif->bild;
    heif_image_handle* vorschau = nullptr;
    if (skaliert.isValid() && !skaliert.isEmpty()) {
        const int anzahl = heif_image_handle_get_number_of_thumbnails(m_heif->bild);
        std::vector<heif_item_id> nummern(size_t(qMax(0, anzahl)));
        heif_image_handle_get_list_of_thumbnail_IDs(m_heif->bild, nummern.data(), anzahl);
        for (const heif_item_id nummer : nummern) {
            heif_image_handle* kandidat = nullptr;
            if (heif_image_handle_get_thumbnail(m_heif->bild, nummer, &kandidat).code != heif_error_Ok)
                continue;
            const double b = heif_image_handle_get_width(kandidat), h = heif_image_handle_get_height(kandidat);
            const bool passt = b >= skaliert.width() && h >= skaliert.height()
                && std::abs(b * m_groesse.height() - h * m_groesse.width()) <= 0.02 * h * m_groesse.width()
                && (!vorschau || b < heif_image_handle_get_width(vorschau));
            if (passt) {
                if (vorschau)
                    heif_image_handle_release(vorschau);
                vorschau = kandidat;
            } else
                heif_image_handle_release(kandidat);
        }
        if (vorschau)
            quelle = vorschau;
    }
    const bool alpha = heif_image_handle_has_alpha_channel(quelle);
    heif_image* bild = nullptr;
    const heif_error fehler = heif_decode_image(quelle, &bild, heif_colorspace_RGB,
        alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, nullptr);
    if (vorschau)
        heif_image_handle_release(vorschau);
    if (fehler.code != heif_error_Ok) {
        Fehler(QStringLiteral("Das Bild kann nicht dekodiert werden (%1).").arg(QString::fromUtf8(fehler.message)));
        return QImage();
    }
    int zeile = 0;
    const uint8_t* daten = heif_image_get_plane_readonly(bild, heif_channel_interleaved, &zeile);
    // The QImage keeps libheif's pixels until it is done with them.
    QImage ergebnis(daten, heif_image_get_width(bild, heif_channel_interleaved),
        heif_image_get_height(bild, heif_channel_interleaved), zeile,
        alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888,
        [](void* b) { heif_image_release(static_cast<heif_image*>(b)); }, bild);
    if (skaliert.isValid() && !skaliert.isEmpty() && ergebnis.size() != skaliert)
        ergebnis = ergebnis.scaled(skaliert, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return ergebnis;
}

QImage Bildleser::Lesen(const QSize& skaliert)
{
    if (m_heif && !m_groesse.isEmpty())
        return HeifLesen(skaliert);
    if (!m_leser || m_groesse.isEmpty()) {
        Fehler(QStringLiteral("Es ist kein Bild geöffnet."));
        return QImage();
    }
    // The decoder scales the picture as stored, before it is turned.
    if (skaliert.isValid() && !skaliert.isEmpty())
        m_leser->setScaledSize(m_gedreht ? skaliert.transposed() : skaliert);
    QImage bild;
    if (!m_leser->read(&bild) || bild.isNull()) {
        Fehler(QStringLiteral("Das Bild kann nicht dekodiert werden (%1).").arg(m_leser->errorString()));
        return QImage();
    }
    if (!Vollstaendig()) {
        Fehler(QStringLiteral("Die Datei ist unvollständig."));
        return QImage();
    }
    return m_ausrichtung > 1 ? aufrichten(bild, m_ausrichtung) : bild;
}

bool Bildleser::Pruefen(const QString& pfad, QString* grund)
{
    Bildleser leser;
    bool ok = leser.Oeffnen(pfad);
    if (ok) {
        // Small, but never below a pixel: the decoder still reads all the data.
        // A HEIF file's parts are all there once it opened; any thumbnail it
        // carries shows that it decodes, so it need not be decoded whole.
        const QSize voll = leser.Groesse();
        const int teiler = leser.m_heif ? 64 : 8;
        const QSize klein(qMax(1, voll.width() / teiler), qMax(1, voll.height() / teiler));
        ok = !leser.Lesen(klein).isNull();
    }
    if (!ok && grund)
        *grund = leser.fehler();
    return ok;
}

Bildleser::Metadaten Bildleser::HeifMetadaten(const QString& pfad)
{
    Metadaten metadaten;
    QFile datei(pfad);
    if (!QFileInfo(pfad).isFile() || !datei.open(QIODevice::ReadOnly))
        return metadaten;
    const QByteArray kopf = datei.read(64);
    datei.close();
    Heifbild heif;
    if (heifDateityp(kopf) != heif_filetype_yes_supported || heif.oeffnen(pfad).code != heif_error_Ok)
        return metadaten;
    const int anzahl = heif_image_handle_get_number_of_metadata_blocks(heif.bild, nullptr);
    std::vector<heif_item_id> nummern(size_t(qMax(0, anzahl)));
    heif_image_handle_get_list_of_metadata_block_IDs(heif.bild, nullptr, nummern.data(), anzahl);
    for (const heif_item_id nummer : nummern) {
        const QByteArray art = heif_image_handle_get_metadata_type(heif.bild, nummer);
        const bool exif = art == "Exif" && metadaten.exif.isEmpty();
        const bool xmp = art == "mime" && metadaten.xmp.isEmpty()
            && QByteArray(heif_image_handle_get_metadata_content_type(heif.bild, nummer)) == "application/rdf+xml";
        if (!exif && !xmp)
            continue;
        QByteArray block(qsizetype(heif_image_handle_get_metadata_size(heif.bild, nummer)), Qt::Uninitialized);
        if (heif_image_handle_get_metadata(heif.bild, nummer, block.data()).code != heif_error_Ok)
            continue;
        if (xmp)
            metadaten.xmp = block;
        else if (block.size() >= 4) {
            // The block begins with the distance from its fifth byte to the TIFF header.
            const qint64 abstand = qFromBigEndian<quint32>(block.constData());
            if (abstand < block.size() - 4)
                metadaten.exif = block.mid(4 + abstand);
        }
    }
    return metadaten;
}

// Whether the file holds all the picture data its header promises. The GIF
// and BMP readers of Qt, too, hand back a picture from a cut-off file.
bool Bildleser::Vollstaendig() const
{
    if (m_format == "jpeg")
        return !m_datei->ueberDasEnde;
    if (m_format == "gif") {
        // A complete GIF ends with its trailer ';'; padding behind it (zero
        // bytes, a line end) is harmless and common.
        const qint64 groesse = m_datei->size();
        const qint64 ab = qMax<qint64>(0, groesse - 1024);
        if (!m_datei->seek(ab))
            return false;
        const QByteArray ende = m_datei->read(groesse - ab);
        qsizetype i = ende.size() - 1;
        while (i >= 0 && (ende.at(i) == '\0' || ende.at(i) == '\n' || ende.at(i) == '\r' || ende.at(i) == ' '))
            --i;
        return i >= 0 && ende.at(i) == ';';
    }
    if (m_format == "bmp") {
        if (!m_datei->seek(0))
            return false;
        const QByteArray kopf = m_datei->read(34);
        if (kopf.size() < 26)
            return false;
        const auto* k = reinterpret_cast<const uchar*>(kopf.constData());
        const qint64 beginn = qFromLittleEndian<quint32>(k + 10);
        const quint32 kopfgroesse = qFromLittleEndian<quint32>(k + 14);
        qint64 breite = 0, hoehe = 0, bits = 0;
        if (kopfgroesse == 12) {
            breite = qFromLittleEndian<quint16>(k + 18);
            hoehe = qFromLittleEndian<quint16>(k + 20);
            bits = qFromLittleEndian<quint16>(k + 24);
        } else if (kopfgroesse >= 40 && kopf.size() >= 34) {
            // Only uncompressed rows have a length known in advance.
            const quint32 kompression = qFromLittleEndian<quint32>(k + 30);
            if (kompression != 0 && kompression != 3 && kompression != 6)
                return true;
            breite = qFromLittleEndian<qint32>(k + 18);
            hoehe = std::llabs(qFromLittleEndian<qint32>(k + 22));
            bits = qFromLittleEndian<quint16>(k + 28);
        } else {
            return true;
        }
        const qint64 zeile = (breite * bits + 31) / 32 * 4;
        return m_datei->size() >= beginn + zeile * hoehe;
    }
    return true;
}
