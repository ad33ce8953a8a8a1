#include "Praesentationskatalog.h"
#include "Praesentationssammlung.h"

namespace K = Praesentationskatalog;

class TestKatalog : public QObject {
    Q_OBJECT
private slots:
    // One rule for new and renamed names: trimmed, cut to 50 without a
    // trailing blank, compared without regard to case for every letter.
    void namenNachEinerRegel()
    {
        // Gives the result, the messages, the catalogue without the presentation
        // being renamed, and the current name after a success.
        const auto pruefen = [](bool umbenennen, const QString& vorhanden, const QString& eingabe) {
            Praesentationssammlung s;
            K::NeuePraesentation(s.z, s.db, vorhanden);
            if (umbenennen)
                K::NeuePraesentation(s.z, s.db, u"Eigene"_s);
            const K::Ergebnis e
                = umbenennen ? K::Umbenennen(s.z, s.db, eingabe) : K::NeuePraesentation(s.z, s.db, eingabe);
            QStringList katalog = s.namenImKatalog();
            katalog.removeOne(u"Eigene"_s);
            return QStringList { u"Leer"_s, u"Vorhanden"_s, u"Erledigt"_s, u"Fehlgeschlagen"_s }[int(e)] + u"|"_s
                + s.meldungen.texte().join(u"/"_s) + u"|"_s + katalog.join(u","_s)
                + (e == K::Ergebnis::Erledigt ? u"|"_s + s.z.praesentationName : QString());
        };
        const QString schonDa = u"Vorhanden|Name ist schon vorhanden!|"_s, lang = QString(49, u'a');
        for (const bool umbenennen : { false, true }) {
            QCOMPARE(pruefen(umbenennen, u"Urlaub"_s, u"URLAUB"_s), schonDa + u"Urlaub"_s);
            QCOMPARE(pruefen(umbenennen, u"Äpfel"_s, u"äpfel"_s), schonDa + u"Äpfel"_s);
            QCOMPARE(pruefen(umbenennen, u"äpfel"_s, u"ÄPFEL"_s), schonDa + u"äpfel"_s);
            QCOMPARE(pruefen(umbenennen, u"Rom"_s, u"  rom "_s), schonDa + u"Rom"_s);
            QCOMPARE(pruefen(umbenennen, u"X"_s, QString()), u"Leer||X"_s);
            QCOMPARE(pruefen(umbenennen, u"X"_s, u"   "_s), u"Leer||X"_s);
            QCOMPARE(pruefen(umbenennen, u"X"_s, u"  Rom  "_s), u"Erledigt||X,Rom|Rom"_s);
            QCOMPARE(pruefen(umbenennen, u"X"_s, lang + u" b"_s), u"Erledigt||X,%1|%1"_s.arg(lang));
        }
    }

    void fehlgeschlageneErstellungLaesstNichtsZurueck()
    {
        Praesentationssammlung s;
        // The table the next presentation would get is taken already.
        s.db.conDaten.Ausfuehren(u"CREATE TABLE \"P0001\" (x INTEGER)"_s);
        QCOMPARE(K::NeuePraesentation(s.z, s.db, u"Urlaub"_s), K::Ergebnis::Fehlgeschlagen);
        QVERIFY(s.meldungen.texte().size() == 1 && s.meldungen.texte().first().contains(u"Urlaub"_s));
        QVERIFY(s.namenImKatalog().isEmpty() && s.z.praesentationName.isEmpty()
            && s.db.rsPraesentationen.RecordCount() == 0);
    }

    void umbenennenNachNummerUndOeffnen()
    {
        Praesentationssammlung s;
        // Number 2345 and number 12345: the last four characters of "P12345" name the other one.
        s.db.conDaten.Ausfuehren(u"INSERT INTO sqlite_sequence (name, seq) VALUES ('Praesentationen', 2344)"_s);
        QCOMPARE(K::NeuePraesentation(s.z, s.db, u"Klein"_s), K::Ergebnis::Erledigt);
        QCOMPARE(s.z.praesentationTabelle + s.z.praesentationNummer, u"P23452345"_s);
        QVERIFY(s.tabelleDa(u"P2345"_s));
        s.db.conDaten.Ausfuehren(u"UPDATE sqlite_sequence SET seq = 12344 WHERE name = 'Praesentationen'"_s);
        QCOMPARE(K::NeuePraesentation(s.z, s.db, u"Gross"_s), K::Ergebnis::Erledigt);

        s.meldungen.leeren();
        QCOMPARE(K::Umbenennen(s.z, s.db, u"Gross"_s), K::Ergebnis::Vorhanden);
        QCOMPARE(s.meldungen.texte(), QStringList { u"Name ist schon vorhanden!"_s });
        QCOMPARE(K::Umbenennen(s.z, s.db, u"Alpen"_s), K::Ergebnis::Erledigt);
        QCOMPARE(s.z.praesentationName + s.z.praesentationTabelle, u"AlpenP12345"_s);
        QCOMPARE(s.namenImKatalog(), (QStringList { u"Klein"_s, u"Alpen"_s }));
        // Opened by name in any case.
        QVERIFY(K::Oeffnen(s.z, s.db, u"klein"_s) && !K::Oeffnen(s.z, s.db, u"Gibt es nicht"_s));
        QCOMPARE(s.z.praesentationTabelle, u"P2345"_s);
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
        QVERIFY(!K::Entfernen(s.z, s.db, { erste.tabelle, u"Andere"_s, erste.nummer }));
        QVERIFY(!K::Entfernen(s.z, s.db, { zweite.tabelle, erste.name, erste.nummer }));
        QVERIFY(s.tabelleDa(erste.tabelle) && s.tabelleDa(zweite.tabelle) && s.namenImKatalog().size() == 2);

        // The open one is closed while its table still exists.
        QVERIFY(K::Entfernen(s.z, s.db, zweite));
        QCOMPARE(s.ui.aufrufe, QStringList { u"Schliessen Tabelle da"_s });
        QVERIFY(!s.tabelleDa(zweite.tabelle) && s.z.praesentationName.isEmpty() && s.z.praesentationTabelle.isEmpty());
        QCOMPARE(K::Namen(s.db), QStringList { u"Erste"_s });

        s.ui.aufrufe.clear();
        QVERIFY(K::Entfernen(s.z, s.db, erste));
        QCOMPARE(s.ui.aufrufe, QStringList { u"Befehle aus"_s });  // not open: not closed
        QVERIFY(s.namenImKatalog().isEmpty() && !K::Entfernen(s.z, s.db, erste));
    }

    // "Album als Präsentation anzeigen" twice: the album's pictures with a key in the album's order;
    // the second run closes the first while its table still exists and replaces only what it made
    // itself: not its own name written otherwise, an older file's name, or one the user renamed.
    void temporaereErsetztNurIhreEigene()
    {
        const QString name = u"Temporäre Präsentation"_s;
        for (const QString& art : { u"neu"_s, u"alt"_s, u"umbenannt"_s }) {
            Praesentationssammlung s;
            const QStringList k = s.album(u"Rom"_s, 3);
            if (art == u"umbenannt"_s) {
                QVERIFY(K::AlbumAlsPraesentation(s.z, s.db, name).gueltig());
                QCOMPARE(K::Umbenennen(s.z, s.db, u"Reise"_s), K::Ergebnis::Erledigt);
            } else {
                QCOMPARE(K::NeuePraesentation(s.z, s.db, art == u"neu"_s ? u"temporäre präsentation"_s : name),
                    K::Ergebnis::Erledigt);
                s.db.conDaten.Ausfuehren(u"INSERT INTO \"%1\" VALUES (1, ?)"_s.arg(s.z.praesentationTabelle), { k[1] });
            }
            const Praesentation eigene = K::Aktuelle(s.z);
            const QStringList eigeneFolge = s.tabellenfolge(eigene.tabelle);
            BildEintragen(s.db, u"ohne.jpg"_s, 0, u"01.02.2003"_s);
            s.db.rsAlbum.Requery();
            s.db.rsAlbum.Sort(u"Dateiname DESC"_s);  // the album's order, not the table's
            Praesentation vorige;
            s.ui.beimSchliessen = [&] { return s.tabelleDa(vorige.tabelle) ? u"Tabelle da"_s : u"Tabelle weg"_s; };
            for (const QStringList& aufrufe :
                { QStringList { u"Befehle an"_s }, QStringList { u"Schliessen Tabelle da"_s, u"Befehle an"_s } }) {
                s.ui.aufrufe.clear();
                const Praesentation temp = K::AlbumAlsPraesentation(s.z, s.db, name);
                QCOMPARE(temp.name, art == u"umbenannt"_s ? name : name + u"_neu"_s);
                QCOMPARE(s.tabellenfolge(temp.tabelle), (QStringList { k[2], k[1], k[0] }));
                QVERIFY(s.ui.aufrufe == aufrufe && !s.tabelleDa(vorige.tabelle)
                    && s.z.praesentationTabelle == temp.tabelle);
                vorige = temp;
            }
            QCOMPARE(s.namenImKatalog(), (QStringList { eigene.name, vorige.name }));
            QVERIFY(s.tabellenfolge(eigene.tabelle) == eigeneFolge && s.meldungen.meldungen.isEmpty());
        }
    }
};

int testeKatalog(int argc, char** argv)
{
    TestKatalog t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_katalog.moc"
