#include "Namensfilter.h"

#include "Albenpflege.h"

#include <QApplication>
#include <QLineEdit>

Namensfilter::Namensfilter(QLineEdit* feld) : QObject(feld), m_feld(feld)
{
    // textEdited comes from the user only (keys, paste, drop), never from setText.
    connect(feld, &QLineEdit::textEdited, this, &Namensfilter::bearbeitet);
}

void Namensfilter::bearbeitet(const QString& text)
{
    const QString sauber = AlbumnamenBereinigen(text);
    if (sauber == text)
        return;
    const int cursor = m_feld->cursorPosition();
    const int davorEntfernt = cursor - static_cast<int>(AlbumnamenBereinigen(text.left(cursor)).size());
    m_feld->setText(sauber);
    m_feld->setCursorPosition(cursor - davorEntfernt);
    QApplication::beep();
    emit abgewiesen();
}
