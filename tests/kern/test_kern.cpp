#include "Einstellungen.h"
#include "Laufwerksliste.h"
#include "Meldungen.h"
#include "mdlRegistry.h"

#include <QFile>
#include <QRect>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Every loaded value in one line, so that a case names all of them at once.
QString Werte(const GeladeneEinstellungen& e)
{
    const Fenstergeometrie& g = e.geometrie;
    const Einstellungen& o = e.optionen;
    QStringList w;
    for (double zahl : { double(g.hoehe), double(g.breite), double(g.links), double(g.oben), double(g.status),
             double(o.GroesseVorschauBild), double(o.AnzahlBrowserZeilen), double(o.BilderFormGroesseX),
             double(o.BilderFormGroesseY), double(o.lngBehandlungNeueAlben), double(o.lngBehandlungNeueCDAlben),
             double(o.lngBehandlungBilder) })
        w << QString::number(zahl);
    for (bool b : { o.blnPraeBilderAngleichen, o.blnTastenTausch, o.MdacOK, o.blnAngabenUebernehmen })
        w << WahrheitswertText(b);
    return e.aktuelleDatenbank + u'|' + w.join(u' ');
}

}  // namespace

// The settings store: defaults, round trip and the rules for odd values.
class TestKern : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(Registry().dateipfad()); }

    void ladenSpeichernUndUnbrauchbareWerte()
    {
        QCOMPARE(Werte(EinstellungenLaden(Registry())), u"|9000 12000 0 0 0 80 3 9000 7000 0 1 0 True False False True"_s);

        // Every value differs from its default; the normal-state geometry and the maximised state both come back.
        Einstellungen o { 120, 4, 10500.5f, 6000, 2, 0, 1, false, true, true, 3900, false };
        {
            Registry r;
            EinstellungenSpeichern(r, u"/opt/kolvar"_s, u"/home/a/Sammlung.mdb"_s,
                { 7000, 11000, 300, 450, Fenstergeometrie::Maximiert }, o, u"1.0.43"_s);
        }
        QCOMPARE(Werte(EinstellungenLaden(Registry())),
            u"/home/a/Sammlung.mdb|7000 11000 300 450 2 120 4 10500.5 6000 2 0 1 False True True False"_s);
        // What the update program reads, as texts in their groups.
        Registry r;
        for (const auto& [gruppe, name, text] : { std::tuple { "Pfade", "Kolvar-Verz", "/opt/kolvar" },
                 { "Version", "Version", "1.0.43" }, { "Optionen", "MdacOK", "True" } })
            QCOMPARE(r.TextLesen(QLatin1String(gruppe), QLatin1String(name)), QString::fromLatin1(text));

        // No collection is stored as a blank (it shows in the last line below).
        EinstellungenSpeichern(r, u"/p"_s, QString(), {}, {}, u"1.0.43"_s);

        // A value that is no number gives its default; one beyond 16 bit is clamped,
        // not reset: a large window stays large.
        for (const auto& [gruppe, name, text] : { std::tuple { "MDI", "Hoehe", "sehr hoch" },
                 { "MDI", "Breite", "40000" }, { "MDI", "Links", "-99999" }, { "MDI", "Status", "7" },
                 { "Optionen", "GroesseVorschauBild", "" }, { "Optionen", "AnzahlBrowserZeilen", "4x" },
                 { "Optionen", "blnTastenTausch", "vielleicht" }, { "Optionen", "BilderFormGroesseY", "abc" } })
            r.TextSchreiben(QLatin1String(gruppe), QLatin1String(name), QString::fromUtf8(text));
        r.sichern();
        QCOMPARE(
            Werte(EinstellungenLaden(Registry())), u" |9000 32767 -32768 0 0 80 3 9000 7000 0 1 0 True False False True"_s);
    }

    void unlesbareDateiWirdVorDenVorgabenKopiert()
    {
        const QByteArray kaputt("[Pfade\nAktuelleDatenbank=/home/anna/Fotos.mdb\n");
        QFile f(Registry().dateipfad());
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(kaputt) == kaputt.size());
        f.close();
        QString kopie;
        {
            Registry r;
            kopie = r.sicherungskopie();
            EinstellungenSpeichern(r, u"/opt/kolvar"_s, QString(), {}, {}, u"1.0"_s);
        }
        f.setFileName(kopie);
        QVERIFY(!kopie.isEmpty() && f.open(QIODevice::ReadOnly) && f.readAll() == kaputt && f.remove());
        // A readable file makes no copy.
        QVERIFY(Registry().sicherungskopie().isEmpty());
    }

    void fensterWirdAufDenBildschirmGeholt()
    {
        // Two screens side by side: 1920 x 1080 and 1280 x 1024 to its right.
        for (const auto& [fenster, erwartet] : { std::pair { QRect(100, 100, 800, 600), QRect(100, 100, 800, 600) },
                 { QRect(2000, 50, 800, 600), QRect(2000, 50, 800, 600) },  // on the second
                 { QRect(-5000, 100, 800, 600), QRect(0, 100, 800, 600) },
                 { QRect(100, -300, 800, 600), QRect(100, 0, 800, 600) },  // title bar above
                 { QRect(1500, 900, 800, 600), QRect(1120, 480, 800, 600) },
                 { QRect(0, 0, 32767, 32767), QRect(0, 0, 1920, 1080) },
                 { QRect(1950, 0, 1900, 1000), QRect(1920, 0, 1280, 1000) },  // too large for the second
                 { QRect(9000, 9000, 400, 300), QRect(1520, 780, 400, 300) } })  // on none
            QCOMPARE(FensterAufBildschirm(fenster, { QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024) }), erwartet);
    }

    void zuLangeWerteGeltenAlsFehlend()
    {
        // The text and its terminating zero must fit 255 bytes; umlauts count by their bytes.
        Registry r;
        for (const auto& [text, passt] : { std::pair { QString(254, u'a'), true }, { QString(255, u'a'), false },
                 { QString(127, QChar(0xE4)), true }, { QString(128, QChar(0xE4)), false } }) {
            r.TextSchreiben(u"Pfade"_s, u"AktuelleDatenbank"_s, text);
            QCOMPARE(r.TextLesen(u"Pfade"_s, u"AktuelleDatenbank"_s), passt ? std::optional(text) : std::nullopt);
        }
        r.TextSchreiben(u"Optionen"_s, u"GroesseVorschauBild"_s, QString(300, u'1'));
        QCOMPARE(r.TextLesenMitVorgabe(u"Optionen"_s, u"GroesseVorschauBild"_s, u"80"_s), u"80"_s);
    }

    void laufwerkDesPfadsNimmtDieLaengsteWurzel()
    {
        const QVector<Laufwerk> liste = { { u"/"_s, Laufwerk::Festplatte, {} },
            { u"/media/cd/"_s, Laufwerk::CDROM, u"URLAUB2003"_s }, { u"/media/cdrom2"_s, Laufwerk::CDROM, {} } };
        QCOMPARE(LaufwerkDesPfads(liste, u"/media/cd/Bilder/"_s).name, u"URLAUB2003"_s);
        QCOMPARE(LaufwerkDesPfads(liste, u"/media/cdrom2/x"_s).typ, int(Laufwerk::CDROM));
        // "/media/cdx" must not count as lying on "/media/cd".
        QCOMPARE(LaufwerkDesPfads(liste, u"/media/cdx/a"_s).typ, int(Laufwerk::Festplatte));
    }

    void wagenruecklaufWirdZeilenumbruch() { QCOMPARE(Meldungen::zeilenumbrueche(u"a\r\rb\r\nc"_s), u"a\n\nb\nc"_s); }
};

QTEST_GUILESS_MAIN(TestKern)
#include "test_kern.moc"
