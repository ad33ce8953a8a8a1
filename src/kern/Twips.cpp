#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace Twips {

double proPixel()
{
    const QScreen* bildschirm = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                    ? QGuiApplication::primaryScreen()
                                    : nullptr;
    const double dpi = bildschirm ? bildschirm->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

int zuPixel(double twips)
{
    return static_cast<int>(std::lround(twips / proPixel()));
}

int ausPixel(int pixel)
{
    return static_cast<int>(std::lround(pixel * proPixel()));
}

}  // namespace Twips
