#pragma once
#include <QImage>

#include <memory>
#include <vector>

namespace Meldungen {
class Dienst;
}

// An off-screen 24-bit bitmap whose pixel memory the program addresses
// directly: three bytes per pixel in the order blue, green, red, rows stored
// bottom-up, each row padded to a multiple of 4 bytes. The JPEG writer hands
// this memory to the encoder as it is, so the layout must not change.
// Pictures come in and go out through QImage; the instance owns its buffer
// and never shares it.
class cDIBSection {
public:
    // How copied bytes meet the bytes already there (the raster operations
    // the program knows; only Kopieren is used by the program itself).
    enum class Rasterop { Kopieren, Und, Oder, ExklusivOder };

    cDIBSection() = default;
    ~cDIBSection() { ClearUp(); }
    cDIBSection(const cDIBSection&) = delete;
    cDIBSection& operator=(const cDIBSection&) = delete;

    // Shows "Noch nicht verfügbar!" for alsDIB; otherwise puts the bitmap on
    // the clipboard. False when nothing was copied.
    bool CopyToClipboard(bool alsDIB, Meldungen::Dienst* meldungen);

    // A black bitmap of the size; a bitmap held before is released first.
    // False (and empty) for sizes of 0 or below or whose memory would exceed
    // what one buffer may hold.
    bool Create(int breite, int hoehe);
    // Creates a bitmap of the picture's size and copies the picture into it.
    bool CreateFromPicture(const QImage& bild);

    int BytesPerScanLine() const { return BytesPerScanLine(m_breite); }
    static int BytesPerScanLine(int breite) { return (breite * 3 + 3) & ~3; }
    int Width() const { return m_breite; }
    int Height() const { return m_hoehe; }
    // The size of the pixel memory: bytes per scan line times height.
    int ImageSize() const { return BytesPerScanLine() * m_hoehe; }
    bool IstLeer() const { return m_bits.empty(); }

    // Copies a rectangle of the source, from (quelleLinks, quelleOben), into
    // the bitmap at (0, 0). A negative width or height means the bitmap's own.
    void LoadPictureBlt(const QImage& quelle, int quelleLinks = 0, int quelleOben = 0,
                        int quelleBreite = -1, int quelleHoehe = -1,
                        Rasterop op = Rasterop::Kopieren);
    // Copies from the bitmap, starting at (quelleLinks, quelleOben), to the
    // destination at (zielLinks, zielOben). A negative width or height means
    // the bitmap's own. A destination that is not RGB32, RGB888 or BGR888 is
    // converted to RGB32 first (a bitmap has no transparency).
    void PaintPicture(QImage& ziel, int zielLinks = 0, int zielOben = 0, int breite = -1,
                      int hoehe = -1, int quelleLinks = 0, int quelleOben = 0,
                      Rasterop op = Rasterop::Kopieren) const;
    // The whole bitmap as a picture (top row first).
    QImage Bild() const;

    // The first byte of the pixel memory (the bottom row); null when empty.
    unsigned char* DIBSectionBitsPtr() { return m_bits.empty() ? nullptr : m_bits.data(); }
    const unsigned char* DIBSectionBitsPtr() const { return m_bits.empty() ? nullptr : m_bits.data(); }

    // Test filling: grey noise, or noise in green and red with blue 0.
    void RandomiseBits(bool grau);
    void ClearUp();

    // A new bitmap of the size, filled by bilinear interpolation (an exact
    // copy when the size is unchanged); null when it cannot be created.
    std::unique_ptr<cDIBSection> Resample(int neueHoehe, int neueBreite) const;

private:
    // Row y counted from the top of the picture.
    unsigned char* Zeile(int y) { return m_bits.data() + qsizetype(m_hoehe - 1 - y) * BytesPerScanLine(); }
    const unsigned char* Zeile(int y) const
    {
        return m_bits.data() + qsizetype(m_hoehe - 1 - y) * BytesPerScanLine();
    }

    std::vector<unsigned char> m_bits;
    int m_breite = 0;
    int m_hoehe = 0;
};
