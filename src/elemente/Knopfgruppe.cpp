#include "Knopfgruppe.h"

#include "Bildknopf.h"

namespace {
const QString Benutzt = QStringLiteral("benutzt");
}

void Knopfgruppe::hinzufuegen(Bildknopf* knopf)
{
    m_knoepfe.append(knopf);
}

void Knopfgruppe::NormaleButtons()
{
    for (Bildknopf* k : std::as_const(m_knoepfe)) {
        if (k->tag == Benutzt && k->objectName() != m_knopfUnterMaus) {
            k->bildZeigen(k->istAktiv() ? QStringLiteral("_n") : QStringLiteral("_ef"));
            k->tag.clear();
        }
    }
}

void Knopfgruppe::mausUeberKnopf(Bildknopf* knopf)
{
    // A disabled button gets no hover picture; it only resets the others.
    if (!knopf->istAktiv()) {
        mausUeberFlaeche();
        return;
    }
    m_knopfUnterMaus = knopf->objectName();
    NormaleButtons();
    if (knopf->tag != Benutzt)
        knopf->bildZeigen(QString());
    knopf->tag = Benutzt;
}

void Knopfgruppe::mausUeberFlaeche()
{
    m_knopfUnterMaus.clear();
    NormaleButtons();
}
