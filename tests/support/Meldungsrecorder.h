#pragma once
#include "Meldungen.h"

#include <QList>
#include <QStringList>
#include <functional>

// Stands in for the message boxes in tests: records every message and
// answers from a script (OK, or Ja for questions, when the script is empty).
class Meldungsrecorder : public Meldungen::Dienst {
public:
    struct Eintrag {
        QString text;
        Meldungen::Stil stil;
        QString titel;
        QStringList liste; // the entries of a list message
        bool sanduhr = false; // the wait pointer was still shown over the box
    };
    Meldungen::Antwort zeigen(const QString& text, Meldungen::Stil stil, const QString& titel) override;
    void liste(const QString& text, const QStringList& eintraege, Meldungen::Stil stil, const QString& titel) override;

    QList<Eintrag> meldungen;
    QList<Meldungen::Antwort> antworten;  // taken from the front
    // Runs while a message is shown, as the user may act meanwhile.
    std::function<void()> beimZeigen;

    QStringList texte() const;
    QStringList titel() const;
    void leeren() { meldungen.clear(); }
};
