#include "mdlUnterprogramme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace Update {

namespace {

const QString Zeile = QStringLiteral("\r");

QString ohneSchraegstrich(QString ordner)
{
    while (ordner.size() > 1 && ordner.endsWith(QLatin1Char('/')))
        ordner.chop(1);
    return ordner;
}

QString systemfehler()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

Meldung fehlschlag(const QString& datei, const QString& grund, bool teilweise = false)
{
    // Only a rename can fail after an earlier one succeeded.
    const QString folge = teilweise
        ? QStringLiteral("Die Dateien davor wurden bereits ersetzt; bitte führen Sie das Update noch einmal aus.")
        : QStringLiteral("Die bisherige Kolvar-Version ist unverändert geblieben.");
    return { Meldung::Symbol::Warnung, QStringLiteral("Update fehlgeschlagen!"),
        QStringLiteral("Die Datei \u201E%1\u201C konnte nicht ersetzt werden (%2).").arg(datei, grund) + Zeile + Zeile
            + QStringLiteral("Die bisherige Kolvar-Version ist unverändert geblieben.") };
}

bool ordnerSynchronisieren(const QString& ordner)
{
    const int fd = ::open(QFile::encodeName(ordner).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool gleicherInhalt(const QString& a, const QString& b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    while (!fa.atEnd()) {
        const QByteArray stueck = fa.read(1 << 20);
        if (stueck.isEmpty() || fb.read(stueck.size()) != stueck)
            return false;
    }
    return fb.atEnd();
}

// A new file written completely beside its target, waiting for the rename.
struct Vorbereitet {
    std::unique_ptr<QTemporaryFile> neu;
    QString ziel;
};

// Copies the source to a temporary name in the target's folder, syncs it,
// reads it back and gives it the old file's permissions. On failure the
// temporary file is removed and the reason returned.
std::optional<QString> vorbereiten(const QString& quelle, const QString& ziel, Vorbereitet& v)
{
    const QFileInfo zielInfo(ziel);
    v.ziel = ziel;
    v.neu = std::make_unique<QTemporaryFile>(
        zielInfo.absolutePath() + QStringLiteral("/.") + zielInfo.fileName() + QStringLiteral(".update-XXXXXX"));
    if (!v.neu->open())
        return v.neu->errorString();
    QFile ein(quelle);
    if (!ein.open(QIODevice::ReadOnly))
        return ein.errorString();
    while (!ein.atEnd()) {
        const QByteArray stueck = ein.read(1 << 20);
        if (stueck.isEmpty() && ein.error() != QFileDevice::NoError)
            return ein.errorString();
        if (v.neu->write(stueck) != stueck.size())
            return v.neu->errorString();
    }
    if (!v.neu->flush())
        return v.neu->errorString();
    if (::fsync(v.neu->handle()) != 0)
        return systemfehler();
    if (!gleicherInhalt(quelle, v.neu->fileName()))
        return QStringLiteral("die Kopie stimmt nicht mit dem Original überein");
    const QFileDevice::Permissions rechte = zielInfo.exists() ? QFile::permissions(ziel) : QFile::permissions(quelle);
    if (!v.neu->setPermissions(rechte))
        return v.neu->errorString();
    return std::nullopt;
}

}  // namespace

Installation InstallationLesen()
{
    const QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ostrelan"), QStringLiteral("Kolvar"));
    auto text = [&s](const QString& schluessel) {
        const QVariant wert = s.value(schluessel);
        // An INI line edited by hand with commas comes back as a list.
        return (wert.metaType().id() == QMetaType::QStringList ? wert.toStringList().join(QLatin1String(", "))
                                                               : wert.toString())
            .trimmed();
    };
    return { text(QStringLiteral("Pfade/Kolvar-Verz")), text(QStringLiteral("Version/Version")) };
}

std::optional<QList<int>> VersionZerlegen(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    QList<int> teile;
    for (const QString& teil : text.split(QLatin1Char('.'))) {
        bool ok = false;
        const int zahl = teil.toInt(&ok);
        // toInt takes signs and spaces; a version part is digits only.
        if (!ok || teil.isEmpty() || !std::all_of(teil.begin(), teil.end(), [](QChar c) { return c.isDigit(); }))
            return std::nullopt;
        teile.append(zahl);
    }
    return teile;
}

int VersionVergleichen(const QList<int>& a, const QList<int>& b)
{
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const int x = i < a.size() ? a[i] : 0;
        const int y = i < b.size() ? b[i] : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

std::optional<Meldung> InstallationPruefen(
    const Installation& installation, const QString& mindestVersion, const QString& updateVersion)
{
    // A relative folder would be taken from wherever the updater was started.
    const QFileInfo programm(ohneSchraegstrich(installation.ordner) + QLatin1Char('/') + Programmdatei);
    if (installation.ordner.isEmpty() || !QDir::isAbsolutePath(installation.ordner) || !programm.isFile())
        return Meldung { Meldung::Symbol::Warnung, QStringLiteral("Kolvar wurde nicht richtig installiert!"),
            QStringLiteral("Kolvar ist auf Ihrem Computer nicht ordnungsgemäß installiert worden!") + Zeile + Zeile
                + QStringLiteral("Bitte installieren Sie Kolvar noch einmal von der Original CD!") };
    if (installation.version.isEmpty())
        return std::nullopt;

    const std::optional<QList<int>> installiert = VersionZerlegen(installation.version);
    const QList<int> minimum = VersionZerlegen(mindestVersion).value_or(QList<int>());
    const QList<int> update = VersionZerlegen(updateVersion).value_or(QList<int>());
    if (!installiert || VersionVergleichen(*installiert, minimum) < 0)
        return Meldung { Meldung::Symbol::Warnung, QStringLiteral("Installierte Kolvar-Version ist zu alt!"),
            QStringLiteral("Die installierte Version von Kolvar ist zu alt (Versionsnummer unter %1)!")
                    .arg(mindestVersion)
                + Zeile + Zeile + QStringLiteral("Bitte installieren Sie Kolvar komplett neu!") };

    QString text;
    if (VersionVergleichen(installiert->mid(0, 2), update.mid(0, 2)) > 0)
        text = QStringLiteral("Sie haben eine neuere Kolvar-Version auf Ihrem Computer installiert!");
    else if (VersionVergleichen(*installiert, update) >= 0)
        text
            = QStringLiteral("Sie haben eine neuere (oder die gleiche) Kolvar-Version auf Ihrem Computer installiert!");
    else
        return std::nullopt;
    return Meldung { Meldung::Symbol::Information, QStringLiteral("Update nicht notwendig!"),
        text + Zeile + Zeile + QStringLiteral("Ein Update ist nicht notwendig!") };
}

Ergebnis DateienErsetzen(const QString& quellordner, const QString& installationsordner, const QStringList& dateien)
{
    const QString quelle = ohneSchraegstrich(quellordner) + QLatin1Char('/');
    const QString ziel = ohneSchraegstrich(installationsordner) + QLatin1Char('/');

    // Every source must be there before anything is touched.
    QString fehlend;
    QList<QPair<QString, QString>> paare;
    for (const QString& eintrag : dateien) {
        if (eintrag.isEmpty())
            continue;
        const QString name = eintrag.mid(eintrag.lastIndexOf(QLatin1Char('/')) + 1);
        if (!QFileInfo(quelle + name).isFile())
            fehlend += name + Zeile;
        paare.append({ quelle + name, ziel + eintrag });
    }
    if (!fehlend.isEmpty())
        return { false,
            { Meldung::Symbol::Warnung, QStringLiteral("Dateien wurden nicht gefunden!"),
                QStringLiteral("Folgende Dateien konnten nicht gefunden werden!") + Zeile + fehlend + Zeile + Zeile
                    + QStringLiteral("Kontrollieren Sie, ob Sie alle Dateien entzippt haben") + Zeile
                    + QStringLiteral("und ob diese sich im Kolvar-Update Ordner befinden!") } };

    // Started from inside the installation: the files are already in place,
    // and copying a file onto itself would destroy it.
    for (const auto& [von, nach] : paare) {
        const QString kanonisch = QFileInfo(nach).canonicalFilePath();
        if (!kanonisch.isEmpty() && kanonisch == QFileInfo(von).canonicalFilePath())
            return { false,
                { Meldung::Symbol::Warnung, QStringLiteral("Update nicht ausgeführt!"),
                    QStringLiteral("Kolvar-Update wurde aus dem Installationsordner \u201E%1\u201C gestartet; "
                                   "es wurde nichts kopiert.")
                            .arg(installationsordner)
                        + Zeile + Zeile
                        + QStringLiteral("Starten Sie kolvar-update aus dem entpackten Update-Ordner!") } };
    }

    // All new files complete and checked first, then the renames: a failure
    // while copying changes nothing.
    std::vector<Vorbereitet> vorbereitet(paare.size());
    for (qsizetype i = 0; i < paare.size(); ++i) {
        if (const std::optional<QString> grund = vorbereiten(paare[i].first, paare[i].second, vorbereitet[i]))
            return { false, fehlschlag(paare[i].second, *grund) };
    }
    for (size_t i = 0; i < vorbereitet.size(); ++i) {
        Vorbereitet& v = vorbereitet[i];
        // rename() replaces the old file in one step: at every moment one of
        // the two programs is there under the name.
        if (std::rename(QFile::encodeName(v.neu->fileName()).constData(), QFile::encodeName(v.ziel).constData()) != 0)
            return { false, fehlschlag(v.ziel, systemfehler(), i > 0) };
        v.neu->setAutoRemove(false);
        ordnerSynchronisieren(QFileInfo(v.ziel).absolutePath());
    }
    return { true, {} };
}

}  // namespace Update
