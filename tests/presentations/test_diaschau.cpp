#include "Diaschaufolge.h"
#include "Praesentationskatalog.h"
#include "Praesentationssammlung.h"
#include "StoryboardModell.h"

#include <QSet>

using S = Diaschaufolge::Schritt;

class TestDiaschau : public QObject {
    Q_OBJECT
private slots:
    // The window's keys and swapped buttons are tried on the window; here the rest.
    void schritteUndStart()
    {
        QCOMPARE(Diaschaufolge::Taste(Qt::Key_Left), S::Zurueck);
        QCOMPARE(Diaschaufolge::Taste(Qt::Key_Down), S::Keiner);
        QCOMPARE(Diaschaufolge::Taste(Qt::Key_A), S::Vor);
        QCOMPARE(Diaschaufolge::Maus(Diaschaufolge::Knopf::Links, false), S::Vor);
        QCOMPARE(Diaschaufolge::Maus(Diaschaufolge::Knopf::Rechts, false), S::Zurueck);
        Diaschaufolge f(12, 12);
        QCOMPARE(f.Gehen(S::Schliessen), 0);
        QCOMPARE(f.Gehen(S::Keiner), 12);
        QCOMPARE(Diaschaufolge(12, 0).position(), 1);
        QCOMPARE(Diaschaufolge(12, 40).position(), 12);
        QVERIFY(Diaschaufolge(0, 1).leer());
        Diaschaufolge eins(1, 1);
        QCOMPARE(eins.Gehen(S::Vor), 1);
        QCOMPARE(eins.Gehen(S::Zurueck), 1);
    }

    void fehlendeUeberspringen()
    {
        const QSet<int> fehlen { 3, 4 };
        QList<int> gefragt;
        auto pruefen = [&](int p) {
            gefragt << p;
            return fehlen.contains(p) ? Diaschaufolge::Lage::Ueberspringen : Diaschaufolge::Lage::Anzeigen;
        };
        Diaschaufolge vor(6, 2);
        vor.Gehen(S::Vor);
        QCOMPARE(vor.Suchen(pruefen), 5);
        QCOMPARE(gefragt, (QList<int> { 3, 4, 5 }));

        gefragt.clear();
        Diaschaufolge zurueck(6, 5);
        zurueck.Gehen(S::Zurueck);
        QCOMPARE(zurueck.Suchen(pruefen), 2);
        QCOMPARE(gefragt, (QList<int> { 4, 3, 2 }));

        // Across the end, and nothing to show at all: once round, then stop.
        gefragt.clear();
        Diaschaufolge ende(4, 3);
        QCOMPARE(ende.Suchen(pruefen), 1);
        QCOMPARE(gefragt, (QList<int> { 3, 4, 1 }));
        gefragt.clear();
        Diaschaufolge keins(3, 2);
        QCOMPARE(keins.Suchen([&](int p) {
            gefragt << p;
            return Diaschaufolge::Lage::Ueberspringen;
        }),
            0);
        QCOMPARE(gefragt, (QList<int> { 2, 3, 1 }));
        QCOMPARE(keins.position(), 2);
        QCOMPARE(keins.Suchen([](int) { return Diaschaufolge::Lage::Abbrechen; }), 0);
    }

    void cdFrage()
    {
        Praesentationssammlung s;
        const QStringList keys = s.album(u"Rom"_s, 2);
        s.db.conDaten.Ausfuehren(u"UPDATE Alben SET Pfad = 'fotos/', \"CD-Name\" = 'URLAUB'"_s);
        QCOMPARE(
            Praesentationskatalog::NeuePraesentation(s.z, s.db, u"P"_s), Praesentationskatalog::Ergebnis::Erledigt);
        StoryboardModell m(s.z, s.db);
        QVERIFY(m.Laden(s.z.praesentationTabelle));
        QVERIFY(m.BildEinfuegen(1, keys[0]));

        QVector<Diaschaubild> bilder = DiaschaubilderLaden(s.z, s.db.conDaten, s.z.praesentationTabelle);
        QCOMPARE(bilder.size(), 1);
        QVERIFY(bilder[0].pfad.isEmpty());
        s.meldungen.antworten = { Meldungen::Antwort::Abbrechen };
        QCOMPARE(DiaschaubildPruefen(s.z, bilder[0]), Diaschaufolge::Lage::Abbrechen);
        QCOMPARE(s.meldungen.texte(), QStringList { u"Bitte CD 'URLAUB' einlegen!"_s });
        QCOMPARE(s.meldungen.titel(), QStringList { u"Keine oder falsche CD!"_s });
        s.meldungen.antworten = { Meldungen::Antwort::OK };
        QCOMPARE(DiaschaubildPruefen(s.z, bilder[0]), Diaschaufolge::Lage::Ueberspringen);

        // The disc is in: the picture is shown without a question.
        const QString cd = s.ordner(u"cd"_s);
        s.laufwerke.hinzufuegen(cd, Laufwerk::CDROM, u"URLAUB"_s);
        s.meldungen.leeren();
        QCOMPARE(DiaschaubildPruefen(s.z, bilder[0]), Diaschaufolge::Lage::Anzeigen);
        QCOMPARE(bilder[0].pfad, cd + u"fotos/Rom1.jpg"_s);
        QVERIFY(s.meldungen.meldungen.isEmpty());
    }

    void anzeigegroesse_data()
    {
        QTest::addColumn<QSize>("bild");
        QTest::addColumn<bool>("angleichen");
        QTest::addColumn<QSize>("erwartet");
        QTest::newRow("klein, angeglichen") << QSize(640, 480) << true << QSize(1440, 1080);
        QTest::newRow("klein, natürlich") << QSize(640, 480) << false << QSize(640, 480);
        QTest::newRow("groß, natürlich") << QSize(6000, 4000) << false << QSize(1620, 1080);
        QTest::newRow("breit") << QSize(4000, 1000) << false << QSize(1920, 480);
        QTest::newRow("hoch, angeglichen") << QSize(300, 600) << true << QSize(540, 1080);
    }
    void anzeigegroesse()
    {
        QFETCH(QSize, bild);
        QFETCH(bool, angleichen);
        QFETCH(QSize, erwartet);
        QCOMPARE(Anzeigegroesse(bild, QSize(1920, 1080), angleichen), erwartet);
    }
};

int testeDiaschau(int argc, char** argv)
{
    TestDiaschau t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_diaschau.moc"
