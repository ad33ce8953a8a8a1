#include "KleinerDatentraeger.h"

#include <QProcess>

namespace {

bool mountAufrufen(const QStringList& argumente, QString* fehler)
{
    QProcess mount;
    mount.start(QStringLiteral("mount"), argumente);
    if (!mount.waitForFinished(10000) || mount.exitStatus() != QProcess::NormalExit || mount.exitCode() != 0) {
        if (fehler)
            *fehler = QStringLiteral("mount %1: %2")
                          .arg(argumente.join(QLatin1Char(' ')),
                              QString::fromLocal8Bit(mount.readAllStandardError()).trimmed() + mount.errorString());
        return false;
    }
    return true;
}

} // namespace

KleinerDatentraeger::KleinerDatentraeger(qint64 bytes)
{
    if (!m_ordner.isValid()) {
        m_grund = QStringLiteral("kein temporärer Ordner");
        return;
    }
    m_eingehaengt = mountAufrufen({ QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                      QStringLiteral("size=%1").arg(bytes), QStringLiteral("tmpfs"), m_ordner.path() },
        &m_grund);
}

KleinerDatentraeger::~KleinerDatentraeger()
{
    if (m_eingehaengt)
        QProcess::execute(QStringLiteral("umount"), { m_ordner.path() });
}

bool KleinerDatentraeger::groesseAendern(qint64 bytes)
{
    return m_eingehaengt
        && mountAufrufen(
            { QStringLiteral("-o"), QStringLiteral("remount,size=%1").arg(bytes), m_ordner.path() }, nullptr);
}

bool KleinerDatentraeger::schreibschuetzen(bool an)
{
    return m_eingehaengt
        && mountAufrufen(
            { QStringLiteral("-o"), an ? QStringLiteral("remount,ro") : QStringLiteral("remount,rw"), m_ordner.path() },
            nullptr);
}

bool KleinerDatentraeger::aushaengen()
{
    if (m_eingehaengt && QProcess::execute(QStringLiteral("umount"), { m_ordner.path() }) == 0)
        m_eingehaengt = false;
    return !m_eingehaengt;
}
