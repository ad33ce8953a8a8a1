#include "Papierkorb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace Papierkorb {

bool LiegtImPapierkorb(const QString& pfad)
{
    const QString ordner = QFileInfo(QFileInfo(pfad).absolutePath()).canonicalFilePath();
    if (ordner.isEmpty())
        return false;
    const QString heim = QFileInfo(
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash/files"))
                             .canonicalFilePath();
    if (!heim.isEmpty() && ordner == heim)
        return true;
    // The trash of another volume: its root holds .Trash-UID/files or .Trash/UID/files.
    static const QRegularExpression volumen(QStringLiteral("/(\\.Trash-\\d+|\\.Trash/\\d+)/files$"));
    return volumen.match(ordner).hasMatch();
}

bool Verschieben(const QString& pfad)
{
    // Qt makes the Trash folder but not the data folder it lies in.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString ziel;
    QFile datei(pfad);
    if (!datei.moveToTrash(ziel))
        return false;
    if (LiegtImPapierkorb(ziel))
        return true;
    // Not a trash: the file goes back where it was, and the folders Qt made
    // for it go too when they are empty.
    if (!ziel.isEmpty() && QFile::rename(ziel, pfad)) {
        QDir ablage = QFileInfo(ziel).absoluteDir();
        const QString info = ablage.absoluteFilePath(QStringLiteral("../info"));
        QFile::remove(QDir(info).absoluteFilePath(QFileInfo(ziel).fileName() + QStringLiteral(".trashinfo")));
        QDir().rmdir(ablage.absolutePath());
        QDir().rmdir(QDir::cleanPath(info));
    }
    return false;
}

}  // namespace Papierkorb
