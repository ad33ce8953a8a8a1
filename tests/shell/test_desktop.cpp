#include "Anwendung.h"
#include "Shellsammlung.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The program on a desktop: where it finds what it ships.
class TestDesktop : public QObject {
    Q_OBJECT

    QTemporaryDir m_ordner;

private slots:
    void datenordnerImBauordnerUndInDerInstallation()
    {
        // Help beside the program, under share/kolvar of a prefix with a blank,
        // or nowhere: then the program's own folder, which the missing-help message names.
        const QString bau = m_ordner.filePath(u"bau/bin"_s), praefix = m_ordner.filePath(u"präfix mit Leerzeichen"_s);
        const QString leer = m_ordner.filePath(u"leer/bin"_s);
        seitenAnlegen(bau + u"/help"_s, { u"index.htm"_s });
        seitenAnlegen(praefix + u"/share/kolvar/help"_s, { u"index.htm"_s });
        QVERIFY(QDir().mkpath(praefix + u"/bin"_s) && QDir().mkpath(leer));
        for (const auto& [programm, daten] : { std::pair { bau, bau }, { bau + u'/', bau },
                 { praefix + u"/bin"_s, praefix + u"/share/kolvar"_s }, { leer, leer } })
            QCOMPARE(Datenordner(programm), daten);
        Anwendung a;
        a.Vorbereiten(praefix + u"/bin"_s);
        QCOMPARE(a.zustand().hilfedatei, praefix + u"/share/kolvar/help/index.htm"_s);
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
