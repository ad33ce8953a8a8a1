#include "Begriffsfeld.h"
#include "Begriffssammlung.h"
#include "Suche.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Three albums whose rows exercise every criterion; keyword numbers 3 and 13
// are made so that " 3;" must not match " 13;".
struct Suchdaten : Begriffssammlung {
    QString a, b, c;
    Suchdaten()
    {
        qint64 n[14] = {};
        for (int i = 1; i <= 13; ++i)
            n[i] = begriff(u"B%1"_s.arg(i));
        a = album(u"Urlaub"_s);
        b = album(u"Garten"_s);
        c = album(u"Leer"_s);
        const auto e = [&n](int i) { return Begriffsfeld::Eintrag(n[i]); };
        zeile(a, u"IMG_0002.jpg"_s, e(3) + e(8), u"2004-05-01"_s, u"Rose am Zaun"_s);
        zeile(a, u"IMG_0001.jpg"_s, e(13), u"2004-05-31"_s, u"100% Sonne"_s);
        zeile(a, u"Oma's Garten.jpg"_s, e(8), u"2004-06-01"_s, u"Oma's Rose"_s);
        zeile(b, u"img_0003.jpg"_s, e(8) + e(3), u"2004-04-30"_s, u"Rosen_Beet"_s);
        zeile(b, u"IMGX0004.jpg"_s, QString(), QString(), u"RosenXBeet"_s);
        zeile(b, u"IMG_0001.jpg"_s, e(3), u"2003-01-01"_s);
        zeile(c, u"ÄPFEL.jpg"_s, QString(), u"2001-01-01"_s, u"grüne äpfel"_s);
        // A row without a key is found all the same.
        db.conDaten.Ausfuehren(u"INSERT INTO \"%1\" (Dateiname) VALUES ('ohne.jpg')"_s.arg(c));
        albumWaehlen(a);
    }
    Suchausgang suchen(const QString& dateiname)
    {
        Suchkriterien k;
        k.dateiname = dateiname;
        return SucheAusfuehren(z, db, k).ausgang;
    }
    QString tempAlbum()
    {
        QSqlQuery q = db.conDaten.Abfragen(u"SELECT group_concat(Nummer || DBNummer) FROM TempAlbum"_s);
        return q.next() ? q.value(0).toString() : QString();
    }
};

}  // namespace

// The search over all albums: each criterion and their combination, literal texts,
// date ranges, and what stays when nothing is found or the database fails.
class SucheTest : public QObject {
    Q_OBJECT

private slots:
    void kriterien()
    {
        // The file names found, in the result's order, without ".jpg".
        const auto suchen = [](const QList<int>& begriffe, const QString& bemerkung, const QString& dateiname,
                                QDate von = {}, QDate bis = {}) {
            Suchdaten s;
            Suchkriterien k { {}, bemerkung, dateiname, von, bis };
            for (const int b : begriffe)
                k.begriffe << Begriffstabelle::NummerVon(s.db.rsBegriffe, u"B%1"_s.arg(b));
            const Suchergebnis e = SucheAusfuehren(s.z, s.db, k);
            const QStringList liste = s.dateinamen();
            const QString namen = liste.join(u' ').replace(u".jpg"_s, QString());
            // The same rows in the same order as the statement over a whole copy of every album.
            s.db.conDaten.Ausfuehren(u"CREATE TEMP TABLE Voll AS SELECT * FROM TempAlbum WHERE 0"_s);
            for (s.db.rsAlben.MoveFirst(); !s.db.rsAlben.Eof(); s.db.rsAlben.MoveNext())
                s.db.conDaten.Ausfuehren(
                    u"INSERT INTO Voll (DBNummer, Dateiname, Datum, Schluesselbegriffe, Bemerkung) SELECT "
                    "NULLIF(DBNummer, ''), Dateiname, Datum, Schluesselbegriffe, Bemerkung "
                    "FROM \"%1\""_s.arg(FeldLesen(s.db.rsAlben, u"Nummer"_s)));
            DatumsbereichErgaenzen(k.von, k.bis);
            Abfrage voll = SuchAbfrage(k);
            voll.tabelle = u"Voll"_s;
            QStringList erwartet, gezeigt;
            for (QSqlQuery q = s.db.conDaten.Abfragen(voll.sql(), voll.werte); q.next();)
                erwartet << q.value(u"DBNummer"_s).toString();
            for (s.db.rsAlbum.MoveFirst(); !s.db.rsAlbum.Eof(); s.db.rsAlbum.MoveNext())
                gezeigt << FeldLesen(s.db.rsAlbum, u"DBNummer"_s);
            s.db.rsAlbum.MoveFirst();
            const bool stimmig = e.ausgang == Suchausgang::Gefunden && e.anzahl == liste.size()
                && s.db.rsAlbum.AbsolutePosition() == 1 && s.z.suchergebnisAngezeigt && gezeigt == erwartet;
            return stimmig ? namen : u"nicht angezeigt: "_s + namen;
        };
        QCOMPARE(suchen({ 3 }, {}, {}), u"IMG_0001 IMG_0002 img_0003"_s);  // 3 is not 13
        QCOMPARE(suchen({ 8, 3 }, {}, {}), u"IMG_0002 img_0003"_s);  // every keyword needed
        QCOMPARE(suchen({ 13 }, {}, {}), u"IMG_0001"_s);
        QCOMPARE(suchen({}, u"rose"_s, {}), u"IMG_0002 img_0003 IMGX0004 Oma's Garten"_s);
        QCOMPARE(suchen({}, u"100%"_s, {}), u"IMG_0001"_s);  // % and _ are literal
        QCOMPARE(suchen({}, u"Rosen_"_s, {}), u"img_0003"_s);
        QCOMPARE(suchen({}, u"Oma's"_s, {}), u"Oma's Garten"_s);
        QCOMPARE(suchen({}, u"GRÜNE ÄPFEL"_s, {}), u"ÄPFEL"_s);
        QCOMPARE(suchen({}, {}, u"äpfel.JPG"_s), u"ÄPFEL"_s);
        QCOMPARE(suchen({}, {}, u"ohne"_s), u"ohne"_s);
        QCOMPARE(suchen({}, {}, u"IMG_"_s), u"IMG_0001 IMG_0001 IMG_0002 img_0003"_s);
        QCOMPARE(suchen({}, {}, {}, QDate(2004, 5, 1), QDate(2004, 5, 31)), u"IMG_0001 IMG_0002"_s);
        QCOMPARE(suchen({}, {}, {}, {}, QDate(2004, 4, 30)), u"img_0003"_s);  // a missing end takes the other
        QCOMPARE(suchen({}, {}, {}, QDate(2004, 5, 31), {}), u"IMG_0001"_s);
        QCOMPARE(suchen({}, {}, {}, QDate(2004, 6, 1), QDate(2004, 5, 31)), u"IMG_0001 Oma's Garten"_s);  // backwards
        QCOMPARE(suchen({ 3, 8 }, u"Rose"_s, u"IMG"_s, QDate(2004, 5, 1), QDate(2004, 5, 31)), u"IMG_0002"_s);
    }

    // No criterion, no hit or a failing database, from an album or from a
    // search result on screen: what was shown stays, and TempAlbum with it.
    void misslungeneSucheLaesstAllesStehen()
    {
        for (const Suchausgang ausgang :
            { Suchausgang::KeinKriterium, Suchausgang::NichtsGefunden, Suchausgang::Fehler })
            for (const bool vomErgebnis : { false, true }) {
                Suchdaten s;
                AlbenauswahlFuellen(s.z, s.db);
                // A second result replaces the first, also in the chooser.
                if (vomErgebnis)
                    QVERIFY(s.suchen(u"Oma"_s) == Suchausgang::Gefunden && s.suchen(u"IMG"_s) == Suchausgang::Gefunden
                        && s.z.albenauswahl.count(u"Suchergebnis:"_s) == 1 && SuchergebnisInAuswahl(s.z));
                s.db.rsAlbum.AbsolutePositionSetzen(2);
                const QStringList namen = s.dateinamen(), auswahl = s.z.albenauswahl;
                const QString quelle = s.db.rsAlbum.quelle().tabelle, temp = s.tempAlbum();
                if (ausgang == Suchausgang::Fehler)
                    s.db.conDaten.Ausfuehren(
                        u"CREATE TRIGGER kaputt BEFORE INSERT ON TempAlbum BEGIN SELECT RAISE(ABORT, 'kaputt'); END"_s);
                Suchkriterien k;
                k.bemerkung = ausgang == Suchausgang::Fehler ? u"Rose"_s : QString();
                k.dateiname = ausgang == Suchausgang::NichtsGefunden ? u"gibt es nicht"_s : QString();
                const Suchergebnis e = SucheAusfuehren(s.z, s.db, k);
                QCOMPARE(e.ausgang, ausgang);
                if (ausgang == Suchausgang::Fehler)
                    QVERIFY2(
                        e.fehler.contains(u"kaputt"_s) && e.fehler.contains(u"Sammlung.mdb"_s), qPrintable(e.fehler));
                QCOMPARE(s.dateinamen(), namen);
                QCOMPARE(s.db.rsAlbum.quelle().tabelle, quelle);
                QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 2);
                QCOMPARE(s.z.albenauswahl, auswahl);
                QCOMPARE(s.z.suchergebnisAngezeigt, vomErgebnis);
                QCOMPARE(s.tempAlbum(), temp);
                QVERIFY(!s.db.conDaten.InTransaktion());
            }
    }

    // Another connection holds the file's write lock: the user is asked, and
    // may give up (nothing changes) or try again once the lock is gone.
    void gesperrteDatenbank()
    {
        for (const bool nochmal : { false, true }) {
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
            const Suchausgang ausgang = s.suchen(u"IMG"_s);
            QCOMPARE(s.meldungen.meldungen.size(), 1);
            const QString text = s.meldungen.texte().first();
            QVERIFY2(text.contains(u"Sammlung.mdb wird gerade von einem anderen Programm benutzt"_s), qPrintable(text));
            QVERIFY(!text.contains(u"locked"_s));
            QCOMPARE(ausgang, nochmal ? Suchausgang::Gefunden : Suchausgang::Abgebrochen);
            QCOMPARE(s.z.suchergebnisAngezeigt, nochmal);
            QCOMPARE(s.db.rsAlbum.quelle().tabelle, nochmal ? u"TempAlbum"_s : s.a);
            QCOMPARE(s.db.rsAlbum.AbsolutePosition(), nochmal ? 1 : 2);
            QVERIFY(!s.db.conDaten.InTransaktion());
        }
    }
};

int testeSuche(int argc, char** argv)
{
    SucheTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_suche.moc"
