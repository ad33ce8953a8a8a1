#include "Bildschirmrand.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace Bildschirmrand {

namespace {

class Wache : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Show && objekt->isWidgetType())
            einpassen(static_cast<QWidget*>(objekt));
        return false;
    }
};

} // namespace

void einpassen(QWidget* fenster)
{
    if (!fenster || !fenster->isWindow())
        return;
    const QScreen* schirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    if (!schirm)
        return;
    const QRect flaeche = schirm->availableGeometry();
    // The frame is known only once the window is shown; until then it is the bare window.
    const QRect rahmen = fenster->frameGeometry();
    const QSize zugabe = rahmen.size() - fenster->size();
    const QSize innen(std::max(1, flaeche.width() - zugabe.width()), std::max(1, flaeche.height() - zugabe.height()));
    if (fenster->width() > innen.width() || fenster->height() > innen.height())
        fenster->resize(fenster->size().boundedTo(innen).expandedTo(fenster->minimumSize().boundedTo(innen)));
    const QSize aussen = fenster->size() + zugabe;
    const int x
        = std::clamp(rahmen.x(), flaeche.left(), std::max(flaeche.left(), flaeche.right() + 1 - aussen.width()));
    const int y
        = std::clamp(rahmen.y(), flaeche.top(), std::max(flaeche.top(), flaeche.bottom() + 1 - aussen.height()));
    if (x != rahmen.x() || y != rahmen.y())
        fenster->move(x, y);
}

void beimZeigenEinpassen(QWidget* fenster)
{
    if (fenster)
        fenster->installEventFilter(new Wache(fenster));
}

} // namespace Bildschirmrand
