#include "Diaschaufolge.h"

#include "Bildorte.h"
#include "Programmzustand.h"

#include <QFileInfo>
#include <QSize>
#include <Qt>

Diaschaufolge::Diaschaufolge(int anzahl, int start)
    : m_anzahl(qMax(0, anzahl))
    , m_position(m_anzahl == 0 ? 0 : qBound(1, start, m_anzahl))
{
}

QString Diaschaufolge::positionstext() const
{
    return QString::number(m_position) + QLatin1Char('/') + QString::number(m_anzahl);
}

Diaschaufolge::Schritt Diaschaufolge::Taste(int taste)
{
    switch (taste) {
    case Qt::Key_Escape:
        return Schritt::Schliessen;
    case Qt::Key_Left:
        return Schritt::Zurueck;
    case Qt::Key_Up:
    case Qt::Key_Down:
        return Schritt::Keiner;
    default:
        return Schritt::Vor;
    }
}

Diaschaufolge::Schritt Diaschaufolge::Maus(Knopf knopf, bool tausch)
{
    const bool links = (knopf == Knopf::Links) != tausch;
    return links ? Schritt::Vor : Schritt::Zurueck;
}

int Diaschaufolge::Ziel(Schritt schritt) const
{
    if (m_anzahl == 0)
        return 0;
    switch (schritt) {
    case Schritt::Vor:
        return m_position == m_anzahl ? 1 : m_position + 1;
    case Schritt::Zurueck:
        return m_position == 1 ? m_anzahl : m_position - 1;
    case Schritt::Keiner:
        return m_position;
    case Schritt::Schliessen:
        break;
    }
    return 0;
}

int Diaschaufolge::Gehen(Schritt schritt)
{
    const int ziel = Ziel(schritt);
    if (ziel == 0)
        return 0;
    if (schritt == Schritt::Vor || schritt == Schritt::Zurueck)
        m_richtung = schritt;
    m_position = ziel;
    return ziel;
}

int Diaschaufolge::Suchen(const std::function<Lage(int)>& pruefen)
{
    const int anfang = m_position;
    for (int versuch = 0; versuch < m_anzahl; ++versuch) {
        switch (pruefen(m_position)) {
        case Lage::Anzeigen:
            return m_position;
        case Lage::Abbrechen:
            return 0;
        case Lage::Ueberspringen:
            m_position = Ziel(m_richtung);
            break;
        }
    }
    m_position = anfang;
    return 0;
}

QVector<Diaschaubild> DiaschaubilderLaden(Programmzustand& z, Verbindung& con, const QString& tabelle)
{
    const QVector<PraesentationsBild> aufgeloest = BilderAufloesen(con, PraesentationsSchluessel(con, tabelle));
    QVector<Diaschaubild> bilder;
    bilder.reserve(aufgeloest.size());
    const Laufwerksaufnahme einmal(z);
    for (const PraesentationsBild& b : aufgeloest)
        bilder.push_back({ b, BildPfad(z, b) });
    return bilder;
}

Diaschaufolge::Lage DiaschaubildPruefen(Programmzustand& z, Diaschaubild& bild)
{
    if (bild.bild.cdName.isEmpty() || BilddateiVorhanden(bild.pfad))
        return Diaschaufolge::Lage::Anzeigen;
    // The disc may have come since the show started.
    bild.pfad = BildPfad(z, bild.bild);
    if (!bild.pfad.isEmpty())
        return Diaschaufolge::Lage::Anzeigen;
    if (z.Meldung(QStringLiteral("Bitte CD '") + bild.bild.cdName + QStringLiteral("' einlegen!"), Meldungen::Warnung,
            QStringLiteral("Keine oder falsche CD!"))
        != Meldungen::Antwort::OK)
        return Diaschaufolge::Lage::Abbrechen;
    bild.pfad = BildPfad(z, bild.bild);
    return bild.pfad.isEmpty() ? Diaschaufolge::Lage::Ueberspringen : Diaschaufolge::Lage::Anzeigen;
}

QSize Anzeigegroesse(const QSize& bild, const QSize& bildschirm, bool angleichen)
{
    if (bild.isEmpty() || bildschirm.isEmpty())
        return bild;
    if (!angleichen && bild.width() <= bildschirm.width() && bild.height() <= bildschirm.height())
        return bild;
    return bild.scaled(bildschirm, Qt::KeepAspectRatio);
}
