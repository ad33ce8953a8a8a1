#include "Praesentationskatalog.h"
#include "Praesentationspflege.h"
#include "Praesentationssammlung.h"
#include "StoryboardModell.h"

#include <QSignalSpy>

namespace {

// The model's keys in its order.
QStringList modellfolge(const StoryboardModell& m)
{
    QStringList folge;
    for (int i = 1; i <= m.anzahl(); ++i)
        folge << m.bild(i).dbNummer;
    return folge;
}

}  // namespace

class TestStoryboard : public QObject {
    Q_OBJECT
private slots:
    void bearbeitungen_data()
    {
        // Pictures a, b, c are in the presentation (as many as "start" says);
        // x is the picture dropped in. Results in letters.
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("ziel");
        QTest::addColumn<int>("quelle");
        QTest::addColumn<QString>("ergebnis");
        enum { Ein, Ver, Los };
        QTest::newRow("in die leere Präsentation") << QString() << +Ein << 1 << 0 << u"x"_s;
        QTest::newRow("auf Bild 2 von 3") << u"abc"_s << +Ein << 2 << 0 << u"axbc"_s;
        QTest::newRow("an den Anfang") << u"abc"_s << +Ein << 1 << 0 << u"xabc"_s;
        QTest::newRow("ans Ende") << u"abc"_s << +Ein << 4 << 0 << u"abcx"_s;
        QTest::newRow("hinter das Ende") << u"abc"_s << +Ein << 5 << 0 << u"abc"_s;
        QTest::newRow("1 auf Bild 3") << u"abc"_s << +Ver << 3 << 1 << u"bac"_s;
        QTest::newRow("3 in Lücke 1") << u"abc"_s << +Ver << 2 << 3 << u"acb"_s;
        QTest::newRow("1 ans Ende") << u"abc"_s << +Ver << 4 << 1 << u"bca"_s;
        QTest::newRow("3 an den Anfang") << u"abc"_s << +Ver << 1 << 3 << u"cab"_s;
        QTest::newRow("auf sich selbst") << u"abc"_s << +Ver << 2 << 2 << u"abc"_s;
        QTest::newRow("auf den rechten Nachbarn") << u"abc"_s << +Ver << 3 << 2 << u"abc"_s;
        QTest::newRow("das letzte löschen") << u"abc"_s << +Los << 3 << 0 << u"ab"_s;
        QTest::newRow("das erste löschen") << u"abc"_s << +Los << 1 << 0 << u"bc"_s;
        QTest::newRow("das einzige löschen") << u"a"_s << +Los << 1 << 0 << QString();
    }
    void bearbeitungen()
    {
        QFETCH(QString, start);
        QFETCH(int, art);
        QFETCH(int, ziel);
        QFETCH(int, quelle);
        QFETCH(QString, ergebnis);

        Praesentationssammlung s;
        const QStringList schluessel = s.album(u"Rom"_s, 4);
        auto buchstabe = [&](const QString& k) { return QString(QChar(u"abcx"_s[schluessel.indexOf(k)])); };
        QCOMPARE(
            Praesentationskatalog::NeuePraesentation(s.z, s.db, u"P"_s), Praesentationskatalog::Ergebnis::Erledigt);
        StoryboardModell m(s.z, s.db);
        QVERIFY(m.Laden(s.z.praesentationTabelle));
        for (int i = 0; i < start.size(); ++i)
            QVERIFY(m.BildEinfuegen(i + 1, schluessel[start[i].unicode() - 'a']));

        const bool ok = art == 0 ? m.BildEinfuegen(ziel, schluessel[3])
            : art == 1           ? m.Bildverschieben(ziel, quelle)
                                 : m.BildLoeschen(ziel);
        QCOMPARE(ok, ergebnis != start);  // a refused edit says so

        QString imModell, inTabelle;
        for (const QString& k : modellfolge(m))
            imModell += buchstabe(k);
        bool lueckenlos = false;
        for (const QString& k : s.tabellenfolge(s.z.praesentationTabelle, &lueckenlos))
            inTabelle += buchstabe(k);
        QCOMPARE(imModell, ergebnis);
        QCOMPARE(inTabelle, ergebnis);
        QVERIFY(lueckenlos);
        // A fresh load sees what the edits left, resolved to the files.
        StoryboardModell neu(s.z, s.db);
        QVERIFY(neu.Laden(s.z.praesentationTabelle));
        QCOMPARE(modellfolge(neu), modellfolge(m));
        for (int i = 1; i <= neu.anzahl(); ++i)
            QCOMPARE(neu.bild(i).dateiname,
                u"Rom"_s + QString::number(schluessel.indexOf(neu.bild(i).dbNummer) + 1) + u".jpg"_s);
        QCOMPARE(s.db.rsPraesentation.RecordCount(), ergebnis.size());
    }

    void fremdeUndFehlgeschlageneBearbeitungen()
    {
        Praesentationssammlung s;
        const QStringList rom = s.album(u"Rom"_s, 3);
        QCOMPARE(
            Praesentationskatalog::NeuePraesentation(s.z, s.db, u"P"_s), Praesentationskatalog::Ergebnis::Erledigt);
        const QString tabelle = s.z.praesentationTabelle;
        StoryboardModell m(s.z, s.db);
        QVERIFY(m.Laden(tabelle));
        for (const QString& k : rom)
            QVERIFY(m.BildEinfuegen(m.anzahl() + 1, k));

        // Not a picture of this collection: an unknown album, an unknown picture, no key.
        for (const QString& fremd : { u"009900001"_s, u"000100099"_s, QString(), u"keinBild"_s })
            QVERIFY2(!m.BildEinfuegen(1, fremd), qPrintable(fremd));
        QCOMPARE(s.tabellenfolge(tabelle), rom);

        // The insert fails after the rows were shifted: all of it is undone.
        s.db.conDaten.Ausfuehren(
            u"CREATE TRIGGER sperre BEFORE INSERT ON \"%1\" BEGIN SELECT RAISE(ABORT, 'gesperrt'); END"_s.arg(tabelle));
        QSignalSpy umbau(&m, &QAbstractItemModel::rowsMoved);
        QVERIFY(!m.BildEinfuegen(2, rom[0]));
        QVERIFY(!m.Bildverschieben(1, 3));  // out, then not in again: the picture must stay
        QCOMPARE(umbau.count(), 0);
        bool lueckenlos = false;
        QCOMPARE(s.tabellenfolge(tabelle, &lueckenlos), rom);
        QVERIFY(lueckenlos);
        QCOMPARE(modellfolge(m), rom);
    }

    void ladenSchliesstLuecken()
    {
        Praesentationssammlung s;
        const QStringList rom = s.album(u"Rom"_s, 2);
        const QStringList paris = s.album(u"Paris"_s, 2);
        QCOMPARE(
            Praesentationskatalog::NeuePraesentation(s.z, s.db, u"P"_s), Praesentationskatalog::Ergebnis::Erledigt);
        const QString tabelle = s.z.praesentationTabelle;
        StoryboardModell m(s.z, s.db);
        QVERIFY(m.Laden(tabelle));
        for (const QString& k : { rom[0], paris[0], rom[1], paris[1] })
            QVERIFY(m.BildEinfuegen(m.anzahl() + 1, k));

        AlbumAusPraesentationenEntfernen(s.db, s.albumNummer(u"Rom"_s));
        bool lueckenlos = true;
        QCOMPARE(s.tabellenfolge(tabelle, &lueckenlos), (QStringList { paris[0], paris[1] }));
        QVERIFY(!lueckenlos);
        QVERIFY(m.Laden(tabelle));
        QCOMPARE(s.tabellenfolge(tabelle, &lueckenlos), (QStringList { paris[0], paris[1] }));
        QVERIFY(lueckenlos);
        QCOMPARE(m.bild(2).dateiname, u"Paris2.jpg"_s);
        // Edits after the reload land where the user sees them.
        QVERIFY(m.Bildverschieben(1, 2));
        QCOMPARE(s.tabellenfolge(tabelle), (QStringList { paris[1], paris[0] }));
    }
};

int testeStoryboard(int argc, char** argv)
{
    TestStoryboard t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_storyboard.moc"
