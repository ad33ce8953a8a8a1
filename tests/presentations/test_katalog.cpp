#include "Praesentationskatalog.h"
#include "Praesentationssammlung.h"

namespace K = Praesentationskatalog;

class TestKatalog : public QObject {
    Q_OBJECT
private slots:
    void neuePraesentationen()
    {
        Praesentationssammlung s;
        QCOMPARE(K::NeuePraesentation(s.z, s.db, u"Urlaub"_s), K::Ergebnis::Erledigt);
        QCOMPARE(s.z.praesentationTabelle, u"P0001"_s);
        QCOMPARE(s.z.praesentationName, u"Urlaub"_s);
        QCOMPARE(s.z.praesentationNummer, u"1"_s);
        QVERIFY(s.tabelleDa(u"P0001"_s));
        QCOMPARE(s.ui.aufrufe, QStringList { u"Befehle an"_s });


        QCOMPARE(K::NeuePraesentation(s.z, s.db, u"Alpen"_s), K::Ergebnis::Erledigt);
        QCOMPARE(K::Namen(s.db), (QStringList { u"Alpen"_s, u"Urlaub"_s }));
        QVERIFY(K::Oeffnen(s.z, s.db, u"urlaub"_s));
        QCOMPARE(s.z.praesentationTabelle, u"P0001"_s);
        QVERIFY(!K::Oeffnen(s.z, s.db, u"Gibt es nicht"_s));
    }

    // One rule for new and renamed names: trimmed, cut to 50 without a
    // trailing blank, compared without regard to case for every letter.
    void namenNachEinerRegel_data()
    {
        QTest::addColumn<QString>("vorhanden");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<int>("ergebnis");  // K::Ergebnis
        QTest::addColumn<QString>("gespeichert");
        const int vorhanden = int(K::Ergebnis::Vorhanden);
        QTest::newRow("ASCII anders geschrieben") << u"Urlaub"_s << u"URLAUB"_s << vorhanden << QString();
        QTest::newRow("Umlaut klein") << u"Äpfel"_s << u"äpfel"_s << vorhanden << QString();
        QTest::newRow("Umlaut gross") << u"äpfel"_s << u"ÄPFEL"_s << vorhanden << QString();
        QTest::newRow("mit Blanks vorhanden") << u"Rom"_s << u"  rom "_s << vorhanden << QString();
        QTest::newRow("leer") << u"X"_s << QString() << int(K::Ergebnis::Leer) << QString();
        QTest::newRow("nur Blanks") << u"X"_s << u"   "_s << int(K::Ergebnis::Leer) << QString();
        QTest::newRow("Blanks weg") << u"X"_s << u"  Rom  "_s << int(K::Ergebnis::Erledigt) << u"Rom"_s;
        QTest::newRow("geschnitten ohne Blank am Ende")
            << u"X"_s << QString(49, u'a') + u" b"_s << int(K::Ergebnis::Erledigt) << QString(49, u'a');
    }
    void namenNachEinerRegel()
    {
        QFETCH(QString, vorhanden);
        QFETCH(QString, eingabe);
        QFETCH(int, ergebnis);
        QFETCH(QString, gespeichert);
        for (const bool umbenennen : { false, true }) {
            Praesentationssammlung s;
            QCOMPARE(K::NeuePraesentation(s.z, s.db, vorhanden), K::Ergebnis::Erledigt);
            if (umbenennen)
                QCOMPARE(K::NeuePraesentation(s.z, s.db, u"Eigene"_s), K::Ergebnis::Erledigt);
            const QStringList vorher = s.namenImKatalog();
            const K::Ergebnis e = umbenennen ? K::Umbenennen(s.z, s.db, eingabe)
                                             : K::NeuePraesentation(s.z, s.db, eingabe);
            QCOMPARE(int(e), ergebnis);
            QCOMPARE(s.meldungen.texte(),
                ergebnis == int(K::Ergebnis::Vorhanden) ? QStringList { u"Name ist schon vorhanden!"_s } : QStringList());
            QStringList erwartet = vorher;
            if (!gespeichert.isEmpty()) {
                if (umbenennen)
                    erwartet.removeLast();
                erwartet << gespeichert;
                QCOMPARE(s.z.praesentationName, gespeichert);
            }
            QCOMPARE(s.namenImKatalog(), erwartet);
        }
    }

    void fehlgeschlageneErstellungLaesstNichtsZurueck()
    {
        Praesentationssammlung s;
        // The table the next presentation would get is taken already.
        s.db.conDaten.Ausfuehren(u"CREATE TABLE \"P0001\" (x INTEGER)"_s);
        QCOMPARE(K::NeuePraesentation(s.z, s.db, u"Urlaub"_s), K::Ergebnis::Fehlgeschlagen);
        QCOMPARE(s.meldungen.meldungen.size(), 1);
        QVERIFY(s.meldungen.texte().first().contains(u"Urlaub"_s));
        QVERIFY(s.namenImKatalog().isEmpty());
        QCOMPARE(s.db.rsPraesentationen.RecordCount(), 0);
        QVERIFY(s.z.praesentationName.isEmpty());
    }

    void umbenennenNachNummer()
    {
        Praesentationssammlung s;
        // Number 2345 and number 12345: the last four characters of "P12345" name the other one.
        s.db.conDaten.Ausfuehren(u"INSERT INTO sqlite_sequence (name, seq) VALUES ('Praesentationen', 2344)"_s);
        QCOMPARE(K::NeuePraesentation(s.z, s.db, u"Klein"_s), K::Ergebnis::Erledigt);
        s.db.conDaten.Ausfuehren(u"UPDATE sqlite_sequence SET seq = 12344 WHERE name = 'Praesentationen'"_s);
        QCOMPARE(K::NeuePraesentation(s.z, s.db, u"Gross"_s), K::Ergebnis::Erledigt);
        QCOMPARE(s.z.praesentationTabelle, u"P12345"_s);

        s.meldungen.leeren();
        QCOMPARE(K::Umbenennen(s.z, s.db, u"Gross"_s), K::Ergebnis::Vorhanden);
        QCOMPARE(s.meldungen.texte(), QStringList { u"Name ist schon vorhanden!"_s });
        QCOMPARE(K::Umbenennen(s.z, s.db, u"Riesig"_s), K::Ergebnis::Erledigt);
        QCOMPARE(s.z.praesentationName, u"Riesig"_s);
        QCOMPARE(s.z.praesentationTabelle, u"P12345"_s);
        QCOMPARE(s.namenImKatalog(), (QStringList { u"Klein"_s, u"Riesig"_s }));
        QCOMPARE(K::Namen(s.db), (QStringList { u"Klein"_s, u"Riesig"_s }));
    }

    void loeschen()
    {
        Praesentationssammlung s;
        QCOMPARE(K::NeuePraesentation(s.z, s.db, u"Erste"_s), K::Ergebnis::Erledigt);
        const Praesentation erste = K::Aktuelle(s.z);
        QCOMPARE(K::NeuePraesentation(s.z, s.db, u"Zweite"_s), K::Ergebnis::Erledigt);
        const Praesentation zweite = K::Aktuelle(s.z);
        s.ui.aufrufe.clear();
        s.ui.beimSchliessen = [&] { return s.tabelleDa(zweite.tabelle) ? u"Tabelle da"_s : u"Tabelle weg"_s; };

        // A choice whose name no longer matches its number deletes nothing.
        const Praesentation veraltet { erste.tabelle, u"Andere"_s, erste.nummer };
        QVERIFY(!K::Entfernen(s.z, s.db, veraltet));
        const Praesentation falscheTabelle { zweite.tabelle, erste.name, erste.nummer };
        QVERIFY(!K::Entfernen(s.z, s.db, falscheTabelle));
        QVERIFY(s.tabelleDa(erste.tabelle) && s.tabelleDa(zweite.tabelle));
        QCOMPARE(s.namenImKatalog().size(), 2);

        // The open one is closed while its table still exists.
        QVERIFY(K::Entfernen(s.z, s.db, zweite));
        QCOMPARE(s.ui.aufrufe, QStringList { u"Schliessen Tabelle da"_s });
        QVERIFY(!s.tabelleDa(zweite.tabelle));
        QVERIFY(s.z.praesentationName.isEmpty() && s.z.praesentationTabelle.isEmpty());
        QCOMPARE(K::Namen(s.db), QStringList { u"Erste"_s });

        s.ui.aufrufe.clear();
        QVERIFY(K::Entfernen(s.z, s.db, erste));
        QCOMPARE(s.ui.aufrufe, QStringList { u"Befehle aus"_s });  // not open: not closed
        QVERIFY(s.namenImKatalog().isEmpty());
        QVERIFY(!K::Entfernen(s.z, s.db, erste));
    }

    void albumAlsTemporaerePraesentationZweimal()
    {
        Praesentationssammlung s;
        const QStringList ersteSchluessel = s.album(u"Rom"_s, 3);
        // A row without a key does not go into the presentation.
        BildEintragen(s.db, u"ohne.jpg"_s, 0, u"01.02.2003"_s);
        s.db.rsAlbum.Requery();
        s.db.rsAlbum.Sort(u"Dateiname DESC"_s);  // the album's order, not the table's
        s.db.rsAlbum.MoveFirst();
        s.db.rsAlbum.MoveNext();
        const QString name = u"Temporäre Präsentation"_s;

        const Praesentation erste = K::AlbumAlsPraesentation(s.z, s.db, name);
        QVERIFY(erste.gueltig());
        QCOMPARE(s.tabellenfolge(erste.tabelle),
            (QStringList { ersteSchluessel[2], ersteSchluessel[1], ersteSchluessel[0] }));
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 2);

        const QStringList zweiteSchluessel = s.album(u"Paris"_s, 2);
        s.ui.aufrufe.clear();
        s.ui.beimSchliessen = [&] { return s.tabelleDa(erste.tabelle) ? u"Tabelle da"_s : u"Tabelle weg"_s; };
        const Praesentation zweite = K::AlbumAlsPraesentation(s.z, s.db, name);
        QVERIFY(zweite.gueltig());
        QVERIFY(zweite.nummer != erste.nummer && zweite.tabelle != erste.tabelle);
        QCOMPARE(s.ui.aufrufe, (QStringList { u"Schliessen Tabelle da"_s, u"Befehle an"_s }));
        QVERIFY(!s.tabelleDa(erste.tabelle));
        QCOMPARE(s.namenImKatalog(), QStringList { name });
        QCOMPARE(s.tabellenfolge(zweite.tabelle), zweiteSchluessel);
        QCOMPARE(s.z.praesentationTabelle, zweite.tabelle);
        QVERIFY(s.meldungen.meldungen.isEmpty());
    }

    // "Album als Präsentation anzeigen" replaces only what it made itself.
    void temporaereErsetztNurIhreEigene_data()
    {
        QTest::addColumn<QString>("art");
        QTest::newRow("eigene in anderer Schreibung") << u"neu"_s;
        QTest::newRow("gleicher Name aus älterer Datei") << u"alt"_s;
        QTest::newRow("umbenannte temporäre") << u"umbenannt"_s;
    }
    void temporaereErsetztNurIhreEigene()
    {
        QFETCH(QString, art);
        Praesentationssammlung s;
        const QStringList schluessel = s.album(u"Rom"_s, 2);
        const QString name = u"Temporäre Präsentation"_s;
        if (art == u"umbenannt"_s) {
            QVERIFY(K::AlbumAlsPraesentation(s.z, s.db, name).gueltig());
            QCOMPARE(K::Umbenennen(s.z, s.db, u"Reise"_s), K::Ergebnis::Erledigt);
        } else {
            QCOMPARE(K::NeuePraesentation(s.z, s.db, art == u"neu"_s ? u"temporäre präsentation"_s : name),
                K::Ergebnis::Erledigt);
            s.db.conDaten.Ausfuehren(u"INSERT INTO \"%1\" VALUES (1, ?)"_s.arg(s.z.praesentationTabelle),
                { schluessel[1] });
        }
        const Praesentation eigene = K::Aktuelle(s.z);
        const QStringList eigeneFolge = s.tabellenfolge(eigene.tabelle);
        const QString erwartet = art == u"umbenannt"_s ? name : name + u"_neu"_s;
        for (int mal = 0; mal < 2; ++mal) {
            const Praesentation temp = K::AlbumAlsPraesentation(s.z, s.db, name);
            QCOMPARE(temp.name, erwartet);
            QCOMPARE(s.tabellenfolge(temp.tabelle), schluessel);
        }
        QCOMPARE(s.namenImKatalog(), (QStringList { eigene.name, erwartet }));
        QVERIFY(s.tabelleDa(eigene.tabelle));
        QCOMPARE(s.tabellenfolge(eigene.tabelle), eigeneFolge);
    }
};

int testeKatalog(int argc, char** argv)
{
    TestKatalog t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_katalog.moc"
