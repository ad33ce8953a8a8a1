#pragma once
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QSize>
#include <QVector>
#include <QWaitCondition>

class QThread;

// Decodes the slide show's pictures on a worker thread, already at the
// size they are shown at (a JPEG then decodes at 1/2, 1/4 or 1/8 in the
// decoder). It gets finished file paths only: no database work leaves the
// window's thread. Each request replaces what still waits, so when steps
// come faster than decodes only the latest target and its neighbours are
// decoded; a decode already running finishes and is reported.
class Diaschauleser : public QObject {
    Q_OBJECT
public:
    struct Auftrag {
        int position = 0;
        QString pfad;
    };

    Diaschauleser(const QSize& bildschirm, bool angleichen, QObject* eltern = nullptr);
    ~Diaschauleser() override;

    // The first is the picture wanted now, the rest are read ahead.
    void Anfordern(const QVector<Auftrag>& auftraege);

signals:
    // A null picture when the file could not be read.
    void gelesen(int position, const QString& pfad, const QImage& bild);

private:
    void lauf();

    const QSize m_bildschirm;
    const bool m_angleichen;
    QThread* m_faden = nullptr;
    QMutex m_sperre;
    QWaitCondition m_wecker;
    QVector<Auftrag> m_warteschlange;
    bool m_ende = false;
};
