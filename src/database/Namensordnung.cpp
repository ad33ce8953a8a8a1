#include "Namensordnung.h"

#include <QCollator>
#include <QLocale>

namespace Namensordnung {

namespace {

const QCollator& deutsch()
{
    // One collator per thread: QCollator is not safe to share between threads.
    thread_local const QCollator sammler = [] {
        QCollator c(QLocale(QLocale::German, QLocale::Germany));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        return c;
    }();
    return sammler;
}

}  // namespace

int Vergleichen(const QString& a, const QString& b)
{
    const int v = deutsch().compare(a, b);
    if (v != 0)
        return v < 0 ? -1 : 1;
    const int f = a.toCaseFolded().compare(b.toCaseFolded());
    if (f != 0)
        return f < 0 ? -1 : 1;
    const int g = a.compare(b);
    return g == 0 ? 0 : (g < 0 ? -1 : 1);
}

QString Gefaltet(const QString& text)
{
    return text.toCaseFolded();
}

bool Gleich(const QString& a, const QString& b)
{
    return a.size() == b.size() ? a.compare(b, Qt::CaseInsensitive) == 0 : Gefaltet(a) == Gefaltet(b);
}

QString Bereinigt(const QString& name, int laenge)
{
    return name.trimmed().left(laenge).trimmed();
}

}  // namespace Namensordnung
