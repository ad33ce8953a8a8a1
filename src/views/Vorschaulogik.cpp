#include "Vorschaulogik.h"

#include "Bildleser.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

// The rounding of the grid: to the nearest integer, halves to even.
int runden(double wert)
{
    return static_cast<int>(std::nearbyint(wert));
}

}  // namespace

Vorschauraster RasterBerechnen(int breite, int zellengroesse)
{
    const int s = std::max(1, zellengroesse);
    Vorschauraster r;
    // Start one above the rounded quotient and step down until the gap is
    // wide enough; a window narrower than two cells keeps one column.
    int spalten = std::max(2, runden(static_cast<double>(breite) / s) + 1);
    int luecke = 0;
    do {
        --spalten;
        luecke = runden(static_cast<double>(breite - spalten * s) / (spalten + 1));
    } while (luecke < 4 && spalten > 1);
    r.spalten = spalten;
    r.luecke = std::max(4, luecke);
    return r;
}

Zellenlage ZelleBerechnen(int zelle, const Vorschauraster& raster, int zellengroesse, int labelhoehe)
{
    const int s = zellengroesse;
    const int spalte = (zelle - 1) % raster.spalten + 1;
    const int zeile = (zelle - 1) / raster.spalten;
    Zellenlage lage;
    const int links = (spalte - 1) * s + spalte * raster.luecke;
    const int oben = zeile * (labelhoehe + s + 4) + raster.luecke + zeile * raster.luecke;
    lage.bild = QRect(links, oben, s, s);
    lage.labelOben = oben + s + 4;
    return lage;
}

int AnzahlNaviSchritteBestimmen(int anzahlBilder, int spalten, int zeilen)
{
    if (anzahlBilder <= 0 || spalten <= 0)
        return 0;
    return std::max(0, (anzahlBilder - 1) / spalten - (zeilen - 1));
}

Seitenbereich SeiteBerechnen(int naviSchritt, int spalten, int zeilen, int anzahlBilder)
{
    Seitenbereich s;
    s.erstes = naviSchritt * spalten + 1;
    s.letztes = std::min((naviSchritt + zeilen) * spalten, anzahlBilder);
    return s;
}

QString Positionstext(const Seitenbereich& seite, int anzahlBilder)
{
    if (seite.leer())
        return QString();
    return QStringLiteral("Bilder %1 - %2  von  %3").arg(seite.erstes).arg(seite.letztes).arg(anzahlBilder);
}

QSize ZellenbildGroesse(const QSize& bild, int zellengroesse)
{
    if (bild.isEmpty())
        return QSize();
    const double a = static_cast<double>(bild.width()) / bild.height();
    const int s = zellengroesse;
    int w = runden(a * s);
    int h = s;
    if (w > s) {
        w = s;
        h = runden(s / a);
    }
    return QSize(std::max(1, w), std::max(1, h));
}

void Vorschaunavigation::NeuesAlbum(int anzahlBilder, int spalten, int zeilen)
{
    m_anzahl = std::max(0, anzahlBilder);
    m_spalten = std::max(1, spalten);
    m_zeilen = std::max(1, zeilen);
    m_max = AnzahlNaviSchritteBestimmen(m_anzahl, m_spalten, m_zeilen);
    m_schritt = 0;
}

Vorschaunavigation::Folge Vorschaunavigation::gehe(int ziel)
{
    ziel = std::clamp(ziel, 0, m_max);
    const int vorher = m_schritt;
    m_schritt = ziel;
    if (ziel == vorher)
        return Folge::Keine;
    // One row either way keeps the other rows' thumbnails.
    if (ziel == vorher + 1)
        return Folge::ZeileVor;
    if (ziel == vorher - 1)
        return Folge::ZeileZurueck;
    return Folge::Neuzeichnen;
}

Vorschaunavigation::Folge Vorschaunavigation::NaechsteZeile()
{
    return gehe(m_schritt + 1);
}

Vorschaunavigation::Folge Vorschaunavigation::VorherigeZeile()
{
    return gehe(m_schritt - 1);
}

Vorschaunavigation::Folge Vorschaunavigation::Erste()
{
    return gehe(0);
}

Vorschaunavigation::Folge Vorschaunavigation::Letzte()
{
    return gehe(m_max);
}

Vorschaunavigation::Folge Vorschaunavigation::NaechsteSeite()
{
    const Folge f = gehe(m_schritt + m_zeilen);
    return f == Folge::Keine ? f : Folge::Neuzeichnen;
}

Vorschaunavigation::Folge Vorschaunavigation::VorherigeSeite()
{
    const Folge f = gehe(m_schritt - m_zeilen);
    return f == Folge::Keine ? f : Folge::Neuzeichnen;
}

void Vorschauspeicher::hoechstzahlSetzen(int anzahl)
{
    m_hoechstzahl = std::max(1, anzahl);
    while (m_reihe.size() > m_hoechstzahl)
        m_eintraege.remove(m_reihe.takeFirst());
}

void Vorschauspeicher::leeren()
{
    m_eintraege.clear();
    m_reihe.clear();
}

QImage Vorschauspeicher::Laden(const QString& pfad, int zellengroesse)
{
    if (pfad.isEmpty())
        return QImage();
    const QFileInfo info(pfad);
    if (!info.isFile())
        return QImage();
    const qint64 zeit = info.lastModified().toMSecsSinceEpoch();
    const qint64 groesse = info.size();
    const QString schluessel = QString::number(zellengroesse) + QLatin1Char('|') + pfad;
    auto it = m_eintraege.constFind(schluessel);
    if (it != m_eintraege.constEnd() && it->zeit == zeit && it->groesse == groesse) {
        m_reihe.removeOne(schluessel);
        m_reihe.append(schluessel);
        return it->bild;
    }
    Bildleser leser;
    QImage bild;
    if (leser.Oeffnen(pfad))
        bild = leser.Lesen(ZellenbildGroesse(leser.Groesse(), zellengroesse));
    if (bild.isNull())
        return QImage();
    m_reihe.removeOne(schluessel);
    m_eintraege.insert(schluessel, Eintrag { bild, zeit, groesse });
    m_reihe.append(schluessel);
    while (m_reihe.size() > m_hoechstzahl)
        m_eintraege.remove(m_reihe.takeFirst());
    return bild;
}
