#pragma once
#include <QList>
#include <QString>

class Bildknopf;

// The picture buttons of one window in their fixed order, with the hover
// rules every window shares: moving onto a button shows its hover picture
// and resets the others (NormaleButtons); moving over the window's own
// surface resets them all.
class Knopfgruppe {
public:
    void hinzufuegen(Bildknopf* knopf);
    const QList<Bildknopf*>& knoepfe() const { return m_knoepfe; }

    // Resets every button in use, except the one under the pointer, to its
    // normal or disabled picture.
    void NormaleButtons();
    void mausUeberKnopf(Bildknopf* knopf);
    void mausUeberFlaeche();
    const QString& knopfUnterMaus() const { return m_knopfUnterMaus; }

private:
    QList<Bildknopf*> m_knoepfe;
    QString m_knopfUnterMaus;
};
