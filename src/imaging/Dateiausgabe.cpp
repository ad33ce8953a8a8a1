#include "Dateiausgabe.h"

#include <QFile>
#include <QFileInfo>

#include <QDateTime>

#include <cerrno>
#include <csignal>
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

#ifdef SIGXFSZ
// A write past the file size limit would otherwise end the program
// (SIGXFSZ) in the middle of a copy; ignored, the write fails with EFBIG,
// which is reported like any other failed write.
const bool grenzsignalIgnoriert = [] {
    ::signal(SIGXFSZ, SIG_IGN);
    return true;
}();
#endif

Ausgabefehler artLautErrno()
{
    if (errno == EFBIG)
        return Ausgabefehler::ZuGross;
    return errno == ENOSPC
#ifdef EDQUOT
            || errno == EDQUOT
#endif
        ? Ausgabefehler::KeinPlatz
        : Ausgabefehler::Anderer;
}

} // namespace

namespace {

// A new file written in full: it takes the time given, goes on its way to
// the disk (or, with warten, is on it) and is closed, every step checked.
// The caller removes the file when this fails.
Ausgabefehler abschliessen(QFile& aus, const QDateTime& zeit, bool warten, QString& text)
{
    aus.setFileTime(zeit, QFileDevice::FileModificationTime);
#ifdef Q_OS_UNIX
    errno = 0;
    if (warten) {
        // The source of a move is deleted later: the copy must be on the disk by then.
        if (::fsync(aus.handle()) != 0 && errno != EINVAL) {
            text = QString::fromLocal8Bit(strerror(errno));
            return artLautErrno();
        }
    } else {
#ifdef Q_OS_LINUX
        // Writing starts now; errors surface when the caller waits for it (DateiSichern).
        ::sync_file_range(aus.handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    }
#else
    (void)warten;
#endif
    errno = 0;
    aus.close();
    if (aus.error() != QFileDevice::NoError) {
        text = aus.errorString();
        return FehlerartVon(aus);
    }
    return Ausgabefehler::Keiner;
}

} // namespace

Ausgabefehler FehlerartVon(const QFileDevice& datei)
{
    // Qt reports ENOSPC as a resource error; EDQUOT and EFBIG (a file size
    // limit) arrive as plain write errors, and a write cut short by a full
    // disk as no error at all, with errno still telling.
    const Ausgabefehler art = artLautErrno();
    if (art == Ausgabefehler::Anderer && datei.error() == QFileDevice::ResourceError)
        return Ausgabefehler::KeinPlatz;
    return art;
}

QString ZuGrossText()
{
    return QStringLiteral("größer als die Dateigröße, die Kolvar schreiben darf (ulimit -f)");
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
    // What the source is now; after the copy it must still be that.
    const QFileInfo vorher(quelle);
    const qint64 groesse = vorher.size();
    const QDateTime zeit = vorher.lastModified();
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
        if (aus.write(block.constData(), n) != n) {
            const Ausgabefehler art = FehlerartVon(aus);
            return abbrechen(art, art == Ausgabefehler::ZuGross ? ZuGrossText() : aus.errorString());
        }
        gesamt += n;
    }
    const QFileInfo nachher(quelle);
    if (gesamt != groesse || nachher.size() != groesse || nachher.lastModified() != zeit)
        return abbrechen(Ausgabefehler::Anderer,
            QStringLiteral("die Datei hat sich beim Kopieren verändert (%1 von %2 Bytes gelesen)")
                .arg(gesamt)
                .arg(groesse));
    QString text;
    const Ausgabefehler art = abschliessen(aus, zeit, warten, text);
    return art == Ausgabefehler::Keiner ? art : abbrechen(art, text);
}

Ausgabefehler DateiSchreiben(const QString& ziel, const QByteArray& daten, const QDateTime& zeit, QString* grund, bool warten)
{
    QFile aus(ziel);
    errno = 0;
    if (!aus.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return Fehlschlag(FehlerartVon(aus), aus.errorString(), grund);
    QString text;
    Ausgabefehler art = Ausgabefehler::Keiner;
    errno = 0;
    if (aus.write(daten) != daten.size()) {
        art = FehlerartVon(aus);
        text = art == Ausgabefehler::ZuGross ? ZuGrossText() : aus.errorString();
    } else
        art = abschliessen(aus, zeit, warten, text);
    if (art == Ausgabefehler::Keiner)
        return art;
    aus.close();
    QFile::remove(ziel);
    return Fehlschlag(art, text, grund);
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
