#pragma once
#include <QSettings>
#include <QString>
#include <optional>

// The keyed store of the settings: an INI file (organisation "Ostrelan",
// application "Kolvar") in the user's config folder. Groups stand for the
// keys "Pfade", "MDI", "Optionen" and "Version"; all values are texts.
// The update program reads the same file with its own small reader.
class Registry {
public:
    Registry();

    // Sets the value; a failure leaves the old content without a message.
    void TextSchreiben(const QString& gruppe, const QString& name, const QString& text);

    // No value when it is missing or does not fit the 255-byte buffer the
    // store has always used; the text is cut at its first zero character.
    std::optional<QString> TextLesen(const QString& gruppe, const QString& name) const;

    // The default when there is no value or the value is empty.
    QString TextLesenMitVorgabe(const QString& gruppe, const QString& name,
                                const QString& vorgabe) const;

    // Writes pending changes to disk.
    void sichern();

    QString dateipfad() const { return m_speicher.fileName(); }
    // Where an unreadable settings file was copied before defaults replace it; "" when none.
    QString sicherungskopie() const { return m_sicherungskopie; }

    static constexpr int PufferGroesse = 255;

private:
    QSettings m_speicher;
    QString m_sicherungskopie;
};
