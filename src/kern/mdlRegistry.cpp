#include "mdlRegistry.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

Registry::Registry()
    : m_speicher(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ostrelan"),
                 QStringLiteral("Kolvar"))
{
    // A file Qt cannot read would be overwritten with defaults at the first
    // save; a copy keeps what the user had.
    const QString datei = m_speicher.fileName();
    if (m_speicher.status() != QSettings::NoError && QFileInfo(datei).isFile()) {
        QString kopie = datei + QStringLiteral(".unlesbar");
        for (int n = 2; QFileInfo::exists(kopie); ++n)
            kopie = datei + QStringLiteral(".unlesbar-%1").arg(n);
        if (QFile::copy(datei, kopie))
            m_sicherungskopie = kopie;
    }
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
