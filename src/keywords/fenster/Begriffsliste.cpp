#include "Begriffsliste.h"

Begriffsliste::Begriffsliste(const QString& name, QWidget* eltern)
    : QComboBox(eltern)
{
    setObjectName(name);
    setMaxVisibleItems(20);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(18);
    addItem(Aufforderung(), 0);
}

QString Begriffsliste::Aufforderung()
{
    return QStringLiteral("Bitte Begriff auswählen:");
}

void Begriffsliste::fuellen(const QVector<Begriff>& begriffe)
{
    clear();
    addItem(Aufforderung(), 0);
    for (const Begriff& b : begriffe)
        addItem(b.text, b.nummer);
    setCurrentIndex(0);
}

qint64 Begriffsliste::gewaehlt() const
{
    return currentIndex() > 0 ? currentData().toLongLong() : 0;
}
