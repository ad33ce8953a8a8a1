#include "Bildliste.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QPainter>

Bildliste::Bildliste(const QString& ressourcenordner)
{
    QDirIterator it(ressourcenordner, {QStringLiteral("*.png"), QStringLiteral("*.gif")}, QDir::Files);
    while (it.hasNext()) {
        const QString pfad = it.next();
        m_bilder.insert(QFileInfo(pfad).completeBaseName(), QPixmap(pfad));
    }
}

QPixmap Bildliste::bild(const QString& schluessel) const
{
    const auto it = m_bilder.constFind(schluessel);
    if (it != m_bilder.constEnd())
        return it.value();
    QPixmap ersatz(32, 32);
    ersatz.fill(schluessel.endsWith(QLatin1String("_ef")) ? Qt::lightGray : QColor(0xdd, 0xe6, 0xf0));
    QPainter p(&ersatz);
    p.drawRect(0, 0, 31, 31);
    QFont f = p.font();
    f.setPixelSize(9);
    p.setFont(f);
    p.drawText(ersatz.rect(), Qt::AlignCenter | Qt::TextWrapAnywhere, schluessel);
    return ersatz;
}
