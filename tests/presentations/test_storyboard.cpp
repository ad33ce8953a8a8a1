#include "BilderListeModell.h"
#include "Diaschaufolge.h"
#include "Praesentationskatalog.h"
#include "Praesentationspflege.h"
#include "Praesentationssammlung.h"
#include "StoryboardModell.h"
#include "Storyboardstreifen.h"
#include "frmPraesentationAnzeige.h"
#include "frmPraesentationStoryboard.h"

#include <QtWidgets>

using S = Diaschaufolge::Schritt;

namespace {

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
        namespace K = Praesentationskatalog;
        QVERIFY(K::NeuePraesentation(s.z, s.db, u"P"_s) == K::Ergebnis::Erledigt && m.Laden(s.z.praesentationTabelle));
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

// The storyboard's model on the presentation table, the slide show's sequence, and their windows.
class TestStoryboard : public QObject {
    Q_OBJECT
private slots:
    void bearbeitungen()
    {
        // Pictures a, b, c as "start" says, x dropped in. Gives the table in letters, "_" for a gap
        // in its numbers, "-" when the edit was refused, and the model when it differs.
        enum Art { Ein, Ver, Los };
        const auto bearbeiten = [](const QString& start, Art art, int ziel, int quelle = 0) {
            Storyboardprobe p(4);
            auto& [s, schluessel, m] = p;
            for (int i = 0; i < start.size(); ++i)
                m.BildEinfuegen(i + 1, schluessel[start[i].unicode() - 'a']);
            const bool ok = art == Ein ? m.BildEinfuegen(ziel, schluessel[3])
                : art == Ver           ? m.Bildverschieben(ziel, quelle)
                                       : m.BildLoeschen(ziel);
            const auto buchstaben = [&](const QStringList& folge) {
                QString b;
                for (const QString& k : folge)
                    b += k == u"Lücke"_s ? u'_' : u"abcx"_s[schluessel.indexOf(k)];
                return b;
            };
            const QString tabelle = buchstaben(s.tabellenfolge(s.z.praesentationTabelle)) + (ok ? u""_s : u"-"_s);
            const QString modell = buchstaben(modellfolge(m));
            return s.db.rsPraesentation.RecordCount() == modell.size() && tabelle.startsWith(modell)
                ? tabelle
                : tabelle + u" Modell "_s + modell;
        };
        // Behind the end, onto itself and onto its right neighbour are refused.
        const struct {
            QString start;
            Art art;
            int ziel, quelle;
            QString ergebnis;
        } faelle[] = { { {}, Ein, 1, 0, u"x"_s }, { u"abc"_s, Ein, 2, 0, u"axbc"_s },
            { u"abc"_s, Ein, 1, 0, u"xabc"_s }, { u"abc"_s, Ein, 4, 0, u"abcx"_s }, { u"abc"_s, Ein, 5, 0, u"abc-"_s },
            { u"abc"_s, Ver, 3, 1, u"bac"_s }, { u"abc"_s, Ver, 2, 3, u"acb"_s }, { u"abc"_s, Ver, 4, 1, u"bca"_s },
            { u"abc"_s, Ver, 1, 3, u"cab"_s }, { u"abc"_s, Ver, 2, 2, u"abc-"_s }, { u"abc"_s, Ver, 3, 2, u"abc-"_s },
            { u"abc"_s, Los, 3, 0, u"ab"_s }, { u"abc"_s, Los, 1, 0, u"bc"_s }, { u"a"_s, Los, 1, 0, QString() } };
        for (const auto& f : faelle)
            QCOMPARE(bearbeiten(f.start, f.art, f.ziel, f.quelle), f.ergebnis);
    }

    void fremdeFehlgeschlageneUndLuecken()
    {
        Storyboardprobe p(2);
        auto& [s, rom, m] = p;
        const QStringList paris = s.album(u"Paris"_s, 2), folge { rom[0], paris[0], rom[1], paris[1] };
        const QString tabelle = s.z.praesentationTabelle;
        for (const QString& k : folge)
            QVERIFY(m.BildEinfuegen(m.anzahl() + 1, k));

        // Not a picture of this collection: an unknown album, an unknown picture, no key.
        for (const QString& fremd : { u"009900001"_s, u"000100099"_s, QString(), u"keinBild"_s })
            QVERIFY2(!m.BildEinfuegen(1, fremd), qPrintable(fremd));
        QCOMPARE(s.tabellenfolge(tabelle), folge);

        // The insert fails after the rows were shifted: all of it is undone.
        s.db.conDaten.Ausfuehren(
            u"CREATE TRIGGER sperre BEFORE INSERT ON \"%1\" BEGIN SELECT RAISE(ABORT, 'gesperrt'); END"_s.arg(tabelle));
        QSignalSpy umbau(&m, &QAbstractItemModel::rowsMoved);
        QVERIFY(!m.BildEinfuegen(2, rom[0]) && !m.Bildverschieben(1, 3) && umbau.isEmpty());  // a move must not lose it
        QCOMPARE(s.tabellenfolge(tabelle) + modellfolge(m), folge + folge);

        // An album leaves the presentations: loading closes the gaps, and edits land where the user sees them.
        s.db.conDaten.Ausfuehren(u"DROP TRIGGER sperre"_s);
        AlbumAusPraesentationenEntfernen(s.db, s.albumNummer(u"Rom"_s));
        QCOMPARE(s.tabellenfolge(tabelle), (QStringList { paris[0], paris[1], u"Lücke"_s }));
        QVERIFY(m.Laden(tabelle));
        QCOMPARE(
            s.tabellenfolge(tabelle) << m.bild(2).dateiname, (QStringList { paris[0], paris[1], u"Paris2.jpg"_s }));
        QVERIFY(m.Bildverschieben(1, 2));
        QCOMPARE(s.tabellenfolge(tabelle), (QStringList { paris[1], paris[0] }));
    }

    // The slide show's sequence without a window.
    void diaschaufolge()
    {
        Diaschaufolge f(12, 12), eins(1, 1);
        QCOMPARE(
            (QList<int> { f.Gehen(S::Keiner), f.Gehen(S::Schliessen), eins.Gehen(S::Vor), eins.Gehen(S::Zurueck) }),
            (QList<int> { 12, 0, 1, 1 }));
        // The start position is held to the pictures there are.
        QCOMPARE(Diaschaufolge(12, 0).position() + Diaschaufolge(12, 40).position(), 1 + 12);
        QVERIFY(Diaschaufolge(0, 1).leer());

        // Pictures 3 and 4 are missing ("alle": every one is); gives the one
        // found, then the ones asked for in their order.
        const auto suchen = [](int anzahl, int start, S schritt, bool alle) {
            QList<int> gefragt;
            Diaschaufolge folge(anzahl, start);
            folge.Gehen(schritt);
            gefragt.prepend(folge.Suchen([&](int p) {
                gefragt << p;
                return alle || p == 3 || p == 4 ? Diaschaufolge::Lage::Ueberspringen : Diaschaufolge::Lage::Anzeigen;
            }));
            return gefragt;
        };
        QCOMPARE(suchen(6, 2, S::Vor, false), (QList<int> { 5, 3, 4, 5 }));
        QCOMPARE(suchen(6, 5, S::Zurueck, false), (QList<int> { 2, 4, 3, 2 }));
        QCOMPARE(suchen(4, 3, S::Keiner, false), (QList<int> { 1, 3, 4, 1 }));  // over the end
        QCOMPARE(suchen(3, 2, S::Keiner, true), (QList<int> { 0, 2, 3, 1 }));  // none to show: once round
        Diaschaufolge keins(3, 2);
        QVERIFY(keins.Suchen([](int) { return Diaschaufolge::Lage::Abbrechen; }) == 0 && keins.position() == 2);
    }

    // A picture on a CD that is not in: asked for by the disc's name, skipped or shown once it is in.
    // The display size fills the screen only when enlarging is asked for, and keeps the shape.
    void cdFrageUndAnzeigegroesse()
    {
        Storyboardprobe p(2);
        auto& [s, keys, m] = p;
        s.db.conDaten.Ausfuehren(u"UPDATE Alben SET Pfad = 'fotos/', \"CD-Name\" = 'URLAUB'"_s);
        QVERIFY(m.BildEinfuegen(1, keys[0]));
        QVector<Diaschaubild> bilder = DiaschaubilderLaden(s.z, s.db.conDaten, s.z.praesentationTabelle);
        QVERIFY(bilder.size() == 1 && bilder[0].pfad.isEmpty());
        s.meldungen.antworten = { Meldungen::Antwort::Abbrechen, Meldungen::Antwort::OK };
        QCOMPARE(DiaschaubildPruefen(s.z, bilder[0]), Diaschaufolge::Lage::Abbrechen);
        QCOMPARE(DiaschaubildPruefen(s.z, bilder[0]), Diaschaufolge::Lage::Ueberspringen);
        QCOMPARE(s.meldungen.titel().first() + s.meldungen.texte().first(),
            u"Keine oder falsche CD!Bitte CD 'URLAUB' einlegen!"_s);
        const QString cd = s.ordner(u"cd"_s);
        s.laufwerke.hinzufuegen(cd, Laufwerk::CDROM, u"URLAUB"_s);
        s.meldungen.leeren();
        QCOMPARE(DiaschaubildPruefen(s.z, bilder[0]), Diaschaufolge::Lage::Anzeigen);
        QVERIFY(bilder[0].pfad == cd + u"fotos/Rom1.jpg"_s && s.meldungen.meldungen.isEmpty());

        const QSize voll(1920, 1080);
        QCOMPARE((QList<QSize> { Anzeigegroesse({ 640, 480 }, voll, true), Anzeigegroesse({ 640, 480 }, voll, false),
                     Anzeigegroesse({ 6000, 4000 }, voll, false), Anzeigegroesse({ 4000, 1000 }, voll, false),
                     Anzeigegroesse({ 300, 600 }, voll, true) }),
            (QList<QSize> { { 1440, 1080 }, { 640, 480 }, { 1620, 1080 }, { 1920, 480 }, { 540, 1080 } }));
    }

    // The storyboard window takes drops and the slide-show window steps.
    void storyboardNimmtBilderAuf()
    {
        Storyboardprobe p(3);
        auto& [s, rom, m] = p;
        frmPraesentationStoryboard sb(s.z, s.db);
        sb.show();
        sb.SBNeuAnzeigen();
        Storyboardstreifen& st = sb.streifen();
        using Z = Storyboardstreifen::Ziel;

        // The empty presentation is one append cell; a drop on it gives position 1.
        const QPoint anhaengen = st.bildRechteck(1).center();
        QVERIFY(fallenLassen(st, anhaengen, DBNummerMimeTyp(), rom[0].toUtf8())
            && fallenLassen(st, st.bildRechteck(2).center(), DBNummerMimeTyp(), rom[1].toUtf8()));
        // Into the gap after picture 1: between the two.
        const QPoint luecke1(st.bildRechteck(1).right() + 4, st.bildRechteck(1).center().y());
        QVERIFY(fallenLassen(st, luecke1, DBNummerMimeTyp(), rom[2].toUtf8()));
        QCOMPARE(s.tabellenfolge(s.z.praesentationTabelle), (QStringList { rom[0], rom[2], rom[1] }));
        QCOMPARE(st.zielBei(QPoint(st.bildRechteck(4).right() + 40, anhaengen.y())).art, Z::Keins);

        // Not a picture: another type, or a key of nothing; beyond the last cell.
        QVERIFY(!fallenLassen(st, anhaengen, u"text/plain"_s, rom[0].toUtf8())
            && !fallenLassen(st, anhaengen, DBNummerMimeTyp(), "000900001"));

        // A picture of the strip onto the append cell's gap goes to the end.
        const QPoint letzteLuecke(st.bildRechteck(4).right() + 4, anhaengen.y());
        QVERIFY(st.Ablegen(st.zielBei(letzteLuecke), 1, QString()));
        QCOMPARE(s.tabellenfolge(s.z.praesentationTabelle), (QStringList { rom[2], rom[1], rom[0] }));
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
        QString texte = schau->anzeigetext() + u' ';
        for (const Qt::Key taste : { Qt::Key_Right, Qt::Key_Space, Qt::Key_Up }) {
            QTest::keyClick(schau, taste);
            texte += schau->anzeigetext() + u' ';
        }
        // Swapped buttons: the left one goes back.
        for (const Qt::MouseButton knopf : { Qt::LeftButton, Qt::RightButton }) {
            QTest::mouseClick(schau, knopf);
            texte += schau->anzeigetext() + u' ';
        }
        QCOMPARE(texte, u"2/3 3/3 1/3 1/3 3/3 1/3 "_s);
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

#include "test_storyboard.moc"
