#include "Begriffsfeld.h"
#include "Begriffsliste.h"
#include "Begriffssammlung.h"
#include "Bildbegriffe.h"
#include "Bildliste.h"
#include "Suche.h"
#include "Twips.h"
#include "frmAlbenAnzeige.h"
#include "frmBegriffe.h"
#include "frmBegriffeAendern.h"
#include "frmBegriffeMulti.h"
#include "frmBilderListe.h"
#include "frmSuche.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Stands in for the main window: passes the calls between the windows here.
class Fenstervermittlung : public Oberflaeche {
public:
    frmAlbenAnzeige* anzeige = nullptr;
    frmBilderListe* liste = nullptr;
    QStringList aufrufe;

    void AlbenAnzeigeBildAnzeigen() override
    {
        if (anzeige)
            anzeige->BildAnzeigen();
    }
    void AlbenAnzeigeNeuesAlbum() override
    {
        if (anzeige)
            anzeige->NeuesAlbum();
    }
    void AlbenAnzeigeNaviPruefung() override
    {
        if (anzeige)
            anzeige->NaviPruefung();
    }
    void AlbenAnzeigeBemerkungSichern() override
    {
        if (anzeige)
            anzeige->BemerkungSichern();
    }
    void AlbenAnzeigeBegriffeAktualisieren() override
    {
        if (anzeige)
            anzeige->BegriffeAktualisieren();
    }
    void ListeAuffuellen() override
    {
        if (liste)
            liste->ListeAuffuellen();
    }
    void ListeMarkierungNachfuehren() override
    {
        if (liste)
            liste->ListeMarkierungNachfuehren();
    }
    bool BildMarkiert(int position) override { return liste && liste->modell().markiert(position); }
    void ZoomAnsichtSchliessen() override { aufrufe << u"ZoomAnsichtSchliessen"_s; }
};

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
    ~Fenstersammlung() override
    {
        anzeige.reset();
        liste.reset();
    }
};

template <class W> W* kind(QWidget& w, const QString& name)
{
    W* k = w.findChild<W*>(name);
    if (!k)
        qFatal("Kein Element %s", qPrintable(name));
    return k;
}

void waehlen(QWidget& w, const QString& liste, const QString& text)
{
    auto* cbo = kind<QComboBox>(w, liste);
    const int i = cbo->findText(text);
    QVERIFY2(i > 0, qPrintable(text));
    cbo->setCurrentIndex(i);
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
    void begriffeFensterFuegtHinzuUndEntfernt();
    void begriffeFensterKleinUndGross();
    void umbenennenUeberDenDialog();
    void eigenschaftenDerMarkierten();
    void sucheZeigtErgebnisMitSperren();
    void sucheOhneTrefferMeldetUndLaesstStehen();
};

void FensterTest::begriffeFensterFuegtHinzuUndEntfernt()
{
    Fenstersammlung s;
    frmBegriffe f(s.z, s.db);
    f.show();
    QVERIFY(s.z.offen.begriffe);
    s.db.rsAlbum.MoveFirst();
    auto* neu = kind<QLineEdit>(f, u"txtNeuerBegriff"_s);
    QTest::keyClicks(neu, u"Oma"_s);
    QTest::keyClick(neu, Qt::Key_Return);
    QVERIFY(neu->text().isEmpty());
    const qint64 oma = Begriffstabelle::NummerVon(s.db.rsBegriffe, u"Oma"_s);
    QVERIFY(oma > 0);
    QCOMPARE(FeldLesen(s.db.rsAlbum, u"Schluesselbegriffe"_s), Begriffsfeld::Eintrag(oma));
    QCOMPARE(kind<QLineEdit>(*s.anzeige, u"txtBegriffe"_s)->text(), u"Oma"_s);
    QCOMPARE(eintraege(f, u"cboBegriffe"_s), (QStringList { Begriffsliste::Aufforderung(), u"Oma"_s }));

    // The same text again: no second keyword, no second entry.
    QTest::keyClicks(neu, u"Oma"_s);
    kind<QPushButton>(f, u"cmdHinzuNeu"_s)->click();
    QCOMPARE(s.db.rsBegriffe.RecordCount(), 1);
    QCOMPARE(FeldLesen(s.db.rsAlbum, u"Schluesselbegriffe"_s), Begriffsfeld::Eintrag(oma));

    // An existing one from the list, then off the picture again.
    Begriffstabelle::NeuenDatensatzEinfuegen(s.db, u"Zaun"_s);
    f.ListeAuffuellen();
    waehlen(f, u"cboBegriffe"_s, u"Zaun"_s);
    kind<QPushButton>(f, u"cmdHinzuVorhanden"_s)->click();
    QCOMPARE(kind<QLineEdit>(*s.anzeige, u"txtBegriffe"_s)->text(), u"Oma, Zaun"_s);
    f.ListeLoeschenAuffuellen();
    QCOMPARE(eintraege(f, u"cboBegriffeBildLoeschen"_s),
        (QStringList { Begriffsliste::Aufforderung(), u"Oma"_s, u"Zaun"_s }));
    waehlen(f, u"cboBegriffeBildLoeschen"_s, u"Oma"_s);
    kind<QPushButton>(f, u"cmdLoeschenInBild"_s)->click();
    QCOMPARE(kind<QLineEdit>(*s.anzeige, u"txtBegriffe"_s)->text(), u"Zaun"_s);
    QCOMPARE(eintraege(f, u"cboBegriffeBildLoeschen"_s), (QStringList { Begriffsliste::Aufforderung(), u"Zaun"_s }));
    QVERIFY(s.meldungen.meldungen.isEmpty());
}

void FensterTest::begriffeFensterKleinUndGross()
{
    Fenstersammlung s;
    frmBegriffe f(s.z, s.db);
    f.show();
    auto* erweitern = kind<QPushButton>(f, u"cmdErweitert"_s);
    auto* bildLoeschen = kind<QComboBox>(f, u"cboBegriffeBildLoeschen"_s);
    // Nothing to delete yet: the button does nothing.
    f.ListeLoeschenAuffuellen();
    QCOMPARE(erweitern->text(), u"Begriffe löschen >>"_s);
    erweitern->click();
    QVERIFY(!f.erweitert());
    QVERIFY(!bildLoeschen->isVisible());

    // The first keyword: the button extends again, and says so.
    s.db.rsAlbum.MoveFirst();
    auto* neu = kind<QLineEdit>(f, u"txtNeuerBegriff"_s);
    QTest::keyClicks(neu, u"Rose"_s);
    QTest::keyClick(neu, Qt::Key_Return);
    QCOMPARE(erweitern->text(), u"Erweitern >>"_s);
    erweitern->click();
    QVERIFY(f.erweitert());
    QCOMPARE(erweitern->text(), u"<< Verkleinern"_s);
    QVERIFY(bildLoeschen->isVisible());
    QVERIFY(f.height() >= Twips::zuPixel(frmBegriffe::HoeheGrossTwips));
    const int gross = f.height();

    // "Nein" keeps the keyword; "Ja" deletes the last one and the window shrinks.
    waehlen(f, u"cboBegriffeAlleLoeschen"_s, u"Rose"_s);
    s.meldungen.antworten << Meldungen::Antwort::Nein;
    kind<QPushButton>(f, u"cmdLoeschenAlle"_s)->click();
    QCOMPARE(s.db.rsBegriffe.RecordCount(), 1);
    QCOMPARE(s.meldungen.titel(), QStringList { u"Begriff löschen?"_s });
    // Named as written: "rose" may be another keyword.
    QVERIFY(s.meldungen.texte().first().startsWith(u"Soll der Begriff „Rose“ wirklich gelöscht werden?"_s));
    waehlen(f, u"cboBegriffeAlleLoeschen"_s, u"Rose"_s);
    s.meldungen.antworten << Meldungen::Antwort::Ja;
    kind<QPushButton>(f, u"cmdLoeschenAlle"_s)->click();
    QCOMPARE(s.db.rsBegriffe.RecordCount(), 0);
    QVERIFY(!f.erweitert());
    QCOMPARE(erweitern->text(), u"Begriffe löschen >>"_s);
    QVERIFY(f.height() < gross);
    QVERIFY(!bildLoeschen->isVisible());
    QCOMPARE(eintraege(f, u"cboBegriffe"_s), QStringList { Begriffsliste::Aufforderung() });

    f.close();
    QVERIFY(!s.z.offen.begriffe);
}

void FensterTest::umbenennenUeberDenDialog()
{
    Fenstersammlung s;
    const qint64 rose = s.begriff(u"Rose"_s);
    s.begriff(u"rose"_s);
    s.db.rsAlbum.MoveFirst();
    Bildbegriffe::Hinzufuegen(s.z, s.db, rose);
    frmBegriffeAendern d(s.z, s.db);
    auto* text = kind<QLineEdit>(d, u"txtBegriffAendern"_s);
    QVERIFY(!text->isEnabled());
    // Two keywords differ only in case: the one chosen is the one renamed.
    auto* cbo = kind<QComboBox>(d, u"cboBegriffe"_s);
    const int i = cbo->findData(rose);
    QVERIFY(i > 0);
    cbo->setCurrentIndex(i);
    kind<QPushButton>(d, u"cmdWaehlen"_s)->click();
    QVERIFY(text->isEnabled());
    QCOMPARE(text->text(), u"Rose"_s);
    text->setText(u"Heckenrose"_s);
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(Begriffstabelle::TextVon(s.db.rsBegriffe, rose), u"Heckenrose"_s);
    QCOMPARE(Begriffstabelle::NummerVon(s.db.rsBegriffe, u"rose"_s) != rose, true);
    QCOMPARE(kind<QLineEdit>(*s.anzeige, u"txtBegriffe"_s)->text(), u"Heckenrose"_s);
    QVERIFY(!text->isEnabled());
    d.reject();
    QVERIFY(!s.db.rsBegriffe.IstGefiltert());
}

void FensterTest::eigenschaftenDerMarkierten()
{
    Fenstersammlung s;
    const qint64 oma = s.begriff(u"Oma"_s);
    s.liste->modell().Klick(1, false, false);
    s.liste->modell().Klick(2, false, true);
    s.db.rsAlbum.AbsolutePositionSetzen(2);
    frmBegriffeMulti d(s.z, s.db);
    d.show();
    waehlen(d, u"cboBegriffe"_s, u"Oma"_s);
    kind<QPushButton>(d, u"cmdBestaetigungVorhanden"_s)->click();
    QCOMPARE(s.wert(s.a, DBNummerBilden(u"1"_s, s.a)), Begriffsfeld::Eintrag(oma));
    QCOMPARE(s.wert(s.a, DBNummerBilden(u"2"_s, s.a)), Begriffsfeld::Eintrag(oma));
    QCOMPARE(kind<QLineEdit>(*s.anzeige, u"txtBegriffe"_s)->text(), u"Oma"_s);
    QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 2);

    kind<QPushButton>(d, u"cmdUmschalten"_s)->click();
    QVERIFY(d.loeschModus());
    QCOMPARE(kind<QPushButton>(d, u"cmdBestaetigungVorhanden"_s)->text(), u"Löschen"_s);
    QCOMPARE(kind<QLabel>(d, u"lblComboBox"_s)->text(), u"Begriff löschen:"_s);
    waehlen(d, u"cboBegriffe"_s, u"Oma"_s);
    kind<QPushButton>(d, u"cmdBestaetigungVorhanden"_s)->click();
    QCOMPARE(s.wert(s.a, DBNummerBilden(u"1"_s, s.a)), u" "_s);
    QCOMPARE(kind<QLineEdit>(*s.anzeige, u"txtBegriffe"_s)->text(), QString());

    // A day in the calendar dates both pictures; a remark typed in the viewer is kept.
    auto* bemerkung = kind<QPlainTextEdit>(*s.anzeige, u"txtBemerkung"_s);
    QTest::keyClicks(bemerkung, u"Sommer"_s);
    d.movBildDatum_Gewaehlt(QDate(2011, 8, 9));
    QCOMPARE(kind<QLineEdit>(d, u"txtBilddatum"_s)->text(), u"09.08.2011"_s);
    QCOMPARE(s.wert(s.a, DBNummerBilden(u"1"_s, s.a), u"Datum"_s), u"2011-08-09"_s);
    QCOMPARE(s.wert(s.a, DBNummerBilden(u"2"_s, s.a), u"Bemerkung"_s), u"Sommer"_s);
    QCOMPARE(kind<QLineEdit>(*s.anzeige, u"txtBilddatum"_s)->text(), u"09.08.2011"_s);
}

void FensterTest::sucheZeigtErgebnisMitSperren()
{
    Fenstersammlung s;
    AlbenauswahlFuellen(s.z, s.db);
    auto* f = new frmSuche(s.z, s.db);
    f->show();
    QVERIFY(s.z.offen.suche);
    kind<QLineEdit>(*f, u"txtDateiname"_s)->setText(u"a.jpg"_s);
    kind<QPushButton>(*f, u"cmdStarten"_s)->click();
    QVERIFY(s.z.suchergebnisAngezeigt);
    QVERIFY(!s.z.offen.suche);
    QCOMPARE(s.ui.aufrufe, QStringList { u"ZoomAnsichtSchliessen"_s });
    QCOMPARE(s.dateinamen(), (QStringList { u"a.jpg"_s, u"a.jpg"_s }));
    QCOMPARE(s.anzeige->windowTitle(), u"Suchergebnis:"_s);

    // The viewer keeps remark and date locked on every result row.
    frmAlbenAnzeige& anzeige = *s.anzeige;
    for (int runde = 0; runde < 2; ++runde) {
        auto* bemerkung = kind<QPlainTextEdit>(anzeige, u"txtBemerkung"_s);
        QVERIFY(bemerkung->isReadOnly());
        // ... and looks locked, as the other read-only fields do.
        QCOMPARE(bemerkung->palette().color(QPalette::Base),
            kind<QLineEdit>(anzeige, u"txtBildname"_s)->palette().color(QPalette::Base));
        QVERIFY(bemerkung->palette().color(QPalette::Base) != QApplication::palette().color(QPalette::Base));
        QVERIFY(!kind<QPushButton>(anzeige, u"cmdDatum"_s)->isEnabled());
        QVERIFY(kind<QPushButton>(anzeige, u"cmdBegriffe"_s)->isEnabled());
        anzeige.Navigieren(frmAlbenAnzeige::Schritt::Vor);
    }
    // The list keeps its label and locked buttons across refills.
    for (int runde = 0; runde < 2; ++runde) {
        QCOMPARE(kind<QLabel>(*s.liste, u"lblTabellenname"_s)->text(), u"Suchergebnis:"_s);
        QVERIFY(!kind<QPushButton>(*s.liste, u"cmdLoeschen"_s)->isEnabled());
        QVERIFY(!kind<QPushButton>(*s.liste, u"cmdHinzufuegen"_s)->isEnabled());
        QCOMPARE(s.liste->modell().anzahl(), 2);
        s.liste->ListeAuffuellen();
    }
}

void FensterTest::sucheOhneTrefferMeldetUndLaesstStehen()
{
    Fenstersammlung s;
    s.db.rsAlbum.AbsolutePositionSetzen(2);
    s.anzeige->BildAnzeigen();
    s.liste->ListeMarkierungNachfuehren();
    auto* f = new frmSuche(s.z, s.db);
    f->show();
    // Nothing given: nothing happens, the window stays.
    kind<QPushButton>(*f, u"cmdStarten"_s)->click();
    QVERIFY(s.z.offen.suche);
    QVERIFY(s.meldungen.meldungen.isEmpty());

    auto* bis = kind<QLineEdit>(*f, u"txtDatumBis"_s);
    bis->setText(u"1.1.1990"_s);
    kind<QPushButton>(*f, u"cmdStarten"_s)->click();
    QCOMPARE(s.meldungen.texte(), QStringList { u"Schade, kein Bild gefunden!"_s });
    QVERIFY(!s.z.suchergebnisAngezeigt);
    QCOMPARE(s.db.rsAlbum.quelle().tabelle, s.a);
    QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 2);
    QCOMPARE(kind<QLineEdit>(*s.anzeige, u"txtBildname"_s)->text(), u"b.jpg"_s);
    QVERIFY(s.liste->modell().markiert(2));
    QVERIFY(s.ui.aufrufe.isEmpty());
}

int testeFenster(int argc, char** argv)
{
    FensterTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_fenster.moc"
