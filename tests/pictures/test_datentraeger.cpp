#include "Datentraegerliste.h"

#include <QStorageInfo>
#include <QtTest>

// The real volume list: types from file systems, a stable order.
class TestDatentraeger : public QObject {
    Q_OBJECT

private slots:
    void typenAusDateisystemen()
    {
        QCOMPARE(DatentraegerTyp("iso9660", false), int(Laufwerk::CDROM));
        QCOMPARE(DatentraegerTyp("UDF", true), int(Laufwerk::CDROM));
        QCOMPARE(DatentraegerTyp("nfs4", false), int(Laufwerk::Netzwerk));
        QCOMPARE(DatentraegerTyp("cifs", false), int(Laufwerk::Netzwerk));
        QCOMPARE(DatentraegerTyp("fuse.sshfs", false), int(Laufwerk::Netzwerk));
        QCOMPARE(DatentraegerTyp("tmpfs", false), int(Laufwerk::RAMDisk));
        QCOMPARE(DatentraegerTyp("ramfs", false), int(Laufwerk::RAMDisk));
        QCOMPARE(DatentraegerTyp("vfat", true), int(Laufwerk::Wechseldatentraeger));
        QCOMPARE(DatentraegerTyp("ext4", false), int(Laufwerk::Festplatte));
        QCOMPARE(DatentraegerTyp("", false), int(Laufwerk::Unbekannt));
        QCOMPARE(LaufwerkstypText(DatentraegerTyp("iso9660", false)), QStringLiteral("CD-ROM"));
    }

    void keinGeraetIstNichtWechselbar()
    {
        QVERIFY(!IstWechselbar(QByteArray()));
        QVERIFY(!IstWechselbar("tmpfs"));
        QVERIFY(!IstWechselbar("/dev/gibtesnicht0"));
    }

    void echteListeIstSortiertUndEnthaeltDieWurzel()
    {
        const QVector<Laufwerk> liste = Datentraegerliste().laufwerke();
        QVERIFY(!liste.isEmpty());
        for (int i = 0; i < liste.size(); ++i) {
            QVERIFY2(liste[i].wurzel.endsWith(QLatin1Char('/')), qPrintable(liste[i].wurzel));
            if (i > 0)
                QVERIFY(liste[i - 1].wurzel < liste[i].wurzel);
        }
        // Two calls give the same order: the first matching drive stays the first.
        const QVector<Laufwerk> nochmal = Datentraegerliste().laufwerke();
        QCOMPARE(nochmal.size(), liste.size());
        for (int i = 0; i < liste.size(); ++i)
            QCOMPARE(nochmal[i].wurzel, liste[i].wurzel);

        const Laufwerk wurzel = LaufwerkDesPfads(liste, QDir::rootPath());
        QCOMPARE(wurzel.wurzel, QStringLiteral("/"));
        // Whatever the volume of a RAM file system is, it is typed as one.
        for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
            if (v.fileSystemType() != "tmpfs")
                continue;
            const Laufwerk l = LaufwerkDesPfads(liste, v.rootPath());
            if (l.wurzel == v.rootPath() + QLatin1Char('/') || l.wurzel == v.rootPath())
                QCOMPARE(l.typ, int(Laufwerk::RAMDisk));
        }
    }
};

int testeDatentraeger(int argc, char** argv)
{
    TestDatentraeger t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_datentraeger.moc"
