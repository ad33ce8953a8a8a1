#include "cDIBSection.h"

#include "Meldungen.h"

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>

namespace {

// The part of a copy of `groesse` from (quelle at qp) to (ziel at zp) that
// lies inside both pictures: where it starts in each, and its size.
struct Kopierbereich {
    QPoint quelle;
    QPoint ziel;
    QSize groesse;
};

Kopierbereich Beschneiden(QSize quelle, QPoint qp, QSize ziel, QPoint zp, QSize groesse)
{
    if (groesse.isEmpty())
        return {};
    const QRect q = QRect(qp, groesse) & QRect(QPoint(0, 0), quelle);
    if (q.isEmpty())
        return {};
    const QRect z = QRect(q.topLeft() - qp + zp, q.size()) & QRect(QPoint(0, 0), ziel);
    if (z.isEmpty())
        return {};
    return {z.topLeft() - zp + qp, z.topLeft(), z.size()};
}

// The formats whose rows are read and written directly; everything else is
// converted once (indexed GIFs, 16-bit BMPs and the like).
QImage Lesbar(const QImage& bild)
{
    switch (bild.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
        return bild;
    default:
        return bild.convertToFormat(bild.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                           : QImage::Format_RGB32);
    }
}

// n pixels of a picture row, from x0 on, as blue-green-red bytes.
// Transparent parts come out as if painted over white.
void AlsBGR(const uchar* zeile, QImage::Format format, int x0, int n, uchar* bgr)
{
    switch (format) {
    case QImage::Format_BGR888:
        std::memcpy(bgr, zeile + x0 * 3, size_t(n) * 3);
        return;
    case QImage::Format_RGB888:
        for (const uchar* q = zeile + x0 * 3; n > 0; --n, q += 3, bgr += 3) {
            bgr[0] = q[2];
            bgr[1] = q[1];
            bgr[2] = q[0];
        }
        return;
    case QImage::Format_ARGB32_Premultiplied:
        for (const QRgb* q = reinterpret_cast<const QRgb*>(zeile) + x0; n > 0; --n, ++q, bgr += 3) {
            const int weiss = 255 - qAlpha(*q);
            bgr[0] = uchar(qBlue(*q) + weiss);
            bgr[1] = uchar(qGreen(*q) + weiss);
            bgr[2] = uchar(qRed(*q) + weiss);
        }
        return;
    default:  // RGB32
        for (const QRgb* q = reinterpret_cast<const QRgb*>(zeile) + x0; n > 0; --n, ++q, bgr += 3) {
            bgr[0] = uchar(qBlue(*q));
            bgr[1] = uchar(qGreen(*q));
            bgr[2] = uchar(qRed(*q));
        }
        return;
    }
}

// The reverse of AlsBGR for the destination formats PaintPicture writes.
void AusBGR(const uchar* bgr, int n, uchar* zeile, QImage::Format format, int x0)
{
    switch (format) {
    case QImage::Format_BGR888:
        std::memcpy(zeile + x0 * 3, bgr, size_t(n) * 3);
        return;
    case QImage::Format_RGB888:
        for (uchar* z = zeile + x0 * 3; n > 0; --n, z += 3, bgr += 3) {
            z[0] = bgr[2];
            z[1] = bgr[1];
            z[2] = bgr[0];
        }
        return;
    default:  // RGB32
        for (QRgb* z = reinterpret_cast<QRgb*>(zeile) + x0; n > 0; --n, ++z, bgr += 3)
            *z = qRgb(bgr[2], bgr[1], bgr[0]);
        return;
    }
}

void Verknuepfen(uchar* ziel, const uchar* quelle, int anzahl, cDIBSection::Rasterop op)
{
    switch (op) {
    case cDIBSection::Rasterop::Kopieren:
        std::memcpy(ziel, quelle, size_t(anzahl));
        break;
    case cDIBSection::Rasterop::Und:
        for (int i = 0; i < anzahl; ++i)
            ziel[i] &= quelle[i];
        break;
    case cDIBSection::Rasterop::Oder:
        for (int i = 0; i < anzahl; ++i)
            ziel[i] |= quelle[i];
        break;
    case cDIBSection::Rasterop::ExklusivOder:
        for (int i = 0; i < anzahl; ++i)
            ziel[i] ^= quelle[i];
        break;
    }
}

}  // namespace

bool cDIBSection::CopyToClipboard(bool alsDIB, Meldungen::Dienst* meldungen)
{
    if (alsDIB) {
        if (meldungen)
            meldungen->zeigen(QStringLiteral("Noch nicht verfügbar!"), Meldungen::Normal, QString());
        return false;
    }
    if (IstLeer() || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    QClipboard* ablage = QGuiApplication::clipboard();
    ablage->setImage(Bild());
    return ablage->image().size() == QSize(m_breite, m_hoehe);
}

bool cDIBSection::Create(int breite, int hoehe)
{
    ClearUp();
    if (breite <= 0 || hoehe <= 0)
        return false;
    const qint64 zeile = (qint64(breite) * 3 + 3) & ~qint64(3);
    if (zeile * hoehe > std::numeric_limits<int>::max())
        return false;
    try {
        m_bits.assign(size_t(zeile * hoehe), 0);
    } catch (const std::bad_alloc&) {
        ClearUp();
        return false;
    }
    m_breite = breite;
    m_hoehe = hoehe;
    return true;
}

bool cDIBSection::CreateFromPicture(const QImage& bild)
{
    if (!Create(bild.width(), bild.height()))
        return false;
    LoadPictureBlt(bild);
    return true;
}

void cDIBSection::LoadPictureBlt(const QImage& quelle, int quelleLinks, int quelleOben,
                                 int quelleBreite, int quelleHoehe, Rasterop op)
{
    if (IstLeer() || quelle.isNull())
        return;
    const QSize groesse(quelleBreite < 0 ? m_breite : quelleBreite, quelleHoehe < 0 ? m_hoehe : quelleHoehe);
    const Kopierbereich b = Beschneiden(quelle.size(), QPoint(quelleLinks, quelleOben),
                                        QSize(m_breite, m_hoehe), QPoint(0, 0), groesse);
    if (b.groesse.isEmpty())
        return;
    const QImage q = Lesbar(quelle);
    const int n = b.groesse.width();
    std::vector<uchar> zwischen(op == Rasterop::Kopieren ? 0 : size_t(n) * 3);
    for (int y = 0; y < b.groesse.height(); ++y) {
        const uchar* qZeile = q.constScanLine(b.quelle.y() + y);
        uchar* ziel = Zeile(b.ziel.y() + y) + b.ziel.x() * 3;
        if (op == Rasterop::Kopieren) {
            AlsBGR(qZeile, q.format(), b.quelle.x(), n, ziel);
        } else {
            AlsBGR(qZeile, q.format(), b.quelle.x(), n, zwischen.data());
            Verknuepfen(ziel, zwischen.data(), n * 3, op);
        }
    }
}

void cDIBSection::PaintPicture(QImage& ziel, int zielLinks, int zielOben, int breite, int hoehe,
                               int quelleLinks, int quelleOben, Rasterop op) const
{
    if (IstLeer() || ziel.isNull())
        return;
    const QSize groesse(breite < 0 ? m_breite : breite, hoehe < 0 ? m_hoehe : hoehe);
    const Kopierbereich b = Beschneiden(QSize(m_breite, m_hoehe), QPoint(quelleLinks, quelleOben),
                                        ziel.size(), QPoint(zielLinks, zielOben), groesse);
    if (b.groesse.isEmpty())
        return;
    if (ziel.format() != QImage::Format_RGB32 && ziel.format() != QImage::Format_RGB888
        && ziel.format() != QImage::Format_BGR888)
        ziel.convertTo(QImage::Format_RGB32);
    const int n = b.groesse.width();
    std::vector<uchar> zwischen(op == Rasterop::Kopieren ? 0 : size_t(n) * 3);
    for (int y = 0; y < b.groesse.height(); ++y) {
        const uchar* quelle = Zeile(b.quelle.y() + y) + b.quelle.x() * 3;
        uchar* zZeile = ziel.scanLine(b.ziel.y() + y);
        if (op == Rasterop::Kopieren) {
            AusBGR(quelle, n, zZeile, ziel.format(), b.ziel.x());
        } else {
            AlsBGR(zZeile, ziel.format(), b.ziel.x(), n, zwischen.data());
            Verknuepfen(zwischen.data(), quelle, n * 3, op);
            AusBGR(zwischen.data(), n, zZeile, ziel.format(), b.ziel.x());
        }
    }
}

QImage cDIBSection::Bild() const
{
    if (IstLeer())
        return QImage();
    QImage bild(m_breite, m_hoehe, QImage::Format_RGB32);
    if (bild.isNull())
        return bild;
    PaintPicture(bild);
    return bild;
}

void cDIBSection::RandomiseBits(bool grau)
{
    QRandomGenerator zufall(quint32(QDateTime::currentMSecsSinceEpoch()));
    for (int y = 0; y < m_hoehe; ++y) {
        uchar* p = Zeile(y);
        for (int x = 0; x < m_breite; ++x, p += 3) {
            if (grau) {
                p[0] = p[1] = p[2] = uchar(zufall.bounded(256));
            } else {
                p[0] = 0;
                p[1] = uchar(zufall.bounded(256));
                p[2] = uchar(zufall.bounded(256));
            }
        }
    }
}

void cDIBSection::ClearUp()
{
    std::vector<unsigned char>().swap(m_bits);
    m_breite = 0;
    m_hoehe = 0;
}

std::unique_ptr<cDIBSection> cDIBSection::Resample(int neueHoehe, int neueBreite) const
{
    if (IstLeer())
        return nullptr;
    auto neu = std::make_unique<cDIBSection>();
    if (!neu->Create(neueBreite, neueHoehe))
        return nullptr;
    if (neueBreite == m_breite && neueHoehe == m_hoehe) {
        neu->m_bits = m_bits;
        return neu;
    }
    // Rows are taken in memory order; both bitmaps are bottom-up, so the
    // bottom rows meet. The right and bottom neighbours are clamped for
    // bitmaps one pixel wide or high.
    const double schrittX = double(m_breite - 1) / neueBreite;
    const double schrittY = double(m_hoehe - 1) / neueHoehe;
    const int quellZeile = BytesPerScanLine();
    const int zielZeile = neu->BytesPerScanLine();
    for (int y = 0; y < neueHoehe; ++y) {
        const double qy = y * schrittY;
        const int y0 = int(qy);
        const double fy = qy - y0;
        const uchar* oben = m_bits.data() + qsizetype(y0) * quellZeile;
        const uchar* unten = m_bits.data() + qsizetype(std::min(y0 + 1, m_hoehe - 1)) * quellZeile;
        uchar* ziel = neu->m_bits.data() + qsizetype(y) * zielZeile;
        for (int x = 0; x < neueBreite; ++x) {
            const double qx = x * schrittX;
            const int x0 = int(qx);
            const double fx = qx - x0;
            const int links = x0 * 3;
            const int rechts = std::min(x0 + 1, m_breite - 1) * 3;
            for (int k = 0; k < 3; ++k) {
                const double a = (1 - fx) * oben[links + k] + fx * oben[rechts + k];
                const double b = (1 - fx) * unten[links + k] + fx * unten[rechts + k];
                ziel[x * 3 + k] = uchar(std::lround((1 - fy) * a + fy * b));
            }
        }
    }
    return neu;
}
