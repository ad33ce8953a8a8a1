#pragma once
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <cstdint>

// The size to decode a picture at so that it covers the needed size: the
// smallest of its own size divided by 8, 4, 2 or 1 (rounded up, as a JPEG
// decoder scales in the DCT) that is at least as large. Decoding at exactly
// such a size costs no resampling after the decoder; the view scales when
// it paints.
QSize DekodierGroesse(const QSize& original, const QSizeF& benoetigt);

// The zoom view's arithmetic without a window: the picture fitted into the
// display area or at its own size, steps of a tenth of the original size
// about the centre, the percentage of the caption and the scroll bars.
// Units are the caller's (pixels or twips), the same for all values.
class Zoomrechnung {
public:
    // A full display: fitted (small pictures are enlarged too) or at the
    // original size, centred; the step counter goes back to 10. A picture
    // without size gives an empty image.
    void Vollanzeige(const QSizeF& bild, const QSizeF& anzeige, bool anpassen);
    // Original size, centred in the display area.
    void Original();
    // One step larger or smaller about the centre. False, and nothing
    // changes, when the button would be disabled or a side would reach zero.
    bool Groesser();
    bool Kleiner();
    bool kannGroesser() const;
    bool kannKleiner() const;

    // Percentage of the original width; 0 without a picture.
    std::int32_t Zoomfaktor() const;

    // Which bars a display needs (dicke: a bar's thickness) and their
    // values 0..100 for the image's position.
    struct Laufleisten {
        bool horizontal = false;
        bool vertikal = false;
        int hWert = 0;
        int vWert = 0;
    };
    Laufleisten LaufleistenUeberpruefung(double dicke) const;
    // A bar was moved: the image follows (0 left or top edge, 100 the other).
    void hScrollen(int wert, double dicke);
    void vScrollen(int wert, double dicke);

    const QRectF& bildRechteck() const { return m_bild; }
    const QSizeF& original() const { return m_original; }
    const QSizeF& anzeige() const { return m_anzeige; }
    int ZoomStufe() const { return m_stufe; }
    double SchrittBreite() const { return m_schrittBreite; }
    double SchrittHoehe() const { return m_schrittHoehe; }

private:
    void zentrieren();

    QSizeF m_original;
    QSizeF m_anzeige;
    QRectF m_bild;
    double m_schrittBreite = 0;
    double m_schrittHoehe = 0;
    int m_stufe = 10;
};
