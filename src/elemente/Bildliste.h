#pragma once
#include <QHash>
#include <QPixmap>
#include <QString>

// An image list: pictures addressed by a text key ("browser_n", "back_ef").
// The pictures come from the program's resources; a key without a picture
// gets a plain labelled tile so that a missing asset shows, not crashes.
class Bildliste {
public:
    // Loads every picture found under the resource folder (":/icons").
    explicit Bildliste(const QString& ressourcenordner = QStringLiteral(":/icons"));
    QPixmap bild(const QString& schluessel) const;
    bool enthaelt(const QString& schluessel) const { return m_bilder.contains(schluessel); }

private:
    QHash<QString, QPixmap> m_bilder;
};
