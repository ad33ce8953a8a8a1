#include "BilderListeModell.h"

#include "Recordset.h"
#include "mdlDatenbanken.h"

#include <algorithm>

QString DBNummerMimeTyp()
{
    return QStringLiteral("application/x-kolvar-dbnummer");
}

void BilderListeModell::Auffuellen(Recordset& rs)
{
    m_eintraege.clear();
    m_markiert.clear();
    m_anzahlMarkiert = 0;
    m_anker = 1;
    const int anzahl = rs.IstOffen() ? rs.RecordCount() : 0;
    if (anzahl > 0) {
        const int position = rs.AbsolutePosition();
        const bool warEof = rs.Eof();
        m_eintraege.reserve(anzahl);
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            m_eintraege.append({FeldLesen(rs, QStringLiteral("Dateiname")), FeldLesen(rs, QStringLiteral("DBNummer"))});
        if (position != Recordset::PositionUnbekannt)
            rs.AbsolutePositionSetzen(position);
        else if (!warEof)
            rs.MoveFirst();
        m_markiert.fill(false, anzahl);
    }
    emit geaendert();
}

void BilderListeModell::Leeren()
{
    m_eintraege.clear();
    m_markiert.clear();
    m_anzahlMarkiert = 0;
    m_anker = 1;
    emit geaendert();
}

void BilderListeModell::setzen(int index, bool markiert)
{
    if (m_markiert[index] == markiert)
        return;
    m_markiert[index] = markiert;
    m_anzahlMarkiert += markiert ? 1 : -1;
}

void BilderListeModell::markieren(int position, bool markiert)
{
    if (!gueltig(position))
        return;
    setzen(position - 1, markiert);
    emit geaendert();
}

void BilderListeModell::NormaleTextfelder(int position)
{
    const bool behalten = markiert(position);
    // Most of the time one entry is marked: stop once no other one is left.
    int uebrig = m_anzahlMarkiert - (behalten ? 1 : 0);
    for (int i = 0; i < m_markiert.size() && uebrig > 0; ++i) {
        if (m_markiert[i] && i != position - 1) {
            setzen(i, false);
            --uebrig;
        }
    }
    emit geaendert();
}

void BilderListeModell::bereichMarkieren(int von, int bis)
{
    const int a = std::max(1, std::min(von, bis));
    const int b = std::min(anzahl(), std::max(von, bis));
    for (int i = a; i <= b; ++i)
        setzen(i - 1, true);
    emit geaendert();
}

QVector<int> BilderListeModell::markiertePositionen() const
{
    QVector<int> positionen;
    positionen.reserve(m_anzahlMarkiert);
    for (int i = 0; i < m_markiert.size(); ++i) {
        if (m_markiert[i])
            positionen.append(i + 1);
    }
    return positionen;
}

QVector<BilderListeModell::Eintrag> BilderListeModell::markierteEintraege() const
{
    QVector<Eintrag> eintraege;
    const QVector<int> positionen = markiertePositionen();
    for (int p : positionen)
        eintraege.append(eintrag(p));
    return eintraege;
}

void BilderListeModell::Klick(int position, bool umschalt, bool strg)
{
    if (!gueltig(position))
        return;
    if (umschalt) {
        bereichMarkieren(m_anker, position);
    } else if (strg) {
        setzen(position - 1, !m_markiert[position - 1]);
        m_anker = position;
        emit geaendert();
    } else {
        if (!m_markiert[position - 1]) {
            NormaleTextfelder(position);
            setzen(position - 1, true);
            emit geaendert();
        }
        m_anker = position;
    }
}

void BilderListeModell::AufPositionSetzen(int position)
{
    NormaleTextfelder(position);
    if (gueltig(position)) {
        setzen(position - 1, true);
        m_anker = position;
    }
    emit geaendert();
}

int BilderListeModell::Tastenziel(int aktuell, int taste, int seite, int anzahl)
{
    if (anzahl < 1)
        return 0;
    seite = std::max(1, seite);
    int ziel = 0;
    switch (taste) {
    case Qt::Key_Up: ziel = aktuell - 1; break;
    case Qt::Key_Down: ziel = aktuell + 1; break;
    case Qt::Key_PageUp: ziel = aktuell - seite; break;
    case Qt::Key_PageDown: ziel = aktuell + seite; break;
    case Qt::Key_Home: ziel = 1; break;
    case Qt::Key_End: ziel = anzahl; break;
    default: return 0;
    }
    return std::clamp(ziel, 1, anzahl);
}

void BilderListeModell::TasteBewegt(int position, bool umschalt)
{
    if (!gueltig(position))
        return;
    if (!umschalt) {
        AufPositionSetzen(position);
        return;
    }
    const int anker = gueltig(m_anker) ? m_anker : position;
    const int von = std::min(anker, position);
    const int bis = std::max(anker, position);
    for (int i = 1; i <= anzahl(); ++i)
        setzen(i - 1, i >= von && i <= bis);
    m_anker = anker;
    emit geaendert();
}
