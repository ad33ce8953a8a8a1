#include "Laufwerksliste.h"

#include <QDir>

QString LaufwerkstypText(int typ)
{
    switch (typ) {
    case Laufwerk::Unbekannt: return QStringLiteral("Unknown");
    case Laufwerk::Wechseldatentraeger: return QStringLiteral("Removable");
    case Laufwerk::Festplatte: return QStringLiteral("Fixed");
    case Laufwerk::Netzwerk: return QStringLiteral("Network");
    case Laufwerk::CDROM: return QStringLiteral("CD-ROM");
    case Laufwerk::RAMDisk: return QStringLiteral("RAM Disk");
    default: return QString();
    }
}

Laufwerk LaufwerkDesPfads(const QVector<Laufwerk>& liste, const QString& pfad)
{
    QString ziel = QDir::cleanPath(pfad);
    if (!ziel.endsWith(QLatin1Char('/')))
        ziel += QLatin1Char('/');
    Laufwerk bestes;
    for (const Laufwerk& l : liste) {
        QString wurzel = QDir::cleanPath(l.wurzel);
        if (!wurzel.endsWith(QLatin1Char('/')))
            wurzel += QLatin1Char('/');
        if (ziel.startsWith(wurzel) && wurzel.size() > bestes.wurzel.size()) {
            bestes = l;
            bestes.wurzel = wurzel;
        }
    }
    return bestes;
}
