#include "Ansichtensammlung.h"
#include "Bilderlistenfeld.h"
#include "Bildorte.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A mouse click on the middle of entry i, as the user gives it.
void druecken(frmBilderListe& liste, int position, Qt::KeyboardModifiers tasten = Qt::NoModifier,
              Qt::MouseButton knopf = Qt::LeftButton)
{
    QTest::mouseClick(liste.feld(), knopf, tasten, liste.feld()->eintragsRechteck(position).center());
}

QVector<int> markiert(const frmBilderListe& liste) { return liste.modell().markiertePositionen(); }

void markieren(frmBilderListe& liste, const QVector<int>& positionen)
{
    liste.modell().NormaleTextfelder(0);
    for (int p : positionen)
        liste.modell().markieren(p, true);
}

}  // namespace

class TestBilderListe : public QObject {
    Q_OBJECT
private slots:
    void fuellenMarkierenUndKlicken()
    {
        Ansichtensammlung s;
        const QString nummer = s.album(u"Zehn"_s);
        frmBilderListe& liste = s.liste();
        liste.ListeAuffuellen();
        // Empty: a click marks nothing.
        druecken(liste, 1);
        QCOMPARE(liste.AnzahlMarkierteFelder(), 0);

        for (int i = 10; i >= 1; --i)
            s.bild(u"bild%1.jpg"_s.arg(i, 2, 10, QLatin1Char('0')), QSize());
        s.db.rsAlbum.AbsolutePositionSetzen(2);
        liste.ListeAuffuellen();
        // By file name; keys are album and picture number, padded: bild10 came first.
        const BilderListeModell& m = liste.modell();
        QCOMPARE(m.eintrag(1).dateiname, u"bild01.jpg"_s);
        QCOMPARE(m.eintrag(10).dbNummer, u"%1"_s.arg(nummer.toInt(), 4, 10, QLatin1Char('0')) + "00001"_L1);
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 2);

        // Shift reaches from the anchor (the last plain or Ctrl click); a plain click on a
        // marked entry keeps the others.
        const Qt::KeyboardModifiers ohne, umschalt = Qt::ShiftModifier, strg = Qt::ControlModifier;
        const struct {
            int position;
            Qt::KeyboardModifiers tasten;
            QVector<int> markiert;
        } klicks[] = { { 3, ohne, { 3 } }, { 7, umschalt, { 3, 4, 5, 6, 7 } }, { 5, strg, { 3, 4, 6, 7 } },
            { 2, umschalt, { 2, 3, 4, 5, 6, 7 } }, { 4, ohne, { 2, 3, 4, 5, 6, 7 } } };
        for (const auto& k : klicks) {
            druecken(liste, k.position, k.tasten);
            QCOMPARE(markiert(liste), k.markiert);
        }

        // The right button opens the menu on a marked entry only (in a search result too, as the
        // browser does), and neither marks nor moves.
        QSignalSpy menue(&liste, &frmBilderListe::kontextmenueGewuenscht);
        for (bool suchergebnis : {false, true}) {
            s.z.suchergebnisAngezeigt = suchergebnis;
            druecken(liste, 9, Qt::NoModifier, Qt::RightButton);
            druecken(liste, 4, Qt::NoModifier, Qt::RightButton);
        }
        QCOMPARE(menue.count(), 2);
        QCOMPARE(markiert(liste), QVector<int>({2, 3, 4, 5, 6, 7}));
        s.z.suchergebnisAngezeigt = false;
        liste.ListeAuffuellen();
        QCOMPARE(m.AnzahlMarkierteFelder(), 0);

        // A click makes the picture current, shown in the zoom view only when that is open.
        QVERIFY(!s.ui.aufrufe.contains(u"ZoomBildAnzeigen"_s));
        s.z.offen.bilder = true;
        druecken(liste, 3);
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 3);
        QVERIFY(s.ui.aufrufe.contains(u"ZoomBildAnzeigen"_s));

        // Following a move elsewhere marks only the new current picture, for the browser too.
        s.z.offen.vorschau = true;
        s.db.rsAlbum.AbsolutePositionSetzen(8);
        liste.ListeMarkierungNachfuehren();
        QVERIFY(markiert(liste) == QVector<int>({8}) && liste.modell().anker() == 8);
        QVERIFY(s.ui.aufrufe.contains(u"VorschauMarkierungAnzeigen"_s));
    }

    void einBildUndZweiBilderLoeschen()
    {
        Ansichtensammlung s;
        s.album(u"Sonder"_s);
        for (const char* name : {"zug.jpg", "Zug.jpg", "xay.jpg", "x_y.jpg", "d'Artagnan.jpg", "100%_echt.jpg"})
            s.bild(QLatin1String(name));
        const QString p = PraesentationstabelleAnlegen(s.db, u"Sommer"_s);
        for (const char* name : {"d'Artagnan.jpg", "100%_echt.jpg"})
            s.db.conDaten.Ausfuehren(u"INSERT INTO %1 (DBNummer) VALUES (?)"_s.arg(p),
                                     {s.spalte(QLatin1String(name), u"DBNummer"_s)});
        frmAlbenAnzeige& anzeige = s.anzeige();
        anzeige.NeuesAlbum();
        frmBilderListe& liste = s.liste();
        liste.ListeAuffuellen();
        QCOMPARE(s.namen(), QStringList({u"100%_echt.jpg"_s, u"d'Artagnan.jpg"_s, u"x_y.jpg"_s, u"xay.jpg"_s,
                                         u"Zug.jpg"_s, u"zug.jpg"_s}));
        markieren(liste, {2});

        s.meldungen.antworten = {Meldungen::Antwort::Nein};
        liste.BildLoeschen();
        QVERIFY(QFile::exists(s.albumordner() + "d'Artagnan.jpg"_L1));

        liste.BildLoeschen();
        // It leaves every presentation; the viewer and the list go to the first picture.
        QSqlQuery q = s.db.conDaten.Abfragen(u"SELECT DBNummer FROM %1"_s.arg(p));
        QVERIFY(q.next() && q.value(0) == s.spalte(u"100%_echt.jpg"_s, u"DBNummer"_s) && !q.next());
        QVERIFY(s.db.rsAlbum.AbsolutePosition() == 1 && liste.modell().markiertePositionen() == QVector<int>{1});

        // x_y and Zug: neither xay (no wildcard) nor zug (names differ in case) goes with them.
        markieren(liste, {2, 4});
        liste.BildLoeschen();
        // The rows and the files that stay.
        QCOMPARE(s.namen(), QStringList({u"100%_echt.jpg"_s, u"xay.jpg"_s, u"zug.jpg"_s}));
        QCOMPARE(QDir(s.albumordner()).entryList(QDir::Files), s.namen());
        QCOMPARE(anzeige.findChild<QLineEdit*>(u"txtBildname"_s)->text(), u"100%_echt.jpg"_s);
    }

    void hinzufuegenJeNachOrtDesAlbums()
    {
        Ansichtensammlung s;
        frmBilderListe& liste = s.liste();
        // Into the album's folder: copied, not moved, with its thumbnail and the file's date;
        // a cancelled choice adds nothing.
        s.album(u"Dazu"_s);
        const QString quelle = s.ordner(u"Kamera"_s) + "Neu 1.jpg"_L1;
        Ansichtensammlung::bildSchreiben(quelle, QSize(80, 60));
        QVERIFY(Ansichtensammlung::dateizeit(quelle, QDate(2001, 5, 6)));
        liste.ListeAuffuellen();
        liste.dateienWaehlen = [&] { return QStringList{quelle}; };
        liste.Hinzufuegen();
        liste.dateienWaehlen = [] { return QStringList(); };
        liste.Hinzufuegen();
        QCOMPARE(liste.modell().anzahl(), 1);
        QVERIFY(QFile::exists(s.albumordner() + "Neu 1.jpg"_L1) && QFile::exists(quelle));
        QVERIFY(QFile::exists(s.albumordner() + "TempBilder/Neu 1.jpg"_L1));
        QCOMPARE(s.spalte(u"Neu 1.jpg"_s, u"Datum"_s), u"2001-05-06"_s);
        QVERIFY(s.meldungen.meldungen.isEmpty());

        // An album left in place takes only pictures of its own folder, entered where they lie.
        const QString ordner = s.ordner(u"Fotos/Urlaub"_s);
        s.album(u"AmOrt"_s, ordner);
        liste.ListeAuffuellen();
        const QString fremd = s.ordner(u"Fotos/urlaub2"_s) + "x.jpg"_L1, hier = ordner + "hier.jpg"_L1;
        Ansichtensammlung::bildSchreiben(fremd);
        Ansichtensammlung::bildSchreiben(hier);
        liste.NeueBilderEintragen({fremd});
        liste.NeueBilderEintragen({hier, fremd});
        QCOMPARE(s.meldungen.meldungen.size(), 2);
        QCOMPARE(liste.modell().anzahl(), 0);
        s.meldungen.leeren();
        liste.NeueBilderEintragen({hier});
        QVERIFY(s.meldungen.meldungen.isEmpty());
        QCOMPARE(liste.modell().anzahl(), 1);
        QVERIFY(QFile::exists(hier) && QFile::exists(ordner + "TempBilder/hier.jpg"_L1));

        // Without a folder it takes the file's, relative inside the picture directory,
        // and does not copy the file onto itself.
        const QString nummer = s.album(u"Ohne"_s, QString());
        liste.ListeAuffuellen();
        const QString imVerzeichnis = s.z.bilderverzeichnis + "Alt/bild.jpg"_L1;
        Ansichtensammlung::bildSchreiben(imVerzeichnis);
        liste.NeueBilderEintragen({imVerzeichnis});
        QCOMPARE(liste.modell().anzahl(), 1);
        s.db.rsAlben.Filter(u"Nummer"_s, nummer);
        QCOMPARE(FeldLesen(s.db.rsAlben, u"Pfad"_s), u"Alt/"_s);
        s.db.rsAlben.FilterEntfernen();
        QVERIFY(QFile::exists(imVerzeichnis));

        // On a CD neither deleting nor adding, and the picture stays.
        s.meldungen.leeren();
        const QString cd = s.ordner(u"cdrom"_s);
        s.laufwerke.hinzufuegen(cd, Laufwerk::CDROM, u"URLAUB2003"_s);
        s.album(u"Scheibe"_s, u"Bilder/"_s, u"URLAUB2003"_s);
        Ansichtensammlung::bildSchreiben(cd + "Bilder/a.jpg"_L1);
        s.bild(u"a.jpg"_s, QSize());
        liste.ListeAuffuellen();
        markieren(liste, {1});
        liste.BildLoeschen();
        liste.Hinzufuegen();
        QCOMPARE(s.meldungen.meldungen.size(), 2);
        QVERIFY(QFile::exists(cd + "Bilder/a.jpg"_L1));
        QCOMPARE(liste.modell().anzahl(), 1);
        BildPfadeLaden(s.z, s.db);
        QCOMPARE(s.z.bildPfade, QStringList{cd + "Bilder/a.jpg"_L1});
    }
};

int testeBilderListe(int argc, char** argv)
{
    TestBilderListe t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_bilderliste.moc"
