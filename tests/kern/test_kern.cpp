#include "Einstellungen.h"
#include "Laufwerksliste.h"
#include "Meldungen.h"
#include "mdlRegistry.h"

#include <QFile>
#include <QRect>
#include <QSettings>
#include <QtTest>

// The settings store: defaults, round trip and the rules for odd values.
class TestKern : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Registry r;
        QFile::remove(r.dateipfad());
    }

    void ersterStartLiefertAlleVorgaben()
    {
        const GeladeneEinstellungen e = EinstellungenLaden(Registry());
        QCOMPARE(e.aktuelleDatenbank, QString());
        QCOMPARE(e.geometrie.hoehe, 9000);
        QCOMPARE(e.geometrie.breite, 12000);
        QCOMPARE(e.geometrie.links, 0);
        QCOMPARE(e.geometrie.oben, 0);
        QCOMPARE(e.geometrie.status, 0);
        QCOMPARE(e.optionen.GroesseVorschauBild, 80);
        QCOMPARE(e.optionen.AnzahlBrowserZeilen, 3);
        QCOMPARE(e.optionen.BilderFormGroesseX, 9000.0f);
        QCOMPARE(e.optionen.BilderFormGroesseY, 7000.0f);
        QCOMPARE(e.optionen.lngBehandlungNeueAlben, 0);
        QCOMPARE(e.optionen.lngBehandlungNeueCDAlben, 1);
        QCOMPARE(e.optionen.lngBehandlungBilder, 0);
        QCOMPARE(e.optionen.blnPraeBilderAngleichen, true);
        QCOMPARE(e.optionen.blnTastenTausch, false);
        QCOMPARE(e.optionen.MdacOK, false);
    }

    void speichernUndLadenGebenDieWerteZurueck()
    {
        Einstellungen o;
        o.GroesseVorschauBild = 120;
        o.AnzahlBrowserZeilen = 4;
        o.BilderFormGroesseX = 10500.5f;
        o.lngBehandlungNeueAlben = 2;
        o.lngBehandlungNeueCDAlben = 0;
        o.lngBehandlungBilder = 1;
        o.blnPraeBilderAngleichen = false;
        o.blnTastenTausch = true;
        o.MdacOK = true;
        Fenstergeometrie g{7000, 11000, 300, 450, Fenstergeometrie::Maximiert};
        {
            Registry r;
            EinstellungenSpeichern(r, QStringLiteral("/opt/kolvar"), QStringLiteral("/home/a/Sammlung.mdb"), g, o,
                                   QStringLiteral("1.0.43"));
        }
        const GeladeneEinstellungen e = EinstellungenLaden(Registry());
        QCOMPARE(e.aktuelleDatenbank, QStringLiteral("/home/a/Sammlung.mdb"));
        // The normal-state geometry and the maximised state both come back.
        QCOMPARE(e.geometrie.hoehe, 7000);
        QCOMPARE(e.geometrie.breite, 11000);
        QCOMPARE(e.geometrie.links, 300);
        QCOMPARE(e.geometrie.oben, 450);
        QCOMPARE(e.geometrie.status, 2);
        QCOMPARE(e.optionen.GroesseVorschauBild, 120);
        QCOMPARE(e.optionen.AnzahlBrowserZeilen, 4);
        QCOMPARE(e.optionen.BilderFormGroesseX, 10500.5f);
        QCOMPARE(e.optionen.lngBehandlungNeueAlben, 2);
        QCOMPARE(e.optionen.lngBehandlungNeueCDAlben, 0);
        QCOMPARE(e.optionen.lngBehandlungBilder, 1);
        QCOMPARE(e.optionen.blnPraeBilderAngleichen, false);
        QCOMPARE(e.optionen.blnTastenTausch, true);
        QCOMPARE(e.optionen.MdacOK, true);

        // What the update program reads, as texts in their groups.
        Registry r;
        QCOMPARE(r.TextLesen(QStringLiteral("Pfade"), QStringLiteral("Kolvar-Verz")).value_or(QString()),
                 QStringLiteral("/opt/kolvar"));
        QCOMPARE(r.TextLesen(QStringLiteral("Version"), QStringLiteral("Version")).value_or(QString()),
                 QStringLiteral("1.0.43"));
        QCOMPARE(r.TextLesen(QStringLiteral("Optionen"), QStringLiteral("MdacOK")).value_or(QString()),
                 QStringLiteral("True"));
    }

    void keineDatenbankWirdAlsLeerzeichenGespeichert()
    {
        {
            Registry r;
            EinstellungenSpeichern(r, QStringLiteral("/p"), QString(), Fenstergeometrie(), Einstellungen(),
                                   QStringLiteral("1.0.43"));
        }
        Registry r;
        QCOMPARE(r.TextLesen(QStringLiteral("Pfade"), QStringLiteral("AktuelleDatenbank")).value_or(QString()),
                 QStringLiteral(" "));
        QCOMPARE(EinstellungenLaden(r).aktuelleDatenbank, QStringLiteral(" "));
    }

    void unbrauchbareWerteErgebenIhreVorgabe()
    {
        {
            Registry r;
            r.TextSchreiben(QStringLiteral("MDI"), QStringLiteral("Hoehe"), QStringLiteral("sehr hoch"));
            r.TextSchreiben(QStringLiteral("MDI"), QStringLiteral("Breite"), QStringLiteral("40000"));  // > 16 bit
            r.TextSchreiben(QStringLiteral("MDI"), QStringLiteral("Links"), QStringLiteral("-99999"));
            r.TextSchreiben(QStringLiteral("MDI"), QStringLiteral("Status"), QStringLiteral("7"));
            r.TextSchreiben(QStringLiteral("Optionen"), QStringLiteral("GroesseVorschauBild"), QString());
            r.TextSchreiben(QStringLiteral("Optionen"), QStringLiteral("AnzahlBrowserZeilen"), QStringLiteral("4x"));
            r.TextSchreiben(QStringLiteral("Optionen"), QStringLiteral("blnTastenTausch"), QStringLiteral("vielleicht"));
            r.TextSchreiben(QStringLiteral("Optionen"), QStringLiteral("BilderFormGroesseY"), QStringLiteral("abc"));
            r.sichern();
        }
        const GeladeneEinstellungen e = EinstellungenLaden(Registry());
        QCOMPARE(e.geometrie.hoehe, 9000);
        QCOMPARE(e.geometrie.breite, 32767);  // clamped, not reset: a large window stays large
        QCOMPARE(e.geometrie.links, -32768);
        QCOMPARE(e.geometrie.status, 0);
        QCOMPARE(e.optionen.GroesseVorschauBild, 80);
        QCOMPARE(e.optionen.AnzahlBrowserZeilen, 3);
        QCOMPARE(e.optionen.blnTastenTausch, false);
        QCOMPARE(e.optionen.BilderFormGroesseY, 7000.0f);
    }

    void unlesbareDateiWirdVorDenVorgabenKopiert()
    {
        const QString datei = Registry().dateipfad();
        const QByteArray kaputt("[Pfade\nAktuelleDatenbank=/home/anna/Fotos.mdb\n");
        {
            QFile f(datei);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(kaputt);
        }
        QString kopie;
        {
            Registry r;
            kopie = r.sicherungskopie();
            EinstellungenSpeichern(r, QStringLiteral("/opt/kolvar"), QString(), Fenstergeometrie(), Einstellungen(),
                                   QStringLiteral("1.0"));
        }
        QVERIFY(!kopie.isEmpty());
        QFile f(kopie);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), kaputt);
        QFile::remove(kopie);
        // A readable file makes no copy.
        QVERIFY(Registry().sicherungskopie().isEmpty());
    }

    void fensterWirdAufDenBildschirmGeholt_data()
    {
        QTest::addColumn<QRect>("fenster");
        QTest::addColumn<QRect>("erwartet");
        // Two screens side by side: 1920 x 1080 and 1280 x 1024 to its right.
        QTest::newRow("passt") << QRect(100, 100, 800, 600) << QRect(100, 100, 800, 600);
        QTest::newRow("auf dem zweiten") << QRect(2000, 50, 800, 600) << QRect(2000, 50, 800, 600);
        QTest::newRow("links hinaus") << QRect(-5000, 100, 800, 600) << QRect(0, 100, 800, 600);
        QTest::newRow("Titelleiste oben hinaus") << QRect(100, -300, 800, 600) << QRect(100, 0, 800, 600);
        QTest::newRow("rechts unten hinaus") << QRect(1500, 900, 800, 600) << QRect(1120, 480, 800, 600);
        QTest::newRow("zu gross") << QRect(0, 0, 32767, 32767) << QRect(0, 0, 1920, 1080);
        QTest::newRow("zu gross für den zweiten") << QRect(1950, 0, 1900, 1000) << QRect(1920, 0, 1280, 1000);
        QTest::newRow("auf keinem") << QRect(9000, 9000, 400, 300) << QRect(1520, 780, 400, 300);
    }
    void fensterWirdAufDenBildschirmGeholt()
    {
        QFETCH(QRect, fenster);
        QFETCH(QRect, erwartet);
        QCOMPARE(FensterAufBildschirm(fenster, {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)}), erwartet);
    }

    void zuLangeWerteGeltenAlsFehlend()
    {
        Registry r;
        r.TextSchreiben(QStringLiteral("Pfade"), QStringLiteral("AktuelleDatenbank"), QString(254, QLatin1Char('a')));
        QCOMPARE(r.TextLesen(QStringLiteral("Pfade"), QStringLiteral("AktuelleDatenbank"))->size(), 254);
        r.TextSchreiben(QStringLiteral("Pfade"), QStringLiteral("AktuelleDatenbank"), QString(255, QLatin1Char('a')));
        QVERIFY(!r.TextLesen(QStringLiteral("Pfade"), QStringLiteral("AktuelleDatenbank")).has_value());
        r.TextSchreiben(QStringLiteral("Optionen"), QStringLiteral("GroesseVorschauBild"), QString(300, QLatin1Char('1')));
        QCOMPARE(r.TextLesenMitVorgabe(QStringLiteral("Optionen"), QStringLiteral("GroesseVorschauBild"),
                                       QStringLiteral("80")),
                 QStringLiteral("80"));
        // Umlauts count by their bytes: 127 "ä" are 254 bytes and fit, 128 do not.
        r.TextSchreiben(QStringLiteral("Pfade"), QStringLiteral("AktuelleDatenbank"), QString(127, QChar(0xE4)));
        QVERIFY(r.TextLesen(QStringLiteral("Pfade"), QStringLiteral("AktuelleDatenbank")).has_value());
        r.TextSchreiben(QStringLiteral("Pfade"), QStringLiteral("AktuelleDatenbank"), QString(128, QChar(0xE4)));
        QVERIFY(!r.TextLesen(QStringLiteral("Pfade"), QStringLiteral("AktuelleDatenbank")).has_value());
    }

    void laufwerkDesPfadsNimmtDieLaengsteWurzel()
    {
        QVector<Laufwerk> liste(3);
        liste[0].wurzel = QStringLiteral("/");
        liste[0].typ = Laufwerk::Festplatte;
        liste[1].wurzel = QStringLiteral("/media/cd/");
        liste[1].typ = Laufwerk::CDROM;
        liste[1].name = QStringLiteral("URLAUB2003");
        liste[2].wurzel = QStringLiteral("/media/cdrom2");
        liste[2].typ = Laufwerk::CDROM;
        QCOMPARE(LaufwerkDesPfads(liste, QStringLiteral("/media/cd/Bilder/")).name, QStringLiteral("URLAUB2003"));
        QCOMPARE(LaufwerkDesPfads(liste, QStringLiteral("/media/cdrom2/x")).typ, int(Laufwerk::CDROM));
        // "/media/cdx" must not count as lying on "/media/cd".
        QCOMPARE(LaufwerkDesPfads(liste, QStringLiteral("/media/cdx/a")).typ, int(Laufwerk::Festplatte));
        QCOMPARE(LaufwerkstypText(Laufwerk::CDROM), QStringLiteral("CD-ROM"));
        QCOMPARE(LaufwerkstypText(9), QString());
    }

    void wagenruecklaufWirdZeilenumbruch()
    {
        QCOMPARE(Meldungen::zeilenumbrueche(QStringLiteral("a\r\rb\r\nc")), QStringLiteral("a\n\nb\nc"));
    }
};

QTEST_GUILESS_MAIN(TestKern)
#include "test_kern.moc"
