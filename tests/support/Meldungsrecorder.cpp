#include "Meldungsrecorder.h"

#include <QGuiApplication>

Meldungen::Antwort Meldungsrecorder::zeigen(const QString& text, Meldungen::Stil stil, const QString& titel)
{
    meldungen.append({ text, stil, titel, {}, QGuiApplication::overrideCursor() != nullptr });
    if (beimZeigen)
        beimZeigen();
    if (!antworten.isEmpty())
        return antworten.takeFirst();
    return stil == Meldungen::Frage ? Meldungen::Antwort::Ja : Meldungen::Antwort::OK;
}

QStringList Meldungsrecorder::texte() const
{
    QStringList ergebnis;
    for (const Eintrag& e : meldungen)
        ergebnis << e.text;
    return ergebnis;
}

QStringList Meldungsrecorder::titel() const
{
    QStringList ergebnis;
    for (const Eintrag& e : meldungen)
        ergebnis << e.titel;
    return ergebnis;
}

void Meldungsrecorder::liste(
    const QString& text, const QStringList& eintraege, Meldungen::Stil stil, const QString& titel)
{
    meldungen.append({ text, stil, titel, eintraege });
}
