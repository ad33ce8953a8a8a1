#include "Datentraegerliste.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace {

bool istNetzwerk(const QByteArray& typ)
{
    static const char* const netz[] = {"nfs",  "nfs4",      "cifs",       "smb3",       "smbfs",          "ncpfs",
                                       "afs",  "9p",        "ceph",       "glusterfs",  "fuse.glusterfs", "sshfs",
                                       "fuse.sshfs", "fuse.rclone", "davfs", "fuse.davfs2", "fuse.s3fs"};
    for (const char* n : netz) {
        if (typ == n)
            return true;
    }
    return false;
}

}  // namespace

int DatentraegerTyp(const QByteArray& dateisystem, bool wechselbar)
{
    const QByteArray typ = dateisystem.toLower();
    if (typ == "iso9660" || typ == "udf")
        return Laufwerk::CDROM;
    if (istNetzwerk(typ))
        return Laufwerk::Netzwerk;
    if (typ == "tmpfs" || typ == "ramfs")
        return Laufwerk::RAMDisk;
    if (typ.isEmpty())
        return Laufwerk::Unbekannt;
    return wechselbar ? Laufwerk::Wechseldatentraeger : Laufwerk::Festplatte;
}

bool IstWechselbar(const QByteArray& geraet)
{
#ifdef Q_OS_LINUX
    if (!geraet.startsWith("/dev/"))
        return false;
    // /sys/class/block/<name> links into the device tree; a partition's
    // "removable" flag lives with its parent disk.
    const QString name = QFileInfo(QFile::decodeName(geraet)).canonicalFilePath().section(QLatin1Char('/'), -1);
    if (name.isEmpty())
        return false;
    QString ordner = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    if (ordner.isEmpty())
        return false;
    if (QFileInfo::exists(ordner + QStringLiteral("/partition")))
        ordner = QFileInfo(ordner).absolutePath();
    QFile flag(ordner + QStringLiteral("/removable"));
    if (!flag.open(QIODevice::ReadOnly))
        return false;
    return flag.readAll().trimmed() == "1";
#else
    Q_UNUSED(geraet);
    return false;
#endif
}

QVector<Laufwerk> Datentraegerliste::laufwerke() const
{
    QVector<Laufwerk> liste;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& v : volumes) {
        if (!v.isValid())
            continue;
        Laufwerk l;
        l.wurzel = v.rootPath();
        if (!l.wurzel.endsWith(QLatin1Char('/')))
            l.wurzel += QLatin1Char('/');
        l.typ = DatentraegerTyp(v.fileSystemType(), IstWechselbar(v.device()));
        l.name = v.isReady() ? v.name() : QString();
        liste.append(l);
    }
    std::stable_sort(liste.begin(), liste.end(), [](const Laufwerk& a, const Laufwerk& b) { return a.wurzel < b.wurzel; });
    // A folder mounted twice (bind mounts) is one drive.
    liste.erase(std::unique(liste.begin(), liste.end(),
                            [](const Laufwerk& a, const Laufwerk& b) { return a.wurzel == b.wurzel; }),
                liste.end());
    return liste;
}
