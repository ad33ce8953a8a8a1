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
    if (m_gesetzt)
        QGuiApplication::restoreOverrideCursor();
}
