#include "Zoomlogik.h"

#include <algorithm>
#include <cmath>

QSize DekodierGroesse(const QSize& original, const QSizeF& benoetigt)
{
    for (int teiler : { 8, 4, 2 }) {
        const QSize kleiner((original.width() + teiler - 1) / teiler, (original.height() + teiler - 1) / teiler);
        if (kleiner.width() >= benoetigt.width() && kleiner.height() >= benoetigt.height())
            return kleiner;
    }
    return original;
}

void Zoomrechnung::zentrieren()
{
    m_bild.moveLeft((m_anzeige.width() - m_bild.width()) / 2);
    m_bild.moveTop((m_anzeige.height() - m_bild.height()) / 2);
}

void Zoomrechnung::Vollanzeige(const QSizeF& bild, const QSizeF& anzeige, bool anpassen)
{
    m_original = bild;
    m_anzeige = anzeige;
    m_stufe = 10;
    if (bild.isEmpty() || anzeige.isEmpty()) {
        m_bild = QRectF();
        m_schrittBreite = m_schrittHoehe = 0;
        return;
    }
    const double fx = bild.width() / anzeige.width();
    const double fy = bild.height() / anzeige.height();
    // One side fills the display area, the other fits inside.
    const double f = bild.height() / fx > anzeige.height() ? fy : fx;
    QSizeF groesse(bild.width() / f, bild.height() / f);
    if (!anpassen)
        groesse = bild;
    m_schrittBreite = std::nearbyint(bild.width() * 0.1);
    m_schrittHoehe = std::nearbyint(bild.height() * 0.1);
    m_bild = QRectF(QPointF(0, 0), groesse);
    zentrieren();
}

void Zoomrechnung::Original()
{
    if (m_original.isEmpty())
        return;
    m_bild.setSize(m_original);
    zentrieren();
    m_stufe = 10;
}

bool Zoomrechnung::kannGroesser() const
{
    return !m_bild.isEmpty() && m_stufe <= 30;
}

bool Zoomrechnung::kannKleiner() const
{
    return !m_bild.isEmpty() && m_stufe >= 5 && m_bild.width() - m_schrittBreite > 0
        && m_bild.height() - m_schrittHoehe > 0;
}

bool Zoomrechnung::Groesser()
{
    if (!kannGroesser())
        return false;
    m_bild.adjust(-m_schrittBreite / 2, -m_schrittHoehe / 2, m_schrittBreite / 2, m_schrittHoehe / 2);
    ++m_stufe;
    return true;
}

bool Zoomrechnung::Kleiner()
{
    if (!kannKleiner())
        return false;
    m_bild.adjust(m_schrittBreite / 2, m_schrittHoehe / 2, -m_schrittBreite / 2, -m_schrittHoehe / 2);
    --m_stufe;
    return true;
}

std::int32_t Zoomrechnung::Zoomfaktor() const
{
    if (m_original.width() <= 0)
        return 0;
    return static_cast<std::int32_t>(std::nearbyint(m_bild.width() / m_original.width() * 100));
}

Zoomrechnung::Laufleisten Zoomrechnung::LaufleistenUeberpruefung(double dicke) const
{
    Laufleisten l;
    l.horizontal = m_bild.width() > m_anzeige.width();
    l.vertikal = m_bild.height() > m_anzeige.height();
    // The image is larger than the area, so the divisor is never zero.
    if (l.horizontal)
        l.hWert = std::clamp(
            static_cast<int>(std::nearbyint(m_bild.left() / ((m_anzeige.width() - dicke - m_bild.width()) / 100))), 0,
            100);
    if (l.vertikal)
        l.vWert = std::clamp(
            static_cast<int>(std::nearbyint(m_bild.top() / ((m_anzeige.height() - dicke - m_bild.height()) / 100))), 0,
            100);
    return l;
}

void Zoomrechnung::hScrollen(int wert, double dicke)
{
    if (m_bild.width() > m_anzeige.width())
        m_bild.moveLeft((m_anzeige.width() - dicke - m_bild.width()) / 100 * wert);
}

void Zoomrechnung::vScrollen(int wert, double dicke)
{
    if (m_bild.height() > m_anzeige.height())
        m_bild.moveTop((m_anzeige.height() - dicke - m_bild.height()) / 100 * wert);
}
