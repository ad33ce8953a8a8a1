#include "Vorschaubildpool.h"

#include "Reihenarbeit.h"
#include "Twips.h"

int VorschaubilderParallelErzeugen(const QVector<Vorschauauftrag>& auftraege, const Vorschaufertig& fertig,
    const Vorschauvorgaben& vorgaben, int threads)
{
    // The screen is asked here: a worker thread must not.
    Vorschauvorgaben fest = vorgaben;
    if (fest.twipsProPixel <= 0)
        fest.twipsProPixel = Twips::proPixel();
    return InReihenfolgeParallel<Vorschauergebnis>(
        static_cast<int>(auftraege.size()),
        [&](int i) { return VorschaubildErzeugen(auftraege.at(i).bild, auftraege.at(i).ziel, fest); },
        [&](int i, Vorschauergebnis& ergebnis) { return fertig(i, ergebnis); }, threads);
}
