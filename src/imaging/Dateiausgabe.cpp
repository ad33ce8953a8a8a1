#include "Dateiausgabe.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 Blockgroesse = 1 << 20;

Ausgabefehler Fehlschlag(Ausgabefehler art, const QString& text, QString* grund)
{
    if (grund)
        *grund = text;
    return art;
}

bool keinPlatzLautErrno()
{
    return errno == ENOSPC || errno == EFBIG
#ifdef EDQUOT
        || errno == EDQUOT
#endif
        ;
}

} // namespace

Ausgabefehler FehlerartVon(const QFileDevice& datei)
{
    // Qt reports ENOSPC as a resource error; EDQUOT and EFBIG (a file size
    // limit) arrive as plain write errors, and a write cut short by a full
    // disk as no error at all, with errno still telling.
    return datei.error() == QFileDevice::ResourceError || keinPlatzLautErrno() ? Ausgabefehler::KeinPlatz
                                                                               : Ausgabefehler::Anderer;
}

QString KeinPlatzText(const QString& ordner)
{
    return QStringLiteral("Kein Speicherplatz mehr auf ") + ordner;
}

Ausgabefehler DateiKopieren(const QString& quelle, const QString& ziel, QString* grund, bool warten)
{
    (void)warten;
    QFile ein(quelle);
    if (!ein.open(QIODevice::ReadOnly))
        return Fehlschlag(Ausgabefehler::Anderer, ein.errorString(), grund);
    // NewOnly: an existing file is never replaced by a copy.
    QFile aus(ziel);
    errno = 0;
    if (!aus.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return Fehlschlag(FehlerartVon(aus), aus.errorString(), grund);
    auto abbrechen = [&](Ausgabefehler art, const QString& text) {
        aus.close();
        QFile::remove(ziel);
        return Fehlschlag(art, text, grund);
    };
    QByteArray block(Blockgroesse, Qt::Uninitialized);
    qint64 gesamt = 0;
    for (;;) {
        const qint64 n = ein.read(block.data(), Blockgroesse);
        if (n < 0)
            return abbrechen(Ausgabefehler::Anderer, ein.errorString());
        if (n == 0)
            break;
        errno = 0;
        if (aus.write(block.constData(), n) != n)
            return abbrechen(FehlerartVon(aus), aus.errorString());
        gesamt += n;
    }
    if (gesamt != QFileInfo(quelle).size())
        return abbrechen(Ausgabefehler::Anderer, QStringLiteral("Die Datei hat sich beim Kopieren verändert."));
    aus.setFileTime(QFileInfo(quelle).lastModified(), QFileDevice::FileModificationTime);
#ifdef Q_OS_UNIX
    errno = 0;
    if (warten) {
        // The source of a move is deleted later: the copy must be on the disk by then.
        if (::fsync(aus.handle()) != 0 && errno != EINVAL)
            return abbrechen(keinPlatzLautErrno() ? Ausgabefehler::KeinPlatz : Ausgabefehler::Anderer,
                QString::fromLocal8Bit(strerror(errno)));
    } else {
#ifdef Q_OS_LINUX
        // Writing starts now; errors surface when the caller waits for it (DateiSichern).
        ::sync_file_range(aus.handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    }
#endif
    errno = 0;
    aus.close();
    if (aus.error() != QFileDevice::NoError)
        return abbrechen(FehlerartVon(aus), aus.errorString());
    return Ausgabefehler::Keiner;
}

bool DateiSichern(const QString& pfad, QString* grund)
{
#ifdef Q_OS_UNIX
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        Fehlschlag(Ausgabefehler::Anderer, datei.errorString(), grund);
        return false;
    }
    errno = 0;
    if (::fsync(datei.handle()) != 0 && errno != EINVAL) {
        Fehlschlag(Ausgabefehler::Anderer, QString::fromLocal8Bit(strerror(errno)), grund);
        return false;
    }
#else
    (void)pfad;
    (void)grund;
#endif
    return true;
}

bool GleicherInhalt(const QString& quelle, const QString& ziel, bool vollstaendig)
{
    QFile a(quelle), b(ziel);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly))
        return false;
    if (vollstaendig ? a.size() != b.size() : b.size() > a.size())
        return false;
    QByteArray blockA, blockB;
    while (!b.atEnd()) {
        blockB = b.read(Blockgroesse);
        blockA = a.read(blockB.size());
        if (blockB.isEmpty() && !b.atEnd())
            return false;
        if (blockA != blockB)
            return false;
    }
    return true;
}
