#include "Ansichtensammlung.h"
#include "KleinerDatentraeger.h"

#include <QFileInfo>
#include <QImage>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every row of an album table as "Dateiname DBNummer", by name.
QStringList zeilen(Datenbankobjekte& db, const QString& tabelle)
{
    QStringList z;
    QSqlQuery q = db.conDaten.Abfragen(u"SELECT Dateiname, DBNummer FROM \"%1\" ORDER BY Dateiname"_s.arg(tabelle));
    while (q.next())
        z << q.value(0).toString() + u' ' + q.value(1).toString();
    return z;
}

} // namespace

class TestBilderpflege : public QObject {
    Q_OBJECT
private slots:
    void papierkorb()
    {
        // What lies in the data folder instead of a usable trash, and whether the file lands there.
        const struct {
            const char* imWeg;
            bool imKorb;
        } faelle[] = { { "", true }, { "Trash", false }, { "Trash/files", false } };
        for (const auto& f : faelle) {
            QTemporaryDir t;
            const QString daten = t.filePath(u"daten"_s), arbeit = t.filePath(u"arbeit"_s);
            const QString weg = daten + u'/' + QLatin1String(f.imWeg);
            QVERIFY(QDir().mkpath(QFileInfo(weg).absolutePath()) && QDir().mkpath(arbeit));
            QVERIFY(!*f.imWeg || QFile(weg).open(QIODevice::WriteOnly));
            const QString bild = t.filePath(u"Album/IMG_0001.JPG"_s);
            Ansichtensammlung::bildSchreiben(bild);
            {
                const auto zurueck = qScopeGuard([altDaten = qgetenv("XDG_DATA_HOME"), altArbeit = QDir::currentPath()] {
                    qputenv("XDG_DATA_HOME", altDaten);
                    QDir::setCurrent(altArbeit);
                });
                qputenv("XDG_DATA_HOME", daten.toLocal8Bit());
                QDir::setCurrent(arbeit);
                QVERIFY2(DateiEntsorgen(bild), f.imWeg);
            }
            QVERIFY2(!QFile::exists(bild), f.imWeg);
            QVERIFY2(QFile::exists(daten + "/Trash/files/IMG_0001.JPG"_L1) == f.imKorb, f.imWeg);
            // Nothing strayed into the working folder.
            QVERIFY2(QDir(arbeit).isEmpty(), f.imWeg);
            QVERIFY(DateiEntsorgen(bild)); // nothing there is nothing to do
        }
    }

    void gleicherNameErsetztNichts()
    {
        Ansichtensammlung s;
        s.album(u"Kamera"_s);
        const QString album = s.albumordner();
        const QString karte1 = s.ordner(u"Karte1"_s), karte2 = s.ordner(u"Karte2"_s);
        Ansichtensammlung::bildSchreiben(karte1 + "IMG_0001.JPG"_L1, QSize(80, 60));
        Ansichtensammlung::bildSchreiben(karte2 + "IMG_0001.JPG"_L1, QSize(120, 60));
        Ansichtensammlung::bildSchreiben(karte2 + "frei.jpg"_L1, QSize(30, 20));
        Ansichtensammlung::bildSchreiben(album + "frei.jpg"_L1, QSize(40, 20)); // a file of the folder without row
        frmBilderListe& liste = s.liste();
        liste.NeueBilderEintragen({ karte1 + "IMG_0001.JPG"_L1 });
        s.db.rsAlbum.MoveFirst();
        BildFeldSchreiben(s.db, u"Bemerkung"_s, u"erste"_s);

        // The second card's picture of the same name and one named like a stray file;
        // then the album's own picture again, to which nothing happens.
        liste.NeueBilderEintragen({ karte2 + "IMG_0001.JPG"_L1, karte2 + "frei.jpg"_L1 });
        liste.NeueBilderEintragen({ album + "IMG_0001.JPG"_L1 });
        QVERIFY(s.meldungen.meldungen.isEmpty());
        // Each new row has the next number and its own key.
        const auto schluessel = [&](int nummer) { return DBNummerBilden(QString::number(nummer), s.z.albumNummer); };
        QCOMPARE(zeilen(s.db, s.z.albumNummer), QStringList({ "IMG_0001.JPG "_L1 + schluessel(1),
                                                    "IMG_0001_BV001.JPG "_L1 + schluessel(2), "frei_BV001.jpg "_L1 + schluessel(3) }));
        // Every file keeps its own picture, told apart by width.
        for (const auto& [name, breite] : { std::pair { "IMG_0001.JPG", 80 }, { "IMG_0001_BV001.JPG", 120 },
                 { "frei.jpg", 40 }, { "frei_BV001.jpg", 30 } })
            QVERIFY2(QImage(album + QLatin1String(name)).width() == breite, name);
        QCOMPARE(s.spalte(u"IMG_0001.JPG"_s, u"Bemerkung"_s), u"erste"_s);

        // Unreadable pictures are entered all the same, with one message naming them.
        for (const char* name : { "kaputt1.jpg", "kaputt2.jpg" }) {
            QFile f(karte2 + QLatin1String(name));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("kein Bild") > 0);
        }
        liste.NeueBilderEintragen({ karte2 + "kaputt1.jpg"_L1, karte2 + "kaputt2.jpg"_L1 });
        QCOMPARE(liste.modell().anzahl(), 5);
        QCOMPARE(s.meldungen.texte(), QStringList { u"Fehler beim Laden des Bildes.\r\rkaputt1.jpg\rkaputt2.jpg"_s });

        // Set to move: the album's own files, with a row or without, stay where they are; from
        // elsewhere the same name is moved in beside them, and the emptied folder goes.
        s.meldungen.leeren();
        s.z.einstellungen.lngBehandlungBilder = 1;
        liste.NeueBilderEintragen({ album + "IMG_0001.JPG"_L1, album + "frei.jpg"_L1 });
        const QString karte3 = s.ordner(u"Karte3"_s);
        Ansichtensammlung::bildSchreiben(karte3 + "IMG_0001.JPG"_L1, QSize(90, 30));
        liste.NeueBilderEintragen({ karte3 + "IMG_0001.JPG"_L1 });
        QVERIFY(s.meldungen.meldungen.isEmpty());
        QCOMPARE(liste.modell().anzahl(), 7);
        QVERIFY(QFile::exists(album + "IMG_0001.JPG"_L1) && QFile::exists(album + "frei.jpg"_L1));
        QCOMPARE(QImage(album + "IMG_0001_BV002.JPG"_L1).size(), QSize(90, 30));
        QVERIFY(!QFileInfo::exists(karte3));
    }

    void verschiebenVonEinemSchreibgeschuetztenDatentraeger()
    {
        KleinerDatentraeger karte(4 * 1024 * 1024);
        if (!karte.bereit())
            QSKIP(qPrintable(karte.grund()));
        Ansichtensammlung::bildSchreiben(karte.pfad() + "IMG_0001.JPG"_L1, QSize(60, 40));
        QVERIFY(karte.schreibschuetzen());
        Ansichtensammlung s;
        s.album(u"Karte"_s);
        s.z.einstellungen.lngBehandlungBilder = 1;
        s.liste().NeueBilderEintragen({ karte.pfad() + "IMG_0001.JPG"_L1 });
        // The picture is in the album; its source stayed and is named once.
        QCOMPARE(zeilen(s.db, s.z.albumNummer).size(), 1);
        QVERIFY(QFile::exists(s.albumordner() + "IMG_0001.JPG"_L1));
        QVERIFY(QFile::exists(karte.pfad() + "IMG_0001.JPG"_L1));
        const auto& m = s.meldungen.meldungen;
        QVERIFY(m.size() == 1 && m[0].liste.size() == 1 && m[0].liste[0].startsWith(karte.pfad() + "IMG_0001.JPG"_L1));
    }

    void loeschenImSuchergebnis()
    {
        // Albums 1 and 10: a key read one digit too long or short names the wrong table.
        Ansichtensammlung s;
        QStringList ordner;
        for (int i = 1; i <= 10; ++i) {
            s.album(u"Album %1"_s.arg(i));
            ordner << s.albumordner();
            if (i == 1 || i == 10) {
                s.bild(u"gleich.jpg"_s);
                s.bild(u"anders%1.jpg"_s.arg(i));
            }
        }
        QCOMPARE(s.z.albumNummer, u"10"_s);
        const QString p = PraesentationstabelleAnlegen(s.db, u"Beide"_s);
        for (const char* schluessel : { "000100001", "001000001" })
            s.db.conDaten.Ausfuehren(u"INSERT INTO %1 (DBNummer) VALUES (?)"_s.arg(p), { QLatin1String(schluessel) });

        // The search result: copies of both albums' rows.
        const QString spalten = u"DBNummer, Dateiname, ID, Datum, Schluesselbegriffe, Bemerkung"_s;
        for (const char* tabelle : { "1", "10" })
            s.db.conDaten.Ausfuehren(
                u"INSERT INTO TempAlbum (%1) SELECT %1 FROM \"%2\""_s.arg(spalten, QLatin1String(tabelle)));
        s.db.rsAlbum.Oeffnen(Abfrage::MitWert(u"TempAlbum"_s, u"Dateiname"_s));
        s.z.suchergebnisAngezeigt = true;
        s.z.albumName = u"Suchergebnis:"_s;
        frmBilderListe& liste = s.liste();
        liste.ListeAuffuellen();
        for (int i = 1; i <= liste.modell().anzahl(); ++i)
            liste.modell().markieren(i, liste.modell().eintrag(i).dbNummer == "000100001"_L1);
        liste.BildLoeschen();

        QCOMPARE(zeilen(s.db, u"1"_s), QStringList { u"anders1.jpg 000100002"_s });
        QCOMPARE(zeilen(s.db, u"10"_s), QStringList({ u"anders10.jpg 001000002"_s, u"gleich.jpg 001000001"_s }));
        QCOMPARE(zeilen(s.db, u"TempAlbum"_s).size(), 3);
        QVERIFY(!QFile::exists(ordner.first() + "gleich.jpg"_L1));
        QVERIFY(QFile::exists(ordner.last() + "gleich.jpg"_L1));
        QSqlQuery q = s.db.conDaten.Abfragen(u"SELECT DBNummer FROM %1"_s.arg(p));
        QVERIFY(q.next() && q.value(0).toString() == "001000001"_L1 && !q.next());
        QCOMPARE(liste.modell().anzahl(), 3);
    }
};

int testeBilderpflege(int argc, char** argv)
{
    TestBilderpflege t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_bilderpflege.moc"
