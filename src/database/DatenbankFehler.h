#pragma once
#include <QString>
#include <stdexcept>

// An error of the database engine. Engine calls throw it; the routines that
// the rest of the program calls decide whether it turns into a false
// result, is ignored, or reaches their caller. The kind lets the caller
// choose its message and whether trying again can help.
class DatenbankFehler : public std::runtime_error {
public:
    enum Art {
        Allgemein,
        Gesperrt,  // another program holds the file; trying again may help
        Schreibgeschuetzt,  // the file or its folder cannot be written
        Beschaedigt,  // the file is a database, but its content is damaged
        NeuereVersion,  // made by a newer program; never written by this one
        KeineAlben  // a collection without albums
    };

    explicit DatenbankFehler(const QString& text, Art art = Allgemein)
        : std::runtime_error(text.toStdString())
        , m_text(text)
        , m_art(art)
    {
    }
    const QString& text() const { return m_text; }
    Art art() const { return m_art; }

private:
    QString m_text;
    Art m_art;
};
