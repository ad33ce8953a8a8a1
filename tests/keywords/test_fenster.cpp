#include "Begriffsfeld.h"
#include "Begriffsliste.h"
#include "Begriffssammlung.h"
#include "Bildliste.h"
#include "Suche.h"
#include "frmAlbenAnzeige.h"
#include "frmBegriffe.h"
#include "frmBegriffeMulti.h"
#include "frmBilderListe.h"
#include "frmSuche.h"

#include <QtWidgets>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Stands in for the main window: passes the calls between the windows here.
class Fenstervermittlung : public Oberflaeche {
public:
    frmAlbenAnzeige* anzeige = nullptr;
    frmBilderListe* liste = nullptr;
    QStringList aufrufe;

    void AlbenAnzeigeBildAnzeigen() override { if (anzeige) anzeige->BildAnzeigen(); }
    void AlbenAnzeigeNeuesAlbum() override { if (anzeige) anzeige->NeuesAlbum(); }
    void AlbenAnzeigeBemerkungSichern() override { if (anzeige) anzeige->BemerkungSichern(); }
    void AlbenAnzeigeBegriffeAktualisieren() override { if (anzeige) anzeige->BegriffeAktualisieren(); }
    void ListeAuffuellen() override { if (liste) liste->ListeAuffuellen(); }
    void ListeMarkierungNachfuehren() override { if (liste) liste->ListeMarkierungNachfuehren(); }
    bool BildMarkiert(int position) override { return liste && liste->modell().markiert(position); }
    void ZoomAnsichtSchliessen() override { aufrufe << u"ZoomAnsichtSchliessen"_s; }
};

template <class W> W* kind(QWidget& w, const QString& name)
{
    W* k = w.findChild<W*>(name);
    if (!k)
        qFatal("Kein Element %s", qPrintable(name));
    return k;
}

// Albums with picture files, the viewer and the list on the offscreen screen.
struct Fenstersammlung : Begriffssammlung {
    Fenstervermittlung ui;
    Bildliste bilder { u":/keine-bilder"_s };
    std::unique_ptr<frmBilderListe> liste;
    std::unique_ptr<frmAlbenAnzeige> anzeige;
    QString a, b;

    Fenstersammlung()
    {
        z.oberflaeche = &ui;
        a = album(u"Urlaub"_s);
        b = album(u"Garten"_s);
        for (const auto& [album, datei] : { std::pair { a, u"a.jpg"_s }, std::pair { a, u"b.jpg"_s },
                 std::pair { b, u"a.jpg"_s }, std::pair { b, u"c.jpg"_s } }) {
            albumWaehlen(album);
            bildSchreiben(
                (QDir::isAbsolutePath(z.albumPfad) ? z.albumPfad : z.bilderverzeichnis + z.albumPfad) + datei);
            zeile(album, datei);
        }
        albumWaehlen(a);
        liste = std::make_unique<frmBilderListe>(z, db);
        liste->show();
        ui.liste = liste.get();
        anzeige = std::make_unique<frmAlbenAnzeige>(z, db, bilder);
        anzeige->show();
        ui.anzeige = anzeige.get();
        liste->ListeAuffuellen();
        anzeige->NeuesAlbum();
    }
    QString begriffeImBetrachter() { return kind<QLineEdit>(*anzeige, u"txtBegriffe"_s)->text(); }
};

void waehlen(QWidget& w, const QString& liste, const QString& text)
{
    auto* cbo = kind<QComboBox>(w, liste);
    cbo->setCurrentIndex(cbo->findText(text));
    QVERIFY2(cbo->currentIndex() > 0, qPrintable(text));
}

QStringList eintraege(QWidget& w, const QString& liste)
{
    auto* cbo = kind<QComboBox>(w, liste);
    QStringList texte;
    for (int i = 0; i < cbo->count(); ++i)
        texte << cbo->itemText(i);
    return texte;
}

}  // namespace

class FensterTest : public QObject {
    Q_OBJECT

private slots:
    void begriffeFenster()
    {
        Fenstersammlung s;
        frmBegriffe f(s.z, s.db);
        f.show();
        QVERIFY(s.z.offen.begriffe);
        s.db.rsAlbum.MoveFirst();
        auto* neu = kind<QLineEdit>(f, u"txtNeuerBegriff"_s);
        QTest::keyClicks(neu, u"Oma"_s);
        QTest::keyClick(neu, Qt::Key_Return);
        const qint64 oma = Begriffstabelle::NummerVon(s.db.rsBegriffe, u"Oma"_s);
        QVERIFY(oma > 0 && neu->text().isEmpty());
        QCOMPARE(FeldLesen(s.db.rsAlbum, u"Schluesselbegriffe"_s) + s.begriffeImBetrachter(),
            Begriffsfeld::Eintrag(oma) + u"Oma"_s);
        QCOMPARE(eintraege(f, u"cboBegriffe"_s), (QStringList { Begriffsliste::Aufforderung(), u"Oma"_s }));
        // The same text again: no second keyword, no second entry.
        QTest::keyClicks(neu, u"Oma"_s);
        kind<QPushButton>(f, u"cmdHinzuNeu"_s)->click();
        QVERIFY(s.db.rsBegriffe.RecordCount() == 1
            && FeldLesen(s.db.rsAlbum, u"Schluesselbegriffe"_s) == Begriffsfeld::Eintrag(oma));

        // An existing one from the list, then off the picture again.
        Begriffstabelle::NeuenDatensatzEinfuegen(s.db, u"Zaun"_s);
        f.ListeAuffuellen();
        waehlen(f, u"cboBegriffe"_s, u"Zaun"_s);
        kind<QPushButton>(f, u"cmdHinzuVorhanden"_s)->click();
        QCOMPARE(s.begriffeImBetrachter(), u"Oma, Zaun"_s);
        f.ListeLoeschenAuffuellen();
        waehlen(f, u"cboBegriffeBildLoeschen"_s, u"Oma"_s);
        kind<QPushButton>(f, u"cmdLoeschenInBild"_s)->click();
        QCOMPARE(eintraege(f, u"cboBegriffeBildLoeschen"_s) << s.begriffeImBetrachter(),
            (QStringList { Begriffsliste::Aufforderung(), u"Zaun"_s, u"Zaun"_s }));
        QVERIFY(s.meldungen.meldungen.isEmpty());

        // "Nein" keeps the keyword; "Ja" deletes it everywhere.
        for (const QString& text : { u"Oma"_s, u"Zaun"_s }) {
            for (const auto antwort : { Meldungen::Antwort::Nein, Meldungen::Antwort::Ja }) {
                const int vorher = s.db.rsBegriffe.RecordCount();
                s.meldungen.leeren();
                s.meldungen.antworten << antwort;
                waehlen(f, u"cboBegriffeAlleLoeschen"_s, text);
                kind<QPushButton>(f, u"cmdLoeschenAlle"_s)->click();
                QVERIFY(s.meldungen.meldungen.size() == 1);
                QCOMPARE(s.db.rsBegriffe.RecordCount(), vorher - (antwort == Meldungen::Antwort::Ja));
            }
        }
        QCOMPARE(eintraege(f, u"cboBegriffe"_s), QStringList { Begriffsliste::Aufforderung() });
        QVERIFY(f.close() && !s.z.offen.begriffe);
    }

    void eigenschaftenDerMarkierten()
    {
        Fenstersammlung s;
        const qint64 oma = s.begriff(u"Oma"_s);
        s.liste->modell().Klick(1, false, false);
        s.liste->modell().Klick(2, false, true);
        s.db.rsAlbum.AbsolutePositionSetzen(2);
        frmBegriffeMulti d(s.z, s.db);
        d.show();
        const QString k1 = DBNummerBilden(u"1"_s, s.a), k2 = DBNummerBilden(u"2"_s, s.a);
        // Added to both marked pictures, then removed in delete mode.
        for (const QString& erwartet : { Begriffsfeld::Eintrag(oma), u" "_s }) {
            waehlen(d, u"cboBegriffe"_s, u"Oma"_s);
            kind<QPushButton>(d, u"cmdBestaetigungVorhanden"_s)->click();
            QCOMPARE(s.wert(s.a, k1) + s.wert(s.a, k2) + s.begriffeImBetrachter(),
                erwartet.repeated(2) + (erwartet == u" "_s ? QString() : u"Oma"_s));
            QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 2);
            kind<QPushButton>(d, u"cmdUmschalten"_s)->click();
        }

        // A day in the calendar dates both pictures; a remark typed in the viewer is kept.
        QTest::keyClicks(kind<QPlainTextEdit>(*s.anzeige, u"txtBemerkung"_s), u"Sommer"_s);
        d.movBildDatum_Gewaehlt(QDate(2011, 8, 9));
        QCOMPARE(s.wert(s.a, k1, u"Datum"_s) + s.wert(s.a, k2, u"Datum"_s) + s.wert(s.a, k2, u"Bemerkung"_s),
            u"2011-08-092011-08-09Sommer"_s);
    }

    void suchfenster()
    {
        Fenstersammlung s;
        AlbenauswahlFuellen(s.z, s.db);
        s.db.rsAlbum.AbsolutePositionSetzen(2);
        s.anzeige->BildAnzeigen();
        s.liste->ListeMarkierungNachfuehren();
        auto* f = new frmSuche(s.z, s.db);
        f->show();
        // No hit: said so, and what was shown stays.
        kind<QLineEdit>(*f, u"txtDatumBis"_s)->setText(u"1.1.1990"_s);
        kind<QPushButton>(*f, u"cmdStarten"_s)->click();
        QCOMPARE(s.meldungen.meldungen.size(), 1);
        QVERIFY(!s.z.suchergebnisAngezeigt && s.liste->modell().markiert(2) && s.ui.aufrufe.isEmpty()
            && !s.z.offen.suche);
        QCOMPARE(
            kind<QLineEdit>(*s.anzeige, u"txtBildname"_s)->text() + s.db.rsAlbum.quelle().tabelle, u"b.jpg"_s + s.a);

        f = new frmSuche(s.z, s.db);
        f->show();
        kind<QLineEdit>(*f, u"txtDateiname"_s)->setText(u"a.jpg"_s);
        kind<QPushButton>(*f, u"cmdStarten"_s)->click();
        QVERIFY(s.z.suchergebnisAngezeigt && !s.z.offen.suche);
        QCOMPARE(s.ui.aufrufe, QStringList { u"ZoomAnsichtSchliessen"_s });
        QCOMPARE(s.dateinamen(), (QStringList { u"a.jpg"_s, u"a.jpg"_s }));

        // Viewer and list keep remark, date and album edits locked on every row and across refills.
        frmAlbenAnzeige& anzeige = *s.anzeige;
        for (int runde = 0; runde < 2; ++runde) {
            QVERIFY(kind<QPlainTextEdit>(anzeige, u"txtBemerkung"_s)->isReadOnly()
                && !kind<QPushButton>(anzeige, u"cmdDatum"_s)->isEnabled()
                && kind<QPushButton>(anzeige, u"cmdBegriffe"_s)->isEnabled());
            anzeige.Navigieren(frmAlbenAnzeige::Schritt::Vor);
            QVERIFY(!kind<QPushButton>(*s.liste, u"cmdLoeschen"_s)->isEnabled()
                && !kind<QPushButton>(*s.liste, u"cmdHinzufuegen"_s)->isEnabled() && s.liste->modell().anzahl() == 2);
            s.liste->ListeAuffuellen();
        }
    }
};

int testeFenster(int argc, char** argv)
{
    FensterTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_fenster.moc"
