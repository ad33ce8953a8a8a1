#include "Papierkorb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <unistd.h>
#define KOLVAR_XDG_PAPIERKORB 1
#endif

namespace Papierkorb {

namespace {

// The trashes a file of this folder may go to: the user's, and those at the
// root of its volume.
bool liegtInEinemPapierkorb(const QString& abgelegt, const QString& ordnerDerDatei)
{
#ifdef KOLVAR_XDG_PAPIERKORB
    const QString ablage = QFileInfo(QFileInfo(abgelegt).absolutePath()).canonicalFilePath();
    if (ablage.isEmpty())
        return false;
    const auto ist = [&](const QString& korb) {
        return QFileInfo(korb + QStringLiteral("/files")).canonicalFilePath() == ablage;
    };
    if (ist(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash")))
        return true;
    QString wurzel = QStorageInfo(ordnerDerDatei).rootPath();
    if (wurzel.endsWith(QLatin1Char('/')))
        wurzel.chop(1);
    const QString uid = QString::number(::getuid());
    return ist(wurzel + QStringLiteral("/.Trash/") + uid) || ist(wurzel + QStringLiteral("/.Trash-") + uid);
#else
    Q_UNUSED(abgelegt);
    Q_UNUSED(ordnerDerDatei);
    return true;
#endif
}

}  // namespace

bool Verschieben(const QString& pfad)
{
    // Qt makes the Trash folder but not the data folder it lies in.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    const QString ordner = QFileInfo(pfad).absolutePath();
    QString abgelegt;
    if (!QFile::moveToTrash(pfad, &abgelegt))
        return false;
    if (abgelegt.isEmpty() || liegtInEinemPapierkorb(abgelegt, ordner))
        return true;
    // Qt 6.4 reports success when it could make no trash and puts the file
    // into "files/" of the working folder, with its note in "info/". The file
    // goes back where it was and what Qt made goes; rmdir takes only empty
    // folders, so anything of the user's there stays.
    const QFileInfo info(abgelegt);
    QDir falscherKorb = info.absoluteDir();
    falscherKorb.cdUp();
    QFile::rename(info.absoluteFilePath(), pfad);
    falscherKorb.remove(QStringLiteral("info/") + info.fileName() + QStringLiteral(".trashinfo"));
    falscherKorb.rmdir(QStringLiteral("files"));
    falscherKorb.rmdir(QStringLiteral("info"));
    return false;
}

}  // namespace Papierkorb
