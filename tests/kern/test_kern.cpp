#include "Einstellungen.h"
#include "Laufwerksliste.h"
#include "mdlRegistry.h"

#include <QFile>
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

// The settings store: defaults, round trip and an unreadable file; the volume of a path.
class TestKern : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(Registry().dateipfad()); }

    void ladenUndSpeichern()
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
        for (const auto& [gruppe, name, text] : { std::tuple { "Pfade", "Kolvar-Verz", "/opt/kolvar" },
                 { "Version", "Version", "1.0.43" }, { "Optionen", "MdacOK", "True" } })
            QCOMPARE(Registry().TextLesen(QLatin1String(gruppe), QLatin1String(name)), QString::fromLatin1(text));
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

    void laufwerkDesPfadsNimmtDieLaengsteWurzel()
    {
        const QVector<Laufwerk> liste = { { u"/"_s, Laufwerk::Festplatte, {} },
            { u"/media/cd/"_s, Laufwerk::CDROM, u"URLAUB2003"_s }, { u"/media/cdrom2"_s, Laufwerk::CDROM, {} } };
        QCOMPARE(LaufwerkDesPfads(liste, u"/media/cd/Bilder/"_s).name, u"URLAUB2003"_s);
        QCOMPARE(LaufwerkDesPfads(liste, u"/media/cdrom2/x"_s).typ, int(Laufwerk::CDROM));
        // "/media/cdx" must not count as lying on "/media/cd".
        QCOMPARE(LaufwerkDesPfads(liste, u"/media/cdx/a"_s).typ, int(Laufwerk::Festplatte));
    }
};

QTEST_GUILESS_MAIN(TestKern)
#include "test_kern.moc"
