#include "BilderListeModell.h"
#include "Diaschaufolge.h"
#include "Praesentationskatalog.h"
#include "Praesentationspflege.h"
#include "Praesentationssammlung.h"
#include "StoryboardModell.h"
#include "Storyboardstreifen.h"
#include "frmPraesentationAnzeige.h"
#include "frmPraesentationStoryboard.h"

#include <QMimeData>
#include <QPointer>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>

using S = Diaschaufolge::Schritt;

namespace {

// The model's keys in its order.
QStringList modellfolge(const StoryboardModell& m)
{
    QStringList folge;
    for (int i = 1; i <= m.anzahl(); ++i)
        folge << m.bild(i).dbNummer;
    return folge;
}

// A collection with the album Rom and a new, empty presentation loaded in a model.
struct Storyboardprobe {
    Praesentationssammlung s;
    QStringList rom;
    StoryboardModell m { s.z, s.db };

    explicit Storyboardprobe(int bilder)
        : rom(s.album(u"Rom"_s, bilder))
    {
        QCOMPARE(
            Praesentationskatalog::NeuePraesentation(s.z, s.db, u"P"_s), Praesentationskatalog::Ergebnis::Erledigt);
        QVERIFY(m.Laden(s.z.praesentationTabelle));
    }
};

// Drops the data on the strip at that point as a drag from outside would.
bool fallenLassen(Storyboardstreifen& streifen, const QPoint& punkt, const QString& typ, const QByteArray& inhalt)
{
    QMimeData daten;
    daten.setData(typ, inhalt);
    QDragEnterEvent hinein(punkt, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&streifen, &hinein);
    QDropEvent ereignis(punkt, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&streifen, &ereignis);
    return ereignis.isAccepted();
}

}  // namespace

// The storyboard's model on the presentation table.
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

        Storyboardprobe p(4);
        auto& [s, schluessel, m] = p;
        auto buchstabe = [&p](const QString& k) { return QString(QChar(u"abcx"_s[p.rom.indexOf(k)])); };
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
        QCOMPARE(s.db.rsPraesentation.RecordCount(), ergebnis.size());
    }

    void fremdeUndFehlgeschlageneBearbeitungen()
    {
        Storyboardprobe p(3);
        auto& [s, rom, m] = p;
        const QString tabelle = s.z.praesentationTabelle;
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
        Storyboardprobe p(2);
        auto& [s, rom, m] = p;
        const QStringList paris = s.album(u"Paris"_s, 2);
        const QString tabelle = s.z.praesentationTabelle;
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

// The slide show's sequence, its pictures and their size, without a window.
class TestDiaschau : public QObject {
    Q_OBJECT
private slots:
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
        // Pictures 3 and 4 are missing ("alle": every one is); the search asks in the order given.
        const struct {
            const char* fall;
            int anzahl, start;
            S schritt;
            bool alle;
            int gefunden;
            QList<int> gefragt;
        } faelle[] = {
            { "vor", 6, 2, S::Vor, false, 5, { 3, 4, 5 } },
            { "zurück", 6, 5, S::Zurueck, false, 2, { 4, 3, 2 } },
            { "über das Ende", 4, 3, S::Keiner, false, 1, { 3, 4, 1 } },
            { "keins zu zeigen: einmal herum", 3, 2, S::Keiner, true, 0, { 2, 3, 1 } },
        };
        for (const auto& f : faelle) {
            QList<int> gefragt;
            Diaschaufolge folge(f.anzahl, f.start);
            folge.Gehen(f.schritt);
            QCOMPARE(folge.Suchen([&](int p) {
                gefragt << p;
                return f.alle || p == 3 || p == 4 ? Diaschaufolge::Lage::Ueberspringen : Diaschaufolge::Lage::Anzeigen;
            }),
                f.gefunden);
            QVERIFY2(gefragt == f.gefragt, f.fall);
        }
        Diaschaufolge keins(3, 2);
        QCOMPARE(keins.Suchen([](int) { return Diaschaufolge::Lage::Ueberspringen; }), 0);
        QCOMPARE(keins.position(), 2);
        QCOMPARE(keins.Suchen([](int) { return Diaschaufolge::Lage::Abbrechen; }), 0);
    }

    void cdFrage()
    {
        Storyboardprobe p(2);
        auto& [s, keys, m] = p;
        s.db.conDaten.Ausfuehren(u"UPDATE Alben SET Pfad = 'fotos/', \"CD-Name\" = 'URLAUB'"_s);
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

// The storyboard window and the slide-show window.
class TestFenster : public QObject {
    Q_OBJECT
private slots:
    void storyboardNimmtBilderAuf()
    {
        Storyboardprobe p(3);
        auto& [s, rom, m] = p;
        // Installed, the append cell's picture lies in share/kolvar/, not beside the program.
        s.z.datenordner = s.ordner(u"share/kolvar"_s);
        QImage gruen(60, 60, QImage::Format_RGB32);
        gruen.fill(Qt::green);
        QVERIFY(gruen.save(s.z.datenordner + u"neuesbild.jpg"_s));
        frmPraesentationStoryboard sb(s.z, s.db);
        sb.show();
        sb.SBNeuAnzeigen();
        QVERIFY(!sb.laufleiste().isEnabled());
        Storyboardstreifen& st = sb.streifen();
        using Z = Storyboardstreifen::Ziel;

        // The empty presentation is one append cell; a drop on it gives position 1.
        const QPoint anhaengen = st.bildRechteck(1).center();
        const QImage leer = st.grab().toImage();
        const QColor zelle = leer.pixelColor(anhaengen * leer.devicePixelRatio());
        QVERIFY2(zelle.green() > 200 && zelle.red() < 60, qPrintable(zelle.name()));
        QCOMPARE(st.zielBei(anhaengen).art, Z::Bild);
        QVERIFY(fallenLassen(st, anhaengen, DBNummerMimeTyp(), rom[0].toUtf8()));
        QVERIFY(fallenLassen(st, st.bildRechteck(2).center(), DBNummerMimeTyp(), rom[1].toUtf8()));
        // Into the gap after picture 1: between the two.
        const QPoint luecke1(st.bildRechteck(1).right() + 4, st.bildRechteck(1).center().y());
        QCOMPARE(st.zielBei(luecke1).art, Z::Luecke);
        QVERIFY(fallenLassen(st, luecke1, DBNummerMimeTyp(), rom[2].toUtf8()));
        QCOMPARE(s.tabellenfolge(s.z.praesentationTabelle), (QStringList { rom[0], rom[2], rom[1] }));

        // Not a picture: another type, or a key of nothing; beyond the last cell.
        QVERIFY(!fallenLassen(st, anhaengen, u"text/plain"_s, rom[0].toUtf8()));
        QVERIFY(!fallenLassen(st, anhaengen, DBNummerMimeTyp(), "000900001"));
        QCOMPARE(st.zielBei(QPoint(st.bildRechteck(4).right() + 40, anhaengen.y())).art, Z::Keins);
        QCOMPARE(sb.modell().anzahl(), 3);

        // A picture of the strip onto the append cell's gap goes to the end.
        const QPoint letzteLuecke(st.bildRechteck(4).right() + 4, anhaengen.y());
        QVERIFY(st.Ablegen(st.zielBei(letzteLuecke), 1, QString()));
        QCOMPARE(s.tabellenfolge(s.z.praesentationTabelle), (QStringList { rom[2], rom[1], rom[0] }));

        // A picture without a thumbnail folder is drawn from the picture itself.
        const QString bild = sb.modell().bildPfad(1);
        QVERIFY(QDir().mkpath(QFileInfo(bild).path()));
        QImage rot(64, 48, QImage::Format_RGB32);
        rot.fill(Qt::red);
        QVERIFY(rot.save(bild, "JPEG"));
        QVERIFY(!QFileInfo::exists(sb.modell().vorschau(1)));
        sb.SBNeuAnzeigen();
        const QImage gemalt = st.grab().toImage();
        const QColor mitte = gemalt.pixelColor(st.bildRechteck(1).center() * gemalt.devicePixelRatio());
        QVERIFY2(mitte.red() > 200 && mitte.green() < 60, qPrintable(mitte.name()));

        // More pictures than fit: the bar scrolls the frame to its right edge and back.
        sb.resize(600, sb.height());
        for (int i = 0; i < 30; ++i)
            QVERIFY(sb.modell().BildEinfuegen(1, rom[i % 3]));
        sb.hscListeEinrichten();
        QVERIFY(sb.laufleiste().isEnabled());
        sb.laufleiste().setValue(1000);
        QCOMPARE(st.links() + st.rahmenbreite(), 4 + sb.laufleiste().width());
        sb.laufleiste().setValue(0);
        QCOMPARE(st.links(), 4);
    }
    void diaschau()
    {
        Storyboardprobe p(3);
        auto& [s, rom, m] = p;

        // An empty presentation does not start.
        QPointer<frmPraesentationAnzeige> leer = new frmPraesentationAnzeige(s.z, s.db);
        leer->show();
        QTRY_VERIFY(leer.isNull());

        const QString ordner = s.z.bilderverzeichnis + s.z.albumPfad;
        for (int i = 0; i < 3; ++i) {
            QVERIFY(m.BildEinfuegen(i + 1, rom[i]));
            Sammlungsgeruest::bildSchreiben(ordner + u"Rom"_s + QString::number(i + 1) + u".jpg"_s, QSize(80 + i, 60));
        }
        s.z.praesentationStartposition = 2;
        s.z.einstellungen.blnTastenTausch = true;
        QPointer<frmPraesentationAnzeige> schau = new frmPraesentationAnzeige(s.z, s.db);
        QSignalSpy gemalt(schau.data(), &frmPraesentationAnzeige::bildGemalt);
        schau->show();
        QVERIFY(gemalt.wait(5000));
        QCOMPARE(gemalt.takeFirst().at(0).toInt(), 2);
        QCOMPARE(schau->anzeigetext(), u"2/3"_s);
        QTest::keyClick(schau, Qt::Key_Right);
        QCOMPARE(schau->anzeigetext(), u"3/3"_s);
        QTest::keyClick(schau, Qt::Key_Space);
        QCOMPARE(schau->anzeigetext(), u"1/3"_s);
        QTest::keyClick(schau, Qt::Key_Up);
        QCOMPARE(schau->anzeigetext(), u"1/3"_s);
        // Swapped buttons: the left one goes back.
        QTest::mouseClick(schau, Qt::LeftButton);
        QCOMPARE(schau->anzeigetext(), u"3/3"_s);
        QTest::mouseClick(schau, Qt::RightButton);
        QCOMPARE(schau->anzeigetext(), u"1/3"_s);
        QTRY_VERIFY(schau->bildGezeigt());
        QTest::keyClick(schau, Qt::Key_Escape);
        QTRY_VERIFY(schau.isNull());
    }
};

int testeStoryboard(int argc, char** argv)
{
    TestStoryboard t;
    return QTest::qExec(&t, argc, argv);
}

int testeDiaschau(int argc, char** argv)
{
    TestDiaschau t;
    return QTest::qExec(&t, argc, argv);
}

int testeFenster(int argc, char** argv)
{
    TestFenster t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_storyboard.moc"
