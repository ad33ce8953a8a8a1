#include "Unterfenster.h"

#include <QMdiArea>
#include <QMdiSubWindow>

QMdiSubWindow* rahmen(QWidget* w)
{
    return w ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr;
}

QMdiSubWindow* unterfenster(QMdiArea* flaeche, const QString& name)
{
    const QList<QMdiSubWindow*> fenster = flaeche->subWindowList();
    for (QMdiSubWindow* f : fenster) {
        if (f->widget() && f->widget()->objectName() == name)
            return f;
    }
    return nullptr;
}
