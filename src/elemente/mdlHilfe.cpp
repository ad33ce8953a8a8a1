#include "mdlHilfe.h"

#include "Programmzustand.h"
#include "frmHilfe.h"

#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace mdlHilfe {

void HilfeZeigen(const Programmzustand& z, const QString& thema)
{
    const QFileInfo startseite(z.hilfedatei);
    if (!startseite.dir().exists() || !startseite.isFile()) {
        const QChar cr(13);
        z.Meldung(QStringLiteral("Auf Ihrem System funktioniert die HTML-Hilfe leider nicht! ") + cr + cr
                + QStringLiteral("Die Hilfeseite %1 fehlt.")
                      .arg(QDir::toNativeSeparators(startseite.absoluteFilePath())),
            Meldungen::Information, QStringLiteral("HTML-Hilfe funktionuert nicht!"));
        return;
    }
    frmHilfe* hilfe = frmHilfe::oeffnen(startseite.absolutePath());
    hilfe->seiteZeigen(thema.isEmpty() ? startseite.fileName() : thema);
    hilfe->zeigen();
}

namespace {

// The direct child of that class; findChild would need a meta-object of its own.
template <class T> T* kindVom(const QObject* eltern)
{
    for (QObject* kind : eltern->children())
        if (auto* gesucht = dynamic_cast<T*>(kind))
            return gesucht;
    return nullptr;
}

// The topic of a window: a child object, so that it goes with the window.
class Hilfethema : public QObject {
public:
    Hilfethema(QWidget* fenster, const Programmzustand& z, const QString& thema)
        : QObject(fenster), zustand(z), seite(thema)
    {
    }
    const Programmzustand& zustand;
    const QString seite;
};

// One filter for the whole program: F1 opens the topic of the nearest window
// around the control with the focus. Per-window shortcuts would clash where
// windows nest (a child window inside the main window) and do nothing at all.
class Hilfetastenfilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() != QEvent::KeyPress || !objekt->isWidgetType())
            return false;
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() != Qt::Key_F1 || taste->modifiers() != Qt::NoModifier)
            return false;
        for (auto* w = static_cast<QWidget*>(objekt); w; w = w->parentWidget()) {
            if (const auto* thema = kindVom<Hilfethema>(w)) {
                HilfeZeigen(thema->zustand, thema->seite);
                return true;  // the control with the focus does not see the key
            }
            if (w->isWindow())
                break;  // a dialog without a topic does not take its owner's
        }
        return false;
    }
};

}  // namespace

void HilfeTasteEinrichten(QWidget* fenster, const Programmzustand& z, const QString& thema)
{
    delete kindVom<Hilfethema>(fenster);
    new Hilfethema(fenster, z, thema);
    QCoreApplication* app = QCoreApplication::instance();
    if (app && !kindVom<Hilfetastenfilter>(app))
        app->installEventFilter(new Hilfetastenfilter(app));
}

} // namespace mdlHilfe
