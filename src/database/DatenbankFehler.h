#pragma once
#include <QString>
#include <stdexcept>

// An error of the database engine. Engine calls throw it; the routines that
// the rest of the program calls decide whether it turns into a false
// result, is ignored, or reaches their caller.
class DatenbankFehler : public std::runtime_error {
public:
    explicit DatenbankFehler(const QString& text)
        : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};
