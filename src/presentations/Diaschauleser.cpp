#include "Diaschauleser.h"

#include "Bildleser.h"
#include "Diaschaufolge.h"

#include <QThread>

Diaschauleser::Diaschauleser(const QSize& bildschirm, bool angleichen, QObject* eltern)
    : QObject(eltern)
    , m_bildschirm(bildschirm)
    , m_angleichen(angleichen)
{
    m_faden = QThread::create([this] { lauf(); });
    m_faden->start(QThread::LowPriority);
}

Diaschauleser::~Diaschauleser()
{
    {
        QMutexLocker halt(&m_sperre);
        m_ende = true;
        m_warteschlange.clear();
        m_wecker.wakeAll();
    }
    m_faden->wait();
    delete m_faden;
}

void Diaschauleser::Anfordern(const QVector<Auftrag>& auftraege)
{
    QMutexLocker halt(&m_sperre);
    m_warteschlange = auftraege;
    m_wecker.wakeAll();
}

void Diaschauleser::lauf()
{
    for (;;) {
        Auftrag auftrag;
        {
            QMutexLocker halt(&m_sperre);
            while (!m_ende && m_warteschlange.isEmpty())
                m_wecker.wait(&m_sperre);
            if (m_ende)
                return;
            auftrag = m_warteschlange.takeFirst();
        }
        QImage bild;
        Bildleser leser;
        if (leser.Oeffnen(auftrag.pfad)) {
            const QSize ziel = Anzeigegroesse(leser.Groesse(), m_bildschirm, m_angleichen);
            // Decoded no larger than shown; a small picture is enlarged when painted.
            bild = leser.Lesen(ziel.width() < leser.Groesse().width() ? ziel : QSize());
            if (!bild.isNull() && bild.format() != QImage::Format_RGB32)
                bild = std::move(bild).convertToFormat(QImage::Format_RGB32);
        }
        emit gelesen(auftrag.position, auftrag.pfad, bild);
    }
}
