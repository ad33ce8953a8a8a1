#include "Begriffsfeld.h"
#include "Begriffssammlung.h"
#include "Suche.h"

#include <QTest>
#include <tuple>

using namespace Qt::StringLiterals;

// The search over all albums: TempAlbum, each criterion and their
// combination, literal texts, date ranges, and what stays when nothing is
// found or the database fails.
class SucheTest : public QObject {
    Q_OBJECT

private slots:
    void tempAlbumAusDreiAlben();
    void kriterien_data();
    void kriterien();
    void datumsbereichErgaenzen();
    void ohneKriteriumGeschiehtNichts();
    void zweiteSucheEinEintrag();
    void albumNamensSuchergebnisIstNichtDasErgebnis();
    void keinTrefferLaesstAllesStehen();
    void datenbankfehlerIstKeinLeeresErgebnis();
    void gesperrteDatenbank_data();
    void gesperrteDatenbank();
};

namespace {

// Three albums whose rows exercise every criterion; keyword numbers 3 and 13
// are made so that " 3;" must not match " 13;".
struct Suchdaten : Begriffssammlung {
    QString a, b, c;
    qint64 drei = 0, acht = 0, dreizehn = 0;
    Suchdaten()
    {
        for (int i = 1; i <= 13; ++i) {
            const qint64 n = begriff(u"B%1"_s.arg(i));
            if (i == 3)
                drei = n;
            if (i == 8)
                acht = n;
            if (i == 13)
                dreizehn = n;
        }
        a = album(u"Urlaub"_s);
        b = album(u"Garten"_s);
        c = album(u"Leer"_s);
        const auto e = [](qint64 n) { return Begriffsfeld::Eintrag(n); };
        zeile(a, u"IMG_0002.jpg"_s, e(drei) + e(acht), u"2004-05-01"_s, u"Rose am Zaun"_s);
        zeile(a, u"IMG_0001.jpg"_s, e(dreizehn), u"2004-05-31"_s, u"100% Sonne"_s);
        zeile(a, u"Oma's Garten.jpg"_s, e(acht), u"2004-06-01"_s, u"Oma's Rose"_s);
        zeile(b, u"img_0003.jpg"_s, e(acht) + e(drei), u"2004-04-30"_s, u"Rosen_Beet"_s);
        zeile(b, u"IMGX0004.jpg"_s, QString(), QString(), u"RosenXBeet"_s);
        zeile(b, u"IMG_0001.jpg"_s, e(drei), u"2003-01-01"_s);
        zeile(c, u"ÄPFEL.jpg"_s, QString(), u"2001-01-01"_s, u"grüne äpfel"_s);
        albumWaehlen(a);
    }
};

}  // namespace

void SucheTest::tempAlbumAusDreiAlben()
{
    Suchdaten s;
    // An album row without key still comes across, its key as Null.
    s.db.conDaten.Ausfuehren(u"INSERT INTO \"%1\" (Dateiname) VALUES ('ohne.jpg')"_s.arg(s.c));
    TempAlbumErstellen(s.db);
    TempAlbumErstellen(s.db);  // a second run replaces, never doubles
    QSqlQuery q = s.db.conDaten.Abfragen(
        u"SELECT count(*), count(DBNummer), count(DISTINCT DBNummer), count(DISTINCT Nummer) FROM TempAlbum"_s);
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 8);
    QCOMPARE(q.value(1).toInt(), 7);
    QCOMPARE(q.value(2).toInt(), 7);
    QCOMPARE(q.value(3).toInt(), 8);
    q.finish();
    // Keys, remarks and dates come across unchanged.
    QSqlQuery k = s.db.conDaten.Abfragen(u"SELECT DBNummer FROM \"%1\" WHERE Dateiname = 'IMG_0001.jpg'"_s.arg(s.b));
    QVERIFY(k.next());
    const QString schluessel = k.value(0).toString();
    k.finish();
    QCOMPARE(s.wert(u"TempAlbum"_s, schluessel, u"Datum"_s), u"2003-01-01"_s);
    QCOMPARE(s.wert(u"TempAlbum"_s, schluessel, u"Dateiname"_s), u"IMG_0001.jpg"_s);
    QVERIFY(!s.db.conDaten.InTransaktion());
}

void SucheTest::kriterien_data()
{
    QTest::addColumn<QStringList>("begriffe");  // B3, B8, B13
    QTest::addColumn<QString>("bemerkung");
    QTest::addColumn<QString>("dateiname");
    QTest::addColumn<QDate>("von");
    QTest::addColumn<QDate>("bis");
    QTest::addColumn<QStringList>("treffer");  // in the result's order

    const QDate kein;
    QTest::newRow("3 trifft nicht 13") << QStringList { u"B3"_s } << QString() << QString() << kein << kein
                                       << QStringList { u"IMG_0001.jpg"_s, u"IMG_0002.jpg"_s, u"img_0003.jpg"_s };
    QTest::newRow("alle Begriffe noetig") << QStringList { u"B8"_s, u"B3"_s } << QString() << QString() << kein << kein
                                          << QStringList { u"IMG_0002.jpg"_s, u"img_0003.jpg"_s };
    QTest::newRow("13") << QStringList { u"B13"_s } << QString() << QString() << kein << kein
                        << QStringList { u"IMG_0001.jpg"_s };
    QTest::newRow("Bemerkung") << QStringList() << u"rose"_s << QString() << kein << kein
                               << QStringList { u"IMG_0002.jpg"_s, u"img_0003.jpg"_s, u"IMGX0004.jpg"_s,
                                      u"Oma's Garten.jpg"_s };
    QTest::newRow("Prozent woertlich") << QStringList() << u"100%"_s << QString() << kein << kein
                                       << QStringList { u"IMG_0001.jpg"_s };
    QTest::newRow("Unterstrich woertlich")
        << QStringList() << u"Rosen_"_s << QString() << kein << kein << QStringList { u"img_0003.jpg"_s };
    QTest::newRow("Apostroph") << QStringList() << u"Oma's"_s << QString() << kein << kein
                               << QStringList { u"Oma's Garten.jpg"_s };
    QTest::newRow("Umlaut in Bemerkung") << QStringList() << u"GRÜNE ÄPFEL"_s << QString() << kein << kein
                                         << QStringList { u"ÄPFEL.jpg"_s };
    QTest::newRow("Umlaut im Dateinamen") << QStringList() << QString() << u"äpfel.JPG"_s << kein << kein
                                          << QStringList { u"ÄPFEL.jpg"_s };
    QTest::newRow("Dateiname geordnet") << QStringList() << QString() << u"IMG_"_s << kein << kein
                                        << QStringList { u"IMG_0001.jpg"_s, u"IMG_0001.jpg"_s, u"IMG_0002.jpg"_s,
                                               u"img_0003.jpg"_s };
    QTest::newRow("Mai, beide Enden") << QStringList() << QString() << QString() << QDate(2004, 5, 1)
                                      << QDate(2004, 5, 31) << QStringList { u"IMG_0001.jpg"_s, u"IMG_0002.jpg"_s };
    QTest::newRow("nur bis") << QStringList() << QString() << QString() << kein << QDate(2004, 4, 30)
                             << QStringList { u"img_0003.jpg"_s };
    QTest::newRow("verkehrt herum") << QStringList() << QString() << QString() << QDate(2004, 6, 1)
                                    << QDate(2004, 5, 31) << QStringList { u"IMG_0001.jpg"_s, u"Oma's Garten.jpg"_s };
    QTest::newRow("alles zusammen") << QStringList { u"B3"_s, u"B8"_s } << u"Rose"_s << u"IMG"_s << QDate(2004, 5, 1)
                                    << QDate(2004, 5, 31) << QStringList { u"IMG_0002.jpg"_s };
}

void SucheTest::kriterien()
{
    QFETCH(QStringList, begriffe);
    QFETCH(QString, bemerkung);
    QFETCH(QString, dateiname);
    QFETCH(QDate, von);
    QFETCH(QDate, bis);
    QFETCH(QStringList, treffer);

    Suchdaten s;
    Suchkriterien k;
    for (const QString& text : std::as_const(begriffe))
        k.begriffe << Begriffstabelle::NummerVon(s.db.rsBegriffe, text);
    k.bemerkung = bemerkung;
    k.dateiname = dateiname;
    k.von = von;
    k.bis = bis;
    const Suchergebnis e = SucheAusfuehren(s.z, s.db, k);
    QCOMPARE(e.ausgang, Suchausgang::Gefunden);
    QCOMPARE(s.dateinamen(), treffer);
    QCOMPARE(e.anzahl, treffer.size());
    QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 1);
    QVERIFY(s.z.suchergebnisAngezeigt);
}

void SucheTest::datumsbereichErgaenzen()
{
    // A missing end takes the other; a range given backwards is turned round.
    const QDate a(2004, 3, 5), b(2005, 1, 1);
    for (const auto& [von, bis, sollVon, sollBis] : { std::tuple { QDate(), a, a, a }, std::tuple { a, QDate(), a, a },
             std::tuple { b, a, a, b }, std::tuple { a, b, a, b } }) {
        QDate v = von, w = bis;
        DatumsbereichErgaenzen(v, w);
        QCOMPARE(v, sollVon);
        QCOMPARE(w, sollBis);
    }
}

void SucheTest::ohneKriteriumGeschiehtNichts()
{
    Suchdaten s;
    s.db.rsAlbum.AbsolutePositionSetzen(2);
    QCOMPARE(SucheAusfuehren(s.z, s.db, Suchkriterien()).ausgang, Suchausgang::KeinKriterium);
    QCOMPARE(s.db.rsAlbum.quelle().tabelle, s.a);
    QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 2);
    QVERIFY(!s.z.suchergebnisAngezeigt);
}

void SucheTest::zweiteSucheEinEintrag()
{
    Suchdaten s;
    AlbenauswahlFuellen(s.z, s.db);
    const int alben = static_cast<int>(s.z.albenauswahl.size());
    Suchkriterien k;
    k.dateiname = u"IMG"_s;
    QCOMPARE(SucheAusfuehren(s.z, s.db, k).ausgang, Suchausgang::Gefunden);
    k.dateiname = u"Oma"_s;
    QCOMPARE(SucheAusfuehren(s.z, s.db, k).ausgang, Suchausgang::Gefunden);
    QCOMPARE(s.z.albenauswahl.size(), alben + 1);
    QCOMPARE(s.z.albenauswahl.last(), u"Suchergebnis:"_s);
    QCOMPARE(s.z.albenauswahlIndex, alben);
    QVERIFY(SuchergebnisInAuswahl(s.z));
}

void SucheTest::albumNamensSuchergebnisIstNichtDasErgebnis()
{
    Suchdaten s;
    s.db.conDaten.Ausfuehren(u"UPDATE Alben SET Albenname = 'Suchergebnis:' WHERE Nummer = ?"_s, { s.a.toLongLong() });
    s.db.rsAlben.Requery();
    AlbenauswahlFuellen(s.z, s.db);
    QCOMPARE(s.z.albenauswahl.last(), u"Suchergebnis:"_s);
    QVERIFY(!SuchergebnisInAuswahl(s.z));
    const qsizetype vorher = s.z.albenauswahl.size();
    Suchkriterien k;
    k.dateiname = u"IMG"_s;
    QCOMPARE(SucheAusfuehren(s.z, s.db, k).ausgang, Suchausgang::Gefunden);
    QCOMPARE(s.z.albenauswahl.size(), vorher + 1);
    QCOMPARE(s.z.albenauswahlIndex, vorher);
}

void SucheTest::keinTrefferLaesstAllesStehen()
{
    Suchdaten s;
    AlbenauswahlFuellen(s.z, s.db);
    // First from an album, then from a search result on screen.
    for (int runde = 0; runde < 2; ++runde) {
        s.db.rsAlbum.AbsolutePositionSetzen(2);
        const QStringList vorher = s.dateinamen();
        const Abfrage quelle = s.db.rsAlbum.quelle();
        const QStringList auswahl = s.z.albenauswahl;
        const bool ergebnis = s.z.suchergebnisAngezeigt;
        QSqlQuery q = s.db.conDaten.Abfragen(u"SELECT group_concat(Nummer) FROM TempAlbum"_s);
        q.next();
        const QString temp = q.value(0).toString();
        q.finish();

        Suchkriterien k;
        k.dateiname = u"gibt es nicht"_s;
        QCOMPARE(SucheAusfuehren(s.z, s.db, k).ausgang, Suchausgang::NichtsGefunden);
        QCOMPARE(s.dateinamen(), vorher);
        QCOMPARE(s.db.rsAlbum.quelle().tabelle, quelle.tabelle);
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 2);
        QCOMPARE(s.z.albenauswahl, auswahl);
        QCOMPARE(s.z.suchergebnisAngezeigt, ergebnis);
        QSqlQuery nachher = s.db.conDaten.Abfragen(u"SELECT group_concat(Nummer) FROM TempAlbum"_s);
        nachher.next();
        QCOMPARE(nachher.value(0).toString(), temp);
        nachher.finish();

        k.dateiname = u"IMG"_s;
        QCOMPARE(SucheAusfuehren(s.z, s.db, k).ausgang, Suchausgang::Gefunden);
    }
}

void SucheTest::datenbankfehlerIstKeinLeeresErgebnis()
{
    Suchdaten s;
    s.db.rsAlbum.AbsolutePositionSetzen(3);
    s.db.conDaten.Ausfuehren(
        u"CREATE TRIGGER kaputt BEFORE INSERT ON TempAlbum BEGIN SELECT RAISE(ABORT, 'kaputt'); END"_s);
    Suchkriterien k;
    k.bemerkung = u"Rose"_s;
    const Suchergebnis e = SucheAusfuehren(s.z, s.db, k);
    QCOMPARE(e.ausgang, Suchausgang::Fehler);
    QVERIFY(e.fehler.contains(u"kaputt"_s));
    QVERIFY(e.fehler.contains(u"Sammlung.mdb"_s));
    QCOMPARE(s.db.rsAlbum.quelle().tabelle, s.a);
    QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 3);
    QVERIFY(!s.z.suchergebnisAngezeigt);
    QVERIFY(!s.db.conDaten.InTransaktion());
}

// Another connection holds the file's write lock: the user is asked, and
// may give up (nothing changes) or try again once the lock is gone.
void SucheTest::gesperrteDatenbank_data()
{
    QTest::addColumn<bool>("nochmal");
    QTest::newRow("aufgeben") << false;
    QTest::newRow("nochmal, andere gibt frei") << true;
}

void SucheTest::gesperrteDatenbank()
{
    QFETCH(bool, nochmal);
    Suchdaten s;
    s.db.rsAlbum.AbsolutePositionSetzen(2);
    Verbindung andere;
    andere.Oeffnen(s.datei(), Verbindung::LesenSchreiben);
    andere.Ausfuehren(u"BEGIN IMMEDIATE"_s);
    s.meldungen.antworten = { nochmal ? Meldungen::Antwort::OK : Meldungen::Antwort::Abbrechen };
    // "Beenden Sie das andere Programm": it ends while the question is shown.
    s.meldungen.beimZeigen = [&] {
        if (nochmal)
            andere.Schliessen();
    };
    Suchkriterien k;
    k.dateiname = u"IMG"_s;
    const Suchergebnis e = SucheAusfuehren(s.z, s.db, k);
    QCOMPARE(s.meldungen.meldungen.size(), 1);
    const QString text = s.meldungen.texte().first();
    QVERIFY2(text.contains(u"Sammlung.mdb wird gerade von einem anderen Programm benutzt"_s), qPrintable(text));
    QVERIFY(!text.contains(u"locked"_s));
    QCOMPARE(e.ausgang, nochmal ? Suchausgang::Gefunden : Suchausgang::Abgebrochen);
    QCOMPARE(s.z.suchergebnisAngezeigt, nochmal);
    QCOMPARE(s.db.rsAlbum.quelle().tabelle, nochmal ? u"TempAlbum"_s : s.a);
    if (!nochmal)
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 2);
    QVERIFY(!s.db.conDaten.InTransaktion());
}

int testeSuche(int argc, char** argv)
{
    SucheTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_suche.moc"
