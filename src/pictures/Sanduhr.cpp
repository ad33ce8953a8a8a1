#include "Sanduhr.h"

#include <QCursor>
#include <QGuiApplication>

Sanduhr::Sanduhr()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        m_gesetzt = true;
    }
}

Sanduhr::~Sanduhr()
{
    aus();
}

void Sanduhr::aus()
{
    if (m_gesetzt)
        QGuiApplication::restoreOverrideCursor();
    m_gesetzt = false;
}
