#pragma once
#include "Meldungen.h"

class QWidget;

// The message boxes of the program: German texts, the style's icon and
// buttons, carriage returns as line breaks.
class Meldungsfenster : public Meldungen::Dienst {
public:
    Meldungen::Antwort zeigen(const QString& text, Meldungen::Stil stil, const QString& titel) override;
    // The text above a scrolling list, at most half the screen high.
    void liste(const QString& text, const QStringList& eintraege, Meldungen::Stil stil, const QString& titel) override;
    void setEltern(QWidget* eltern) { m_eltern = eltern; }

private:
    QWidget* m_eltern = nullptr;
};
