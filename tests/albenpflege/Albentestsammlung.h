#pragma once
#include "Oberflaeche.h"
#include "Sammlungsgeruest.h"

#include <QStringList>
#include <QTemporaryDir>

// Records what album maintenance asks of the main window.
class Albenoberflaeche : public Oberflaeche {
public:
    QStringList aufrufe;

    void ZoomAnsichtSchliessen() override { aufrufe << QStringLiteral("ZoomAnsichtSchliessen"); }
    void AlbumAnsichtenSchliessen() override { aufrufe << QStringLiteral("AlbumAnsichtenSchliessen"); }
    void AlbenanzeigeStarten() override { aufrufe << QStringLiteral("AlbenanzeigeStarten"); }
    void AlbenBefehleSetzen(bool vorhanden) override
    {
        aufrufe << (vorhanden ? QStringLiteral("AlbenBefehle an") : QStringLiteral("AlbenBefehle aus"));
    }
};

// A fresh collection without albums in a temporary folder, opened as the
// program opens it, with its picture directory and a fixed disk at "/".
class Albentestsammlung : public Sammlungsgeruest {
public:
    Albentestsammlung();

    // Creates an empty album as the dialog does; returns its number.
    QString album(const QString& name);
    // Makes it current as the chooser does.
    void waehlen(const QString& name);
    // Rows of a query through a connection of its own, columns joined by a blank.
    QStringList abfragen(const QString& sql) const;
    QStringList tabellen() const;
    // `Albenname` of every row as stored, by name.
    QStringList gespeicherteAlbennamen() const;
    // A presentation with these picture keys at Reihenfolge 1, 2, 3 ...; returns its table.
    QString praesentation(const QString& name, const QStringList& schluessel);
    // "Reihenfolge DBNummer" of a presentation table, in order.
    QStringList reihen(const QString& tabelle) const;
    void leeren();

    Albenoberflaeche ui;
};
