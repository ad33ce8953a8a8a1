#include "Zugriffstasten.h"

#include <QAction>
#include <QMenu>
#include <QSet>
#include <QWidget>

namespace Zugriffstasten {

QChar buchstabe(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;  // "&&" is a plain ampersand
    }
    return QChar();
}

namespace {

bool wortanfang(const QString& text, int i)
{
    return i == 0 || text[i - 1].isSpace() || text[i - 1] == QLatin1Char('/') || text[i - 1] == QLatin1Char('-');
}

// Position of the first free character: word starts, then any letter or
// digit, then (for a text like "?") any visible sign; -1 when none.
int freieStelle(const QString& text, const QSet<QChar>& vergeben)
{
    for (int durchgang = 0; durchgang < 3; ++durchgang) {
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('&')) {
                ++i;  // skips the second of "&&"
                continue;
            }
            const QChar c = text[i];
            if (vergeben.contains(c.toLower()))
                continue;
            const bool passt = durchgang == 0 ? c.isLetterOrNumber() && wortanfang(text, i)
                : durchgang == 1              ? c.isLetterOrNumber()
                                              : c.isPrint() && !c.isSpace();
            if (passt)
                return i;
        }
    }
    return -1;
}

}  // namespace

QStringList verteilen(const QStringList& texte)
{
    QSet<QChar> vergeben;
    for (const QString& t : texte) {
        const QChar b = buchstabe(t);
        if (!b.isNull())
            vergeben.insert(b);
    }
    QStringList ergebnis;
    ergebnis.reserve(texte.size());
    for (const QString& t : texte) {
        QString neu = t;
        if (!t.isEmpty() && buchstabe(t).isNull()) {
            const int stelle = freieStelle(t, vergeben);
            if (stelle >= 0) {
                vergeben.insert(t[stelle].toLower());
                neu.insert(stelle, QLatin1Char('&'));
            }
        }
        ergebnis << neu;
    }
    return ergebnis;
}

void setzen(QWidget* menueOderLeiste)
{
    QList<QAction*> eintraege;
    QStringList texte;
    const QList<QAction*> alle = menueOderLeiste->actions();
    for (QAction* a : alle) {
        if (a->isSeparator())
            continue;
        eintraege << a;
        texte << a->text();
    }
    const QStringList neu = verteilen(texte);
    for (int i = 0; i < eintraege.size(); ++i) {
        if (neu[i] != texte[i])
            eintraege[i]->setText(neu[i]);
        if (QMenu* unter = eintraege[i]->menu())
            setzen(unter);
    }
}

}  // namespace Zugriffstasten
