#include "mdlRegistry.h"

#include <QStringList>

Registry::Registry()
    : m_speicher(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ostrelan"),
                 QStringLiteral("Kolvar"))
{
}

void Registry::TextSchreiben(const QString& gruppe, const QString& name, const QString& text)
{
    m_speicher.setValue(gruppe + QLatin1Char('/') + name, text);
}

std::optional<QString> Registry::TextLesen(const QString& gruppe, const QString& name) const
{
    const QVariant wert = m_speicher.value(gruppe + QLatin1Char('/') + name);
    if (!wert.isValid())
        return std::nullopt;
    // An INI line edited by hand with commas comes back as a list.
    QString text = wert.metaType().id() == QMetaType::QStringList
                       ? wert.toStringList().join(QLatin1String(", "))
                       : wert.toString();
    // The text plus its terminating zero must fit the buffer.
    if (text.toLocal8Bit().size() >= PufferGroesse)
        return std::nullopt;
    const int null = text.indexOf(QChar(0));
    if (null >= 0)
        text.truncate(null);
    return text;
}

QString Registry::TextLesenMitVorgabe(const QString& gruppe, const QString& name,
                                      const QString& vorgabe) const
{
    const std::optional<QString> text = TextLesen(gruppe, name);
    if (!text || text->isEmpty())
        return vorgabe;
    return *text;
}

void Registry::sichern()
{
    m_speicher.sync();
}
