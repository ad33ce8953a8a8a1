#pragma once
#include <QCoreApplication>
#include <QMutex>
#include <QThread>
#include <QThreadPool>
#include <QVector>
#include <QWaitCondition>

#include <atomic>
#include <functional>
#include <optional>

// Work on many independent items on a pool of worker threads, one per core,
// with the results handed back on the calling thread in the order of the
// items. arbeit(i) runs on a worker and must touch nothing shared (no
// database, no window, no message); fertig(i, ergebnis) runs on the calling
// thread, item after item, so messages and progress keep their order. While
// it waits, and once per item at least, the caller's events are processed,
// so its window repaints.
//
// When fertig returns false the work stops: items not yet begun are left
// alone, those under way are finished but not handed out. threads = 0 takes
// one per core. Returns the number of results handed out.
template <typename Ergebnis>
int InReihenfolgeParallel(int anzahl, const std::function<Ergebnis(int i)>& arbeit,
    const std::function<bool(int i, Ergebnis& ergebnis)>& fertig, int threads = 0)
{
    if (anzahl <= 0)
        return 0;
    struct Ablage {
        QMutex sperre;
        QWaitCondition neu;
        QVector<std::optional<Ergebnis>> ergebnisse;
        std::atomic<bool> abbruch { false };
    } ablage;
    ablage.ergebnisse.resize(anzahl);
    QThreadPool pool;
    pool.setMaxThreadCount(threads > 0 ? threads : qMax(1, QThread::idealThreadCount()));
    for (int i = 0; i < anzahl; ++i) {
        pool.start([&ablage, &arbeit, i] {
            if (ablage.abbruch.load())
                return;
            Ergebnis ergebnis = arbeit(i);
            QMutexLocker halten(&ablage.sperre);
            ablage.ergebnisse[i] = std::move(ergebnis);
            ablage.neu.wakeAll();
        });
    }

    const bool mitEreignissen = QCoreApplication::instance() != nullptr;
    int gemeldet = 0;
    for (int i = 0; i < anzahl; ++i) {
        std::optional<Ergebnis> ergebnis;
        {
            QMutexLocker halten(&ablage.sperre);
            // Woken by every result, and at least every 40 ms for the window's events.
            while (!ablage.ergebnisse.at(i)) {
                ablage.neu.wait(&ablage.sperre, 40);
                if (!ablage.ergebnisse.at(i) && mitEreignissen) {
                    halten.unlock();
                    QCoreApplication::processEvents();
                    halten.relock();
                }
            }
            ergebnis.swap(ablage.ergebnisse[i]);
        }
        if (mitEreignissen)
            QCoreApplication::processEvents();
        ++gemeldet;
        bool weiter = false;
        try {
            weiter = fertig(i, *ergebnis);
        } catch (...) {
            // Not one more item for work that has failed.
            ablage.abbruch = true;
            pool.clear();
            pool.waitForDone();
            throw;
        }
        if (!weiter) {
            ablage.abbruch = true;
            pool.clear();
            break;
        }
    }
    pool.waitForDone();
    return gemeldet;
}
