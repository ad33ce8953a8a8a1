#include "mdlUnterprogramme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
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

QByteArray name(const QString& pfad)
{
    return QFile::encodeName(pfad);
}

// The system's own texts are English in most locales; the user reads German.
QString systemfehler(int nummer, const QString& ordner)
{
    switch (nummer) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("kein Speicherplatz mehr auf dem Datenträger \u201E%1\u201C")
            .arg(QStorageInfo(ordner).rootPath());
    case EACCES:
    case EPERM:
        return QStringLiteral("keine Berechtigung zum Schreiben in \u201E%1\u201C").arg(ordner);
    case EROFS:
        return QStringLiteral("der Datenträger mit \u201E%1\u201C ist schreibgeschützt").arg(ordner);
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("der Ordner \u201E%1\u201C ist nicht vorhanden").arg(ordner);
    case EISDIR:
    case ENOTEMPTY:
    case EEXIST:
        return QStringLiteral("an ihrer Stelle liegt ein Ordner");
    case ETXTBSY:
    case EBUSY:
        return QStringLiteral("die Datei ist in Benutzung");
    case EIO:
        return QStringLiteral("Lese- oder Schreibfehler des Datenträgers");
    default:
        return QStringLiteral("Systemfehler %1").arg(nummer);
    }
}

Meldung fehlschlag(const QString& datei, const QString& grund, bool teilweise = false)
{
    // Only a rename can fail after an earlier one succeeded.
    const QString folge = teilweise
        ? QStringLiteral("Die Dateien davor wurden bereits ersetzt; bitte führen Sie das Update noch einmal aus.")
        : QStringLiteral("Die bisherige Kolvar-Version ist unverändert geblieben.");
    return { Meldung::Symbol::Warnung, QStringLiteral("Update fehlgeschlagen!"),
        QStringLiteral("Die Datei \u201E%1\u201C konnte nicht ersetzt werden (%2).").arg(datei, grund) + Zeile + Zeile
            + folge };
}

bool ordnerSynchronisieren(const QString& ordner)
{
    const int fd = ::open(name(ordner).constData(), O_RDONLY | O_DIRECTORY);
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

// A file written beside its target under a temporary name; removed again
// unless it was renamed into place.
struct Vorbereitet {
    QString pfad;
    QString ziel;
    bool programm = false;
    ~Vorbereitet()
    {
        if (!pfad.isEmpty())
            ::unlink(name(pfad).constData());
    }
};

// Copies the source to a new temporary file "." + name + ".update-XXXXXX" in
// the folder of ziel, synced, read back and with the given permissions. On
// failure the reason is returned and nothing is left behind.
std::optional<QString> kopieren(const QString& quelle, const QString& ziel, mode_t rechte, Vorbereitet& v)
{
    const QFileInfo zielInfo(ziel);
    const QString ordner = zielInfo.absolutePath();
    QByteArray vorlage = name(ordner + QStringLiteral("/.") + zielInfo.fileName() + QStringLiteral(".update-XXXXXX"));
    const int aus = ::mkstemp(vorlage.data());
    if (aus < 0)
        return systemfehler(errno, ordner);
    v.pfad = QFile::decodeName(vorlage);
    v.ziel = ziel;
    const int ein = ::open(name(quelle).constData(), O_RDONLY);
    if (ein < 0) {
        ::close(aus);
        return QStringLiteral("die Datei \u201E%1\u201C ist nicht lesbar").arg(quelle);
    }
    std::vector<char> puffer(1 << 20);
    int fehler = 0;
    bool lesefehler = false;
    for (;;) {
        const ssize_t gelesen = ::read(ein, puffer.data(), puffer.size());
        if (gelesen < 0 && errno == EINTR)
            continue;
        if (gelesen <= 0) {
            lesefehler = gelesen < 0;
            break;
        }
        for (ssize_t geschrieben = 0; geschrieben < gelesen && !fehler;) {
            const ssize_t n = ::write(aus, puffer.data() + geschrieben, size_t(gelesen - geschrieben));
            if (n < 0 && errno != EINTR)
                fehler = errno;
            else if (n > 0)
                geschrieben += n;
        }
        if (fehler)
            break;
    }
    ::close(ein);
    if (!fehler && !lesefehler && ::fchmod(aus, rechte) != 0)
        fehler = errno;
    if (!fehler && !lesefehler && ::fsync(aus) != 0)
        fehler = errno;
    // Closed before it is run: a program still open for writing cannot start.
    if (::close(aus) != 0 && !fehler)
        fehler = errno;
    if (lesefehler)
        return QStringLiteral("die Datei \u201E%1\u201C ist nicht lesbar").arg(quelle);
    if (fehler)
        return systemfehler(fehler, ordner);
    if (!gleicherInhalt(quelle, v.pfad))
        return QStringLiteral("die Kopie stimmt nicht mit dem Original überein");
    return std::nullopt;
}

mode_t rechteVon(const QString& pfad, mode_t sonst)
{
    struct stat info;
    return ::stat(name(pfad).constData(), &info) == 0 ? (info.st_mode & 07777) : sonst;
}

// The replaced program stays beside the new one as "kolvar.alt": a second
// name for the same file where the file system allows it, else a copy.
std::optional<QString> altBehalten(const QString& programm)
{
    const QString alt = programm + QStringLiteral(".alt");
    const QString ordner = QFileInfo(programm).absolutePath();
    ::unlink(name(alt).constData());
    if (::link(name(programm).constData(), name(alt).constData()) == 0)
        return std::nullopt;
    Vorbereitet kopie;
    if (std::optional<QString> grund = kopieren(programm, alt, rechteVon(programm, 0755), kopie))
        return grund;
    if (::rename(name(kopie.pfad).constData(), name(alt).constData()) != 0)
        return systemfehler(errno, ordner);
    kopie.pfad.clear();
    return std::nullopt;
}

}  // namespace

std::optional<QString> ProgrammPruefen(const QString& programm, const QString& version, int wartezeitMs)
{
    if (QFileInfo(programm).size() == 0)
        return QStringLiteral("die neue Programmdatei ist leer");
    QProcess p;
    // Without a display: a program that opens a window instead of answering
    // fails at once rather than showing itself.
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* variable : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        umgebung.remove(QLatin1String(variable));
    p.setProcessEnvironment(umgebung);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(programm, { QStringLiteral("--version") }, QIODevice::ReadOnly);
    if (!p.waitForStarted(wartezeitMs))
        return QStringLiteral("die neue Programmdatei lässt sich nicht starten");
    if (!p.waitForFinished(wartezeitMs)) {
        p.kill();
        p.waitForFinished(wartezeitMs);
        return QStringLiteral("die neue Programmdatei hat nicht innerhalb von %1 Sekunden geantwortet")
            .arg(std::max(1, wartezeitMs / 1000));
    }
    if (p.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("die neue Programmdatei ist beim Start abgestürzt");
    if (p.exitCode() != 0)
        return QStringLiteral("die neue Programmdatei lässt sich nicht starten (Rückgabewert %1)").arg(p.exitCode());
    // "Kolvar 1.0.43": the version is the last word of the first line.
    const QString zeile = QString::fromUtf8(p.readAllStandardOutput().left(200)).section(QLatin1Char('\n'), 0, 0);
    const QString gemeldet = zeile.simplified().section(QLatin1Char(' '), -1);
    if (gemeldet != version)
        return gemeldet.isEmpty()
            ? QStringLiteral("die neue Programmdatei nennt keine Version, erwartet wurde %1").arg(version)
            : QStringLiteral("die neue Programmdatei meldet die Version \u201E%1\u201C statt %2")
                  .arg(gemeldet, version);
    return std::nullopt;
}

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

Ergebnis DateienErsetzen(const QString& quellordner, const QString& installationsordner, const QStringList& dateien,
    const Pruefung& pruefung)
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
        return { false, false,
            { Meldung::Symbol::Warnung, QStringLiteral("Dateien wurden nicht gefunden!"),
                QStringLiteral("Folgende Dateien konnten nicht gefunden werden!") + Zeile + fehlend + Zeile + Zeile
                    + QStringLiteral("Kontrollieren Sie, ob Sie alle Dateien entzippt haben") + Zeile
                    + QStringLiteral("und ob diese sich im Kolvar-Update Ordner befinden!") } };

    // Started from inside the installation: the files are already in place,
    // and copying a file onto itself would destroy it.
    for (const auto& [von, nach] : paare) {
        const QString kanonisch = QFileInfo(nach).canonicalFilePath();
        if (!kanonisch.isEmpty() && kanonisch == QFileInfo(von).canonicalFilePath())
            return { false, false,
                { Meldung::Symbol::Warnung, QStringLiteral("Update nicht ausgeführt!"),
                    QStringLiteral("Kolvar-Update wurde aus dem Installationsordner \u201E%1\u201C gestartet; "
                                   "es wurde nichts kopiert.")
                            .arg(installationsordner)
                        + Zeile + Zeile
                        + QStringLiteral("Starten Sie kolvar-update aus dem entpackten Update-Ordner!") } };
    }

    // All new files complete and checked first, then the renames: a failure
    // while copying or checking changes nothing.
    std::vector<std::unique_ptr<Vorbereitet>> vorbereitet;
    for (const auto& [von, nach] : paare) {
        auto v = std::make_unique<Vorbereitet>();
        v->programm = QFileInfo(nach).fileName() == Programmdatei;
        // A new file takes the old one's permissions; a program is runnable.
        const mode_t rechte = rechteVon(nach, rechteVon(von, 0644)) | (v->programm ? S_IXUSR : 0);
        std::optional<QString> grund = kopieren(von, nach, rechte, *v);
        if (!grund && v->programm)
            grund = ProgrammPruefen(v->pfad, pruefung.version, pruefung.wartezeitMs);
        if (grund)
            return { false, false, fehlschlag(nach, *grund) };
        vorbereitet.push_back(std::move(v));
    }
    for (const auto& v : vorbereitet) {
        if (v->programm && QFileInfo::exists(v->ziel)) {
            if (const std::optional<QString> grund = altBehalten(v->ziel))
                return { false, false, fehlschlag(v->ziel + QStringLiteral(".alt"), *grund) };
        }
    }
    for (size_t i = 0; i < vorbereitet.size(); ++i) {
        Vorbereitet& v = *vorbereitet[i];
        // rename() replaces the old file in one step: at every moment one of
        // the two programs is there under the name.
        if (::rename(name(v.pfad).constData(), name(v.ziel).constData()) != 0)
            return { false, i > 0, fehlschlag(v.ziel, systemfehler(errno, QFileInfo(v.ziel).absolutePath()), i > 0) };
        v.pfad.clear();
        ordnerSynchronisieren(QFileInfo(v.ziel).absolutePath());
    }
    return { true, false, {} };
}

}  // namespace Update
