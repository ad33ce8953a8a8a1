#pragma once
#include "Vorschaubild.h"

#include <QString>
#include <QVector>
#include <functional>

// One thumbnail to make: the picture and the file its thumbnail goes to.
struct Vorschauauftrag {
    QString bild;
    QString ziel;
};

// Makes the thumbnails of many pictures on a pool of worker threads, one
// per core. The workers only decode, scale and write (each thumbnail under
// a temporary name, then renamed, as VorschaubildErzeugen does); they touch
// neither the database nor a window. fertig(i, ergebnis) is called on the
// calling thread for every picture in the order of the list, so messages
// and progress keep that order; while it waits for the next result the
// caller's events are processed, so its window repaints.
//
// When fertig returns false the run stops: pictures not yet begun are left
// alone, those under way are finished (complete files) but not reported.
// threads = 0 takes one per core. Returns the number of results handed out.
using Vorschaufertig = std::function<bool(int i, const Vorschauergebnis& ergebnis)>;
int VorschaubilderParallelErzeugen(const QVector<Vorschauauftrag>& auftraege, const Vorschaufertig& fertig,
    const Vorschauvorgaben& vorgaben = {}, int threads = 0);
