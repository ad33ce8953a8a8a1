#pragma once
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

class QImageReader;
class Lesewaechter;
struct Heifbild;

// Reads a picture file (JPEG, GIF, BMP, PNG, TIFF, WebP through Qt; HEIC,
// HEIF and AVIF through libheif) safely and, when asked, already reduced: a
// JPEG is then decoded at 1/2, 1/4 or 1/8 of its size by the decoder itself,
// and a HEIC gives its own thumbnail when that is large enough, so a camera
// picture never lies in memory at full size for a thumbnail. Only this class
// knows which library reads which type. Only regular files are opened (a named pipe would block the
// decoder for ever); a file that ends before its picture data does is
// refused, although Qt would hand back a picture padded with grey.
// Pictures come upright: a camera's EXIF orientation is applied after the
// scaled decode, and sizes in and out are those of the upright picture. A
// HEIF file is turned by libheif from its container (irot/imir); its EXIF
// orientation tells the same and is not applied a second time.
class Bildleser {
public:
    // The kinds of picture files, by their ending in any case: JPEG (".jpg",
    // ".jpeg", ".jpe", ".jfif"), GIF, BMP, PNG, TIFF, WebP, HEIF (".heic",
    // ".heif", ".hif"), AVIF. Only the import's order of groups follows them;
    // nothing stores them.
    enum Art { Jpeg, Gif, Bmp, Png, Tiff, Webp, Heif, Avif, Arten };
    // The kind of the file by its name; -1 for any other ending.
    static int ArtNachName(const QString& dateiname);
    // Whether a decoder here reads that kind (AVIF only where the installed
    // libheif decodes it, TIFF and WebP where Qt's plugins are installed).
    static bool Lesbar(int art);
    // The endings of a kind, in lower case, the usual one first.
    static QStringList Endungen(int art);

    Bildleser();
    ~Bildleser();
    Bildleser(const Bildleser&) = delete;
    Bildleser& operator=(const Bildleser&) = delete;

    // Opens the file and reads the picture's header. False with fehler() set
    // when it is not a regular file, cannot be opened or is no picture.
    bool Oeffnen(const QString& pfad);
    // Size in pixels of the upright picture, from the header; valid after Oeffnen.
    QSize Groesse() const { return m_groesse; }
    // Decodes the picture upright, scaled to the size (its own when invalid).
    // A null picture with fehler() set on failure. Once per Oeffnen.
    QImage Lesen(const QSize& skaliert = QSize());
    // Why the last step failed, in German; the caller names the file.
    QString fehler() const { return m_fehler; }

    // Whether the file is a complete picture: opened, and decoded small (a
    // JPEG at an eighth of its size, a HEIF file from the thumbnail it
    // carries once libheif has found all its parts there), so that a cut-off
    // or damaged file is found before anyone relies on it. False with the
    // reason in grund.
    static bool Pruefen(const QString& pfad, QString* grund = nullptr);

    // The metadata blocks of a HEIF file's primary image as libheif finds
    // them: the first Exif block from its TIFF header on, and the first XMP
    // packet. Both empty for any other file, or one libheif cannot open.
    struct Metadaten {
        QByteArray exif;
        QByteArray xmp;
    };
    static Metadaten HeifMetadaten(const QString& pfad);

private:
    bool Fehler(const QString& text);
    bool Vollstaendig() const;
    bool HeifOeffnen(const QString& pfad);
    QImage HeifLesen(const QSize& skaliert);

    std::unique_ptr<Lesewaechter> m_datei;
    std::unique_ptr<QImageReader> m_leser;
    std::unique_ptr<Heifbild> m_heif;
    int m_ausrichtung = 1;  // EXIF orientation Qt's reader leaves to us (PNG, WebP)
    QByteArray m_format;
    QSize m_groesse;
    bool m_gedreht = false;  // stored lying on its side: width and height swap
    QString m_fehler;
};
